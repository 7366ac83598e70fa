#include "app/qt/FocusMark.h"

#include "gauges/qt/SkinPalette.h"

#include <QApplication>
#include <QPainter>

namespace stormbell {

namespace {
constexpr int kGap = 1;  // between the part and the ring
constexpr int kRing = 2; // the ring: gold inside, dark outside, a pixel each
constexpr int kMargin = kGap + kRing;
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
        setGeometry(around.adjusted(-kMargin, -kMargin, kMargin, kMargin));
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
    // Each line is a pixel wide, centred half a pixel inside its ring.
    const struct {
        const QColor& Colour;
        double Inset;
    } lines[] = {{kPalette.BezelDark, 0.5}, {kPalette.BezelLight, 1.5}};
    for (const auto& line : lines) {
        p.setPen(QPen(line.Colour, 1));
        const QRectF r = QRectF(rect()).adjusted(line.Inset, line.Inset, -line.Inset, -line.Inset);
        if (round_)
            p.drawEllipse(r);
        else
            p.drawRect(r);
    }
}

} // namespace stormbell
