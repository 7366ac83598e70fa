#include "app/UpdateCycle.h"

#include <optional>
#include <utility>

#include "app/CycleFailure.h"
#include "net/FtpArguments.h"
#include "observation/ReportLines.h"

namespace stormbell {

namespace {

constexpr const char* kAccessingData = "Accessing data";
constexpr const char* kUpdateFailed = "Update failed";

} // namespace

UpdateCycle::UpdateCycle(ReportClient& client, Lamps& lamps, StatusLine& status,
                         BlockingRunner& runner, DecodeReport decode)
    : client_(client), lamps_(lamps), status_(status), runner_(runner), decode_(std::move(decode)) {
}

CycleOutcome UpdateCycle::Run(const CycleSettings& settings) {
    CycleOutcome fetched = Fetch(settings, [this](const MemoryStream& report) {
        // Refused before it is kept: keeping and splitting it would cost what the bound saves.
        CheckReportSize(report.Size());
        report_.assign(report.Data(), report.Size());
    });
    if (!fetched.Completed())
        return fetched;
    try {
        decode_(SplitReportLines(report_), settings.LogReports);
    } catch (const std::exception& error) {
        return Fail(CycleStep::Decode, settings, error);
    }
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
             settings.ReportDirectory, settings.StationFile});
        step = CycleStep::Login;
        runner_.Run([this] { client_.Login(); });
        step = CycleStep::ChangeDir;
        runner_.Run([this] { client_.ChangeDir(); });
        step = CycleStep::Download;
        runner_.Run([this] { client_.Download(); });
        if (client_.Report().Size() == 0)
            throw EEmptyReport();
        deliver(client_.Report());
        step = CycleStep::Logout;
        runner_.Run([this] { client_.Logout(); });
    } catch (const std::exception& error) {
        if (step != CycleStep::Logout)
            EndSession();
        return Fail(step, settings, error);
    }
    lamps_.SetLampState(LampState::Fetched);
    return {};
}

CycleOutcome UpdateCycle::Fail(CycleStep step, const CycleSettings& settings,
                               const std::exception& error) {
    const CyclePlace place{settings.Host, settings.ReportDirectory, settings.StationFile,
                           settings.UseProxy ? std::optional<int>(settings.ProxyPort)
                                             : std::nullopt};
    CycleOutcome outcome = FailedCycle(step, place, error);
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
