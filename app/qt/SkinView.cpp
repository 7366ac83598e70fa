#include "app/qt/SkinView.h"

#include <QLoggingCategory>
#include <QPaintEvent>
#include <QPainter>

#include <chrono>
#include <utility>

namespace stormbell {

namespace {
// Off unless QT_LOGGING_RULES="stormbell.frames.debug=true": a time stamp per painted frame for
// measuring the sweep's rhythm.
Q_LOGGING_CATEGORY(lcFrames, "stormbell.frames", QtWarningMsg)
} // namespace

SkinView::SkinView(std::function<const QImage&()> source, QWidget* parent)
    : QWidget(parent), source_(std::move(source)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkinView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(QPointF(0, 0), source_());
    // Only whole frames count, not the skin beneath a lamp that repaints (the window is one
    // pixel shorter than the skin, so a whole frame is a full-width one).
    if (lcFrames().isDebugEnabled() && event->rect().width() == width()) {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        qCDebug(lcFrames, "painted %s %lld", qPrintable(objectName()),
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    }
}

} // namespace stormbell
