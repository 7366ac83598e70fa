#include "app/qt/QtStatusLine.h"

#include "platform/qt/ShownText.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QWidget>
#include <QWindow>

namespace stormbell {

namespace {
// Off unless QT_LOGGING_RULES turns it on: lets a script follow the status of a window it cannot
// look at, such as one on the offscreen platform.
Q_LOGGING_CATEGORY(lcStatus, "stormbell.status", QtWarningMsg)
} // namespace

void QtStatusLine::SetStatus(const std::string& text) {
    qCDebug(lcStatus, "status %s", text.c_str());
    const QString status = ShownText("Status", text);
    window_.setWindowTitle(status);
    // The program's name follows the status on the native window only. An application display
    // name would do the same for every window, and the dialogs' captions are to stay as they are.
    if (QWindow* native = window_.windowHandle())
        native->setTitle(TaskBarTitle(status));
}

QString QtStatusLine::TaskBarTitle(const QString& status) {
    const QString name = QGuiApplication::applicationName();
    return status.isEmpty() ? name : status + QStringLiteral(" \u2014 ") + name;
}

} // namespace stormbell
