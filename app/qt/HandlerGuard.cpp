#include "app/qt/HandlerGuard.h"

#include "app/qt/CycleAborted.h"
#include "platform/MessageSink.h"

#include <exception>
#include <utility>

namespace stormbell {

namespace {

constexpr const char* kUnknownError = "An unknown error occurred";

} // namespace

HandlerGuard::HandlerGuard(MessageSink& messages, std::function<bool()> ending)
    : messages_(messages), ending_(std::move(ending)) {}

void HandlerGuard::operator()(const std::function<void()>& handler) const {
    try {
        handler();
    } catch (const CycleAborted&) {
    } catch (const std::exception& error) {
        if (!ending_())
            messages_.ShowMessage(error.what());
    } catch (...) {
        if (!ending_())
            messages_.ShowMessage(kUnknownError);
    }
}

} // namespace stormbell
