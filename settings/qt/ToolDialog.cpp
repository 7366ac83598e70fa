#include "settings/qt/ToolDialog.h"

#include "settings/qt/DialogParts.h"
#include "settings/qt/FocusFrame.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLayout>

#include <algorithm>

namespace stormbell {

ToolDialog::ToolDialog(const QString& caption, QSize smallest, QPoint firstPlace, QWidget* parent)
    : QWidget(parent, Qt::Tool), smallest_(smallest) {
    setWindowTitle(caption);
    setFont(DialogFont());
    setFixedSize(smallest_);
    move(firstPlace);
}

void ToolDialog::BuildContents() {
    if (built_)
        return;
    built_ = true;
    BuildControls();
    new FocusFrame(*this);
    FitToContents();
}

void ToolDialog::FitToContents() {
    SizeToFont();
    layout()->activate();
    setFixedSize(layout()->totalMinimumSize().expandedTo(smallest_));
}

double ToolDialog::FontScale() const {
    constexpr double kDesignLineHeight = 13; // the design's list rows, in its 8-point font
    return std::max(1.0, fontMetrics().height() / kDesignLineHeight);
}

void ToolDialog::setVisible(bool visible) {
    if (!visible) {
        const bool wasActive = isActiveWindow();
        QWidget::setVisible(false);
        if (wasActive)
            for (QWidget* window : returnFocus_)
                if (window->isVisible()) {
                    window->raise();
                    window->activateWindow();
                    break;
                }
        return;
    }
    BuildContents();
    QWidget::setVisible(true);
    // Shown from the gauge's keyboard or mouse, a tool window is not always activated by the
    // window system: the user's next key would go to the gauge.
    raise();
    activateWindow();
    FirstField()->setFocus(Qt::ActiveWindowFocusReason);
}

bool ToolDialog::event(QEvent* event) {
    // Showing runs it too: without a window manager a shown dialog may never become active,
    // and a second run on activation finds nothing left to change.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        ShowSettings();
    return QWidget::event(event);
}

void ToolDialog::changeEvent(QEvent* event) {
    // A larger font or a longer translation asks for more room.
    if (built_ && (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange))
        FitToContents();
    QWidget::changeEvent(event);
}

void ToolDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace stormbell
