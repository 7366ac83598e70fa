// The four skin images and the choice of the visible one by display mode.
#pragma once

#include "gauges/Canvas.h"
#include "observation/Observation.h"

namespace stormbell {

/// A skin bitmap together with the canvas that draws into it.
class SkinImage : public Bitmap {
public:
    /// The canvas drawing into this image.
    virtual Canvas& GetCanvas() = 0;
};

/// English skin and its clean copy, Metric skin and its clean copy. The clean copies are
/// painted once and only ever read.
struct Skins {
    SkinImage& Image1;
    SkinImage& Image2;
    SkinImage& Image3;
    SkinImage& Image4;
};

/// The skin the needles go to and the clean copy that restores it.
struct ActiveSkin {
    SkinImage& Drawn;
    const SkinImage& Clean;
};

/// The English pair (Image1, Image2) or the Metric pair (Image3, Image4).
inline ActiveSkin ChooseSkin(const Skins& skins, DisplayMode displayMode) {
    if (displayMode == DisplayMode::English)
        return {skins.Image1, skins.Image2};
    return {skins.Image3, skins.Image4};
}

} // namespace stormbell
