// The face's station line for assistive technology: a label over the painted line that paints
// nothing itself, whose accessible name is the line.
#pragma once

#include <QLabel>

#include <string>

namespace stormbell {

class StationLineLabel final : public QLabel {
    Q_OBJECT
public:
    /// Sits over the station line of `window`, its child; lets the pointer through to the skin.
    explicit StationLineLabel(QWidget& window);

    /// The line now painted on the face; a screen reader is told when it changes.
    void SetLine(const std::string& line);
};

} // namespace stormbell
