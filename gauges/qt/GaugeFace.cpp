#include "gauges/qt/GaugeFace.h"

#include "gauges/qt/SkinArt.h"

#include <utility>

namespace stormbell {

GaugeFace::GaugeFace(Observation& observation, qreal devicePixelRatio,
                     std::function<void()> repaint, SkinPainter paint)
    : observation_(observation), paint_(std::move(paint)), devicePixelRatio_(devicePixelRatio),
      image1_([this] { return Skin(SkinKind::English); }),
      image2_([this] { return Skin(SkinKind::English); }),
      image3_([this] { return Skin(SkinKind::Metric); }),
      image4_([this] { return Skin(SkinKind::Metric); }), skins_{image1_, image2_, image3_,
                                                                 image4_},
      gauges_(observation, skins_, std::move(repaint)) {}

QImage GaugeFace::Skin(SkinKind kind) {
    QImage& skin = kind == SkinKind::English ? english_ : metric_;
    if (skin.isNull())
        skin = paint_(kind, devicePixelRatio_);
    return skin;
}

void GaugeFace::Rescale(qreal devicePixelRatio) {
    devicePixelRatio_ = devicePixelRatio;
    english_ = QImage();
    metric_ = QImage();
    for (QtSkinImage* image : {&image1_, &image2_, &image3_, &image4_})
        image->Unpaint();
}

const QImage& GaugeFace::Visible() const {
    // Every skin of this face is a QtSkinImage.
    return static_cast<const QtSkinImage&>(ChooseSkin(skins_, observation_.DisplayMode).Drawn)
        .Image();
}

} // namespace stormbell
