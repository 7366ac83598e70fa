// The program's icon: one simplified dial of the skin (bold bezel, face, one needle) on the
// skin's background, drawn for a given pixel size so it stays legible down to 16 x 16.
#pragma once

#include <QImage>

namespace stormbell {

/// The icon, `size` x `size` pixels with a transparent outside; a size below 16 throws
/// std::invalid_argument.
QImage PaintIcon(int size);

} // namespace stormbell
