// Printing the report box for the options dialog. The printer code lives in a module loaded on
// the first print, so that starting the gauge does not load Qt's print support.
#pragma once

#include <QStringList>

#include <string>
#include <vector>

class QWidget;

namespace stormbell {

/// The module's entry point: prints `lines` under `heading` after the printer dialog over
/// `parent`. Gives kPrinted, kCancelled, or kFailed with `error` saying why.
using PrintReportEntry = int (*)(QWidget* parent, const std::string* heading,
                                 const std::vector<std::string>* lines, std::string* error);
inline constexpr const char* kPrintReportEntry = "StormbellPrintReport";
inline constexpr const char* kPrintModule = "stormbell-print";
inline constexpr int kPrinted = 0;
inline constexpr int kCancelled = 1;
inline constexpr int kFailed = 2;

class ReportPrinting {
public:
    virtual ~ReportPrinting() = default;
    /// Prints `lines` under `heading` (UTF-8) after the printer dialog over `parent`; false when
    /// the user cancels. Throws std::runtime_error when the job cannot start or there is no
    /// printing to load.
    virtual bool Print(QWidget* parent, const std::string& heading,
                       const std::vector<std::string>& lines) = 0;
};

/// Prints through the module, loaded from the first of `folders` that holds it on the first
/// print and kept from then on.
class ModulePrinting final : public ReportPrinting {
public:
    explicit ModulePrinting(QStringList folders);
    bool Print(QWidget* parent, const std::string& heading,
               const std::vector<std::string>& lines) override;

private:
    QStringList folders_;
    PrintReportEntry entry_ = nullptr;
};

} // namespace stormbell
