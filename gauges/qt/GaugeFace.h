// The four skin images at one device pixel ratio, painted when first shown, with the needles
// that draw on them.
#pragma once

#include "gauges/Gauges.h"
#include "gauges/qt/QtCanvas.h"
#include "gauges/qt/SkinArt.h"

#include <QImage>

#include <functional>
#include <string>

namespace stormbell {

/// Paints one skin at a device pixel ratio.
using SkinPainter = std::function<QImage(SkinKind, qreal)>;

class GaugeFace {
public:
    /// Binds the needles to `observation`; `repaint` runs after every PresentFrame. Each skin is
    /// painted by `paint` at `devicePixelRatio` when its display mode first needs it, and its
    /// clean copy shares the picture until the needles first draw on it.
    GaugeFace(Observation& observation, qreal devicePixelRatio, std::function<void()> repaint = {},
              SkinPainter paint = PaintSkin);
    GaugeFace(const GaugeFace&) = delete;
    GaugeFace& operator=(const GaugeFace&) = delete;

    /// The needle procedures, reference hand and hub clicks.
    Gauges& GetGauges() { return gauges_; }
    /// Paints the skins again at `devicePixelRatio` when they next show, keeping the needles'
    /// state whole; the caller redraws the needles on them.
    void Rescale(qreal devicePixelRatio);
    /// Letters `line` in the caption's space of both skins from their next showing, the caption
    /// itself when empty; false when the line is unchanged. Like Rescale, the caller redraws the
    /// needles after a change.
    bool SetStationLine(const std::string& line);
    /// The skin the display mode shows now (English for "0", else Metric), needles included.
    const QImage& Visible() const;

private:
    /// The clean picture of `kind`, painted on the first call.
    QImage Skin(SkinKind kind);
    /// Drops every picture: each is painted again when it next shows.
    void Repaint();

    Observation& observation_;
    SkinPainter paint_;
    qreal devicePixelRatio_;
    std::string stationLine_;
    QImage english_;
    QImage metric_;
    QtSkinImage englishSkin_;
    QtSkinImage englishClean_;
    QtSkinImage metricSkin_;
    QtSkinImage metricClean_;
    Skins skins_;
    Gauges gauges_;
};

} // namespace stormbell
