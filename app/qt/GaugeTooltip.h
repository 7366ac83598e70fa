// The gauge told in words, as hovering the skin shows it and as a screen reader reads the
// window's description: the lamp's fetch, the reading with its age, the history's note and a
// session bus the start went without.
#pragma once

#include <QObject>

#include <functional>
#include <string>

class QWidget;

namespace stormbell {

class HandlerGuard;

class GaugeTooltip final : public QObject {
public:
    /// Where the description's pieces come from; each is asked anew every time.
    struct Sources {
        std::function<bool()> Fetching;           ///< the green lamp is lit
        std::function<std::string()> Reading;     ///< the reading in words, with its age
        std::function<std::string()> HistoryNote; ///< empty until the history has told
    };
    /// Tells `window` by `sources`; a child of the window. Errors while hovering go to `guard`,
    /// which must outlive this.
    GaugeTooltip(QWidget& window, Sources sources, const HandlerGuard& guard);

    /// The description as it stands now; throws what a source throws.
    std::string Text() const;
    /// Gives the window the description as it stands now; throws what a source throws.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    Sources sources_;
    const HandlerGuard& guard_;
};

} // namespace stormbell
