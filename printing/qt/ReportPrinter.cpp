#include "printing/qt/ReportPrinter.h"

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
constexpr double kMillimetresPerInch = 25.4;
// A picture is printed as large as it shows on an ordinary screen, unless the page is smaller.
constexpr double kScreenDotsPerInch = 96;

// The lines cut to `width` device units: at the last blank that keeps a piece within it, or at
// the last character that does when a word alone is wider. The pieces, put together again, are
// the line exactly.
QStringList Wrapped(const QStringList& lines, const QFontMetrics& metrics, int width) {
    QStringList pieces;
    for (QString rest : lines) {
        while (metrics.horizontalAdvance(rest) > width) {
            qsizetype fit = 1;
            while (fit < rest.size() && metrics.horizontalAdvance(rest.left(fit + 1)) <= width)
                ++fit;
            const qsizetype blank = rest.lastIndexOf(' ', fit);
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

// `picture` at its screen size, shrunk (never stretched) to `room`.
QSize PrintedSize(const QImage& picture, QSize room) {
    const QSizeF screen =
        picture.deviceIndependentSize() * (ReportPrinter::kResolution / kScreenDotsPerInch);
    const double widest =
        ReportPrinter::kPictureMillimetres / kMillimetresPerInch * ReportPrinter::kResolution;
    const double scale = std::min({1.0, widest / screen.width(), room.width() / screen.width(),
                                   room.height() / screen.height()});
    return (screen * scale).toSize();
}

// Where one printed line (a wrapped piece) or picture goes.
struct Placement {
    int Page;
    int Top;
    qsizetype Piece = -1;
    std::size_t Picture = 0;
    QSize Size; ///< of a picture
};

} // namespace

bool DialogPrinterChooser::Choose(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

ReportPrinter::ReportPrinter(std::unique_ptr<PrinterChooser> chooser)
    : chooser_(std::move(chooser)) {}

ReportPrinter::~ReportPrinter() = default;

bool ReportPrinter::Print(const Printout& printout) {
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
    for (const std::string& line : printout.Lines)
        report << QString::fromLatin1(line);
    const QStringList pieces = Wrapped(report, painter.fontMetrics(), area.width());
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics headingMetrics(bold, &printer);
    QStringList heading;
    for (const std::string& line : printout.Heading)
        heading << QString::fromStdString(line);
    const auto headingOf = [&](int page, int pages) {
        QStringList lines = heading;
        if (pages > 1 && !lines.isEmpty())
            lines.front() = QCoreApplication::translate("Printout", "%1 — page %2 of %3")
                                .arg(lines.front(), QString::number(page), QString::number(pages));
        return Wrapped(lines, headingMetrics, area.width());
    };
    // The heading and a blank line above the report on every page.
    const auto topOf = [&](int page, int pages) {
        return static_cast<int>(headingOf(page, pages).size() + 1) * kLineStep;
    };
    const auto lay = [&](int pages) {
        std::vector<Placement> placed;
        int page = 1;
        int y = topOf(page, pages);
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (y + kLineStep > area.height() && y > topOf(page, pages))
                y = topOf(++page, pages);
            placed.push_back({page, y, i, 0, {}});
            y += kLineStep;
        }
        for (std::size_t i = 0; i < printout.Pictures.size(); ++i) {
            const QSize size =
                PrintedSize(printout.Pictures[i],
                            {area.width(), area.height() - topOf(page, pages) - kLineStep});
            y += kLineStep;
            if (y + size.height() > area.height())
                y = topOf(++page, pages);
            placed.push_back({page, y, -1, i, size});
            y += size.height();
        }
        return placed;
    };
    // A heading that says "page N of M" may itself take more room: lay out until M holds.
    int pages = 1;
    std::vector<Placement> placed = lay(pages);
    for (int tried = 0; tried < 3 && !placed.empty() && placed.back().Page != pages; ++tried) {
        pages = placed.back().Page;
        placed = lay(pages);
    }
    const int ascent = painter.fontMetrics().ascent();
    std::size_t next = 0;
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            printer.newPage();
        painter.setFont(bold);
        int y = 0;
        for (const QString& line : headingOf(page, pages)) {
            painter.drawText(0, y + ascent, line);
            y += kLineStep;
        }
        painter.setFont(font);
        for (; next < placed.size() && placed[next].Page == page; ++next) {
            const Placement& item = placed[next];
            if (item.Piece >= 0)
                painter.drawText(0, item.Top + ascent, pieces[item.Piece]);
            else
                painter.drawImage(QRect(QPoint(0, item.Top), item.Size),
                                  printout.Pictures[item.Picture]);
        }
    }
    painter.end();
    return true;
}

} // namespace stormbell
