#include "app/qt/DesktopNotifier.h"

#include "app/qt/SessionBusGuard.h"
#include "generated/Version.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QMetaObject>
#include <QVariantMap>

namespace stormbell {

namespace {

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kAppName = "Stormbell";
constexpr int kServerDefaultTimeout = -1;
constexpr unsigned char kCriticalUrgency = 2; // stays until the user dismisses it

} // namespace

void DesktopNotifier::Notify(const QString& title, const QString& body, FailureHandler failed) {
    // Told from the event loop, as a refusal of the service would be.
    const auto failLater = [this, &failed](const QString& reason) {
        QMetaObject::invokeMethod(
            this, [failed, reason] { failed(reason); }, Qt::QueuedConnection);
    };
    // A bus found silent at the start is not asked again: the call would wait on it.
    if (SessionBusSkipped()) {
        failLater(tr("the session bus did not answer at the start"));
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        failLater(tr("no session bus: %1").arg(bus.lastError().message()));
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, "Notify");
    const QVariantMap hints{{"urgency", QVariant::fromValue(kCriticalUrgency)},
                            {"desktop-entry", QString(kAppId)}};
    call << QString(kAppName) << 0u << QString(kAppId) << title << body << QStringList() << hints
         << kServerDefaultTimeout;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [failed](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<unsigned> reply = *finished;
                if (reply.isError())
                    failed(reply.error().message());
                finished->deleteLater();
            });
}

} // namespace stormbell
