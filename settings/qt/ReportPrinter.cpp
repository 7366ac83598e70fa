#include "settings/qt/ReportPrinter.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <stdexcept>

namespace stormbell {

namespace {

constexpr double kNoLigatureSpacing = 0.1; // device units: too little to see

// The report's lines cut to `width` device units: at the last blank that keeps a piece within
// it, or at the last character that does when a word alone is wider. The pieces, put together
// again, are the line exactly.
QStringList Wrapped(const QStringList& lines, const QFontMetrics& metrics, int width) {
    QStringList pieces;
    for (QString rest : lines) {
        while (metrics.horizontalAdvance(rest) > width) {
            qsizetype fit = 1;
            while (fit < rest.size() && metrics.horizontalAdvance(rest.left(fit + 1)) <= width)
                ++fit;
            const qsizetype blank = rest.lastIndexOf(' ', fit - 1);
            const qsizetype cut = blank > 0 ? blank + 1 : fit;
            pieces << rest.left(cut);
            rest = rest.mid(cut);
        }
        pieces << rest;
    }
    return pieces;
}

// Margins of at least kMarginMillimetres, and at least what the printer cannot print on.
void SetMargins(QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    const double mm = ReportPrinter::kMarginMillimetres;
    printer.setPageMargins({std::max(mm, least.left()), std::max(mm, least.top()),
                            std::max(mm, least.right()), std::max(mm, least.bottom())},
                           QPageLayout::Millimeter);
}

} // namespace

bool DialogPrinterChooser::Choose(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

ReportPrinter::ReportPrinter(std::unique_ptr<PrinterChooser> chooser)
    : chooser_(std::move(chooser)) {}

ReportPrinter::~ReportPrinter() = default;

bool ReportPrinter::Print(const std::string& heading, const std::vector<std::string>& lines) {
    QPrinter printer;
    if (!chooser_->Choose(printer))
        return false;
    // After the choice, which may bring the chosen printer's own resolution and margins.
    printer.setResolution(kResolution);
    SetMargins(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(
            QCoreApplication::translate("Printout", "Cannot start the print job").toStdString());
    // A report is printed as its characters, never as ligatures ("fi" drawn as one glyph): a
    // letter spacing of its own keeps Qt from forming them.
    QFont font = painter.font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, kNoLigatureSpacing);
    painter.setFont(font);
    // The painter's origin is the top left of the area within the margins.
    const QRect area = printer.pageLayout().paintRectPixels(kResolution);
    QStringList report;
    for (const std::string& line : lines)
        report << QString::fromLatin1(line);
    const QStringList pieces = Wrapped(report, painter.fontMetrics(), area.width());
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics headingMetrics(bold, &printer);
    const QString title = QString::fromStdString(heading);
    const auto headingOf = [&](int page, int pages) {
        return Wrapped({pages > 1 ? QCoreApplication::translate("Printout", "%1 — page %2 of %3")
                                        .arg(title)
                                        .arg(page)
                                        .arg(pages)
                                  : title},
                       headingMetrics, area.width());
    };
    // The heading and a blank line above the report on every page; the last page's heading is
    // the longest.
    const int rows = area.height() / kLineStep;
    int pages = 1;
    for (int tried = 0; tried < 2; ++tried) {
        const auto perPage = std::max<qsizetype>(1, rows - headingOf(pages, pages).size() - 1);
        pages = std::max(1, static_cast<int>((pieces.size() + perPage - 1) / perPage));
    }
    const int ascent = painter.fontMetrics().ascent();
    qsizetype next = 0;
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            printer.newPage();
        int y = 0;
        painter.setFont(bold);
        for (const QString& piece : headingOf(page, pages)) {
            painter.drawText(0, y + ascent, piece);
            y += kLineStep;
        }
        painter.setFont(font);
        for (y += kLineStep; next < pieces.size() && y + kLineStep <= area.height(); ++next) {
            painter.drawText(0, y + ascent, pieces[next]);
            y += kLineStep;
        }
    }
    painter.end();
    return true;
}

} // namespace stormbell
