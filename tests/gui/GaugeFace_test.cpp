#include "gauges/qt/GaugeFace.h"

#include "gauges/qt/SkinArt.h"
#include "tests/support/SampleObservation.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace stormbell {
namespace {

struct Shown {
    std::int16_t temp;
    std::int16_t target;
    double chill, heat;
    std::int32_t humidity;
    double pressure;
    WindDirection direction;
    std::int32_t speed;
};

const Shown kShown[] = {
    {50, 50, -7, 50, 50, 30.00, {}, 0},
    {95, 95, 95, 104, 30, 29.42, kVariableWind, 17},
    {-12, 10, -30, -12, 100, 31.37, {275, false}, 48},
};

void Apply(const Shown& s, Observation& obs) {
    obs.Shown = {s.temp, s.humidity, s.heat, s.chill, s.pressure, s.direction, s.speed};
    obs.Target.TemperatureF = s.target;
    obs.Target.WindDirection = s.direction;
}

int Luminance(QRgb c) {
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

QRgb At(const QImage& image, QPointF logical) {
    const qreal dpr = image.devicePixelRatio();
    return image.pixel(static_cast<int>(logical.x() * dpr), static_cast<int>(logical.y() * dpr));
}

using enum DisplayMode;

struct FaceCase {
    DisplayMode mode;
    int scale;
};

class GaugeFaceTest : public ::testing::TestWithParam<FaceCase> {
protected:
    GaugeFaceTest() { obs.DisplayMode = GetParam().mode; }
    SkinKind Kind() const {
        return GetParam().mode == English ? SkinKind::English : SkinKind::Metric;
    }
    Observation obs = testing::SampleObservation();
};

TEST_P(GaugeFaceTest, RestoringTheSkinWipesEveryNeedle) {
    GaugeFace face(obs, GetParam().scale);
    const QImage clean = PaintSkin(Kind(), GetParam().scale);
    ASSERT_EQ(face.Visible(), clean);
    for (const Shown& s : kShown) {
        Apply(s, obs);
        face.GetGauges().FullRedraw();
        EXPECT_NE(face.Visible(), clean) << s.pressure;
        face.GetGauges().RestoreSkin();
        EXPECT_EQ(face.Visible(), clean) << s.pressure;
    }
}

TEST_P(GaugeFaceTest, TwoFullRedrawsGiveTheSamePictureAsOne) {
    GaugeFace face(obs, GetParam().scale);
    for (const Shown& s : kShown) {
        Apply(s, obs);
        face.GetGauges().UpdatePressSet();
        face.GetGauges().FullRedraw();
        const QImage once = face.Visible().copy();
        face.GetGauges().FullRedraw();
        EXPECT_EQ(face.Visible(), once) << s.pressure;
    }
}

TEST_P(GaugeFaceTest, NeedlePixelsCarryTheirColours) {
    GaugeFace face(obs, GetParam().scale);
    Apply(kShown[0], obs); // temperature 50 up, pressure 30.00 up, humidity 50 up
    face.GetGauges().PressSet = 50;
    face.GetGauges().FullRedraw();
    const QImage& image = face.Visible();
    const QRgb needle = ToQColor(colors::kNeedle).rgb();
    EXPECT_EQ(At(image, {84.5, 50.5}), needle);
    EXPECT_EQ(At(image, {236.5, 50.5}), needle);
    EXPECT_EQ(At(image, {386.5, 50.5}), needle);
    EXPECT_EQ(At(image, {178.5, 180.5}), needle);
    EXPECT_EQ(At(image, {60.5, 78.5}), ToQColor(colors::kChill).rgb());       // chill -7: left
    EXPECT_EQ(At(image, {235.5, 78.5}), ToQColor(colors::kReference).rgb());  // inner hub
    EXPECT_EQ(At(image, {235.5, 105.5}), ToQColor(colors::kReference).rgb()); // hand down
}

TEST_P(GaugeFaceTest, OnlyTheChosenSkinIsDrawnOn) {
    Observation other;
    other.DisplayMode = GetParam().mode == English ? Metric : English;
    GaugeFace face(obs, GetParam().scale);
    Apply(kShown[1], obs);
    obs.DisplayMode = other.DisplayMode;
    const QImage hidden = face.Visible().copy();
    obs.DisplayMode = GetParam().mode;
    face.GetGauges().FullRedraw();
    obs.DisplayMode = other.DisplayMode;
    EXPECT_EQ(face.Visible(), hidden);
}

// Each numbered mark is printed on the ray its needle takes for that value, and nothing is
// printed halfway between two neighbouring marks at the same radius.
TEST_P(GaugeFaceTest, PrintedMarksLieAtTheNeedleAngles) {
    const QImage skin = PaintSkin(Kind(), GetParam().scale);
    for (const DialScale& d : PrintedScales(Kind() == SkinKind::Metric)) {
        const DialRadii r = RadiiFor(d.Gauge);
        const double radius = (r.MajorInner + r.MinorInner) / 2;
        for (std::size_t i = 0; i < d.Labels.size(); ++i) {
            const ScaleLabel& label = d.Labels[i];
            EXPECT_LT(Luminance(At(skin, DialPoint(d.Gauge, label.Value, radius))), 140)
                << label.Text;
            if (i + 1 < d.Labels.size()) {
                const double between = (label.Value + d.Labels[i + 1].Value) / 2;
                EXPECT_GT(Luminance(At(skin, DialPoint(d.Gauge, between, radius))), 180)
                    << label.Text;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ModesAndScales, GaugeFaceTest,
                         ::testing::Values(FaceCase{English, 1}, FaceCase{English, 2},
                                           FaceCase{Metric, 1}, FaceCase{Metric, 2}),
                         [](const ::testing::TestParamInfo<FaceCase>& info) {
                             return std::string(info.param.mode == English ? "English" : "Metric") +
                                    "x" + std::to_string(info.param.scale);
                         });

// A skin costs its painting time and memory only once its display mode shows it, and then once.
TEST(GaugeFaceLazinessTest, PaintsEachSkinWhenItsModeFirstShowsItAtTheScreensScale) {
    std::vector<SkinKind> painted;
    const auto paint = [&](SkinKind kind, qreal scale) {
        painted.push_back(kind);
        return PaintSkin(kind, scale);
    };
    Observation obs = testing::SampleObservation();
    GaugeFace face(obs, 1, {}, paint);
    EXPECT_TRUE(painted.empty());
    Apply(kShown[1], obs);
    face.GetGauges().FullRedraw();
    face.GetGauges().RestoreSkin();
    EXPECT_EQ(face.Visible(), PaintSkin(SkinKind::English, 1));
    EXPECT_EQ(painted, std::vector<SkinKind>{SkinKind::English});
    obs.DisplayMode = Metric;
    face.GetGauges().FullRedraw();
    obs.DisplayMode = English;
    face.GetGauges().FullRedraw();
    EXPECT_EQ(painted, (std::vector<SkinKind>{SkinKind::English, SkinKind::Metric}));

    // On a screen of another scale the needles, state and all, draw on skins painted there.
    face.GetGauges().PressSet = 62;
    face.Rescale(2);
    EXPECT_EQ(painted.size(), 2u);
    GaugeFace fresh(obs, 2);
    fresh.GetGauges().PressSet = 62;
    for (GaugeFace* drawn : {&face, &fresh})
        drawn->GetGauges().FullRedraw();
    EXPECT_EQ(face.Visible(), fresh.Visible());
    EXPECT_EQ(painted.size(), 3u);
}

TEST(SkinArtTest, RefusesADensityBelowOne) {
    EXPECT_THROW(PaintSkin(SkinKind::English, 0.5), std::invalid_argument);
    EXPECT_THROW(PaintSkin(SkinKind::English, 0), std::invalid_argument);
    EXPECT_EQ(PaintSkin(SkinKind::Metric, 2).size(), QSize(950, 514));
}

} // namespace
} // namespace stormbell
