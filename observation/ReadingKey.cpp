#include "observation/ReadingKey.h"

#include "observation/ReportHeader.h"

namespace stormbell {

std::optional<ReadingKey> ReportKey(const std::vector<std::string>& reportLines) {
    const ReportHeader header = ReadReportHeader(reportLines);
    if (header.Station.empty() || !header.Observed)
        return std::nullopt;
    return ReadingKey{header.Station, *header.Observed};
}

std::optional<ReadingKey> KeyOf(const ReadingContext& context) {
    if (context.Header.Station.empty() || !context.Header.Observed)
        return std::nullopt;
    return ReadingKey{context.Header.Station, *context.Header.Observed};
}

bool GoesBack(const std::optional<ReadingKey>& shown, const std::optional<ReadingKey>& received) {
    return shown && received && shown->Station == received->Station &&
           received->Observed < shown->Observed;
}

} // namespace stormbell
