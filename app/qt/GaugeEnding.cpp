#include "app/qt/GaugeEnding.h"

#include "app/qt/HandlerGuard.h"

#include <utility>

namespace stormbell {

GaugeEnding::GaugeEnding(CycleSession& session, const HandlerGuard& guard, ProgramEnd end,
                         Steps steps)
    : session_(session), guard_(guard), end_(std::move(end)), steps_(std::move(steps)) {}

void GaugeEnding::Exit() {
    if (session_.RequestExit())
        SaveAndEnd();
}

bool GaugeEnding::Close() {
    // The client goes, unless a cycle still runs on it.
    if (!session_.RequestClose())
        return false;
    steps_.HideDialogs();
    end_(0);
    return true;
}

void GaugeEnding::AfterCycle(SessionState ended) {
    const bool exit =
        ended == SessionState::EndingByExit || ended == SessionState::EndingByExitThenClose;
    if (exit && SaveAndEnd())
        return;
    // A close asked for as well still ends the program when the save failed.
    if (ended == SessionState::EndingByClose || ended == SessionState::EndingByExitThenClose)
        steps_.Close();
}

bool GaugeEnding::SaveAndEnd() {
    bool saved = false;
    guard_([&] {
        steps_.Save();
        saved = true;
    });
    if (saved)
        end_(0);
    return saved;
}

} // namespace stormbell
