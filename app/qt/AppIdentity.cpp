#include "app/qt/AppIdentity.h"

#include "generated/Version.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

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
    for (const QString& name : folder.entryList(QDir::Files)) {
        // Read as PNG, with no guessing: a reader left to guess, as QIcon::addFile's is, loads
        // every image-format plugin installed, for a format built into Qt.
        QImageReader reader(folder.filePath(name), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    QGuiApplication::setWindowIcon(icon);
}

} // namespace stormbell
