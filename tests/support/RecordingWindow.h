// The window's side of an update cycle as one recording fake: lamps and title each add a line to
// one journal, so the order of what the user sees is checked too.
#pragma once

#include <string>
#include <vector>

#include "app/UpdateCycle.h"

namespace stormbell::testing {

struct RecordingWindow : Lamps, StatusLine {
    void SetLampState(LampState state) override {
        static const char* const names[] = {"Idle", "Busy", "Failed", "Fetched"};
        journal.push_back(names[static_cast<int>(state)]);
    }
    void SetStatus(const std::string& text) override { journal.push_back("title " + text); }

    std::vector<std::string> journal;
};

} // namespace stormbell::testing
