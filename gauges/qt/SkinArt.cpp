#include "gauges/qt/SkinArt.h"

#include "gauges/Colors.h"
#include "gauges/WindowLayout.h"
#include "gauges/qt/QtCanvas.h"
#include "gauges/qt/SkinPalette.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace stormbell {

namespace {

// Radii in logical pixels. The needles of the large dials are 45 long and those of the small
// ones 20, so both reach into their tick bands.
constexpr DialRadii kLargeDial{58, 65, 44, 49, 54, 35, 9, 24, 9};
constexpr DialRadii kSmallDial{40, 46, 20, 23, 27, 33, 8, 12, 6};

constexpr double kMajorWidth = 1.6;
constexpr double kMinorWidth = 0.8;
constexpr double kArcWidth = 0.8;
constexpr double kZoneWidth = 3.0;
constexpr double kHubRadius = 3.5;
// Dial name below the unit caption, where no scale reaches; nearer the hub it would run into
// the lowest numerals of the Celsius scale.
constexpr double kTitleDrop = 34;
constexpr double kTitlePixels = 7;
constexpr QSizeF kTextBox{120, 40}; // room for any label, centred on its point
constexpr int kBandSegments = 96;

// The window lays its two lamps (17-pixel circles) and its button panel over the skin; the art
// gives them sockets and a mounting plate.
constexpr QRectF Rect(layout::Bounds b) {
    return {static_cast<double>(b.Left), static_cast<double>(b.Top), static_cast<double>(b.Width),
            static_cast<double>(b.Height)};
}
constexpr QRectF kLampBodies[] = {Rect(layout::kGreenLamp), Rect(layout::kRedLamp)};
constexpr QRectF kButtonPanel = Rect(layout::kBarPanel);
constexpr double kSocketRadius = 12;
constexpr double kPlateMargin = 6;
constexpr QPointF kNameplate{390.5, 162};
constexpr QPointF kSubtitle{390.5, 226};
// The station line's space: the caption's band between the speed dial's bezel and the window's
// rounded corner, centred under the nameplate like the caption it covers.
constexpr QRectF kStationLine(layout::kStationLine.Left, layout::kStationLine.Top,
                              layout::kStationLine.Width, layout::kStationLine.Height);
constexpr double kStationLinePixels = 10; // DejaVu's capitals are 0.73 em: 7.3 pixels
// Key to the second thermometer needle, in the free corner left of the compass.
constexpr QPointF kLegend{44, 190};
constexpr double kLegendRow = 16;
constexpr double kLegendStroke = 16;

// Thermometer bands in needle values (°F): freezing and below, and hot.
constexpr double kColdBandTop = 32;
constexpr double kHotBandBottom = 90;

const char* const kFontFamily = "DejaVu Sans Condensed";

enum Dial { Thermometer, Altimeter, Hygrometer, Compass, SpeedDial };
const char* const kTitles[] = {"TEMPERATURE", "BAROMETER", "HUMIDITY", "", ""};

QPointF CentreOf(const GaugeGeometry& gauge) {
    return {gauge.Centre.X + 0.5, gauge.Centre.Y + 0.5};
}

QFont Font(double pixels, bool bold) {
    QFont font(kFontFamily);
    font.setPixelSize(static_cast<int>(std::lround(pixels)));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void Circle(QPainter& p, QPointF centre, double radius) {
    p.drawEllipse(centre, radius, radius);
}

void PaintBezel(QPainter& p, QPointF c, const DialRadii& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(kPalette.Shadow);
    Circle(p, c + QPointF(1.5, 2.5), r.Bezel + 0.5);

    QLinearGradient outer(c - QPointF(r.Bezel, r.Bezel), c + QPointF(r.Bezel, r.Bezel));
    outer.setColorAt(0, kPalette.BezelLight);
    outer.setColorAt(0.5, kPalette.BezelMid);
    outer.setColorAt(1, kPalette.BezelDark);
    p.setBrush(outer);
    Circle(p, c, r.Bezel);

    // The inner slope of the ring catches the light from the other side.
    const double inner = (r.Bezel + r.Face) / 2;
    QLinearGradient slope(c - QPointF(inner, inner), c + QPointF(inner, inner));
    slope.setColorAt(0, kPalette.BezelDark);
    slope.setColorAt(1, kPalette.BezelLight);
    p.setBrush(slope);
    Circle(p, c, inner);

    QRadialGradient face(c - QPointF(r.Face / 4, r.Face / 4), r.Face * 1.2);
    face.setColorAt(0, kPalette.FaceCentre);
    face.setColorAt(1, kPalette.FaceEdge);
    p.setBrush(face);
    Circle(p, c, r.Face);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kPalette.FaceShade, 1.5));
    Circle(p, c, r.Face - 0.75);
}

