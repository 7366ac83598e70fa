#include "observation/ReadingKey.h"

#include "observation/ObservationTime.h"
#include "observation/ReportHeader.h"

namespace stormbell {

std::optional<ReadingKey> ReportKey(const std::vector<std::string>& reportLines) {
    if (reportLines.size() < 2)
        return std::nullopt;
    const auto header = ParseReportHeader(reportLines[0]);
    const auto observed = ParseObservationTime(reportLines[1]);
    if (!header || !observed)
        return std::nullopt;
    return ReadingKey{header->Station, *observed};
}

std::optional<ReadingKey> KeyOf(const ReadingContext& context) {
    if (context.StationIdentifier.empty() || !context.Observed)
        return std::nullopt;
    return ReadingKey{context.StationIdentifier, *context.Observed};
}

bool GoesBack(const std::optional<ReadingKey>& shown, const std::optional<ReadingKey>& received) {
    return shown && received && shown->Station == received->Station &&
           received->Observed < shown->Observed;
}

} // namespace stormbell
