#include "app/qt/QtMessageSink.h"

#include "observation/ObservationTexts.h"
#include "platform/qt/ShownText.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <utility>

namespace stormbell {

namespace {

QtMessageSink::TestHook& Hook() {
    static QtMessageSink::TestHook hook;
    return hook;
}

// The decoder's messages in the user's language: a fixed one whole, a longer one by the fixed
// text it starts with; the file name and the system's reason follow as they are.
QString Translated(const std::string& text) {
    for (const char* start : {texts::CannotReplaceLog, texts::CannotReadLog, texts::CannotWriteLog})
        if (text.starts_with(start))
            return ShownText("Messages", start) +
                   QString::fromStdString(text.substr(std::string_view(start).size()));
    return ShownText("Messages", text);
}

} // namespace

void QtMessageSink::ShowMessage(const std::string& text) {
    if (Hook()) {
        Hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                    Translated(text), QMessageBox::Ok, parent_);
    box.exec();
}

void QtMessageSink::SetTestHook(TestHook hook) {
    Hook() = std::move(hook);
}

} // namespace stormbell
