#include "app/qt/WindowRegion.h"

#include <algorithm>
#include <cmath>

namespace stormbell {

namespace {

// Pixels cut from each end of row `row` (0-based from the nearer edge) by a corner ellipse
// with radii `rx` and `ry`.
int CornerInset(int row, double rx, double ry) {
    const double dy = ry - (row + 0.5);
    if (dy <= 0)
        return 0;
    const double halfWidth = rx * std::sqrt(std::max(0.0, 1 - (dy / ry) * (dy / ry)));
    return static_cast<int>(std::ceil(rx - halfWidth - 0.5));
}

} // namespace

QRegion RoundRectRegion(const QRect& rect, int ellipseWidth, int ellipseHeight) {
    const double rx = std::min(ellipseWidth, rect.width()) / 2.0;
    const double ry = std::min(ellipseHeight, rect.height()) / 2.0;
    QRegion region;
    int bandTop = 0;
    int bandInset = -1;
    // Rows with equal insets form one band, so the region holds few rectangles.
    const auto closeBand = [&](int end) {
        if (bandInset >= 0 && rect.width() > 2 * bandInset)
            region += QRect(rect.left() + bandInset, rect.top() + bandTop,
                            rect.width() - 2 * bandInset, end - bandTop);
    };
    for (int y = 0; y < rect.height(); ++y) {
        const int inset = CornerInset(std::min(y, rect.height() - 1 - y), rx, ry);
        if (inset != bandInset) {
            closeBand(y);
            bandTop = y;
            bandInset = inset;
        }
    }
    closeBand(rect.height());
    return region;
}

} // namespace stormbell
