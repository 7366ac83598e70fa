// Recording stand-ins for the display, the pause, the status line and the message boxes.
#pragma once

#include <string>
#include <vector>

#include "observation/FramePresenter.h"
#include "observation/Observation.h"
#include "platform/MessageSink.h"
#include "platform/Pause.h"
#include "platform/StatusLine.h"

namespace stormbell::testing {

/// Keeps a copy of the observation as each frame shows it.
class RecordingPresenter final : public FramePresenter {
public:
    explicit RecordingPresenter(const Observation& observation) : observation_(observation) {}
    void PresentFrame() override { frames.push_back(observation_); }
    std::vector<Observation> frames;

private:
    const Observation& observation_;
};

class CountingPause final : public Pause {
public:
    void Sleep(int milliseconds) override {
        ++count;
        totalMilliseconds += milliseconds;
    }
    long count = 0;
    long totalMilliseconds = 0;
};

class RecordingStatus final : public StatusLine {
public:
    void SetStatus(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

class RecordingMessages final : public MessageSink {
public:
    void ShowMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

} // namespace stormbell::testing
