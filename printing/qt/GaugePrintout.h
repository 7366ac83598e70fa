// The options dialog's printing: the report under a heading of its station and times, then the
// face as the gauge shows the reading and, when the history has them, the last three days'
// curves.
#pragma once

#include <memory>

#include "platform/Clock.h"
#include "printing/qt/PrintoutSource.h"
#include "printing/qt/ReportPrinting.h"

namespace stormbell {

/// How far back the printed curves reach.
inline constexpr std::chrono::hours kPrintedHistory{72};

class GaugePrintout final : public ReportPrinting {
public:
    /// Prints through `printer`; the heading's times come from `clock`, which must outlive
    /// this, the pictures from `source` (none: the report alone).
    GaugePrintout(std::unique_ptr<PrintoutPrinter> printer, const Clock& clock,
                  std::unique_ptr<PrintoutSource> source = nullptr);
    bool Print(QWidget* parent, const std::vector<std::string>& lines) override;

    /// The printout of `lines`, as Print hands it on; throws what drawing a picture throws.
    Printout Make(const std::vector<std::string>& lines) const;

private:
    std::unique_ptr<PrintoutPrinter> printer_;
    const Clock& clock_;
    std::unique_ptr<PrintoutSource> source_;
};

} // namespace stormbell
