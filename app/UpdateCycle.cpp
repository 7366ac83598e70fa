#include "app/UpdateCycle.h"

#include <optional>
#include <utility>

#include "app/CycleFailure.h"
#include "net/FtpArguments.h"
#include "observation/ReportLines.h"
#include "observation/ReportScan.h"
#include "platform/ShownText.h"

namespace stormbell {

namespace {

constexpr const char* kAccessingData = STORMBELL_TEXT("Status", "Accessing data");
constexpr const char* kUpdateFailed = STORMBELL_TEXT("Status", "Update failed");
constexpr const char* kCompleted = STORMBELL_TEXT("Status", "Completed");

// Where a cycle on `settings` connects and what it asks for, as its failures name it.
CyclePlace PlaceOf(const CycleSettings& settings) {
    return {settings.Host, settings.ReportDirectory, settings.StationFile,
            settings.UseProxy ? std::optional<int>(settings.ProxyPort) : std::nullopt};
}

} // namespace

UpdateCycle::UpdateCycle(ReportClient& client, Lamps& lamps, StatusLine& status,
                         BlockingRunner& runner, DecodeReport decode, const Wording& wording)
    : client_(client), lamps_(lamps), status_(status), runner_(runner), decode_(std::move(decode)),
      wording_(wording) {}

CycleOutcome UpdateCycle::Run(const CycleSettings& settings) {
    CycleSettings asked = settings;
    asked.IfChanged = settings.IfChanged && std::exchange(lastCompleted_, false);
    std::vector<std::string> lines;
    CycleOutcome fetched = Fetch(asked, [&](const MemoryStream& report) {
        // Refused before it is split: splitting it would cost what the bound saves.
        CheckReportSize(report.Size());
        lines = SplitReportLines(std::string_view(report.Data(), report.Size()));
        // An error page or a cut file is refused before it is kept or logged.
        CheckDecodedReport(lines);
        report_.assign(report.Data(), report.Size());
    });
    if (!fetched.Completed())
        return fetched;
    if (client_.Unchanged()) {
        fetched.Unchanged = true;
        status_.SetStatus(kCompleted);
    } else {
        try {
            decode_(lines, settings.LogReports);
        } catch (const std::exception& error) {
            return Fail(CycleStep::Decode, settings, error);
        }
    }
    lastCompleted_ = true;
    return fetched;
}

CycleOutcome UpdateCycle::Fetch(const CycleSettings& settings,
                                const std::function<void(const MemoryStream& report)>& deliver) {
    lamps_.SetLampState(LampState::Busy);
    status_.SetStatus(kAccessingData);
    CycleStep step = CycleStep::Check;
    try {
        CheckFtpArgument(settings.ReportDirectory, "directory");
        CheckFtpArgument(settings.StationFile, "file name");
        client_.SetRequest(
            {settings.Host,
             settings.UseProxy ? std::optional<int>(settings.ProxyPort) : std::nullopt,
             settings.ReportDirectory, settings.StationFile, settings.IfChanged});
        step = CycleStep::Login;
        runner_.Run([this] { client_.Login(); });
        step = CycleStep::ChangeDir;
        runner_.Run([this] { client_.ChangeDir(); });
        step = CycleStep::Download;
        runner_.Run([this] { client_.Download(); });
        if (!client_.Unchanged()) {
            if (client_.Report().Size() == 0)
                throw EEmptyReport();
            deliver(client_.Report());
        }
    } catch (const std::exception& error) {
        EndSession();
        return Fail(step, settings, error);
    }
    CycleOutcome fetched;
    try {
        runner_.Run([this] { client_.Logout(); });
    } catch (const std::exception& error) {
        // The report came whole; a server that fumbles the goodbye takes nothing from it. The
        // client has closed the connection either way.
        fetched.Notes.push_back(
            FailedCycle(CycleStep::Logout, PlaceOf(settings), error, wording_).Message);
    }
    lamps_.SetLampState(LampState::Fetched);
    return fetched;
}

CycleOutcome UpdateCycle::Fail(CycleStep step, const CycleSettings& settings,
                               const std::exception& error) {
    CycleOutcome outcome = FailedCycle(step, PlaceOf(settings), error, wording_);
    lamps_.SetLampState(LampState::Failed);
    status_.SetStatus(kUpdateFailed);
    return outcome;
}

void UpdateCycle::EndSession() {
    try {
        runner_.Run([this] { client_.Logout(); });
    } catch (const std::exception&) {
        // The step that failed first is the one to tell; the connections are closed either way.
    }
}

} // namespace stormbell
