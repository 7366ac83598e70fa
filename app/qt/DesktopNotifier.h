// Sends desktop notifications through the freedesktop Notifications service on the session bus,
// without waiting for it: a missing bus or service is reported later, never blocks the caller.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace stormbell {

class DesktopNotifier final : public QObject {
    Q_OBJECT
public:
    /// Called with the reason when a notification could not be shown.
    using FailureHandler = std::function<void(const QString& reason)>;

    explicit DesktopNotifier(QObject* parent = nullptr) : QObject(parent) {}

    /// Sends one notification with the program's icon and returns at once; `failed` runs from
    /// the event loop when the bus or the service refuses it.
    void Notify(const QString& title, const QString& body, FailureHandler failed);
};

} // namespace stormbell
