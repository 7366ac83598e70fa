#include "settings/qt/ReportPrinter.h"

#include "tests/dialogs/PdfPrinter.h"

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

std::vector<std::string> Report(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back("KJLN line " + std::to_string(i) + " 29.92 in. Hg (1013 hPa)");
    return lines;
}

class ReportPrinterTest : public ::testing::TestWithParam<int> {
protected:
    QTemporaryDir dir_;
    QString path_ = dir_.filePath("report.pdf");
};

TEST_P(ReportPrinterTest, PrintsEveryLineOneStepApartThenEndsTheOnePage) {
    const std::vector<std::string> report = Report(GetParam());
    ReportPrinter printer(std::make_unique<PdfChooser>(path_));
    ASSERT_TRUE(printer.Print(report));

    std::string expected;
    for (const std::string& line : report)
        expected += line + "\n";
    EXPECT_EQ(testing::PdfText(path_), expected + "\f");
    const auto printed = testing::PdfLines(path_);
    ASSERT_EQ(printed.size(), report.size());
    for (std::size_t i = 0; i < printed.size(); ++i) {
        EXPECT_EQ(printed[i].text, report[i]);
        EXPECT_NEAR(printed[i].top - printed[0].top, i * kStepPoints, 0.01) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportPrinterTest, ::testing::Values(0, 12, 15));

TEST(ReportPrinterCancelTest, CancellingTheChoicePrintsNothing) {
    QTemporaryDir dir;
    ReportPrinter printer(std::make_unique<PdfChooser>(dir.filePath("report.pdf"), true));
    EXPECT_FALSE(printer.Print(Report(3)));
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
            EXPECT_FALSE(printing.Print(nullptr, Report(1)));
        } catch (const std::runtime_error& failure) {
            error = failure.what();
        }
        EXPECT_EQ(error.substr(0, std::string(c.error).size()), c.error) << error;
    }
}

} // namespace
} // namespace stormbell
