#include "gauges/qt/GaugeFace.h"

#include "gauges/qt/SkinArt.h"

#include <utility>

namespace stormbell {

GaugeFace::GaugeFace(Observation& observation, qreal devicePixelRatio,
                     std::function<void()> repaint, SkinPainter paint)
    : observation_(observation), paint_(std::move(paint)), devicePixelRatio_(devicePixelRatio),
      englishSkin_([this] { return Skin(SkinKind::English); }),
      englishClean_([this] { return Skin(SkinKind::English); }),
      metricSkin_([this] { return Skin(SkinKind::Metric); }),
      metricClean_([this] { return Skin(SkinKind::Metric); }), skins_{englishSkin_, englishClean_,
                                                                      metricSkin_, metricClean_},
      gauges_(observation, skins_, std::move(repaint)) {}

QImage GaugeFace::Skin(SkinKind kind) {
    QImage& skin = kind == SkinKind::English ? english_ : metric_;
    if (skin.isNull()) {
        skin = paint_(kind, devicePixelRatio_);
        if (!stationLine_.empty())
            PaintStationLine(skin, QString::fromStdString(stationLine_));
    }
    return skin;
}

void GaugeFace::Rescale(qreal devicePixelRatio) {
    devicePixelRatio_ = devicePixelRatio;
    Repaint();
}

bool GaugeFace::SetStationLine(const std::string& line) {
    if (line == stationLine_)
        return false;
    stationLine_ = line;
    Repaint();
    return true;
}

void GaugeFace::Repaint() {
    english_ = QImage();
    metric_ = QImage();
    for (QtSkinImage* image : {&englishSkin_, &englishClean_, &metricSkin_, &metricClean_})
        image->Unpaint();
}

const QImage& GaugeFace::Visible() const {
    // Every skin of this face is a QtSkinImage.
    return static_cast<const QtSkinImage&>(ChooseSkin(skins_, observation_.DisplayMode).Drawn)
        .Image();
}

} // namespace stormbell
