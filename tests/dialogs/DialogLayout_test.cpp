#include "settings/qt/FtpSettingsDialog.h"
#include "settings/qt/OptionsDialog.h"
#include "tests/dialogs/RecordingHost.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace stormbell {
namespace {

/// The parts of `container` the layout places side by side: its shown children, but not the
/// focus mark, which lies over the others on purpose.
std::vector<QWidget*> LaidOut(QWidget& container) {
    std::vector<QWidget*> parts;
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(&container) && child->objectName() != "focusFrame")
            parts.push_back(child);
    return parts;
}

/// What a test of `dialog` at its current font finds wrong: parts that overlap, and captions
/// with less room than they ask for.
std::vector<std::string> LayoutFaults(QWidget& dialog) {
    std::vector<std::string> faults;
    std::vector<QWidget*> containers = {&dialog};
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        containers.push_back(group);
    for (QWidget* container : containers) {
        const auto parts = LaidOut(*container);
        for (std::size_t i = 0; i < parts.size(); ++i)
            for (std::size_t j = i + 1; j < parts.size(); ++j)
                if (parts[i]->geometry().intersects(parts[j]->geometry()))
                    faults.push_back(parts[i]->objectName().toStdString() + " overlaps " +
                                     parts[j]->objectName().toStdString());
    }
    for (QWidget* part : dialog.findChildren<QWidget*>()) {
        // A caption must fit; a spin's arrows may shrink, and a group holds its title and the
        // least its contents need.
        const auto* button = qobject_cast<QAbstractButton*>(part);
        const bool group = qobject_cast<QGroupBox*>(part) != nullptr;
        const bool captioned =
            qobject_cast<QLabel*>(part) || group || (button && !button->text().isEmpty());
        const QSize wanted = group ? part->minimumSizeHint() : part->sizeHint();
        if (captioned && part->isVisibleTo(&dialog) &&
            (wanted.width() > part->width() || wanted.height() > part->height()))
            faults.push_back(part->objectName().toStdString() + " is cut");
    }
    return faults;
}

// Each dialog laid out at the design's font and at one half larger: nothing overlaps, no caption
// is cut, and the larger font makes the dialog larger both ways, never smaller than the design.
TEST(DialogLayoutTest, DialogsGrowWithTheFontWithoutOverlapOrCutText) {
    Settings settings;
    Observation observation = FreshStoreObservation();
    testing::RecordingHost host{observation};
    const struct {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> make;
        QSize design;
    } dialogs[] = {
        {"options",
         [&] { return std::make_unique<OptionsDialog>(settings, observation, host); },
         {496, 366}},
        {"FTP settings", [&] { return std::make_unique<FtpSettingsDialog>(settings); }, {465, 88}},
    };
    for (const auto& d : dialogs) {
        const std::unique_ptr<QWidget> dialog = d.make();
        dialog->show();
        const QSize normal = dialog->size();
        EXPECT_TRUE(normal.width() >= d.design.width() && normal.height() >= d.design.height())
            << d.name;
        EXPECT_EQ(LayoutFaults(*dialog), std::vector<std::string>{}) << d.name;

        QFont larger = dialog->font();
        larger.setPointSizeF(larger.pointSizeF() * 1.5);
        dialog->setFont(larger);
        const QSize grown = dialog->size();
        EXPECT_GT(grown.width(), normal.width()) << d.name;
        EXPECT_GT(grown.height(), normal.height()) << d.name;
        EXPECT_EQ(LayoutFaults(*dialog), std::vector<std::string>{}) << d.name;
    }
}

} // namespace
} // namespace stormbell
