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
    SkinImage& English;
    SkinImage& EnglishClean;
    SkinImage& Metric;
    SkinImage& MetricClean;
};

/// The skin the needles go to and the clean copy that restores it.
struct ActiveSkin {
    SkinImage& Drawn;
    const SkinImage& Clean;
};

/// The English pair or the Metric pair.
inline ActiveSkin ChooseSkin(const Skins& skins, DisplayMode displayMode) {
    if (displayMode == DisplayMode::English)
        return {skins.English, skins.EnglishClean};
    return {skins.Metric, skins.MetricClean};
}

} // namespace stormbell
