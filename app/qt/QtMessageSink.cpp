#include "app/qt/QtMessageSink.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <utility>

namespace stormbell {

namespace {

QtMessageSink::TestHook& Hook() {
    static QtMessageSink::TestHook hook;
    return hook;
}

} // namespace

void QtMessageSink::ShowMessage(const std::string& text) {
    if (Hook()) {
        Hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                    QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

void QtMessageSink::SetTestHook(TestHook hook) {
    Hook() = std::move(hook);
}

} // namespace stormbell
