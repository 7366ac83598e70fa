#include "app/qt/SessionBusGuard.h"

#include "platform/SessionBus.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <atomic>

namespace stormbell {

namespace {

constexpr const char* kAddressVariable = "DBUS_SESSION_BUS_ADDRESS";
// The toolkit reads it as "set", whatever its value.
constexpr const char* kAccessibilityAlwaysOn = "QT_LINUX_ACCESSIBILITY_ALWAYS_ON";
// An address with no place in it: libdbus refuses it at once, and, being set, it keeps libdbus
// from falling back to the runtime folder's socket or to starting a bus of its own.
constexpr const char* kNoBus = "unix:path=/nonexistent/stormbell-skipped-session-bus";
constexpr const char* kSkippedNote =
    QT_TRANSLATE_NOOP("SessionBus", "The session bus did not answer: started without screen "
                                    "reader support or desktop notifications.");

std::atomic<bool> skipped{false};

// The address libdbus would use: the variable, or else the runtime folder's "bus".
QByteArray SessionBusAddress() {
    if (const QByteArray address = qgetenv(kAddressVariable); !address.isEmpty())
        return address;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        return {};
    const QString socket = QDir(runtime).filePath("bus");
    return QFileInfo::exists(socket) ? "unix:path=" + QFile::encodeName(socket) : QByteArray();
}

} // namespace

void GuardSessionBus(std::chrono::milliseconds limit) {
    const QByteArray address = SessionBusAddress();
    skipped = !address.isEmpty() && ProbeBus(address.toStdString(), limit) == BusAnswer::Silent;
    if (!skipped)
        return;
    qputenv(kAddressVariable, kNoBus);
    qunsetenv(kAccessibilityAlwaysOn);
}

bool SessionBusSkipped() {
    return skipped;
}

std::string SessionBusNote() {
    return QCoreApplication::translate("SessionBus", kSkippedNote).toStdString();
}

} // namespace stormbell
