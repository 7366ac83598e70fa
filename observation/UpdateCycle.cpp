#include "observation/UpdateCycle.h"

#include <optional>
#include <utility>

#include "net/TcpIpErrors.h"

namespace stormbell {

namespace {

constexpr const char* kAccessingData = "Accessing data";

} // namespace

UpdateCycle::UpdateCycle(
    ReportClient& client, Lamps& lamps, StatusLine& status, ReportBox& reportBox,
    BlockingRunner& runner,
    std::function<void(const std::vector<std::string>& lines, bool logIt)> breakOut)
    : client_(client), lamps_(lamps), status_(status), reportBox_(reportBox), runner_(runner),
      breakOut_(std::move(breakOut)) {}

bool UpdateCycle::Button1Click(const CycleSettings& settings) {
    const bool fetched = Fetch(settings, [this](const MemoryStream& report) {
        // Refused before the box sees it: showing the text would split it into lines after all.
        CheckReportSize(report.Size());
        reportBox_.LoadReport(std::string(report.Data(), report.Size()));
    });
    if (fetched)
        breakOut_(reportBox_.Lines(), settings.LogIt);
    return fetched;
}

bool UpdateCycle::Fetch(const CycleSettings& settings,
                        const std::function<void(const MemoryStream& report)>& deliver) {
    fetchError_ = nullptr;
    lamps_.SetLampState(LampState::Busy);
    status_.SetStatus(kAccessingData);
    try {
        client_.SetRequest(
            {settings.Host,
             settings.UseProxy ? std::optional<int>(settings.ProxyPort) : std::nullopt,
             settings.Direct1, settings.OCityStr});
        runner_.Run([this] { client_.Login(); });
        runner_.Run([this] { client_.ChangeDir(); });
    } catch (const ETcpIpError&) {
        fetchError_ = std::current_exception();
        lamps_.SetLampState(LampState::Failed);
        return false;
    }
    runner_.Run([this] { client_.Download(); });
    deliver(client_.Report());
    runner_.Run([this] { client_.Logout(); });
    lamps_.SetLampState(LampState::Fetched);
    return true;
}

} // namespace stormbell
