#include "settings/qt/OptionsDialog.h"

#include "settings/qt/FtpSettingsDialog.h"
#include "settings/qt/SettingCheckBox.h"
#include "settings/qt/SpinEdit.h"
#include "settings/stations/StationDirectory.h"
#include "tests/dialogs/RecordingHost.h"
#include "tests/dialogs/TabOrder.h"
#include "tests/support/PdfPrinter.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace stormbell {
namespace {

class OptionsDialogTest : public ::testing::Test {
protected:
    OptionsDialogTest() { dialog.BuildContents(); }
    void Retype(QLineEdit* field, const char* text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    void PickRow(int row) {
        dialog.StationList->setCurrentIndex(dialog.StationList->model()->index(row, 0));
    }
    std::string SelectedText() const {
        return dialog.StationList->currentIndex().data().toString().toStdString();
    }
    QCheckBox* Box(const char* name) const { return dialog.findChild<QCheckBox*>(name); }

    Settings settings;
    Observation observation = FreshStoreObservation();
    testing::RecordingHost host{observation};
    OptionsDialog dialog{settings, observation, host};
};

// What is typed names the file; a station of the directory also selects its row, without
// picking it, and any other text leaves the selection where it was. The search stays empty.
TEST_F(OptionsDialogTest, StationFieldGivesTheFileNameAndSelectsItsRow) {
    settings.PickedStationRow = 0;
    dialog.show();
    const struct {
        const char* typed;
        const char* file;
        int selected;
        const char* text;
    } cases[] = {{"karb", "KARB.TXT", 1883, "US,MI,Ann Arbor Municipal Airport"},
                 {"ZZZZ", "ZZZZ.TXT", 1883, "US,MI,Ann Arbor Municipal Airport"},
                 {"KWEY", "KWEY.TXT", 2041, "US,MT,West Yellowstone"},
                 {"LATI.TXT", "LATI.TXT", 0, "Albania ,Tirana"},
                 {"abc", "ABC.TXT", 0, "Albania ,Tirana"},
                 {"kjln.txt", "KJLN.TXT.TXT", 1987, "US,MO,Joplin, Joplin Regional Airport"},
                 {"KJLN.TXT", "KJLN.TXT", 1987, "US,MO,Joplin, Joplin Regional Airport"},
                 {"", ".TXT", 1987, "US,MO,Joplin, Joplin Regional Airport"},
                 {"k1-z", "K1-Z.TXT", 1987, "US,MO,Joplin, Joplin Regional Airport"}};
    for (const auto& c : cases) {
        Retype(dialog.StationIdField, c.typed);
        EXPECT_EQ(settings.StationFile, c.file) << c.typed;
        EXPECT_EQ(dialog.StationList->currentIndex().row(), c.selected) << c.typed;
        EXPECT_EQ(SelectedText(), c.text) << c.typed;
        EXPECT_EQ(dialog.StationNameField->text(), "") << c.typed;
    }
    EXPECT_EQ(settings.PickedStationRow, 0);
}

// Without a window manager a shown dialog may never become active: showing fills it as well.
// The Station box shows the file's first four characters, which then name the file.
TEST_F(OptionsDialogTest, ShowingFillsTheFieldsFromTheSettings) {
    settings.StationFile = "ABC.TXT";
    settings.PickedStationRow = 1987;
    settings.UpdateMinutes = 15;
    settings.LogReports = true;
    dialog.show();
    EXPECT_EQ(dialog.StationIdField->text(), "ABC.");
    EXPECT_EQ(settings.StationFile, "ABC..TXT");
    EXPECT_EQ(SelectedText(), "US,MO,Joplin, Joplin Regional Airport");
    EXPECT_EQ(dialog.IntervalSpin->value(), 15);
    EXPECT_TRUE(Box("logReports")->isChecked());
}

TEST_F(OptionsDialogTest, TimerFieldLimitsTheMinutesAndSetsTheInterval) {
    const struct {
        const char* typed;
        int minutes;
    } cases[] = {{"0", 1}, {"5000", 1440}, {"61", 61}, {"abc", 1}, {"-7", 1}};
    for (const auto& c : cases) {
        Retype(dialog.IntervalSpin->lineEdit(), c.typed);
        EXPECT_EQ(settings.UpdateMinutes, c.minutes) << c.typed;
        EXPECT_EQ(host.intervals.back(), c.minutes * 60000) << c.typed;
    }
}

TEST_F(OptionsDialogTest, ActivationSetsTheIntervalOnlyWhenTheMinutesChange) {
    settings.UpdateMinutes = 60;
    dialog.ShowSettings();
    dialog.ShowSettings();
    dialog.IntervalSpin->findChild<QToolButton*>("up")->click();
    dialog.ShowSettings();
    EXPECT_EQ(host.intervals, (std::vector<int>{3600000, 3660000}));
}

// Each check box is bound to its setting's row: it shows the setting on every activation and
// stores each click at once.
TEST_F(OptionsDialogTest, CheckBoxesFollowTheirSettingsAndStoreClicks) {
    const std::pair<const char*, bool Settings::*> boxes[] = {
        {"logReports", &Settings::LogReports},
        {"fetchAtStart", &Settings::FetchAtStart},
        {"stormAlerts", &Settings::StormAlerts}};
    for (const auto& [name, setting] : boxes)
        for (const bool state : {true, false}) {
            settings.*setting = state;
            dialog.ShowSettings();
            EXPECT_EQ(Box(name)->isChecked(), state) << name;
            Box(name)->click();
            EXPECT_EQ(settings.*setting, !state) << name;
        }
    EXPECT_EQ(dialog.findChildren<SettingCheckBox*>().size(), std::size(boxes));
}

TEST_F(OptionsDialogTest, DisplayModeRowSwitchesTheSkinAndRedrawsAtOnce) {
    dialog.SetDisplayModeRow(0);
    dialog.RadioMetric->click();
    dialog.SetDisplayModeRow(1);
    dialog.SetDisplayModeRow(0);
    EXPECT_EQ(observation.DisplayMode, DisplayMode::English);
    EXPECT_EQ(host.appliedModes,
              (std::vector{DisplayMode::English, DisplayMode::Metric, DisplayMode::English}));
}

// The controls are built on the first show; what the program did before then is what they show.
TEST_F(OptionsDialogTest, FirstShowBuildsTheControlsFromWhatCameBefore) {
    OptionsDialog unseen{settings, observation, host};
    EXPECT_EQ(unseen.ReportView, nullptr);
    unseen.SetDisplayModeRow(1);
    unseen.SetDisplayModeRow(1);
    unseen.SetDisplayModeRow(0);
    host.report = "KJLN\r\nWind: calm\r\n";
    unseen.ShowReport();
    EXPECT_EQ(host.appliedModes, (std::vector{DisplayMode::Metric, DisplayMode::English}));

    unseen.show();
    EXPECT_TRUE(unseen.RadioEnglish->isChecked());
    EXPECT_EQ(unseen.ReportView->toPlainText(), "KJLN\nWind: calm");
    EXPECT_EQ(host.appliedModes, (std::vector{DisplayMode::Metric, DisplayMode::English}));
}

TEST_F(OptionsDialogTest, PickingARowChoosesItsStation) {
    const struct {
        int row;
        const char* text;
        const char* identifier;
    } cases[] = {{0, "Albania ,Tirana", "LATI"},
                 {1987, "US,MO,Joplin, Joplin Regional Airport", "KJLN"},
                 {2040, "US,MT,West Yellowstone", "KWYS"},
                 {2041, "US,MT,West Yellowstone", "KWEY"},
                 {2332, "US,Station name not available", "PAUD"},
                 {2852, "Zimbabwe ,Victoria Falls", "FVFA"}};
    for (const auto& c : cases) {
        PickRow(c.row);
        EXPECT_EQ(settings.PickedStationRow, c.row);
        EXPECT_EQ(dialog.StationNameField->text().toStdString(), c.text) << c.row;
        EXPECT_EQ(dialog.StationIdField->text().toStdString(), c.identifier) << c.row;
        EXPECT_EQ(settings.StationFile, std::string(c.identifier) + ".TXT") << c.row;
    }
}

// The search field filters the list; Down and Return pick the row under its directory number,
// as a click does; letters typed in the list only move the highlight.
TEST_F(OptionsDialogTest, APickUnderASearchStoresTheDirectoryRow) {
    dialog.show();
    QTest::keyClicks(dialog.StationNameField, "zurich");
    EXPECT_EQ(dialog.StationList->model()->index(0, 0).data().toString(),
              "Zurich \u2192 Switzerland, Zurich-Kloten");
    EXPECT_EQ(host.stationChanges, 0);
    QTest::keyClick(dialog.StationNameField, Qt::Key_Down);
    QTest::keyClick(dialog.StationList, Qt::Key_Return);
    EXPECT_EQ(settings.PickedStationRow, StationRowOf("LSZH"));
    EXPECT_EQ(dialog.StationNameField->text(), "Switzerland ,Zurich-Kloten");
    EXPECT_EQ(dialog.StationIdField->text(), "LSZH");
    EXPECT_EQ(settings.StationFile, "LSZH.TXT");
    EXPECT_EQ(host.stationChanges, 1);

    QTest::keyClick(dialog.StationNameField, Qt::Key_Escape);
    EXPECT_EQ(dialog.StationList->model()->rowCount(), kStationCount);
    QTest::keyClicks(dialog.StationList, "U");
    EXPECT_EQ(settings.StationFile, "LSZH.TXT");
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(dialog.StationNameField, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

// A station only the service publishes is taken by its identifier; LIndex keeps its row.
TEST_F(OptionsDialogTest, APickOfAStationTheDirectoryLacksTakesItsIdentifier) {
    settings.PickedStationRow = 1987;
    dialog.show();
    QTest::keyClicks(dialog.StationNameField, "birk");
    QTest::keyClick(dialog.StationNameField, Qt::Key_Return);
    EXPECT_EQ(dialog.StationIdField->text(), "BIRK");
    EXPECT_EQ(settings.StationFile, "BIRK.TXT");
    EXPECT_EQ(settings.PickedStationRow, 1987);
    EXPECT_FALSE(dialog.StationNote->isVisible());
    EXPECT_EQ(host.stationChanges, 1);
}

// While the field shows the picked row, what is typed, pasted or composed there is a new
// search, not an addition to the row's text.
TEST_F(OptionsDialogTest, TextPutIntoAPickedRowStartsANewSearch) {
    const struct {
        const char* what;
        std::function<void(QLineEdit&)> put;
        const char* field;
        const char* first;
    } cases[] = {
        {"typed", [](QLineEdit& field) { QTest::keyClicks(&field, "oslo"); }, "oslo", "ENGM"},
        {"pasted",
         [](QLineEdit& field) {
             QApplication::clipboard()->setText("munich");
             QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
         },
         "munich", "EDDM"},
        {"composed",
         [](QLineEdit& field) {
             QInputMethodEvent compose;
             compose.setCommitString(QString::fromUtf8("K\u00f6ln"));
             QApplication::sendEvent(&field, &compose);
         },
         "K\u00f6ln", "EDDK"},
    };
    dialog.show();
    for (const auto& c : cases) {
        PickRow(1987);
        dialog.StationNameField->setFocus();
        dialog.StationNameField->end(false);
        c.put(*dialog.StationNameField);
        EXPECT_EQ(dialog.StationNameField->text(), QString::fromUtf8(c.field)) << c.what;
        EXPECT_EQ(dialog.StationList->currentIndex().row(), 0) << c.what;
        QTest::keyClick(dialog.StationNameField, Qt::Key_Return);
        EXPECT_EQ(dialog.StationIdField->text(), c.first) << c.what;
        QTest::keyClick(dialog.StationNameField, Qt::Key_Escape);
    }
}

// Any text is taken, but one that names no station of the directory gets the note.
TEST_F(OptionsDialogTest, StationNoteShowsUnlessTheBoxNamesAStation) {
    dialog.show();
    const std::pair<const char*, bool> cases[] = {
        {"Seattle", true}, {"kjln", false}, {"ZZZZ", true}, {"KJLN.TXT", true}, {"LSZH", false}};
    for (const auto& [typed, noted] : cases) {
        Retype(dialog.StationIdField, typed);
        EXPECT_EQ(dialog.StationNote->isVisible(), noted) << typed;
    }
}

// The list shows the station the Station box names, in view, or else LIndex's row, without
// picking it: LIndex and OCityStr stay as stored.
TEST_F(OptionsDialogTest, ShowingSelectsTheCurrentStationsRowWithoutPickingIt) {
    const struct {
        const char* file;
        int stored;
        int selected;
        const char* text;
    } cases[] = {{"KJLN.TXT", 0, 1987, "US,MO,Joplin, Joplin Regional Airport"},
                 {"KARB.TXT", 0, 1883, "US,MI,Ann Arbor Municipal Airport"},
                 {"FVFA.TXT", 1987, 2852, "Zimbabwe ,Victoria Falls"},
                 {"ZZZZ.TXT", 42, 42, "Aruba ,Queen Beatrix Airport, Aruba"},
                 {"ZZZZ.TXT", 0, 0, "Albania ,Tirana"},
                 {"ZZZZ.TXT", 2852, 2852, "Zimbabwe ,Victoria Falls"},
                 {"ZZZZ.TXT", -1, -1, ""},
                 {"ZZZZ.TXT", 2853, -1, ""}};
    for (const auto& c : cases) {
        settings.StationFile = c.file;
        settings.PickedStationRow = c.stored;
        dialog.show();
        const QModelIndex current = dialog.StationList->currentIndex();
        EXPECT_EQ(current.row(), c.selected) << c.file << c.stored;
        EXPECT_EQ(dialog.StationList->selectionModel()->hasSelection(), c.selected >= 0)
            << c.stored;
        EXPECT_EQ(SelectedText(), c.text) << c.file << c.stored;
        EXPECT_EQ(dialog.StationNameField->text(), "") << c.file << c.stored;
        EXPECT_TRUE(c.selected < 0 || dialog.StationList->viewport()->rect().contains(
                                          dialog.StationList->visualRect(current)))
            << c.file;
        EXPECT_EQ(settings.PickedStationRow, c.stored);
        EXPECT_EQ(settings.StationFile, c.file);
        dialog.hide();
    }
}

TEST_F(OptionsDialogTest, EscapeHidesEitherDialogAsItsCloseBoxDoes) {
    FtpSettingsDialog ftp{settings};
    ftp.BuildContents();
    const std::pair<QWidget*, std::vector<QWidget*>> dialogs[] = {
        {&dialog,
         {dialog.StationIdField, dialog.StationList, dialog.IntervalSpin->lineEdit(),
          dialog.ReportView, Box("logReports")}},
        {&ftp,
         {ftp.HostField, ftp.DirectoryField, ftp.ProxyPortSpin->lineEdit(), ftp.RegisterButton}}};
    for (const auto& [window, focused] : dialogs)
        for (QWidget* focus : focused) {
            window->show();
            QTest::keyClick(focus, Qt::Key_Escape);
            EXPECT_FALSE(window->isVisible()) << focus->objectName().toStdString();
        }
}

// The report is shown a line to a row, whatever its line ends, its single bytes as characters.
TEST_F(OptionsDialogTest, ReportBoxShowsTheLastReportLineByLine) {
    const struct {
        const char* bytes;
        const char* shown;
    } cases[] = {{"", ""},
                 {"a\r\nb\r\n", "a\nb"},
                 {"a\rb\nc", "a\nb\nc"},
                 {"a\r\n\r\nb", "a\n\nb"},
                 {"Temp 21\xb0"
                  "C",
                  "Temp 21\u00b0C"}};
    for (const auto& c : cases) {
        host.report = c.bytes;
        dialog.ShowReport();
        EXPECT_EQ(dialog.ReportView->toPlainText(), QString::fromUtf8(c.shown)) << c.bytes;
    }
}

TEST_F(OptionsDialogTest, ButtonsOpenTheFtpSettingsAndPrintTheReport) {
    QTemporaryDir dir;
    dialog.SetPrinting(std::make_unique<testing::PdfPrinting>(dir.filePath("r.pdf")));
    host.report = "KJLN\r\nWind: calm\r\n";
    dialog.FtpSettingsButton->click();
    dialog.PrintButton->click();
    EXPECT_EQ(host.ftpShown, 1);
    const std::string printed = testing::PdfText(dir.filePath("r.pdf"));
    EXPECT_EQ(printed.rfind("Unknown station\nObservation time unknown\nPrinted ", 0), 0u)
        << printed;
    EXPECT_TRUE(printed.ends_with("\nKJLN\nWind: calm\n\f")) << printed;

    dialog.SetPrinting(std::make_unique<testing::PdfPrinting>("/nonexistent/r.pdf"));
    dialog.PrintButton->click();
    EXPECT_EQ(host.errors, (std::vector<std::string>{"Cannot start the print job"}));
}

// Tab reaches every control the dialog has, once each, in reading order, and the focus is marked
// on each of them.
TEST_F(OptionsDialogTest, TabVisitsEveryControlInReadingOrderAndMarksIt) {
    dialog.SetDisplayModeRow(0);
    FtpSettingsDialog ftp{settings};
    ftp.BuildContents();
    for (QWidget* window : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(&ftp)}) {
        const QString name = window->windowTitle();
        auto* mark = window->findChild<QWidget*>("focusFrame");
        ASSERT_NE(mark, nullptr);
        const auto marked = [&](QWidget* control) {
            const QRect at(control->mapTo(window, QPoint(0, 0)), control->size());
            EXPECT_TRUE(mark->isVisible() && mark->geometry().contains(at))
                << name.toStdString() << " " << control->objectName().toStdString();
        };
        const std::vector<QWidget*> walked = testing::TabWalk(*window, marked);
        auto reachable = testing::TabReachable(*window);
        auto visited = walked;
        std::ranges::sort(reachable);
        std::ranges::sort(visited);
        EXPECT_EQ(visited, reachable) << name.toStdString();
        // Round from the first field: the chain starts at the top once it wraps.
        const auto top = std::ranges::min_element(
            walked, [&](QWidget* a, QWidget* b) { return testing::ReadBefore(*window, a, b); });
        std::vector<QWidget*> order(top, walked.end());
        order.insert(order.end(), walked.begin(), top);
        for (std::size_t i = 0; i < order.size(); ++i)
            for (std::size_t j = i + 1; j < order.size(); ++j)
                EXPECT_FALSE(testing::ReadBefore(*window, order[j], order[i]))
                    << order[j]->objectName().toStdString() << " before "
                    << order[i]->objectName().toStdString();
        window->hide();
    }
}

// The first start asks over the search field, which has the keyboard; the first pick answers it
// once, and a dialog closed unanswered asks no more.
TEST_F(OptionsDialogTest, AskingWhereTheUserIsWaitsInTheSearchFieldForOnePick) {
    QSignalSpy chosen(&dialog, &OptionsDialog::placeChosen);
    dialog.AskWhereTheUserIs();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_TRUE(dialog.PlacePrompt->isVisible());
    EXPECT_EQ(dialog.PlacePrompt->text(), "Where are you? Type a town or an airport code");
    EXPECT_EQ(QApplication::focusWidget(), dialog.StationNameField);
    EXPECT_EQ(dialog.StationNameField->text(), "");
    QTest::keyClicks(dialog.StationNameField, "zurich");
    QTest::keyClick(dialog.StationNameField, Qt::Key_Return);
    QTest::keyClick(dialog.StationNameField, Qt::Key_Return);
    EXPECT_EQ(settings.StationFile, "LSZH.TXT");
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_FALSE(dialog.PlacePrompt->isVisible());

    dialog.hide();
    dialog.AskWhereTheUserIs();
    dialog.hide();
    dialog.show();
    EXPECT_FALSE(dialog.PlacePrompt->isVisible());
    PickRow(0);
    EXPECT_EQ(chosen.count(), 1);
}

double Luminance(const QColor& c) {
    auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// A screen reader names every control (the names themselves: tests/a11y), a label's field is the
// label's buddy, and the version label's text stands out from its face as plain text must (4.5:1).
TEST_F(OptionsDialogTest, EveryControlHasANameAndTheVersionIsReadable) {
    FtpSettingsDialog ftp{settings};
    ftp.BuildContents();
    for (const QWidget* window : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(&ftp)})
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QLineEdit*>(control) &&
                !qobject_cast<QAbstractScrollArea*>(control))
                continue;
            QAccessibleInterface* said = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(said, nullptr);
            EXPECT_FALSE(said->text(QAccessible::Name).isEmpty())
                << window->objectName().toStdString() << " " << control->objectName().toStdString();
        }
    const std::pair<QLabel*, QWidget*> buddies[] = {
        {dialog.StationLabel, dialog.StationIdField},
        {dialog.IntervalLabel, dialog.IntervalSpin->lineEdit()},
        {ftp.HostLabel, ftp.HostField},
        {ftp.DirectoryLabel, ftp.DirectoryField},
        {ftp.ProxyPortLabel, ftp.ProxyPortSpin->lineEdit()}};
    for (const auto& [label, field] : buddies)
        EXPECT_EQ(label->buddy(), field) << label->text().toStdString();
    const QPalette& version = dialog.VersionPanel->palette();
    const double text = Luminance(version.color(QPalette::WindowText));
    const double face = Luminance(version.color(QPalette::Window));
    EXPECT_GE((std::max(text, face) + 0.05) / (std::min(text, face) + 0.05), 4.5);
    EXPECT_EQ(dialog.VersionPanel->text(), "V1.3");
}

} // namespace
} // namespace stormbell
