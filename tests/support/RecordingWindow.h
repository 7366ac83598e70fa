// The window's side of an update cycle as one recording fake: lamps, title and report box each
// add a line to one journal, so the order of what the user sees is checked too.
#pragma once

#include <string>
#include <vector>

#include "app/UpdateCycle.h"
#include "observation/ReportLines.h"

namespace stormbell::testing {

struct RecordingWindow : Lamps, StatusLine, ReportBox {
    void SetLampState(LampState state) override {
        static const char* const names[] = {"Idle", "Busy", "Failed", "Fetched"};
        journal.push_back(names[static_cast<int>(state)]);
    }
    void SetStatus(const std::string& text) override { journal.push_back("title " + text); }
    void LoadReport(const std::string& bytes) override {
        journal.push_back("box");
        lines = SplitReportLines(bytes);
    }
    std::vector<std::string> Lines() const override { return lines; }

    std::vector<std::string> journal;
    std::vector<std::string> lines = {"previous report"};
};

} // namespace stormbell::testing
