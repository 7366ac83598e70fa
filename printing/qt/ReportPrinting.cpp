#include "printing/qt/ReportPrinting.h"

#include "platform/qt/ProgramModule.h"

#include <QCoreApplication>

#include <stdexcept>
#include <utility>

namespace stormbell {

ModulePrinting::ModulePrinting(QStringList folders) : folders_(std::move(folders)) {}

bool ModulePrinting::Print(QWidget* parent, const Printout& printout) {
    if (entry_ == nullptr)
        entry_ = reinterpret_cast<PrintReportEntry>(ResolveModuleEntry(
            folders_, kPrintModule, kPrintReportEntry,
            QCoreApplication::translate("Printout", "Cannot load the print support:")
                .toStdString()));
    std::string error;
    const int result = entry_(parent, &printout, &error);
    if (result == kFailed)
        throw std::runtime_error(error);
    return result == kPrinted;
}

} // namespace stormbell
