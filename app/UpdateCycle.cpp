#include "app/UpdateCycle.h"

#include <optional>
#include <utility>

#include "net/FtpArguments.h"

namespace stormbell {

namespace {

constexpr const char* kAccessingData = "Accessing data";
constexpr const char* kUpdateFailed = "Update failed";

} // namespace

UpdateCycle::UpdateCycle(
    ReportClient& client, Lamps& lamps, StatusLine& status, ReportBox& reportBox,
    BlockingRunner& runner,
    std::function<void(const std::vector<std::string>& lines, bool logIt)> breakOut)
    : client_(client), lamps_(lamps), status_(status), reportBox_(reportBox), runner_(runner),
      breakOut_(std::move(breakOut)) {}

bool UpdateCycle::Run(const CycleSettings& settings) {
    const bool fetched = Fetch(settings, [this](const MemoryStream& report) {
        // Refused before the box sees it: showing the text would split it into lines after all.
        CheckReportSize(report.Size());
        reportBox_.LoadReport(std::string(report.Data(), report.Size()));
    });
    if (!fetched)
        return false;
    try {
        breakOut_(reportBox_.Lines(), settings.LogReports);
    } catch (const std::exception& error) {
        Fail(CycleStep::Decode, settings, error);
        return false;
    }
    return true;
}

bool UpdateCycle::Fetch(const CycleSettings& settings,
                        const std::function<void(const MemoryStream& report)>& deliver) {
    fetchError_ = nullptr;
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
        Fail(step, settings, error);
        return false;
    }
    lamps_.SetLampState(LampState::Fetched);
    return true;
}

void UpdateCycle::Fail(CycleStep step, const CycleSettings& settings, const std::exception& error) {
    const CyclePlace place{settings.Host, settings.ReportDirectory, settings.StationFile};
    fetchError_ = std::make_exception_ptr(
        EUpdateFailed(CycleFailureMessage(step, place, error), std::current_exception()));
    lamps_.SetLampState(LampState::Failed);
    status_.SetStatus(kUpdateFailed);
}

void UpdateCycle::EndSession() {
    try {
        runner_.Run([this] { client_.Logout(); });
    } catch (const std::exception&) {
        // The step that failed first is the one to tell; the connections are closed either way.
    }
}

} // namespace stormbell