// A band along the dial from one needle value to another, drawn as a fine polyline so it
// follows exactly the same angle map as the marks.
void PaintBand(QPainter& p, const GaugeGeometry& g, double from, double to, double radius,
               const QPen& pen) {
    QPolygonF line;
    for (int i = 0; i <= kBandSegments; ++i)
        line << DialPoint(g, from + (to - from) * i / kBandSegments, radius);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line);
}

void PaintTick(QPainter& p, const GaugeGeometry& g, double value, double inner, double outer,
               const QPen& pen) {
    p.setPen(pen);
    p.drawLine(DialPoint(g, value, inner), DialPoint(g, value, outer));
}

void PaintText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
               const QColor& color) {
    p.setFont(font);
    p.setPen(color);
    QRectF box(QPointF(), kTextBox);
    box.moveCenter(centre);
    p.drawText(box, Qt::AlignCenter, text);
}

void PaintRose(QPainter& p, QPointF c, double radius) {
    QPolygonF star;
    for (int i = 0; i < 16; ++i) {
        const double a = i * std::numbers::pi / 8;
        const double r = i % 4 == 0 ? radius : i % 2 == 0 ? radius * 0.45 : radius * 0.25;
        star << c + QPointF(r * std::sin(a), -r * std::cos(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kPalette.Rose);
    p.drawPolygon(star);
}

void PaintDial(QPainter& p, Dial dial, const DialScale& scale) {
    const GaugeGeometry& g = scale.Gauge;
    const DialRadii r = RadiiFor(g);
    const QPointF c = CentreOf(g);
    PaintBezel(p, c, r);

    if (dial == Compass)
        PaintRose(p, c, r.MajorInner - 2);
    if (dial == Thermometer) {
        const double lowest = scale.Labels.front().Value;
        const double highest = scale.Labels.back().Value;
        const double band = r.Outer - kZoneWidth / 2;
        PaintBand(p, g, lowest, kColdBandTop, band,
                  QPen(kPalette.Cold, kZoneWidth, Qt::SolidLine, Qt::FlatCap));
        PaintBand(p, g, kHotBandBottom, highest, band,
                  QPen(kPalette.Hot, kZoneWidth, Qt::SolidLine, Qt::FlatCap));
    }
    if (dial != Compass)
        PaintBand(p, g, scale.Labels.front().Value, scale.Labels.back().Value, r.Outer,
                  QPen(kPalette.Ink, kArcWidth));

    const QPen minor(kPalette.MinorInk, kMinorWidth, Qt::SolidLine, Qt::FlatCap);
    for (double v : scale.MinorTicks)
        PaintTick(p, g, v, r.MinorInner, r.Outer, minor);
    const QPen major(kPalette.Ink, kMajorWidth, Qt::SolidLine, Qt::FlatCap);
    const QFont numerals = Font(r.FontPixels, dial == Compass);
    for (const ScaleLabel& label : scale.Labels) {
        PaintTick(p, g, label.Value, r.MajorInner, r.Outer, major);
        PaintText(p, DialPoint(g, label.Value, r.Numerals), QString::fromStdString(label.Text),
                  numerals, kPalette.Ink);
    }

    if (!scale.Unit.empty())
        PaintText(p, c + QPointF(0, r.Caption), QString::fromStdString(scale.Unit),
                  Font(r.CaptionPixels, true), kPalette.Caption);
    if (*kTitles[dial] != '\0')
        PaintText(p, c + QPointF(0, kTitleDrop), kTitles[dial], Font(kTitlePixels, false),
                  kPalette.MinorInk);

    p.setPen(Qt::NoPen);
    p.setBrush(kPalette.Ink);
    Circle(p, c, kHubRadius);
}

void PaintLampSockets(QPainter& p) {
    for (const QRectF& body : kLampBodies) {
        const QPointF c = body.center();
        QLinearGradient rim(c - QPointF(kSocketRadius, kSocketRadius),
                            c + QPointF(kSocketRadius, kSocketRadius));
        rim.setColorAt(0, kPalette.PlateDark);
        rim.setColorAt(1, kPalette.PlateLight);
        p.setPen(Qt::NoPen);
        p.setBrush(rim);
        Circle(p, c, kSocketRadius);
        p.setBrush(kPalette.SocketDark);
        Circle(p, c, kSocketRadius - 2);
    }
}

void PaintButtonPlate(QPainter& p) {
    const QRectF plate =
        kButtonPanel.adjusted(-kPlateMargin, -kPlateMargin, kPlateMargin, kPlateMargin);
    QLinearGradient shade(plate.topLeft(), plate.bottomRight());
    shade.setColorAt(0, kPalette.PlateLight);
    shade.setColorAt(1, kPalette.PlateDark);
    p.setPen(QPen(kPalette.BezelMid, 1));
    p.setBrush(shade);
    p.drawRoundedRect(plate.translated(0.5, 0.5), 4, 4);
}

void PaintNameplate(QPainter& p) {
    QFont title = Font(12, true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    PaintText(p, kNameplate, "STORMBELL", title, kPalette.Engraving);
    QFont sub = Font(7, false);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    PaintText(p, kSubtitle, "WEATHER STATION", sub, kPalette.Engraving);
}

void PaintLegend(QPainter& p) {
    struct Entry {
        Color color;
        const char* text;
    };
    const Entry entries[] = {{colors::kHeatIndex, "HEAT INDEX"}, {colors::kChill, "WIND CHILL"}};
    p.setFont(Font(8, true));
    QPointF at = kLegend;
    for (const Entry& e : entries) {
        p.setPen(QPen(ToQColor(e.color), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(kLegendStroke, 0));
        p.setPen(kPalette.Engraving);
        p.drawText(QRectF(at.x() + kLegendStroke + 6, at.y() - 8, 80, 16),
                   Qt::AlignLeft | Qt::AlignVCenter, e.text);
        at += QPointF(0, kLegendRow);
    }
}

} // namespace

void PaintStationLine(QImage& skin, const QString& line) {
    QPainter p(&skin);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(kStationLine, ToQColor(colors::kSkinBackground));
    QFont font = Font(kStationLinePixels, false);
    const double natural = QFontMetricsF(font).horizontalAdvance(line);
    if (natural > kStationLine.width()) {
        constexpr double kNarrowest = 0.8; // narrower letters blur into each other
        // A stretch counts against the family's normal width, not the condensed face's own.
        QFont normal = font;
        normal.setStretch(QFont::Unstretched);
        const double perCent = 100 * natural / QFontMetricsF(normal).horizontalAdvance(line);
        const double narrowing = std::max(kNarrowest, kStationLine.width() / natural);
        font.setStretch(static_cast<int>(std::floor(perCent * narrowing)));
    }
    p.setFont(font);
    p.setPen(kPalette.Engraving);
    const QString shown =
        QFontMetricsF(font).elidedText(line, Qt::ElideRight, kStationLine.width());
    p.drawText(kStationLine, Qt::AlignCenter, shown);
}

QPointF DialPoint(const GaugeGeometry& gauge, double value, double radius) {
    double dx = 0, dy = 0;
    gauge.Direction(gauge.Angle(value), dx, dy);
    return CentreOf(gauge) + QPointF(radius * dx, radius * dy);
}

DialRadii RadiiFor(const GaugeGeometry& gauge) {
    return gauge.Length >= gauge::kTemperature.Length ? kLargeDial : kSmallDial;
}

QImage PaintSkin(SkinKind kind, qreal devicePixelRatio) {
    if (!(devicePixelRatio >= 1))
        throw std::invalid_argument("device pixel ratio must be 1 or more");
    const QSize size(static_cast<int>(std::ceil(gauge::kSkinWidth * devicePixelRatio)),
                     static_cast<int>(std::ceil(gauge::kSkinHeight * devicePixelRatio)));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(ToQColor(colors::kSkinBackground));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    PaintLampSockets(p);
    PaintButtonPlate(p);
    PaintNameplate(p);
    PaintLegend(p);
    const std::vector<DialScale> scales = PrintedScales(kind == SkinKind::Metric);
    for (std::size_t i = 0; i < scales.size(); ++i)
        PaintDial(p, static_cast<Dial>(i), scales[i]);
    return image;
}

} // namespace stormbell
