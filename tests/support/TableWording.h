// A wording that looks its texts up in a table the test gives, with a decimal comma: a stand-in
// for a catalogue, to see that the core's words and its names and figures are kept apart.
#pragma once

#include <map>
#include <string>

#include "platform/Wording.h"

namespace stormbell::testing {

class TableWording final : public Wording {
public:
    explicit TableWording(std::map<std::string, std::string> texts) : texts_(std::move(texts)) {}
    std::string Text(const char*, const char* english) const override {
        const auto found = texts_.find(english);
        return found == texts_.end() ? english : found->second;
    }
    std::string Number(const std::string& plain) const override {
        std::string shown = plain;
        for (char& c : shown)
            if (c == '.')
                c = ',';
        return shown;
    }
    std::string Date(const std::tm& local, DateForm form) const override {
        return English().Date(local, form);
    }

private:
    std::map<std::string, std::string> texts_;
};

} // namespace stormbell::testing
