#include "printing/qt/GaugePrintout.h"

#include "observation/ReportLines.h"
#include "printing/PrintHeading.h"
#include "tests/support/FixedClock.h"
#include "tests/support/PdfPrinter.h"
#include "tests/support/SampleObservation.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace stormbell {
namespace {

using namespace std::chrono;

const sys_seconds kNow = sys_days(2023y / August / 25) + 4h + 10min;

// The fixed clock with the local time zone `offset` away from UTC.
class ZoneClock final : public Clock {
public:
    explicit ZoneClock(minutes offset) : utc_(kNow), offset_(offset) {}
    sys_seconds Now() const override { return kNow; }
    std::tm Local(sys_seconds when) const override { return utc_.Local(when + offset_); }

private:
    testing::FixedClock utc_;
    minutes offset_;
};

class FakeSource final : public PrintoutSource {
public:
    explicit FakeSource(std::vector<HistoryReading> readings) : readings_(std::move(readings)) {}
    FaceLook Face() const override {
        return {testing::SampleObservation(), "KBFI 17 min", 25, false, 12, 1013.2};
    }
    std::vector<HistoryReading> Readings(sys_seconds since) const override {
        std::vector<HistoryReading> recent;
        for (const HistoryReading& reading : readings_)
            if (reading.Observed >= since)
                recent.push_back(reading);
        return recent;
    }

private:
    std::vector<HistoryReading> readings_;
};

std::vector<std::string> SampleReport() {
    QFile file(STORMBELL_TEST_DATA_DIR "/reports/KBFI.TXT");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return SplitReportLines(file.readAll().toStdString());
}

// Hourly readings over the last `hours`.
std::vector<HistoryReading> Hourly(int hours) {
    std::vector<HistoryReading> readings;
    for (int hour = hours; hour > 0; --hour) {
        HistoryReading reading;
        reading.Station = "KBFI";
        reading.Observed = kNow - std::chrono::hours(hour);
        reading.TemperatureC = 15 + hour % 7;
        reading.DewPointC = 9;
        reading.PressureHpa = 1010 + hour % 5;
        reading.RelativeHumidity = 60;
        reading.WindSpeedKnots = hour % 9;
        readings.push_back(reading);
    }
    return readings;
}

TEST(PrintHeadingTest, NamesTheStationAndTheObservationInUtcAndLocalTimeWithItsZone) {
    const struct {
        minutes offset;
        const char* observed;
        const char* printed;
    } cases[] = {
        {0min, "Observed Aug 25, 2023 03:53 UTC, Aug 25, 2023 03:53 local time (UTC+00:00)",
         "Printed Aug 25, 2023 04:10 local time (UTC+00:00)"},
        {-7h, "Observed Aug 25, 2023 03:53 UTC, Aug 24, 2023 20:53 local time (UTC-07:00)",
         "Printed Aug 24, 2023 21:10 local time (UTC-07:00)"},
        {5h + 30min, "Observed Aug 25, 2023 03:53 UTC, Aug 25, 2023 09:23 local time (UTC+05:30)",
         "Printed Aug 25, 2023 09:40 local time (UTC+05:30)"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> expected = {"SEATTLE BOEING FIELD, WA, United States (KBFI)",
                                                   c.observed, c.printed};
        EXPECT_EQ(PrintHeading(SampleReport(), ZoneClock(c.offset)), expected);
    }
    EXPECT_EQ(PrintHeading({"no header"}, ZoneClock(0min)),
              (std::vector<std::string>{"Unknown station", "Observation time unknown",
                                        "Printed Aug 25, 2023 04:10 local time (UTC+00:00)"}));
}

// Read back from the PDF: the heading, a long line wrapped between whole words, the face and,
// with readings of the last three days, their curves.
TEST(GaugePrintoutTest, PrintsHeadingWrappedReportAndPictures) {
    std::string remark = "Remarks:";
    for (int i = 1; i <= 40; ++i)
        remark += " word" + std::to_string(i);
    std::vector<std::string> report = SampleReport();
    report.push_back(remark);
    const struct {
        std::vector<HistoryReading> readings;
        int pictures;
    } cases[] = {{{}, 1}, {Hourly(24 * 5), 2}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("printout.pdf");
        const testing::FixedClock clock(kNow);
        GaugePrintout printout(std::make_unique<testing::PdfPrintout>(path), clock,
                               std::make_unique<FakeSource>(c.readings));
        ASSERT_TRUE(printout.Print(nullptr, report));

        const std::vector<testing::PrintedLine> lines = testing::PdfLines(path);
        ASSERT_GE(lines.size(), 3u);
        // A second page for the curves adds its number to the first line.
        EXPECT_TRUE(lines[0].text.starts_with("SEATTLE BOEING FIELD, WA, United States (KBFI)"))
            << lines[0].text;
        EXPECT_EQ(lines[1].text, "Observed Aug 25, 2023 03:53 UTC, Aug 25, 2023 03:53 local time "
                                 "(UTC+00:00)");
        EXPECT_EQ(lines[2].text, "Printed Aug 25, 2023 04:10 local time (UTC+00:00)");
        // pdftotext splits at blanks: a word cut in two would read as two words.
        std::string wrapped;
        int pieces = 0;
        for (const testing::PrintedLine& line : lines) {
            if (line.text.starts_with("Remarks:") || line.text.starts_with("word")) {
                wrapped += (wrapped.empty() ? "" : " ") + line.text;
                ++pieces;
            }
        }
        EXPECT_EQ(wrapped, remark);
        EXPECT_GT(pieces, 1);
        EXPECT_EQ(testing::PdfPictureCount(path), c.pictures);
    }
}

} // namespace
} // namespace stormbell
