#include "settings/qt/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace stormbell {

namespace {

constexpr const char* kStoreFile = "/Brightmoor/Stormbell.conf";
constexpr const char* kSetAsideSuffix = ".bad";
constexpr const char* kLockSuffix = ".lock";
constexpr const char* kDefaultsFollow = "; the gauge starts with its default settings";

// Only a regular file is opened or replaced: a FIFO would block the open, a device would be
// read or replaced by the save. A link is followed to what it names.
bool IsRegularOrAbsent(const QFileInfo& info) {
    return info.exists() ? info.isFile() : !info.isSymLink();
}

} // namespace

QtSettingsStore::QtSettingsStore(std::chrono::milliseconds lockWait)
    : lockWait_(lockWait),
      path_((QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + kStoreFile)
                .toStdString()) {
    Load();
}

void QtSettingsStore::Load() {
    const QString path = QString::fromStdString(path_);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    if (!IsRegularOrAbsent(info))
        return Refuse("is not a regular file");
    QFile in(path);
    QByteArray bytes;
    if (in.open(QIODevice::ReadOnly))
        bytes = in.read(SettingsFile::kMostBytes + 1);
    if (in.error() != QFileDevice::NoError)
        return Refuse("cannot be read (" + in.errorString().toStdString() + ")");
    if (auto file = SettingsFile::Parse(bytes.toStdString()))
        file_ = std::move(*file);
    else
        SetAside();
}

void QtSettingsStore::Refuse(const std::string& why) {
    saveAllowed_ = false;
    notice_ = "The settings file " + path_ + " " + why + kDefaultsFollow +
              " and does not save over the file.";
}

void QtSettingsStore::SetAside() {
    const QString path = QString::fromStdString(path_);
    // Every earlier copy is kept: it may hold the user's real values.
    for (int number = 0;; ++number) {
        QString aside = path + kSetAsideSuffix;
        if (number > 0)
            aside += "." + QString::number(number);
        const QFileInfo taken(aside);
        if (taken.exists() || taken.isSymLink())
            continue;
        QFile file(path);
        if (!file.rename(aside))
            return Refuse("cannot be read, nor set aside (" + file.errorString().toStdString() +
                          ")");
        notice_ = "The settings file " + path_ + " could not be read and was set aside as " +
                  aside.toStdString() + kDefaultsFollow + ".";
        return;
    }
}

std::string QtSettingsStore::ReadSetting(const std::string& name, const std::string& defaultText) {
    return file_.Text(name).value_or(defaultText);
}

void QtSettingsStore::WriteSetting(const std::string& name, const std::string& text) {
    pending_.emplace_back(name, text);
}

void QtSettingsStore::Commit() {
    if (pending_.empty())
        return;
    const auto pending = std::move(pending_);
    pending_.clear();
    // The whole file is written or nothing, so the first value names the failure.
    const ESettingsWriteError failed(pending.front().first);
    SettingsFile edited = file_;
    for (const auto& [name, text] : pending)
        edited.Set(name, text);

    const QString path = QString::fromStdString(path_);
    const QString lockPath = path + kLockSuffix;
    if (!saveAllowed_ || !QDir().mkpath(QFileInfo(path).path()))
        throw failed;
    // Qt's lock code blocks on a FIFO and loops on a directory, so only a file goes to it.
    const QFileInfo lockInfo(lockPath);
    if (lockInfo.isSymLink() || !IsRegularOrAbsent(lockInfo))
        throw failed;
    QLockFile lock(lockPath);
    if (!lock.tryLock(static_cast<int>(lockWait_.count())) || !IsRegularOrAbsent(QFileInfo(path)))
        throw failed;
    QSaveFile out(path);
    const QByteArray bytes = QByteArray::fromStdString(edited.Bytes());
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        throw failed;
    file_ = std::move(edited);
}

} // namespace stormbell
