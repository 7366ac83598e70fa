// A settings store in memory for tests: what it holds, the order of the writes, and a commit
// that can be made to fail.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsStore.h"

namespace stormbell::testing {

class MemorySettingsStore final : public SettingsStore {
public:
    std::map<std::string, std::string> Values; ///< the committed values
    std::vector<std::string> Written;          ///< names in the order they were written
    bool FailCommit = false;                   ///< the next commit throws and stores nothing
    bool NoFile = false;                       ///< stands for a user's first start

    std::string ReadSetting(const std::string& name, const std::string& defaultText) override {
        const auto found = Values.find(name);
        return found == Values.end() ? defaultText : found->second;
    }

    void WriteSetting(const std::string& name, const std::string& text) override {
        pending_.emplace_back(name, text);
        Written.push_back(name);
    }

    void Commit() override {
        auto pending = std::move(pending_);
        pending_.clear();
        if (FailCommit && !pending.empty())
            throw ESettingsWriteError(pending.front().first);
        for (auto& [name, text] : pending)
            Values[name] = std::move(text);
    }

    bool FirstStart() const override { return NoFile; }

private:
    std::vector<std::pair<std::string, std::string>> pending_;
};

} // namespace stormbell::testing
