// The print module: the report printer behind one C entry point that ModulePrinting loads on
// the first print. Nothing thrown crosses the module's edge.
#include "printing/qt/ReportPrinter.h"
#include "printing/qt/ReportPrinting.h"

#include <QtGlobal>

#include <exception>
#include <memory>
#include <type_traits>

extern "C" Q_DECL_EXPORT int
StormbellPrintReport(QWidget* parent, const stormbell::Printout* printout, std::string* error) {
    using namespace stormbell;
    static_assert(std::is_same_v<decltype(&StormbellPrintReport), PrintReportEntry>);
    try {
        ReportPrinter printer(std::make_unique<DialogPrinterChooser>(parent));
        return printer.Print(*printout) ? kPrinted : kCancelled;
    } catch (const std::exception& failure) {
        *error = failure.what();
        return kFailed;
    }
}
