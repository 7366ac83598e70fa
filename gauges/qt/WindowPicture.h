// The face as the window shows it, cut to the window's rounded shape: for the render tool and
// the printout.
#pragma once

#include <QImage>

namespace stormbell {

/// The window's client area of `skin` (a skin picture painted at `scale`) on the skin's
/// background, transparent outside the rounded corners; `scale` device pixels per window pixel.
QImage WindowPicture(const QImage& skin, double scale);

} // namespace stormbell
