// How long one sweep frame (restore the skin, draw the six needles) takes on the Qt canvas,
// set against the 25 ms pause that follows every frame.
#include "gauges/qt/GaugeFace.h"
#include "tests/support/SampleObservation.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr double kFramePauseMicroseconds = 25000;

void BM_FullFrame(benchmark::State& state) {
    stormbell::Observation obs = stormbell::testing::SampleObservation();
    stormbell::GaugeFace face(obs, static_cast<qreal>(state.range(0)));
    stormbell::Gauges& gauges = face.GetGauges();

    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        gauges.FullRedraw();
        benchmark::DoNotOptimize(face.Visible().constBits());
    }
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    const double perFrame = spent.count() / static_cast<double>(state.iterations());
    state.counters["us_per_frame"] = perFrame;
    state.counters["pct_of_25ms_pause"] = 100 * perFrame / kFramePauseMicroseconds;
}
BENCHMARK(BM_FullFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
