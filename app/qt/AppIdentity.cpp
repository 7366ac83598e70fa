#include "app/qt/AppIdentity.h"

#include "generated/Version.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>

namespace stormbell {

namespace {

// The settings store is found by these two names; changing them loses the user's settings.
constexpr const char* kApplicationName = "Stormbell";
constexpr const char* kOrganizationName = "Brightmoor";
constexpr const char* kIconFolder = ":/icons";

} // namespace

void ApplyAppIdentity() {
    QGuiApplication::setDesktopFileName(kAppId);
    QGuiApplication::setApplicationName(kApplicationName);
    QGuiApplication::setOrganizationName(kOrganizationName);
    QGuiApplication::setApplicationVersion(kVersion);

    QIcon icon;
    const QDir folder(kIconFolder);
    for (const QString& name : folder.entryList(QDir::Files))
        icon.addFile(folder.filePath(name));
    QGuiApplication::setWindowIcon(icon);
}

} // namespace stormbell
