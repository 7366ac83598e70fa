// stormbell: the desktop weather gauge.
#include "app/qt/AppIdentity.h"
#include "app/qt/CommandLine.h"
#include "app/qt/GaugeProgram.h"
#include "app/qt/SessionBusGuard.h"
#include "app/qt/Translations.h"
#include "settings/qt/QtSettingsStore.h"

#include <QApplication>

#include <iostream>

namespace {

// The usage in the desktop's language, from a core application that needs no display.
std::string TranslatedUsage(int argc, char** argv) {
    QCoreApplication core(argc, argv);
    stormbell::InstallTranslations(core);
    return QCoreApplication::translate("CommandLine", stormbell::kGaugeUsage).toStdString();
}

} // namespace

int main(int argc, char** argv) {
    // Answered before the toolkit starts, which would need a display.
    if (const auto code =
            stormbell::AnswerWithoutWindow(std::vector<std::string>(argv + 1, argv + argc),
                                           std::cout, [&] { return TranslatedUsage(argc, argv); }))
        return *code;
    // Before the toolkit's accessibility bridge first asks the bus, which it does unbounded.
    stormbell::GuardSessionBus();
    QApplication app(argc, argv);
    stormbell::ApplyAppIdentity();
    stormbell::InstallTranslations(app);
    stormbell::QtSettingsStore store;
    const stormbell::SystemClock clock;
    stormbell::GaugeProgram program(store, clock,
                                    [](int exitCode) { QCoreApplication::exit(exitCode); });
    program.window.show();
    return QApplication::exec();
}
