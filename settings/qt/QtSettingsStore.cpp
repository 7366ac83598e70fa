#include "settings/qt/QtSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>

#include "platform/UserFolders.h"

namespace stormbell {

namespace {

constexpr const char* kStoreFolder = "Brightmoor";
constexpr const char* kStoreName = "Stormbell.conf";
constexpr const char* kSetAsideSuffix = ".bad";
constexpr const char* kLockSuffix = ".lock";
// The temporary name a save writes under before it replaces the file (QSaveFile's).
constexpr const char* kSaveTemporaries = R"(^Stormbell\.conf\.[A-Za-z0-9]{6}$)";

// Only a regular file is opened or replaced: a FIFO would block the open, a device would be
// read or replaced by the save. A link is followed to what it names.
bool IsRegularOrAbsent(const QFileInfo& info) {
    return info.exists() ? info.isFile() : !info.isSymLink();
}

} // namespace

// Each notice is one whole sentence, so that a catalogue words it as its language needs; the
// translator is installed before the store is built.
QtSettingsStore::QtSettingsStore(std::chrono::milliseconds lockWait) : lockWait_(lockWait) {
    const std::filesystem::path folder = UserConfigFolder();
    if (folder.empty()) {
        saveAllowed_ = false;
        notice_ = QCoreApplication::translate(
                      "SettingsStore",
                      "No folder for the settings was found: neither XDG_CONFIG_HOME nor HOME "
                      "is an absolute path and the user has no home folder; the gauge starts "
                      "with its default settings.")
                      .toStdString();
        return;
    }
    path_ = (folder / kStoreFolder / kStoreName).string();
    Load();
}

QtSettingsStore::Read QtSettingsStore::ReadFile(SettingsFile& into, QString& why) const {
    const QString path = QString::fromStdString(path_);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return Read::Absent;
    if (!IsRegularOrAbsent(info)) {
        why = QCoreApplication::translate(
                  "SettingsStore",
                  "The settings file %1 is not a regular file; the gauge starts with its "
                  "default settings and does not save over the file.")
                  .arg(path);
        return Read::Failed;
    }
    QFile in(path);
    QByteArray bytes;
    if (in.open(QIODevice::ReadOnly))
        bytes = in.read(SettingsFile::kMostBytes + 1);
    if (in.error() != QFileDevice::NoError) {
        why = QCoreApplication::translate(
                  "SettingsStore",
                  "The settings file %1 cannot be read (%2); the gauge starts with its "
                  "default settings and does not save over the file.")
                  .arg(path, in.errorString());
        return Read::Failed;
    }
    auto file = SettingsFile::Parse(bytes.toStdString());
    if (!file)
        return Read::Damaged;
    into = std::move(*file);
    return Read::Taken;
}

void QtSettingsStore::Load() {
    QString why;
    switch (ReadFile(file_, why)) {
    case Read::Absent:
        firstStart_ = true;
        return;
    case Read::Taken:
        return;
    case Read::Failed:
        return Refuse(why);
    case Read::Damaged:
        return SetAside();
    }
}

void QtSettingsStore::RemoveSaveTemporaries() const {
    const QFileInfo file(QString::fromStdString(path_));
    const QRegularExpression temporary(kSaveTemporaries);
    const QFileInfoList found =
        QDir(file.path())
            .entryInfoList({QString(kStoreName) + ".*"}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : found)
        if (!entry.isSymLink() && temporary.match(entry.fileName()).hasMatch())
            QFile::remove(entry.filePath());
}

void QtSettingsStore::Refuse(const QString& notice) {
    saveAllowed_ = false;
    notice_ = notice.toStdString();
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
            return Refuse(QCoreApplication::translate(
                              "SettingsStore",
                              "The settings file %1 cannot be read, nor set aside (%2); the "
                              "gauge starts with its default settings and does not save over "
                              "the file.")
                              .arg(path, file.errorString()));
        notice_ = QCoreApplication::translate(
                      "SettingsStore",
                      "The settings file %1 could not be read and was set aside as %2; the "
                      "gauge starts with its default settings.")
                      .arg(path, aside)
                      .toStdString();
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
    // The file as it is now, so that what was added by hand or by another gauge since the start
    // stays: only the program's own values change. One damaged meanwhile is set aside, as at
    // start, and the text read at start is saved instead.
    QString why;
    SettingsFile edited;
    switch (ReadFile(edited, why)) {
    case Read::Absent:
    case Read::Taken:
        break;
    case Read::Failed:
        throw failed;
    case Read::Damaged:
        SetAside();
        if (!saveAllowed_)
            throw failed;
        edited = file_;
        break;
    }
    for (const auto& [name, text] : pending)
        edited.Set(name, text);
    // Never a file the next start would refuse to read.
    if (!SettingsFile::Parse(edited.Bytes()))
        throw failed;
    RemoveSaveTemporaries();
    QSaveFile out(path);
    const QByteArray bytes = QByteArray::fromStdString(edited.Bytes());
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        throw failed;
    file_ = std::move(edited);
}

} // namespace stormbell
