// A canvas that writes down what it draws, and skin images that carry one, for needle tests.
#pragma once

#include "gauges/Skins.h"

#include <cstdio>
#include <string>
#include <vector>

namespace stormbell {

/// Records each drawing call with the pen and brush in force, as short text:
/// "line 84,78-84,33 pen 444444 w2", "ellipse 227,70,244,87 pen 4466 w0 brush 4466",
/// "draw englishClean at 0,0".
class RecordingCanvas final : public Canvas {
public:
    void SetPenColor(Color color) override { pen_ = color; }
    void SetPenWidth(int width) override { width_ = width; }
    void SetBrushColor(Color color) override { brush_ = color; }
    void MoveTo(int x, int y) override {
        x_ = x;
        y_ = y;
    }
    void LineTo(int x, int y) override {
        Ops.push_back("line " + Pos(x_, y_) + "-" + Pos(x, y) + " " + Pen());
        x_ = x;
        y_ = y;
    }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        Ops.push_back("ellipse " + Pos(x1, y1) + "," + Pos(x2, y2) + " " + Pen() + " brush " +
                      Hex(brush_));
    }
    void Draw(int x, int y, const Bitmap& bitmap) override;

    std::vector<std::string> Ops;

private:
    static std::string Pos(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    static std::string Hex(Color c) {
        char text[16];
        std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(c));
        return text;
    }
    std::string Pen() const { return "pen " + Hex(pen_) + " w" + std::to_string(width_); }

    Color pen_ = 0;
    int width_ = 1;
    Color brush_ = 0xFFFFFF;
    int x_ = 0;
    int y_ = 0;
};

/// A named skin image whose canvas records.
class RecordingSkin final : public SkinImage {
public:
    explicit RecordingSkin(std::string name) : Name(std::move(name)) {}
    int Width() const override { return 475; }
    int Height() const override { return 257; }
    Canvas& GetCanvas() override { return Recorder; }

    std::string Name;
    RecordingCanvas Recorder;
};

inline void RecordingCanvas::Draw(int x, int y, const Bitmap& bitmap) {
    const auto* skin = dynamic_cast<const RecordingSkin*>(&bitmap);
    Ops.push_back("draw " + (skin ? skin->Name : std::string("?")) + " at " + Pos(x, y));
}

} // namespace stormbell
