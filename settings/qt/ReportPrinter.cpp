#include "settings/qt/ReportPrinter.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <stdexcept>

namespace stormbell {

bool DialogPrinterChooser::Choose(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

ReportPrinter::ReportPrinter(std::unique_ptr<PrinterChooser> chooser)
    : chooser_(std::move(chooser)) {}

ReportPrinter::~ReportPrinter() = default;

bool ReportPrinter::Print(const std::vector<std::string>& lines) {
    QPrinter printer;
    if (!chooser_->Choose(printer))
        return false;
    // After the choice, which may bring the chosen printer's own resolution.
    printer.setResolution(kResolution);
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("Cannot start the print job");
    // Each text's top edge stands at its y, as the step counts from the top of the page.
    const int ascent = painter.fontMetrics().ascent();
    int y = 0;
    for (const std::string& line : lines) {
        painter.drawText(kLeft, y + ascent, QString::fromLatin1(line));
        y += kLineStep;
    }
    // The form feed ends the report as it always has; Qt draws no glyph for it, and ending the
    // job ejects the page.
    painter.drawText(kLeft, y + ascent, QString(QChar('\f')));
    painter.end();
    return true;
}

} // namespace stormbell
