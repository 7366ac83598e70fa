#include "tools/cli/TextEscapes.h"

#include <cstdio>

namespace stormbell {

namespace {

constexpr const char* kNoMessage = "(the error came without a message)";

bool InRange(std::string_view text, std::size_t i, unsigned low, unsigned high) {
    if (i >= text.size())
        return false;
    const auto byte = static_cast<unsigned char>(text[i]);
    return byte >= low && byte <= high;
}

void AppendHexEscape(std::string& out, unsigned char byte) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
    out += escaped;
}

} // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80)
        return 1;
    // The second byte's range depends on the lead; it rules out overlong forms, surrogates
    // and code points above U+10FFFF. Every later byte is a plain continuation byte.
    unsigned low = 0x80, high = 0xbf;
    std::size_t length = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (!InRange(text, i + 1, low, high))
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (!InRange(text, i + k, 0x80, 0xbf))
            return 0;
    }
    return length;
}

std::string EscapeForTerminal(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = Utf8SequenceLength(text, i);
        // U+0080..U+009F, encoded C2 80..C2 9F, are the C1 controls some terminals obey.
        const bool c1 = length == 2 && byte == 0xc2 && InRange(text, i + 1, 0x80, 0x9f);
        if (byte < 0x20 || byte == 0x7f || byte == '\\' || length == 0 || c1) {
            const std::size_t escaped = c1 ? 2 : 1;
            for (std::size_t k = 0; k < escaped; ++k)
                AppendHexEscape(out, static_cast<unsigned char>(text[i + k]));
            i += escaped;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

std::string ErrorText(std::string_view message) {
    return message.empty() ? kNoMessage : EscapeForTerminal(message);
}

} // namespace stormbell
