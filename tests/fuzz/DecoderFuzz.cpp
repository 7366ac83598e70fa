// libFuzzer target: several reports, separated by form feeds, decoded one after another into one
// observation whose needles draw every frame. A report may fail only itself: after each one the
// gauges must still draw, and a good report at the end must still decode.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "gauges/Gauges.h"
#include "observation/ReportDecoder.h"
#include "observation/ReportLines.h"
#include "observation/ReportScan.h"
#include "platform/TextConvert.h"

namespace stormbell {
namespace {

constexpr char kReportSeparator = '\f';
constexpr int kMaxReports = 8;

const std::vector<std::string> kGoodReport = {
    "Wind: from the WSW (250 degrees) at 9 MPH (8 KT):0",
    "Temperature: 55 F (13 C)",
    "Dew Point: 41 F (5 C)",
    "Pressure (altimeter): 30.09 in. Hg (1018 hPa)",
};

class NullCanvas final : public Canvas {
public:
    void SetPenColor(Color) override {}
    void SetPenWidth(int) override {}
    void SetBrushColor(Color) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void Draw(int, int, const Bitmap&) override {}
};

class NullSkin final : public SkinImage {
public:
    int Width() const override { return 0; }
    int Height() const override { return 0; }
    Canvas& GetCanvas() override { return canvas_; }

private:
    NullCanvas canvas_;
};

class Quiet final : public Pause, public StatusLine {
public:
    void Sleep(int) override {}
    void SetStatus(const std::string&) override {}
};

[[noreturn]] void Fault(const char* what, const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", what, error.what());
    std::abort();
}

} // namespace
} // namespace stormbell

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace stormbell;
    Observation observation = FreshStoreObservation();
    NullSkin image1, image2, image3, image4;
    Gauges gauges(observation, Skins{image1, image2, image3, image4}, {});
    Quiet quiet;
    ReportDecoder decoder(observation, gauges, quiet, quiet, ".");

    std::string_view input(reinterpret_cast<const char*>(data), size);
    for (int report = 0; report < kMaxReports && !input.empty(); ++report) {
        const std::size_t end = input.find(kReportSeparator);
        const std::string_view text = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        try {
            decoder.BreakOut(SplitReportLines(text), false);
        } catch (const EConvertError&) {
            // A bad report fails alone; what it leaves is checked below.
        } catch (const ENotAReading&) {
            // So does one without any of the observation lines.
        }
        try {
            gauges.FullRedraw();
        } catch (const EConvertError& error) {
            Fault("a report left a shown value the gauges cannot read", error);
        }
    }
    try {
        decoder.BreakOut(kGoodReport, false);
    } catch (const EConvertError& error) {
        Fault("a good report failed after the ones before it", error);
    }
    return 0;
}
