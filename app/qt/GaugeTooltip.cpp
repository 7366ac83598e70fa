#include "app/qt/GaugeTooltip.h"

#include "app/DescriptionLines.h"
#include "app/qt/HandlerGuard.h"
#include "app/qt/SessionBusGuard.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include <utility>

namespace stormbell {

GaugeTooltip::GaugeTooltip(QWidget& window, Sources sources, const HandlerGuard& guard)
    : QObject(&window), window_(window), sources_(std::move(sources)), guard_(guard) {
    setObjectName("gaugeTooltip");
    window.installEventFilter(this);
}

std::string GaugeTooltip::Text() const {
    // The green lamp's state, which the reading does not know of.
    const std::string fetching =
        sources_.Fetching()
            ? QCoreApplication::translate("stormbell::GaugeWindow", "Fetching a report now.")
                  .toStdString()
            : "";
    return JoinLines({fetching, sources_.Reading(), sources_.HistoryNote(),
                      SessionBusSkipped() ? SessionBusNote() : ""});
}

void GaugeTooltip::Refresh() {
    window_.setAccessibleDescription(QString::fromStdString(Text()));
}

bool GaugeTooltip::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || event->type() != QEvent::ToolTip)
        return false;
    // Reaches the window from the skin and the gaps between the controls, which have no tooltip
    // of their own; computed now, so the age is current. Escaped: the station's name comes from
    // the server and must never be taken for markup.
    const QPoint at = static_cast<QHelpEvent*>(event)->globalPos();
    guard_([&] {
        QToolTip::showText(at,
                           "<p style='white-space:pre'>" +
                               QString::fromStdString(Text()).toHtmlEscaped() + "</p>",
                           &window_);
    });
    return true;
}

} // namespace stormbell
