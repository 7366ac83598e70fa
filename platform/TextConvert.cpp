#include "platform/TextConvert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace stormbell {

namespace {

constexpr std::string_view kBlanksAndLineEnds = " \t\r\n";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Not std::tolower, which follows the locale the program runs in.
char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    return i;
}

// Checks the grammar by hand: std::from_chars alone would accept "inf", "nan" and hex forms.
bool IsDecimalNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    return i == s.size();
}

std::string Quoted(std::string_view text, const char* what) {
    return "'" + std::string(text) + "' is not a valid " + what;
}

} // namespace

std::string Cut(std::string_view line, long long start, long long count) {
    if (start < 1)
        start = 1;
    const auto size = static_cast<long long>(line.size());
    if (start > size || count < 1)
        return {};
    const long long available = size - start + 1;
    return std::string(
        line.substr(static_cast<std::size_t>(start - 1),
                    static_cast<std::size_t>(count < available ? count : available)));
}

long long Find(std::string_view needle, std::string_view line) {
    const auto at = line.find(needle);
    return at == std::string_view::npos ? 0 : static_cast<long long>(at) + 1;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanksAndLineEnds);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanksAndLineEnds) - first + 1);
}

std::optional<double> TryStrToFloat(std::string_view text) {
    std::string_view s = text.substr(SkipBlanks(text));
    if (!IsDecimalNumber(s))
        return std::nullopt;
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

double StrToFloat(std::string_view text) {
    if (auto value = TryStrToFloat(text))
        return *value;
    throw NotAFloat(text);
}

EConvertError NotAFloat(std::string_view text) {
    return EConvertError(Quoted(text, "floating point value"));
}

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
    std::string_view s = text.substr(SkipBlanks(text));
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || !IsDigit(s.front()))
        return std::nullopt;
    long long magnitude = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), magnitude);
    if (error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    const long long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t StrToInt(std::string_view text) {
    if (auto value = TryStrToInt(text))
        return *value;
    throw NotAnInteger(text);
}

EConvertError NotAnInteger(std::string_view text) {
    return EConvertError(Quoted(text, "integer value"));
}

std::string IntToStr(long long value) {
    return std::to_string(value);
}

// std::to_chars never looks at the locale; printf and strtod would use the user's separator.
std::string FloatToStrGeneral(double value) {
    if (value == 0)
        return "0"; // also for -0.0
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string FloatToStrFixed(double value) {
    char buffer[400];
    // Four significant digits first, so 30.016 becomes 30.02 before the two decimals are written.
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 3);
    double rounded = 0;
    // Rounding up past the largest double cannot be read back; the value itself is then closest.
    if (std::from_chars(buffer, result.ptr, rounded).ec != std::errc())
        rounded = value;
    if (rounded == 0)
        rounded = 0; // no "-0.00"
    result = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr);
}

// std::to_chars, as printf would write it in the C locale: the desktop's locale may have changed
// printf's separator, and the wording localises the number afterwards.
std::string Fixed(double value, int decimals) {
    char text[400];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    const std::string_view digits(text, static_cast<std::size_t>(end - text));
    // A value that rounds to nothing is told without a sign.
    const bool zero = digits.find_first_not_of("-0.") == std::string_view::npos;
    return std::string(zero && digits.starts_with('-') ? digits.substr(1) : digits);
}

double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

double Truncate(double value) {
    return std::trunc(value);
}

std::string Latin1ToUtf8(std::string_view bytes) {
    // Each Latin-1 byte is the code point of the same number, so no table or locale is needed.
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

} // namespace stormbell
