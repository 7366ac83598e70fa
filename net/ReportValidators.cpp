#include "net/ReportValidators.h"

#include <algorithm>

namespace stormbell {

namespace {

bool Sendable(std::string_view value) {
    return value.size() <= ReportValidators::kMostBytes &&
           std::none_of(value.begin(), value.end(), [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return byte < 0x20 || byte == 0x7F;
           });
}

} // namespace

void ReportValidators::MoveTo(const ReportPlace& place) {
    if (place_ != place)
        Forget();
}

void ReportValidators::Forget() {
    place_.reset();
    tag_.clear();
    time_.clear();
}

void ReportValidators::Keep(const ReportPlace& place, std::string_view tag, std::string_view time) {
    place_ = place;
    tag_ = Sendable(tag) ? tag : std::string_view();
    time_ = Sendable(time) ? time : std::string_view();
}

std::optional<ReportCondition> ReportValidators::ConditionFor(const ReportPlace& place) const {
    if (place_ != place)
        return std::nullopt;
    // The tag names the very bytes; the time only what the server's clock said.
    if (!tag_.empty())
        return ReportCondition{"If-None-Match", tag_};
    if (!time_.empty())
        return ReportCondition{"If-Modified-Since", time_};
    return std::nullopt;
}

} // namespace stormbell
