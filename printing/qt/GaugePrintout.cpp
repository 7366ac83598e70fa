#include "printing/qt/GaugePrintout.h"

#include "platform/qt/QtWording.h"
#include "printing/PrintHeading.h"
#include "printing/qt/PrintPictures.h"

#include <utility>

namespace stormbell {

namespace {

// Device pixels per window pixel: enough for the printer's resolution at the picture's size.
constexpr double kPictureScale = 3;

} // namespace

GaugePrintout::GaugePrintout(std::unique_ptr<PrintoutPrinter> printer, const Clock& clock,
                             std::unique_ptr<PrintoutSource> source)
    : printer_(std::move(printer)), clock_(clock), source_(std::move(source)) {}

bool GaugePrintout::Print(QWidget* parent, const std::vector<std::string>& lines) {
    return printer_->Print(parent, Make(lines));
}

Printout GaugePrintout::Make(const std::vector<std::string>& lines) const {
    Printout printout{PrintHeading(lines, clock_, QtWording()), lines, {}};
    if (source_ == nullptr)
        return printout;
    const FaceLook look = source_->Face();
    printout.Pictures.push_back(FacePicture(look, kPictureScale));
    const auto to = clock_.Now();
    std::vector<HistoryReading> readings = source_->Readings(to - kPrintedHistory);
    if (!readings.empty()) {
        const ChartFrame frame{to - kPrintedHistory, to,
                               look.Shown.DisplayMode == DisplayMode::Metric, look.ReferenceHpa};
        printout.Pictures.push_back(
            ChartPicture(std::move(readings), frame, clock_, kPictureScale));
    }
    return printout;
}

} // namespace stormbell
