// The worst keystroke of 100 station searches typed into the options dialog's search field:
// the directory's search alone, and the whole keystroke (search, list refilled and repainted).
// The search covers the directory, cities' other names, airport codes and the stations the
// directory lacks. Each in time on the wall clock and in the thread's CPU time, which a busy
// machine does not inflate. Prints figures; never fails on them.
#include "settings/qt/OptionsDialog.h"
#include "settings/stations/StationSearch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <time.h>

namespace {

using namespace stormbell;
using WallClock = std::chrono::steady_clock;

constexpr int kSearches = 100;
constexpr std::size_t kLongestSearch = 10;

class IdleHost final : public OptionsHost {
public:
    void SetUpdateInterval(int) override {}
    void StationChanged() override {}
    void ApplyDisplayMode() override {}
    void ShowFtpSettings() override {}
    void ShowError(const std::string&) override {}
    const std::string& LastReport() const override { return report_; }

private:
    std::string report_;
};

// What a user would type for rows spread over the directory: the start of the station's name.
std::vector<std::string> Searches() {
    const auto& rows = StationDirectory();
    std::vector<std::string> searches;
    for (int i = 0; i < kSearches; ++i) {
        const std::string& text = rows[rows.size() * i / kSearches].DisplayText;
        const std::string name = text.substr(text.rfind(',') + 1);
        searches.push_back(name.substr(0, std::min(kLongestSearch, name.size())));
    }
    return searches;
}

double ThreadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The wall-clock and CPU times of keystrokes.
class Keystrokes {
public:
    void Time(const std::function<void()>& keystroke) {
        const double cpu = ThreadCpuMilliseconds();
        const auto wall = WallClock::now();
        keystroke();
        wall_.push_back(std::chrono::duration<double, std::milli>(WallClock::now() - wall).count());
        cpu_.push_back(ThreadCpuMilliseconds() - cpu);
    }
    void Print(const char* what) {
        std::printf("  %-16s worst %7.3f ms (CPU %.3f ms), median %.3f ms (CPU %.3f ms), %zu "
                    "keystrokes\n",
                    what, Worst(wall_), Worst(cpu_), Median(wall_), Median(cpu_), wall_.size());
    }

private:
    static double Worst(const std::vector<double>& times) {
        return *std::max_element(times.begin(), times.end());
    }
    static double Median(std::vector<double> times) {
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        return times[times.size() / 2];
    }
    std::vector<double> wall_, cpu_;
};

void Key(QWidget& widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &press);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::vector<std::string> searches = Searches();
    const PlaceNames& places = BuiltInPlaceNames();

    const auto built = WallClock::now();
    const StationSearch search;
    const double buildMs =
        std::chrono::duration<double, std::milli>(WallClock::now() - built).count();
    Keystrokes alone;
    std::size_t found = 0;
    for (const std::string& typed : searches)
        for (std::size_t length = 1; length <= typed.size(); ++length)
            alone.Time(
                [&] { found += search.Find(std::string_view(typed).substr(0, length)).size(); });

    Settings settings;
    Observation observation;
    IdleHost host;
    OptionsDialog dialog(settings, observation, host);
    dialog.show();
    QApplication::processEvents();
    Keystrokes whole;
    for (const std::string& typed : searches) {
        Key(*dialog.StationNameField, Qt::Key_Escape);
        for (const char c : typed)
            whole.Time([&] {
                Key(*dialog.StationNameField, 0, QString(QChar::fromLatin1(c)));
                dialog.repaint();
            });
    }
    std::printf("%d searches typed key by key over %d rows and %zu other names and stations "
                "(%zu found in all); the search built in %.1f ms:\n",
                kSearches, kStationCount,
                places.Cities.size() + places.Airports.size() + places.Unlisted.size(), found,
                buildMs);
    alone.Print("search alone");
    whole.Print("whole keystroke");
    std::printf("  (whole: search, list refilled, dialog repainted)\n");
    return 0;
}
