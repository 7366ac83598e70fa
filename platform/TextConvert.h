// Text cutting and number <-> text conversion shared by the decoder, the sweep, the gauges and
// the settings. Numbers are always read and written with a point, whatever the user's locale.
// Reports and settings are single-byte text; what the gauge tells a person is UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace stormbell {

/// A text that does not convert to the number asked for; the message names the text.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Characters of `line` from 1-based `start`, at most `count` of them. A start below 1 counts
/// as 1; a start past the end or a count below 1 gives "", a count past the end stops there.
std::string Cut(std::string_view line, long long start, long long count);

/// 1-based position of the first occurrence of `needle` in `line`, or 0. Case-sensitive.
long long Find(std::string_view needle, std::string_view line);

/// True when `a` and `b` differ at most in the case of ASCII letters; the same in every locale.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

/// True when `text` begins with `prefix`, compared as EqualIgnoringCase compares.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

/// `text` without the blanks, tabs, CRs and LFs at either end.
std::string_view Trimmed(std::string_view text);

/// Reads [blanks] [sign] digits [. digits] [e [sign] digits] (digits may stand on either side
/// of the point). Anything else, or a value beyond the range of a double, gives nothing.
std::optional<double> TryStrToFloat(std::string_view text);

/// As TryStrToFloat; throws EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text);

/// The error StrToFloat throws for `text`, for a number that reads but cannot be used.
EConvertError NotAFloat(std::string_view text);

/// Reads [blanks] [sign] digits within the signed 32-bit range; anything else gives nothing.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

/// As TryStrToInt; throws EConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

/// The error StrToInt throws for `text`, for a whole number that reads but cannot be used.
EConvertError NotAnInteger(std::string_view text);

/// Shortest decimal text of a whole number, "-" in front when negative.
std::string IntToStr(long long value);

/// Shortest decimal text with at most 15 significant digits: 30.0 -> "30",
/// 29.979999999999997 -> "29.98". Exponent form only for very large or very small values.
std::string FloatToStrGeneral(double value);

/// The value rounded to 4 significant digits, then written with exactly 2 decimals:
/// 30.016 -> "30.02", 30 -> "30.00".
std::string FloatToStrFixed(double value);

/// `value` with exactly `decimals` decimals (0 to 20), rounded as printf rounds, never "-0":
/// (2.345, 1) -> "2.3", (-0.04, 1) -> "0.0". Never throws.
std::string Fixed(double value, int decimals);

/// Nearest whole number, halves to the even neighbour (16.5 -> 16, 17.5 -> 18, -2.5 -> -2).
double RoundHalfEven(double value);

/// Whole number toward zero (-4.9 -> -4).
double Truncate(double value);

/// Single-byte (Latin-1) text as UTF-8: "Z\xfcrich" -> "Z\xc3\xbcrich". The same on every
/// platform and in every locale; never throws.
std::string Latin1ToUtf8(std::string_view bytes);

} // namespace stormbell
