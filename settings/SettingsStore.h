// The per-user store of named text values that keeps the settings between runs.
#pragma once

#include <stdexcept>
#include <string>

namespace stormbell {

/// A save that did not reach the store: "Failed to set data for '<name>'", naming the first
/// value that was not stored.
class ESettingsWriteError : public std::runtime_error {
public:
    explicit ESettingsWriteError(const std::string& name);
    const std::string& Name() const { return name_; }

private:
    std::string name_;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    /// The stored text of `name`, or `defaultText` when there is none. A stored empty text is
    /// returned as it is; a value the store cannot give as text reads as `defaultText`.
    virtual std::string ReadSetting(const std::string& name, const std::string& defaultText) = 0;
    /// Records `text` under `name`; nothing reaches the store before Commit.
    virtual void WriteSetting(const std::string& name, const std::string& text) = 0;
    /// Stores every value written since the last Commit, all of them or none. On failure throws
    /// ESettingsWriteError naming the first of them and forgets them; the store keeps its values.
    virtual void Commit() = 0;
    /// What the user is told once at start about the store: a file that could not be read, and
    /// where it was set aside. Empty when there is nothing to tell.
    virtual std::string StartupNotice() const { return {}; }
    /// Whether the store holds no settings file yet: the user's first start, which the gauge
    /// opens by asking where the user is. False when the store could not look.
    virtual bool FirstStart() const = 0;
};

} // namespace stormbell
