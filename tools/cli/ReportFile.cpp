#include "tools/cli/ReportFile.h"

#include <filesystem>
#include <optional>

#include "observation/ReportLines.h"
#include "platform/Files.h"

namespace stormbell {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

EReportFileError Failure(const char* what, const std::string& name, std::error_code error) {
    return EReportFileError(what + name + ": " + error.message());
}

EReportFileError TooLarge(const std::string& name, std::optional<std::size_t> size) {
    return EReportFileError(name + ": " + EReportTooLarge(size).what());
}

} // namespace

std::string ReadReportFile(const std::string& name) {
    // The name is UTF-8 on every system; opening never waits, so that a FIFO without a writer
    // is refused at once.
    NativeFile file(std::filesystem::path(std::u8string(name.begin(), name.end())), OpenMode::Read,
                    true);
    if (!file.IsOpen())
        throw Failure("Cannot open ", name, file.Error());
    const FileKind kind = file.Kind();
    if (kind == FileKind::Directory)
        throw Failure("Cannot read ", name, std::make_error_code(std::errc::is_a_directory));
    if (kind == FileKind::Other)
        throw EReportFileError("Cannot read " + name + ": not a regular file or character device");
    if (kind == FileKind::Regular && file.Size() > kMaxReportBytes)
        throw TooLarge(name, static_cast<std::size_t>(file.Size()));
    // A character device such as a terminal is then read as standard input would be.
    file.WaitOnRead();
    std::string text;
    while (text.size() <= kMaxReportBytes) {
        const std::size_t start = text.size();
        text.resize(start + kChunk);
        const long count = file.Read(text.data() + start, kChunk);
        if (count < 0)
            throw Failure("Cannot read ", name, file.Error());
        text.resize(start + static_cast<std::size_t>(count));
        if (count == 0)
            return text;
    }
    throw TooLarge(name, std::nullopt);
}

std::string ReadReportStream(std::istream& in, const std::string& name) {
    std::string text;
    while (text.size() <= kMaxReportBytes && in) {
        const std::size_t start = text.size();
        text.resize(start + kChunk);
        in.read(text.data() + start, static_cast<std::streamsize>(kChunk));
        text.resize(start + static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        throw EReportFileError("Cannot read " + name);
    if (text.size() > kMaxReportBytes)
        throw TooLarge(name, std::nullopt);
    return text;
}

} // namespace stormbell
