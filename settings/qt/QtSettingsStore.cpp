#include "settings/qt/QtSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace stormbell {

namespace {

constexpr const char* kOrganisation = "Brightmoor";
constexpr const char* kApplication = "Stormbell";
constexpr const char* kSetAsideSuffix = ".bad";

// Only the user's own file or key: Qt would otherwise also read the organisation's and the
// system's stores, which this program never writes.
class UserStore : public QSettings {
public:
    UserStore()
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication) {
        setFallbacksEnabled(false);
    }
};

} // namespace

QtSettingsStore::QtSettingsStore() {
    UserStore store;
    if (store.status() != QSettings::FormatError)
        return;
    unreadable_ = true;
    const QString path = store.fileName();
    const QString aside = path + kSetAsideSuffix;
    // An older damaged copy gives way to this one.
    QFile::remove(aside);
    QFile::rename(path, aside);
}

std::string QtSettingsStore::ReadSetting(const std::string& name, const std::string& defaultText) {
    if (unreadable_)
        return defaultText;
    const QVariant value = UserStore().value(QString::fromStdString(name));
    if (!value.isValid())
        return defaultText;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toLatin1().toStdString();
    if (!value.canConvert<QString>())
        return defaultText;
    // The program's texts are single bytes, as the dialogs show them; the file holds UTF-8.
    return value.toString().toLatin1().toStdString();
}

void QtSettingsStore::WriteSetting(const std::string& name, const std::string& text) {
    pending_.emplace_back(name, text);
}

void QtSettingsStore::Commit() {
    if (pending_.empty())
        return;
    const auto pending = std::move(pending_);
    pending_.clear();
    UserStore store;
    // QString values only: a number or boolean would be stored with a type of its own.
    for (const auto& [name, text] : pending)
        store.setValue(QString::fromStdString(name), QString::fromLatin1(text));
    store.sync();
    // Qt writes the whole file or nothing, so the first value names the failure.
    if (store.status() != QSettings::NoError)
        throw ESettingsWriteError(pending.front().first);
}

std::string QtSettingsStore::Location() const {
    return UserStore().fileName().toStdString();
}

} // namespace stormbell
