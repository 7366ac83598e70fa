// The four-state glyph strips of the coloured bar buttons.
#pragma once

#include "gauges/Colors.h"

#include <QImage>

namespace stormbell {

/// The images of a strip, left to right.
enum class GlyphState { Up = 0, Disabled = 1, Pressed = 2, HeldDown = 3 };

/// A strip of four glyphs the size of a bar button: a bar of one colour in a one-pixel bevel of
/// white, silver and grey. Up and disabled show `bright`, pressed and held down `dark` with the
/// bevel reversed.
QImage BarGlyphStrip(Color bright, Color dark);

/// The rectangle of `state`'s glyph within a strip.
QRect GlyphRect(GlyphState state);

} // namespace stormbell
