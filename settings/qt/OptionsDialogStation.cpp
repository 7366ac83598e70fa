// The options dialog's station: the list, the search and the Station box kept in agreement,
// the user's pick, and the first start's question of where the user is.
#include "settings/qt/OptionsDialog.h"

#include "settings/qt/StationFinder.h"
#include "settings/qt/StationListModel.h"
#include "settings/stations/PlaceNames.h"
#include "settings/stations/StationDirectory.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>

#include <string_view>

namespace stormbell {
namespace {

/// The station file from the station field: the typed station's file unless the text names a
/// file already (case counts), then a..z upper-cased, so "kjln.txt" gives "KJLN.TXT.TXT".
std::string TypedStationFile(std::string typed) {
    if (!IsStationFileName(typed))
        typed = StationFileName(typed);
    for (char& c : typed)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return typed;
}

} // namespace

void OptionsDialog::AskWhereTheUserIs() {
    BuildContents();
    asking_ = true;
    PlacePrompt->show();
    StationNameField->setAccessibleDescription(PlacePrompt->text());
    show();
}

void OptionsDialog::hideEvent(QHideEvent* event) {
    if (finder_ != nullptr)
        finder_->Clear();
    StopAsking();
    ToolDialog::hideEvent(event);
}

void OptionsDialog::StopAsking() {
    if (!asking_)
        return;
    asking_ = false;
    PlacePrompt->hide();
    StationNameField->setAccessibleDescription(StationNameField->toolTip());
}

void OptionsDialog::SelectStationRow(int row) {
    // A station typed into the Station box shows even when the search had left it out.
    if (finder_->Searching() && !stations_->IndexOf(row).isValid() && StationIdentifier(row))
        finder_->Clear();
    const QModelIndex index = stations_->IndexOf(row);
    const bool wasSelecting = selectingRow_;
    selectingRow_ = true;
    StationList->setCurrentIndex(index);
    selectingRow_ = wasSelecting;
    if (index.isValid())
        StationList->scrollTo(index, QAbstractItemView::PositionAtCenter);
    // The field is the user's: it shows a search, or a row the user picked, never one the
    // program chose, so that typing a town starts at once.
    if (!finder_->Searching())
        StationNameField->clear();
}

std::optional<int> OptionsDialog::CurrentStationRow() const {
    // Only a file named exactly after a station is that station's.
    const std::string_view identifier = StationIdOf(settings_.StationFile);
    if (StationFileName(identifier) != settings_.StationFile)
        return std::nullopt;
    return StationRowOf(identifier);
}

void OptionsDialog::StationIdTyped() {
    settings_.StationFile = TypedStationFile(StationIdField->text().toLatin1().toStdString());
    // A row picked in the list is already selected and in view: the list stays where it is.
    const auto row = CurrentStationRow();
    if (row && *row != HighlightedRow())
        SelectStationRow(*row);
    const std::string typed = StationIdField->text().toLatin1().toStdString();
    StationNote->setVisible(!(row || IsUnlistedStation(typed)) || !IsIdentifierLike(typed));
}

void OptionsDialog::StationIdEdited() {
    host_.StationChanged();
}

int OptionsDialog::HighlightedRow() const {
    return stations_->DirectoryRow(StationList->currentIndex());
}

void OptionsDialog::StationPicked() {
    const QModelIndex index = StationList->currentIndex();
    const QString identifier = stations_->Identifier(index);
    // A station the directory lacks is taken by its identifier alone; LIndex keeps its row.
    if (identifier.isEmpty() || stations_->DirectoryRow(index) >= 0)
        settings_.PickedStationRow = stations_->DirectoryRow(index);
    StationNameField->setText(stations_->Text(index));
    if (!identifier.isEmpty()) {
        StationIdField->setText(identifier);
        host_.StationChanged();
        if (asking_) {
            StopAsking();
            emit placeChosen();
        }
    }
}

} // namespace stormbell
