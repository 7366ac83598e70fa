// Prints a printout within margins of at least 15 mm, with the printer's default font: the
// heading atop every page, the report's lines wrapped at word boundaries, then the pictures;
// whatever does not fit continues on further pages.
#pragma once

#include <memory>

#include "printing/qt/Printout.h"

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
    /// The widest a picture is printed; a narrower page shrinks it.
    static constexpr double kPictureMillimetres = 150;

    explicit ReportPrinter(std::unique_ptr<PrinterChooser> chooser);
    ~ReportPrinter();

    /// Prints the heading in bold atop every page, a blank line, then the lines one step apart,
    /// each wrapped at the right margin (at a blank where one is in reach), then each picture
    /// after a blank line, on a page of its own when it does not fit below; a page after the
    /// first adds "page N of M" to the heading's first line. False when the chooser was
    /// cancelled; throws std::runtime_error when the job cannot start.
    bool Print(const Printout& printout);

private:
    std::unique_ptr<PrinterChooser> chooser_;
};

} // namespace stormbell
