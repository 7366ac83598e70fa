// stormbell: the desktop weather gauge.
#include "app/GaugeProgram.h"
#include "app/qt/AppIdentity.h"
#include "settings/qt/QtSettingsStore.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    stormbell::ApplyAppIdentity();
    // The task bar shows the window's title (the status line) followed by this name.
    QGuiApplication::setApplicationDisplayName("Stormbell");
    stormbell::QtSettingsStore store;
    const stormbell::SystemClock clock;
    stormbell::GaugeProgram program(store, clock,
                                    [](int exitCode) { QCoreApplication::exit(exitCode); });
    program.window.show();
    return QApplication::exec();
}
