// Prints to a PDF file instead of asking for a printer, and reads the printed text back.
#pragma once

#include "platform/Clock.h"
#include "printing/qt/GaugePrintout.h"
#include "printing/qt/ReportPrinter.h"
#include "printing/qt/ReportPrinting.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <string>
#include <vector>

namespace stormbell::testing {

/// Chooses a PDF file as the printer, or cancels like a user closing the printer dialog.
class PdfChooser final : public PrinterChooser {
public:
    explicit PdfChooser(QString path, bool cancel = false)
        : path_(std::move(path)), cancel_(cancel) {}
    bool Choose(QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path_);
        return !cancel_;
    }

private:
    QString path_;
    bool cancel_;
};

/// Prints a printout to a PDF file instead of through the print module.
class PdfPrintout final : public PrintoutPrinter {
public:
    explicit PdfPrintout(QString path) : path_(std::move(path)) {}
    bool Print(QWidget*, const Printout& printout) override {
        return ReportPrinter(std::make_unique<PdfChooser>(path_)).Print(printout);
    }

private:
    QString path_;
};

/// The options dialog's first printing, the report alone, to a PDF file.
class PdfPrinting final : public ReportPrinting {
public:
    explicit PdfPrinting(QString path) : printout_(std::make_unique<PdfPrintout>(path), clock_) {}
    bool Print(QWidget* parent, const std::vector<std::string>& lines) override {
        return printout_.Print(parent, lines);
    }

private:
    SystemClock clock_;
    GaugePrintout printout_;
};

/// What pdftotext prints for the file; "" when it cannot run.
inline QString Pdftotext(const QStringList& arguments) {
    QProcess process;
    process.start("pdftotext", arguments);
    if (!process.waitForFinished(30000))
        return "";
    return QString::fromUtf8(process.readAllStandardOutput());
}

/// The text of the PDF at `path` in reading order; every page ends with a form feed.
inline std::string PdfText(const QString& path) {
    return Pdftotext({"-raw", path, "-"}).toStdString();
}

struct PrintedLine {
    int page;         ///< from 1
    double top;       ///< points from the top of the page
    double left;      ///< of its first word, points from the left edge
    double right;     ///< of its last word
    std::string text; ///< the line's words joined by single blanks
};

/// The printed lines of the PDF at `path`, page by page, top to bottom: words with the same top
/// are one line. Words are UTF-8, with pdftotext's escapes for markup characters.
inline std::vector<PrintedLine> PdfLines(const QString& path) {
    static const QRegularExpression item(
        R"re(<page |<word xMin="([^"]*)" yMin="([^"]*)" xMax="([^"]*)"[^>]*>([^<]*)</word>)re");
    std::vector<PrintedLine> lines;
    int page = 0;
    auto matches = item.globalMatch(Pdftotext({"-bbox", path, "-"}));
    while (matches.hasNext()) {
        const auto match = matches.next();
        if (match.captured(1).isEmpty()) {
            ++page;
            continue;
        }
        const double top = match.captured(2).toDouble();
        const double right = match.captured(3).toDouble();
        const std::string text = match.captured(4).toStdString();
        if (!lines.empty() && lines.back().page == page && lines.back().top == top) {
            lines.back().text += " " + text;
            lines.back().right = right;
        } else {
            lines.push_back({page, top, match.captured(1).toDouble(), right, text});
        }
    }
    return lines;
}

/// How many pictures the PDF at `path` holds (their transparency masks not counted).
inline int PdfPictureCount(const QString& path) {
    QProcess process;
    process.start("pdfimages", {"-list", path});
    if (!process.waitForFinished(30000))
        return -1;
    static const QRegularExpression picture(R"(^\s*\d+\s+\d+\s+image\s)",
                                            QRegularExpression::MultilineOption);
    auto matches = picture.globalMatch(QString::fromUtf8(process.readAllStandardOutput()));
    int count = 0;
    for (; matches.hasNext(); matches.next())
        ++count;
    return count;
}

/// Width and height of the PDF's first page in points.
inline std::pair<double, double> PdfPageSize(const QString& path) {
    static const QRegularExpression size(R"re(<page width="([^"]*)" height="([^"]*)")re");
    const auto match = size.match(Pdftotext({"-bbox", path, "-"}));
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

} // namespace stormbell::testing
