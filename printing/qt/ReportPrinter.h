// Prints a report under a heading line, within margins of at least 15 mm, with the printer's
// default font: long lines wrap and a long report continues on further pages.
#pragma once

#include <memory>
#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace stormbell {

/// Picks the printer for a job: the printer dialog in the program, a PDF file in tests.
class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    /// Sets up `printer`; false when the user cancels.
    virtual bool Choose(QPrinter& printer) = 0;
};

/// Shows the platform's printer dialog over `parent`.
class DialogPrinterChooser final : public PrinterChooser {
public:
    explicit DialogPrinterChooser(QWidget* parent) : parent_(parent) {}
    bool Choose(QPrinter& printer) override;

private:
    QWidget* parent_;
};

class ReportPrinter {
public:
    /// Device units between two printed lines.
    static constexpr int kLineStep = 72;
    /// Dots per inch: at this resolution the step is a readable line spacing.
    static constexpr int kResolution = 300;
    /// The least margin on every side, however little the printer needs.
    static constexpr double kMarginMillimetres = 15;

    explicit ReportPrinter(std::unique_ptr<PrinterChooser> chooser);
    ~ReportPrinter();

    /// Prints `heading` (UTF-8) atop every page, a blank line, then `lines` (single-byte text)
    /// one step apart, each wrapped at the right margin (at a blank where one is in reach) and
    /// running on to further pages; a page after the first adds "page N of M" to the heading.
    /// False when the chooser was cancelled; throws std::runtime_error when the job cannot start.
    bool Print(const std::string& heading, const std::vector<std::string>& lines);

private:
    std::unique_ptr<PrinterChooser> chooser_;
};

} // namespace stormbell
