#include "app/qt/FocusMark.h"

#include "gauges/qt/SkinPalette.h"

#include <QApplication>
#include <QPainter>

#include <span>

namespace stormbell {

namespace {

struct Line {
    const QColor& Colour;
    double Width;
    double Inset; ///< of the line's middle from the mark's edge
};

// Around a bar: gold edged outside in dark, within the two pixels between the bars.
constexpr int kBarMargin = 2;
const Line kBarRing[] = {{kPalette.BezelDark, 1, 0.5}, {kPalette.BezelLight, 1, 1.5}};
// Around the hub, on the light dial: a ring in the captions' claret with a gold line along its
// middle, two pixels off.
constexpr int kHubMargin = 6;
const Line kHubRing[] = {{kPalette.Caption, 4, 2}, {kPalette.BezelLight, 1, 2}};

} // namespace

FocusMark::FocusMark(QWidget& window) : QWidget(&window) {
    setObjectName("FocusMark");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { FocusMoved(now); });
}

void FocusMark::Follow(QWidget& part, bool round) {
    parts_.push_back({&part, round});
}

void FocusMark::FocusMoved(QWidget* now) {
    for (const Marked& marked : parts_) {
        if (marked.Part != now)
            continue;
        const QRect around(marked.Part->mapTo(parentWidget(), QPoint(0, 0)), marked.Part->size());
        const int margin = marked.Round ? kHubMargin : kBarMargin;
        setGeometry(around.adjusted(-margin, -margin, margin, margin));
        round_ = marked.Round;
        raise();
        show();
        update();
        return;
    }
    hide();
}

void FocusMark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, round_);
    p.setBrush(Qt::NoBrush);
    for (const Line& line :
         round_ ? std::span<const Line>(kHubRing) : std::span<const Line>(kBarRing)) {
        p.setPen(QPen(line.Colour, line.Width));
        const QRectF r = QRectF(rect()).adjusted(line.Inset, line.Inset, -line.Inset, -line.Inset);
        if (round_)
            p.drawEllipse(r);
        else
            p.drawRect(r);
    }
}

} // namespace stormbell
