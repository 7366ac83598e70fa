// The HTTPS client's reading of the answer as curl hands it on: the body into the report within
// its bound, and the headers for the status, redirects and validators within theirs.
#include "net/HttpsSession.h"

#include <new>
#include <string_view>

#include "platform/TextConvert.h"

namespace stormbell {

namespace {

// A status line is a code and a few words; a longer one is cut, so no message carries pages.
constexpr std::size_t kMostStatusChars = 200;
constexpr std::string_view kCutMark = "...";

// "HTTP/1.1 404 Not Found", "HTTP/2 200": the three digits after the first blank, else 0.
long StatusCode(std::string_view statusLine) {
    const auto blank = statusLine.find(' ');
    if (blank == std::string_view::npos || statusLine.size() < blank + 4)
        return 0;
    long code = 0;
    for (const char c : statusLine.substr(blank + 1, 3)) {
        if (c < '0' || c > '9')
            return 0;
        code = code * 10 + (c - '0');
    }
    return code;
}

std::string StatusText(std::string_view line) {
    line = Trimmed(line);
    if (line.size() <= kMostStatusChars)
        return std::string(line);
    return std::string(line.substr(0, kMostStatusChars)) + std::string(kCutMark);
}

bool IsFollowedRedirect(long status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

std::size_t HttpsClient::Session::Body(char* data, std::size_t size, std::size_t count,
                                       void* self) {
    auto& s = *static_cast<Session*>(self);
    const std::size_t n = size * count;
    s.received += n;
    if (n > s.limit - s.report.Size()) {
        s.tooLarge = true;
        return 0;
    }
    // No exception may unwind through curl.
    try {
        s.report.Write(data, n);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return n;
}

// Tells a final answer from a redirect that curl is about to follow: only the final one's
// status decides, and only after it has begun may a failure wait for Download.
std::size_t HttpsClient::Session::Header(char* data, std::size_t size, std::size_t count,
                                         void* self) {
    auto& s = *static_cast<Session*>(self);
    const std::size_t n = size * count;
    s.received += n;
    const std::string_view line(data, n);
    if (line.starts_with("HTTP/")) {
        // The body that counts is the one of the response that begins here.
        s.report.Clear();
        s.headerBytes = 0;
        s.statusLine = StatusText(line);
        s.location = false;
        s.ClearValidators();
        s.status = StatusCode(s.statusLine);
    } else if (StartsWithIgnoringCase(line, "location:")) {
        s.location = true;
    } else if (StartsWithIgnoringCase(line, "etag:")) {
        s.tag = Trimmed(line.substr(5));
    } else if (StartsWithIgnoringCase(line, "last-modified:")) {
        s.modified = Trimmed(line.substr(14));
    } else if (StartsWithIgnoringCase(line, "date:")) {
        s.date = Trimmed(line.substr(5));
    } else if (Trimmed(line).empty() && s.status >= 200) {
        s.final = !(s.location && IsFollowedRedirect(s.status));
    }
    s.headerBytes += n;
    if (s.headerBytes > kMostHeaderBytes) {
        s.headerTooLarge = true;
        return 0;
    }
    return n;
}

void HttpsClient::Session::ClearValidators() {
    tag.clear();
    modified.clear();
    date.clear();
}

} // namespace stormbell
