// The four skin images and the choice of the visible one by display mode.
#pragma once

#include "gauges/Canvas.h"

#include <string>

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

/// "0" gives the English pair (Image1, Image2); any other text the Metric pair.
inline ActiveSkin ChooseSkin(const Skins& skins, const std::string& displayMode) {
    if (displayMode == "0")
        return {skins.Image1, skins.Image2};
    return {skins.Image3, skins.Image4};
}

} // namespace stormbell
