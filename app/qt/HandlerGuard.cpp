#include "app/qt/HandlerGuard.h"

#include "app/qt/CycleAborted.h"
#include "platform/MessageSink.h"

#include <QCoreApplication>

#include <exception>
#include <utility>

namespace stormbell {

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
            messages_.ShowMessage(
                QCoreApplication::translate("stormbell::GaugeWindow", "An unknown error occurred")
                    .toStdString());
    }
}

} // namespace stormbell
