#include "gauges/qt/GaugeFace.h"

#include "gauges/qt/SkinArt.h"

#include <utility>

namespace stormbell {

GaugeFace::GaugeFace(Observation& observation, qreal devicePixelRatio,
                     std::function<void()> repaint)
    : observation_(observation), image1_(PaintSkin(SkinKind::English, devicePixelRatio)),
      image2_(image1_.Image().copy()), image3_(PaintSkin(SkinKind::Metric, devicePixelRatio)),
      image4_(image3_.Image().copy()), skins_{image1_, image2_, image3_, image4_},
      gauges_(observation, skins_, std::move(repaint)) {}

const QImage& GaugeFace::Visible() const {
    // Every skin of this face is a QtSkinImage.
    return static_cast<const QtSkinImage&>(ChooseSkin(skins_, observation_.DisplayMode).Drawn)
        .Image();
}

} // namespace stormbell
