#include "printing/qt/ReportPrinter.h"

#include "tests/support/PdfPrinter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace stormbell {
namespace {

using testing::PdfChooser;

constexpr double kPointsPerInch = 72;
constexpr double kStepPoints =
    ReportPrinter::kLineStep * kPointsPerInch / ReportPrinter::kResolution;
constexpr double kMarginPoints = ReportPrinter::kMarginMillimetres / 25.4 * kPointsPerInch;
const std::string kHeading = "KJLN — observed Apr 18, 2024 19:20 — printed Apr 18, 2024 19:43";

std::vector<std::string> Report(int count, const std::string& tail = "") {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back("KJLN line " + std::to_string(i) + " 29.92 in. Hg (1013 hPa)" + tail);
    return lines;
}

// The report under its heading on every page, within the margins, one step between lines;
// long lines wrap, with nothing lost or added, and a long report runs on to further pages.
TEST(ReportPrinterTest, PrintsUnderTheHeadingWithinTheMarginsWrappingAndPaging) {
    const struct Case {
        std::vector<std::string> report;
        int pages;
    } cases[] = {
        {Report(12), 1},
        {Report(2, " " + std::string(160, 'x') + " and words that will not fit on the line"), 1},
        {Report(120), 3},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("report.pdf");
        ASSERT_TRUE(
            ReportPrinter(std::make_unique<PdfChooser>(path)).Print({{kHeading}, c.report, {}}));
        const auto [width, height] = testing::PdfPageSize(path);
        std::string body, expected;
        int page = 0;
        double lastTop = 0;
        for (const testing::PrintedLine& line : testing::PdfLines(path)) {
            EXPECT_GE(line.left, kMarginPoints - 0.5) << line.text;
            EXPECT_LE(line.right, width - kMarginPoints + 0.5) << line.text;
            EXPECT_GE(line.top, kMarginPoints - 0.5) << line.text;
            EXPECT_LE(line.top + kStepPoints, height - kMarginPoints + 0.5) << line.text;
            if (line.page != page) {
                page = line.page;
                EXPECT_EQ(line.text.rfind("KJLN — observed", 0), 0u) << line.text;
                lastTop = line.top + kStepPoints; // a blank line below the heading
                continue;
            }
            EXPECT_NEAR(line.top - lastTop, kStepPoints, 0.01) << line.text;
            lastTop = line.top;
            body += line.text;
        }
        // pdftotext splits lines into words at blanks: the text is compared without them.
        for (const std::string& line : c.report)
            expected += line;
        std::erase(body, ' ');
        std::erase(expected, ' ');
        EXPECT_EQ(body, expected);
        EXPECT_EQ(page, c.pages);
    }
}

TEST(ReportPrinterCancelTest, CancellingTheChoicePrintsNothing) {
    QTemporaryDir dir;
    ReportPrinter printer(std::make_unique<PdfChooser>(dir.filePath("report.pdf"), true));
    EXPECT_FALSE(printer.Print({{kHeading}, Report(3), {}}));
    EXPECT_FALSE(QFile::exists(dir.filePath("report.pdf")));
}

// The program's printing comes from the module beside it, loaded on the first print; the printer
// dialog it shows is cancelled here.
TEST(ModulePrintingTest, LoadsTheModuleOnTheFirstPrintOrSaysWhyNot) {
    const QTemporaryDir empty;
    const struct {
        QStringList folders;
        const char* error;
    } cases[] = {{{empty.path(), STORMBELL_BINARY_DIR "/app"}, ""},
                 {{empty.path()}, "Cannot load the print support:"}};
    for (const auto& c : cases) {
        ModulePrinting printing(c.folders);
        std::string error;
        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        try {
            EXPECT_FALSE(printing.Print(nullptr, {{kHeading}, Report(1), {}}));
        } catch (const std::runtime_error& failure) {
            error = failure.what();
        }
        EXPECT_EQ(error.substr(0, std::string(c.error).size()), c.error) << error;
    }
}

} // namespace
} // namespace stormbell
