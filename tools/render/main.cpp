// stormbell-render: draws the gauge face for given shown values and writes it as a PNG,
// cut to the window's rounded shape, without needing a display.
#include "RenderOptions.h"

#include "gauges/qt/GaugeFace.h"
#include "gauges/qt/WindowPicture.h"
#include "observation/Observation.h"

#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

// Written to a temporary file that takes the name only when complete, so a failed write (a full
// disk) never leaves a truncated picture in place of a good one.
bool SavePng(const QImage& picture, const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(stormbell::kRenderUsage, stdout);
            return 0;
        }
    }
    stormbell::RenderOptions options;
    try {
        options = stormbell::ParseRenderOptions(args);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "stormbell-render: %s\n%s", e.what(), stormbell::kRenderUsage);
        return 2;
    }

    QGuiApplication app(argc, argv);
    stormbell::Observation observation;
    observation.Shown = {options.Temp,     options.Humidity,  options.HeatIndex, options.Chill,
                         options.Pressure, options.Direction, options.Speed};
    observation.DisplayMode =
        options.Metric ? stormbell::DisplayMode::Metric : stormbell::DisplayMode::English;
    observation.SetTargetsToShown();
    observation.Target.TemperatureF = options.TargetTemp;

    try {
        stormbell::GaugeFace face(observation, options.Scale);
        face.SetStationLine(options.StationLine);
        stormbell::Gauges& gauges = face.GetGauges();
        gauges.PressSet = options.PressSet;
        gauges.Dimmed = options.Dimmed;
        gauges.GustKnots = options.GustKnots;
        gauges.UpdatePressSet();
        gauges.DrawNeedles();
        const QImage picture = stormbell::WindowPicture(face.Visible(), options.Scale);
        if (!SavePng(picture, options.Out)) {
            std::fprintf(stderr, "stormbell-render: cannot write %s\n", options.Out.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "stormbell-render: %s\n", e.what());
        return 1;
    }
    return 0;
}
