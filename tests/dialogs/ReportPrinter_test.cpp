#include "settings/qt/ReportPrinter.h"

#include "tests/dialogs/PdfPrinter.h"

#include <QTemporaryDir>

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

} // namespace
} // namespace stormbell
