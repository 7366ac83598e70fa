#include "net/LowSpeedWatch.h"

#include <gtest/gtest.h>

namespace stormbell {
namespace {

using std::chrono::milliseconds;
const LowSpeedWatch::Clock::time_point kStart{};

TEST(LowSpeedWatchTest, TripsOnlyWhenAWindowMovedSomeBytesButTooFew) {
    // 1000 bytes a second over 300 ms asks for 300 bytes a window.
    struct Step {
        std::size_t bytes;
        int atMs;
        bool passes;
    } steps[] = {
        {10, 299, true},  // the window has not ended yet
        {290, 300, true}, // exactly enough: the next window runs from 300 to 600
        {0, 650, true},   // a window without a byte is the silence time-out's to judge
        {299, 949, true}, // the window from 650 has not ended
        {0, 950, false},  // ... and now it has, one byte short
    };
    LowSpeedWatch watch;
    watch.Start(kStart, 1000, 300);
    for (const auto& step : steps) {
        watch.Add(step.bytes);
        EXPECT_EQ(watch.Check(kStart + milliseconds(step.atMs)), step.passes) << step.atMs;
    }
}

TEST(LowSpeedWatchTest, ARateOrWindowOfZeroNeverTrips) {
    for (const auto& [rate, windowMs] : {std::pair{0, 300}, std::pair{1000, 0}}) {
        LowSpeedWatch watch;
        watch.Start(kStart, rate, windowMs);
        watch.Add(1);
        EXPECT_TRUE(watch.Check(kStart + milliseconds(100000)));
        EXPECT_EQ(watch.MsToWindowEnd(kStart), 0); // no wake-up needed
    }
}

} // namespace
} // namespace stormbell
