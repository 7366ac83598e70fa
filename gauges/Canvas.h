// The drawing surface of a skin: the few pen-and-brush operations the needles need.
#pragma once

#include "gauges/Colors.h"

namespace stormbell {

/// A picture that can be drawn onto a canvas; each canvas accepts the bitmaps of its own kind.
class Bitmap {
public:
    virtual ~Bitmap() = default;
    /// Width in logical pixels.
    virtual int Width() const = 0;
    /// Height in logical pixels.
    virtual int Height() const = 0;
};

/// Pen, brush and current position persist between calls, as on a Windows device context;
/// the draw order of the needles relies on that.
class Canvas {
public:
    virtual ~Canvas() = default;
    /// Sets the colour of later outlines and lines.
    virtual void SetPenColor(Color color) = 0;
    /// Sets the pen width in pixels; 0 is the thinnest, one-pixel pen. Negative throws.
    virtual void SetPenWidth(int width) = 0;
    /// Sets the solid fill colour of later ellipses.
    virtual void SetBrushColor(Color color) = 0;
    /// Moves the current position without drawing.
    virtual void MoveTo(int x, int y) = 0;
    /// Draws from the current position to (x, y) and leaves the current position there.
    virtual void LineTo(int x, int y) = 0;
    /// Outlines with the pen and fills with the brush the ellipse inscribed in the rectangle;
    /// the right and bottom edges are exclusive.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    /// Copies the bitmap with its top-left corner at (x, y); throws std::invalid_argument for a
    /// bitmap of a kind this canvas cannot draw.
    virtual void Draw(int x, int y, const Bitmap& bitmap) = 0;
};

} // namespace stormbell
