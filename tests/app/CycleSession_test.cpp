// The cycle session's states: what a start, an exit, a close, deferred work and the end of a
// cycle do in each, and which waits they cut short.
#include "app/CycleSession.h"
#include "tests/support/RecordingWindow.h"

#include <gtest/gtest.h>

namespace stormbell::testing {
namespace {

// Runs operations at once; its aborts and resets go to the window's journal.
struct RecordingWait final : AbortableRunner {
    RecordingWait(std::vector<std::string>& journal, const char* name)
        : journal(journal), name(name) {}
    void Run(const std::function<void()>& operation) override { operation(); }
    void Abort() override { journal.push_back(name + " abort"); }
    void Reset() override { journal.push_back(name + " reset"); }
    std::vector<std::string>& journal;
    std::string name;
};

// Steps: b Begin, x RequestExit, c RequestClose, f Finish, w WhenIdle, s the state.
// The lamps going out show as "Idle".
TEST(CycleSession, EachRequestInEachState) {
    const char* const states[] = {
        "Idle", "Running", "EndingByExit", "EndingByClose", "EndingByExitThenClose", "Closed"};
    const std::string begun = "pause reset, runner reset, begun, ";
    const std::string cut = "pause abort, runner abort, ";
    const std::pair<const char*, std::string> cases[] = {
        {"bbs", begun + "refused, Running"},
        {"xs", "exit now, Idle"},
        {"bxsfs", begun + cut + "exit later, EndingByExit, Idle, ended EndingByExit, Idle"},
        {"bxxs", begun + cut + "exit later, " + cut + "exit later, EndingByExit"},
        {"cbxs", "close now, refused, exit now, Closed"},
        {"bcsfcs",
         begun + cut + "close later, EndingByClose, Idle, ended EndingByClose, close now, Closed"},
        {"bxcf",
         begun + cut + "exit later, " + cut + "close later, Idle, ended EndingByExitThenClose"},
        {"bcxf",
         begun + cut + "close later, " + cut + "exit later, Idle, ended EndingByExitThenClose"},
        {"bfbs", begun + "ended Running, " + begun + "Running"},
        {"wbwwfw", "work, " + begun + "work, ended Running, work"},
    };
    for (const auto& [steps, expected] : cases) {
        RecordingWindow window;
        std::vector<std::string>& journal = window.journal;
        RecordingWait pause(journal, "pause"), runner(journal, "runner");
        CycleSession session(window, window, pause, runner, {},
                             [](const std::vector<std::string>&, bool) {});
        const auto said = [&](bool now, const char* yes, const char* no) {
            journal.push_back(now ? yes : no);
        };
        for (const char step : std::string(steps)) {
            if (step == 'b')
                said(session.Begin(), "begun", "refused");
            if (step == 'x')
                said(session.RequestExit(), "exit now", "exit later");
            if (step == 'c')
                said(session.RequestClose(), "close now", "close later");
            if (step == 'f')
                journal.push_back(std::string("ended ") + states[int(session.Finish())]);
            if (step == 'w')
                session.WhenIdle([&journal] { journal.push_back("work"); });
            if (step == 's')
                journal.push_back(states[int(session.State())]);
        }
        std::string told;
        for (const std::string& entry : journal)
            told += (told.empty() ? "" : ", ") + entry;
        EXPECT_EQ(told, expected) << steps;
    }
}

} // namespace
} // namespace stormbell::testing
