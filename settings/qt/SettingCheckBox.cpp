#include "settings/qt/SettingCheckBox.h"

namespace stormbell {

SettingCheckBox::SettingCheckBox(const settingstable::Setting<Settings, bool>& row,
                                 Settings& settings, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent), value_(settings.*row.Of) {
    connect(this, &QCheckBox::toggled, this, [this](bool checked) { value_ = checked; });
}

void SettingCheckBox::ShowSetting() {
    setChecked(value_);
}

} // namespace stormbell
