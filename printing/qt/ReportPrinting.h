// Printing for the options dialog. The printer code lives in a module loaded on the first print,
// so that starting the gauge does not load Qt's print support.
#pragma once

#include <QStringList>

#include <string>
#include <vector>

#include "printing/qt/Printout.h"

class QWidget;

namespace stormbell {

/// The module's entry point: prints `printout` after the printer dialog over `parent`. Gives
/// kPrinted, kCancelled, or kFailed with `error` saying why.
using PrintReportEntry = int (*)(QWidget* parent, const Printout* printout, std::string* error);
inline constexpr const char* kPrintReportEntry = "StormbellPrintReport";
inline constexpr const char* kPrintModule = "stormbell-print";
inline constexpr int kPrinted = 0;
inline constexpr int kCancelled = 1;
inline constexpr int kFailed = 2;

/// What the options dialog prints with: the report's lines, and whatever else belongs with them.
class ReportPrinting {
public:
    virtual ~ReportPrinting() = default;
    /// Prints the report of `lines` (single-byte text) after the printer dialog over `parent`;
    /// false when the user cancels. Throws std::runtime_error when the job cannot start or there
    /// is no printing to load.
    virtual bool Print(QWidget* parent, const std::vector<std::string>& lines) = 0;
};

/// Prints a whole printout: through the module in the program, to a file in tests.
class PrintoutPrinter {
public:
    virtual ~PrintoutPrinter() = default;
    /// As ReportPrinting::Print, for a printout made already.
    virtual bool Print(QWidget* parent, const Printout& printout) = 0;
};

/// Prints through the module, loaded from the first of `folders` that holds it on the first
/// print and kept from then on.
class ModulePrinting final : public PrintoutPrinter {
public:
    explicit ModulePrinting(QStringList folders);
    bool Print(QWidget* parent, const Printout& printout) override;

private:
    QStringList folders_;
    PrintReportEntry entry_ = nullptr;
};

} // namespace stormbell
