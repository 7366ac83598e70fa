#include "app/qt/SunkenPanel.h"

#include "gauges/WindowLayout.h"
#include "gauges/qt/QtCanvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace stormbell {

namespace {
const QColor kShadow{128, 128, 128};
const QColor kHighlight{255, 255, 255};
} // namespace

SunkenPanel::SunkenPanel(QWidget* parent) : QWidget(parent) {}

void SunkenPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(layout::kBarPanelColor));
    // Sunken: shadow along the top and left, light along the bottom and right, each ring one
    // pixel smaller than the one outside it.
    for (int i = 0; i < layout::kBarPanelBevel; ++i) {
        const QRect r = rect().adjusted(i, i, -i, -i);
        p.fillRect(r.left(), r.top(), r.width(), 1, kShadow);
        p.fillRect(r.left(), r.top(), 1, r.height(), kShadow);
        p.fillRect(r.left() + 1, r.bottom(), r.width() - 1, 1, kHighlight);
        p.fillRect(r.right(), r.top() + 1, 1, r.height() - 1, kHighlight);
    }
}

void SunkenPanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace stormbell
