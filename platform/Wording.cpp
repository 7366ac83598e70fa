#include "platform/Wording.h"

#include <cstdio>

#include "platform/CalendarText.h"

namespace stormbell {

std::string EnglishWording::Text(const char*, const char* english) const {
    return english;
}

std::string EnglishWording::Number(const std::string& plain) const {
    return plain;
}

std::string EnglishWording::Date(const std::tm& local, DateForm form) const {
    const char* month = ShortMonthName(local.tm_mon);
    char text[64];
    switch (form) {
    case DateForm::Time:
        std::snprintf(text, sizeof text, "%02d:%02d", local.tm_hour, local.tm_min);
        break;
    case DateForm::DayAndTime:
        std::snprintf(text, sizeof text, "%s %d %02d:%02d", month, local.tm_mday, local.tm_hour,
                      local.tm_min);
        break;
    case DateForm::DayCommaTime:
        std::snprintf(text, sizeof text, "%s %d, %02d:%02d", month, local.tm_mday, local.tm_hour,
                      local.tm_min);
        break;
    case DateForm::DayYearAndTime:
        std::snprintf(text, sizeof text, "%s %d, %d %02d:%02d", month, local.tm_mday,
                      local.tm_year + 1900, local.tm_hour, local.tm_min);
        break;
    case DateForm::DayYearCommaTime:
        std::snprintf(text, sizeof text, "%s %d, %d, %02d:%02d", month, local.tm_mday,
                      local.tm_year + 1900, local.tm_hour, local.tm_min);
        break;
    }
    return text;
}

const Wording& English() {
    static const EnglishWording english;
    return english;
}

std::string Fill(const std::string& pattern, std::initializer_list<std::string> args) {
    std::string filled;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            filled += *(args.begin() + index);
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

std::string Words::Count(long long count, const char* singular, const char* plural) const {
    return (*this)(count == 1 ? singular : plural, {std::to_string(count)});
}

} // namespace stormbell
