// A check box bound to a boolean row of the settings table: the row, its field in Settings and
// the code that reads the field are all a new check box needs.
#pragma once

#include <QCheckBox>

#include "settings/Settings.h"
#include "settings/SettingsTable.h"

namespace stormbell {

class SettingCheckBox final : public QCheckBox {
public:
    /// A box captioned `caption` that stores every change of its state in `row`'s field of
    /// `settings` at once; `settings` must outlive it. It shows the field on ShowSetting.
    SettingCheckBox(const settingstable::Setting<Settings, bool>& row, Settings& settings,
                    const QString& caption, QWidget* parent);

    /// The box shows the field's value; storing it back changes nothing.
    void ShowSetting();

private:
    bool& value_;
};

} // namespace stormbell
