#include "app/qt/DesktopNotifier.h"

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
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        // Told from the event loop, as a refusal of the service would be.
        const QString reason = tr("no session bus: %1").arg(bus.lastError().message());
        QMetaObject::invokeMethod(
            this, [failed, reason] { failed(reason); }, Qt::QueuedConnection);
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
