#include "app/QtStatusLine.h"

#include <QLoggingCategory>
#include <QWidget>

namespace stormbell {

namespace {
// Off unless QT_LOGGING_RULES turns it on: lets a script follow the status of a window it cannot
// look at, such as one on the offscreen platform.
Q_LOGGING_CATEGORY(lcStatus, "stormbell.status", QtWarningMsg)
} // namespace

void QtStatusLine::SetStatus(const std::string& text) {
    qCDebug(lcStatus, "status %s", text.c_str());
    window_.setWindowTitle(QString::fromStdString(text));
}

} // namespace stormbell
