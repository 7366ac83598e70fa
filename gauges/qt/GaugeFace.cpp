#include "gauges/qt/GaugeFace.h"

#include "gauges/qt/SkinArt.h"

#include <utility>

namespace stormbell {

GaugeFace::GaugeFace(Observation& observation, qreal devicePixelRatio,
                     std::function<void()> repaint)
    : observation_(observation), image1_(PaintSkin(SkinKind::English, devicePixelRatio)),
      image2_(image1_.Image().copy()), image3_(PaintSkin(SkinKind::Metric, devicePixelRatio)),
      image4_(image3_.Image().copy()),
      gauges_(observation, Skins{image1_, image2_, image3_, image4_}, std::move(repaint)) {}

const QImage& GaugeFace::Visible() const {
    return observation_.DisplayMode == "0" ? image1_.Image() : image3_.Image();
}

} // namespace stormbell
