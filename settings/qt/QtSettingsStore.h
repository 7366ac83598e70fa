// The settings store on the current user's INI file Brightmoor/Stormbell.conf in the user's
// settings folder (UserConfigFolder; values under [General]), where Qt's settings of
// "Brightmoor"/"Stormbell" keep it, read and written here so that nothing but a regular file is
// ever opened or replaced.
#pragma once

#include <QString>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

namespace stormbell {

class QtSettingsStore final : public SettingsStore {
public:
    /// How long a save waits for the lock of another program saving the same file.
    static constexpr std::chrono::milliseconds kLockWait{3000};

    /// Reads the current user's file once. Without a settings folder, every read gives its
    /// default, no save is made and StartupNotice says so. A file whose [General] values cannot
    /// be read is
    /// renamed to the first free name of "<file>.bad", "<file>.bad.1", ... (older ones are
    /// kept); something that is not a regular file, or cannot be read or set aside, is left
    /// alone and no save replaces it. Either way every read gives its default and
    /// StartupNotice says what happened and where. A save waits at most `lockWait` for the lock.
    explicit QtSettingsStore(std::chrono::milliseconds lockWait = kLockWait);

    std::string ReadSetting(const std::string& name, const std::string& defaultText) override;
    void WriteSetting(const std::string& name, const std::string& text) override;
    /// Under Qt's lock file "<file>.lock", reads the file as it is now (one damaged since the
    /// start is set aside and the text read at start taken instead), writes the recorded values
    /// into it, each value that reads as before keeping its bytes and every other line kept,
    /// removes what interrupted saves left ("<file>.XXXXXX") and replaces the file atomically.
    /// The old file stays, and ESettingsWriteError is thrown, when the file or its lock is not
    /// a regular file, the lock stays taken for the whole wait, the new text is one the load
    /// would refuse (too large), or the file cannot be written.
    void Commit() override;
    std::string StartupNotice() const override { return notice_; }
    /// True when the file was absent at start.
    bool FirstStart() const override { return firstStart_; }

    /// The INI file's path.
    std::string Location() const { return path_; }

private:
    // What ReadFile found.
    enum class Read { Absent, Failed, Damaged, Taken };
    // Reads the file into `into` when it is Taken; gives the notice of why when it Failed.
    Read ReadFile(SettingsFile& into, QString& why) const;
    void Load();
    void RemoveSaveTemporaries() const;
    // Defaults for every read, `notice`, and no save over what is there.
    void Refuse(const QString& notice);
    void SetAside();

    std::chrono::milliseconds lockWait_;
    std::string path_;
    SettingsFile file_;
    bool saveAllowed_ = true;
    std::string notice_;
    bool firstStart_ = false;
    std::vector<std::pair<std::string, std::string>> pending_;
};

} // namespace stormbell
