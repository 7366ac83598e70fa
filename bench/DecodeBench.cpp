// How long one report takes to decode and sweep when drawing and pausing cost nothing.
#include <benchmark/benchmark.h>

#include "observation/ReportDecoder.h"
#include "observation/ReportLines.h"
#include "tools/cli/Commands.h"
#include "tools/cli/Headless.h"

namespace stormbell {
namespace {

// A typical report: gusts, a heat index, and a pressure two inches from the fresh store's.
constexpr const char* TypicalReport =
    "FLINT BISHOP INTERNATIONAL  AIRPORT, MI, United States (KFNT) 42-58N 83-45W 233M\r\n"
    "Aug 11, 2021 - 11:21 PM EDT / 2021.08.12 0321 UTC\r\n"
    "Wind: from the SSW (210 degrees) at 15 MPH (13 KT) gusting to 25 MPH (22 KT):0\r\n"
    "Visibility: 10 mile(s):0\r\n"
    "Sky conditions: overcast\r\n"
    "Weather: thunder in the vicinity; light rain; Lightning observed\r\n"
    "Precipitation last hour: 0.16 inches\r\n"
    "Temperature: 72.0 F (22.2 C)\r\n"
    "Dew Point: 69.1 F (20.6 C)\r\n"
    "Relative Humidity: 90%\r\n"
    "Pressure (altimeter): 29.89 in. Hg (1012 hPa)\r\n"
    "ob: KFNT 120321Z 21013G22KT 10SM VCTS -RA SCT030 SCT055 OVC110 22/21 A2989\r\n"
    "cycle: 3\r\n";

void BM_DecodeAndSweepTypicalReport(benchmark::State& state) {
    NoFrames frames;
    NoPause pause;
    NoStatus status;
    long sweepFrames = 0;
    for (auto _ : state) {
        Observation o = FreshStoreObservation();
        ReportDecoder decoder(o, frames, pause, status, ".");
        decoder.BreakOut(SplitReportLines(TypicalReport), false);
        sweepFrames = decoder.LastSweepFrames();
        benchmark::DoNotOptimize(o);
    }
    state.counters["frames"] = static_cast<double>(sweepFrames);
}
BENCHMARK(BM_DecodeAndSweepTypicalReport)->Unit(benchmark::kMicrosecond);

void BM_SplitAndDecodeWithoutSweep(benchmark::State& state) {
    NoFrames frames;
    NoPause pause;
    NoStatus status;
    Observation o = FreshStoreObservation();
    ReportDecoder decoder(o, frames, pause, status, ".");
    decoder.BreakOut(SplitReportLines(TypicalReport), false);
    // The needles already rest on this report's values, so only decoding is left to time.
    for (auto _ : state) {
        decoder.BreakOut(SplitReportLines(TypicalReport), false);
        benchmark::DoNotOptimize(o);
    }
}
BENCHMARK(BM_SplitAndDecodeWithoutSweep)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace stormbell

BENCHMARK_MAIN();
