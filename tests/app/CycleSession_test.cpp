// The cycle session's states: what a start, an exit, a close, deferred work and the end of a
// cycle do in each, and which waits they cut short.
#include "app/CycleSession.h"
#include "tests/support/RecordingWindow.h"

#include <gtest/gtest.h>

#include <sstream>

namespace stormbell::testing {
namespace {

// Records its aborts and resets in the window's journal; runs operations at once.
class RecordingWait final : public AbortableRunner {
public:
    RecordingWait(std::vector<std::string>& journal, std::string name)
        : journal_(journal), name_(std::move(name)) {}
    void Run(const std::function<void()>& operation) override { operation(); }
    void Abort() override { journal_.push_back(name_ + " abort"); }
    void Reset() override { journal_.push_back(name_ + " reset"); }

private:
    std::vector<std::string>& journal_;
    std::string name_;
};

const char* Name(SessionState state) {
    static const char* const names[] = {
        "Idle", "Running", "EndingByExit", "EndingByClose", "EndingByExitThenClose", "Closed"};
    return names[static_cast<int>(state)];
}

// Steps: b Begin, x RequestExit, c RequestClose, f Finish, w WhenIdle, s the state. The
// lamps going out show as "Idle".
TEST(CycleSession, EachRequestInEachState) {
    const std::string begun = "pause reset, runner reset, begun";
    const std::string cut = "pause abort, runner abort, ";
    const struct {
        const char* steps;
        bool attached;
        std::string journal;
    } cases[] = {
        {"bbs", true, begun + ", refused, Running"},
        {"bs", false, "refused, Idle"},
        {"xs", true, "exit now, Idle"},
        {"bxsfs", true,
         begun + ", " + cut + "exit later, EndingByExit, Idle, ended EndingByExit, Idle"},
        {"bxxs", true, begun + ", " + cut + "exit later, " + cut + "exit later, EndingByExit"},
        {"cbxs", true, "close now, refused, exit now, Closed"},
        {"bcsfcs", true,
         begun + ", " + cut +
             "close later, EndingByClose, Idle, ended EndingByClose, close now, "
             "Closed"},
        {"bxcf", true,
         begun + ", " + cut + "exit later, " + cut +
             "close later, Idle, ended EndingByExitThenClose"},
        {"bcxf", true,
         begun + ", " + cut + "close later, " + cut +
             "exit later, Idle, ended EndingByExitThenClose"},
        {"bfb", true, begun + ", ended Running, " + begun},
        {"wbwwfw", true, "work, " + begun + ", work, ended Running, work"},
    };
    for (const auto& c : cases) {
        RecordingWindow window;
        RecordingWait pause(window.journal, "pause");
        RecordingWait runner(window.journal, "runner");
        CycleSession session(window, window, pause, runner, {});
        if (c.attached)
            session.Attach(window, [](const std::vector<std::string>&, bool) {});
        std::vector<std::string>& journal = window.journal;
        for (const char step : std::string(c.steps)) {
            if (step == 'b')
                journal.push_back(session.Begin() ? "begun" : "refused");
            if (step == 'x')
                journal.push_back(session.RequestExit() ? "exit now" : "exit later");
            if (step == 'c')
                journal.push_back(session.RequestClose() ? "close now" : "close later");
            if (step == 'f')
                journal.push_back(std::string("ended ") + Name(session.Finish()));
            if (step == 'w')
                session.WhenIdle([&journal] { journal.push_back("work"); });
            if (step == 's')
                journal.push_back(Name(session.State()));
        }
        std::ostringstream told;
        for (std::size_t i = 0; i < journal.size(); ++i)
            told << (i == 0 ? "" : ", ") << journal[i];
        EXPECT_EQ(told.str(), c.journal) << c.steps;
    }
}

} // namespace
} // namespace stormbell::testing
