// The window's rounded shape as a pixel region.
#pragma once

#include <QRect>
#include <QRegion>

namespace stormbell {

/// The pixels of `rect` whose centres lie inside it once its corners are rounded by an ellipse
/// of `ellipseWidth` × `ellipseHeight`; an ellipse larger than the rectangle is cut to it.
QRegion RoundRectRegion(const QRect& rect, int ellipseWidth, int ellipseHeight);

} // namespace stormbell
