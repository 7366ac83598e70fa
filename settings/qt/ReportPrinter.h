// Prints the report box's lines on one page: one line per fixed step of device units, then a
// form feed, with the printer's default font.
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
    /// Left edge of every printed line, device units.
    static constexpr int kLeft = 100;
    /// Dots per inch: at this resolution the step is a readable line spacing and a report of a
    /// few dozen lines fits on one page.
    static constexpr int kResolution = 300;

    explicit ReportPrinter(std::unique_ptr<PrinterChooser> chooser);
    ~ReportPrinter();

    /// Prints `lines` at y = 0, step, 2 step ... and the form feed one step below the last.
    /// False when the chooser was cancelled; throws std::runtime_error when the job cannot start.
    bool Print(const std::vector<std::string>& lines);

private:
    std::unique_ptr<PrinterChooser> chooser_;
};

} // namespace stormbell
