// Stand-ins for the window when the decoder runs without one: no drawing, no waiting.
#pragma once

#include <iostream>
#include <string>

#include "app/UpdateCycle.h"
#include "observation/FramePresenter.h"
#include "platform/MessageSink.h"
#include "platform/Pause.h"
#include "platform/StatusLine.h"

namespace stormbell {

/// Draws nothing.
class NoFrames final : public FramePresenter {
public:
    void PresentFrame() override {}
};

/// Shows no lamps.
class NoLamps final : public Lamps {
public:
    void SetLampState(LampState) override {}
};

/// Returns at once.
class NoPause final : public Pause {
public:
    void Sleep(int) override {}
};

/// Forgets the status.
class NoStatus final : public StatusLine {
public:
    void SetStatus(const std::string&) override {}
};

/// Writes each message to standard error, so nothing the user should see is lost, and counts
/// them: a message means something the command was asked to do was left undone.
class StderrMessages final : public MessageSink {
public:
    void ShowMessage(const std::string& text) override {
        std::cerr << text << '\n';
        ++count_;
    }
    int Count() const { return count_; }

private:
    int count_ = 0;
};

} // namespace stormbell
