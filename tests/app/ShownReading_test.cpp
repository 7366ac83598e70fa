#include "app/ShownReading.h"

#include <gtest/gtest.h>

#include "observation/ReportLines.h"
#include "tests/support/FixedClock.h"

namespace stormbell {
namespace {

using namespace std::chrono;

// 2023-08-25 12:00 UTC.
constexpr sys_seconds kNoon{seconds{1692964800}};

std::string Report(const char* station, int minute) {
    const std::string mm = minute < 10 ? "0" + std::to_string(minute) : std::to_string(minute);
    return std::string("SOMEWHERE, XX (") + station + ")\r\nAug 25, 2023 / 2023.08.25 12" + mm +
           " UTC\r\nTemperature: 60 F (16 C)\r\n";
}

enum class Came { Report, Unchanged, Failure };

// One gauge through a run of cycles: what is shown, what the tooltip is told and which report
// the options dialog shows follow what each cycle brought, and never go back in time.
TEST(ShownReadingTest, FollowsEachCycleAndNeverGoesBackInTime) {
    const struct {
        const char* name;
        Came came;
        std::string text; // the cycle's report
        const char* asked;
        bool admitted;
        int shownMinute;                // of the shown observation
        std::optional<int> olderMinute; // the older observation the tooltip tells of
        std::string dialog;             // the report the dialog shows
        std::vector<std::string> told;  // the side steps the tooltip tells
        const char* logProblem = "";
    } cases[] = {
        {"first report, not logged",
         Came::Report,
         Report("KBFI", 6),
         "KBFI",
         true,
         6,
         {},
         Report("KBFI", 6),
         {"The report was not logged: Cannot write METAR.TMP"},
         "Cannot write METAR.TMP"},
        {"unchanged: the old log problem is not told again",
         Came::Unchanged,
         Report("KBFI", 6),
         "KBFI",
         true,
         6,
         {},
         Report("KBFI", 6),
         {},
         "Cannot write METAR.TMP"},
        {"an older observation is refused",
         Came::Report,
         Report("KBFI", 3),
         "KBFI",
         false,
         6,
         3,
         Report("KBFI", 6),
         {}},
        {"the same observation again",
         Came::Report,
         Report("KBFI", 6),
         "KBFI",
         true,
         6,
         {},
         Report("KBFI", 6),
         {}},
        {"a newer one",
         Came::Report,
         Report("KBFI", 36),
         "KBFI",
         true,
         36,
         {},
         Report("KBFI", 36),
         {}},
        {"another station's fetch fails",
         Came::Failure,
         Report("KBFI", 36),
         "KQQZ",
         true,
         36,
         {},
         "",
         {}},
        {"the shown station's fetch fails",
         Came::Failure,
         Report("KBFI", 36),
         "KBFI",
         true,
         36,
         {},
         Report("KBFI", 36),
         {}},
        {"another station, earlier",
         Came::Report,
         Report("EGLC", 1),
         "EGLC",
         true,
         1,
         {},
         Report("EGLC", 1),
         {}},
    };
    const testing::FixedClock clock(kNoon + hours(1));
    ShownReading shown(clock);
    for (const auto& c : cases) {
        CycleOutcome outcome;
        outcome.Unchanged = c.came == Came::Unchanged;
        if (c.came == Came::Failure) {
            outcome.FailedAt = CycleStep::Download;
            outcome.Message = "550 No such file";
        }
        const std::vector<std::string> lines = SplitReportLines(c.text);
        if (c.came == Came::Report) {
            EXPECT_EQ(shown.Admit(lines), c.admitted) << c.name;
        }
        const auto received = shown.Record(outcome, {c.text, c.asked, c.logProblem, false});
        EXPECT_EQ(received.has_value(), c.came == Came::Report) << c.name;
        const ReadingContext& context = shown.Context();
        EXPECT_EQ(context.Header.Observed, kNoon + minutes(c.shownMinute)) << c.name;
        EXPECT_EQ(context.OlderSent,
                  c.olderMinute ? std::optional(kNoon + minutes(*c.olderMinute)) : std::nullopt)
            << c.name;
        EXPECT_EQ(context.LastCycleFailed, c.came == Came::Failure) << c.name;
        EXPECT_EQ(context.FailedStation, c.came == Came::Failure ? c.asked : "") << c.name;
        EXPECT_EQ(shown.Report(), c.dialog) << c.name;
        EXPECT_EQ(context.SideStepFailures, c.told) << c.name;
    }
}

} // namespace
} // namespace stormbell
