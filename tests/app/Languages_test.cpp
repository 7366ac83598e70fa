// The desktop in the user's language: the options dialog, the tooltip's words and its number and
// date forms, the notices of damaged files, under German, French, Spanish, British English and C.
#include "gauges/GaugeDescription.h"
#include "history/HistoryNote.h"
#include "platform/qt/QtWording.h"
#include "settings/qt/OptionsDialog.h"
#include "settings/qt/QtSettingsStore.h"
#include "tests/dialogs/RecordingHost.h"
#include "tests/support/FixedClock.h"
#include "tests/support/LanguageScope.h"
#include "tests/support/SampleObservation.h"
#include "tests/support/TempDir.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace stormbell {
namespace {

using namespace std::chrono;

TEST(Languages, OptionsDialogSpeaksTheDesktopsLanguage) {
    const struct {
        const char* locale;
        const char* caption;
        const char* ftpButton;
        const char* unitsGroup;
        const char* metric;
        const char* stationList; ///< its accessible name
    } cases[] = {
        {"de_DE", "Stormbell – Einstellungen", "FTP-Einstellungen", "Einheiten", "Metrisch",
         "Stationsliste"},
        {"fr_FR", "Options de Stormbell", "Réglages FTP", "Unités", "Métriques",
         "Liste des stations"},
        {"es_ES", "Opciones de Stormbell", "Ajustes FTP", "Unidades", "Métricas",
         "Lista de estaciones"},
        {"en_GB", "Stormbell Options", "FTP settings", "Display mode", "Metric", "Station list"},
        {"C", "Stormbell Options", "FTP settings", "Display mode", "Metric", "Station list"},
    };
    for (const auto& c : cases) {
        const testing::LanguageScope language(c.locale);
        Settings settings;
        Observation observation = FreshStoreObservation();
        testing::RecordingHost host{observation};
        OptionsDialog dialog{settings, observation, host};
        dialog.BuildContents();
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.caption)) << c.locale;
        EXPECT_EQ(dialog.findChild<QPushButton*>("ftpSettings")->text(),
                  QString::fromUtf8(c.ftpButton))
            << c.locale;
        EXPECT_EQ(dialog.findChild<QGroupBox*>("displayMode")->title(),
                  QString::fromUtf8(c.unitsGroup))
            << c.locale;
        EXPECT_EQ(dialog.findChild<QRadioButton*>("metricScales")->text(),
                  QString::fromUtf8(c.metric))
            << c.locale;
        EXPECT_EQ(dialog.findChild<QListView*>("stationList")->accessibleName(),
                  QString::fromUtf8(c.stationList))
            << c.locale;
    }
}

// 67 °F is 19.44 °C; the reading is 23 minutes old and was fetched at 14:30 on March 5.
TEST(Languages, TooltipReadsInTheLanguageWithItsNumberAndDateForms) {
    Observation shown = testing::SampleObservation();
    shown.Shown.TemperatureF = 67;
    shown.DisplayMode = DisplayMode::Metric;
    ReadingContext context;
    context.Header.Observed = sys_days(2026y / March / 5) + 14h + 7min;
    context.LastFetch = sys_days(2026y / March / 4) + 14h + 30min;
    const testing::FixedClock clock(*context.Header.Observed + 23min);
    const std::string english = DescribeGauge(shown, 0, context, clock);
    const struct {
        const char* locale;
        const char* temperature; ///< empty: the whole text is the core's English
        const char* observed;
        const char* fetched;
    } cases[] = {
        {"de_DE", "Temperatur 19,4 °C (67 °F)", "Beobachtung: 14:07, vor 23 Minuten",
         "Abgerufen: 4. März, 14:30"},
        {"fr_FR", "Température 19,4 °C (67 °F)", "Observation : 14:07, il y a 23 minutes",
         "Récupéré : 4 mars à 14:30"},
        {"es_ES", "Temperatura 19,4 °C (67 °F)", "Observación: 14:07, hace 23 minutos",
         "Descargado: 4 mar, 14:30"},
        {"en_GB", "", "with the 1 reading still readable.", ""},
        {"C", "", "with the 1 reading still readable.", ""},
    };
    for (const auto& c : cases) {
        const testing::LanguageScope language(c.locale);
        const std::string text = DescribeGauge(shown, 0, context, clock, QtWording());
        if (*c.temperature == '\0') {
            EXPECT_EQ(text, english) << c.locale;
            continue;
        }
        for (const char* line : {c.temperature, c.observed, c.fetched})
            EXPECT_NE(text.find(line), std::string::npos) << c.locale << ": " << line << "\n"
                                                          << text;
    }
}

// The weather service's visibility, sky and weather words in the tooltip's language, phrase by
// phrase; a phrase the table does not know stays as the service wrote it, and English and C keep
// the service's words byte for byte.
TEST(Languages, ServiceWordsReadInTheLanguage) {
    const struct {
        const char* locale;
        const char* reportLine;
        const char* tooltipLine;
    } cases[] = {
        {"de_DE", "Visibility: 10 mile(s):0", "Sicht 10 Meile(n)"},
        {"de_DE", "Visibility: greater than 7 mile(s):0", "Sicht mehr als 7 Meile(n)"},
        {"de_DE", "Visibility: less than 1/4 mile(s):0", "Sicht weniger als 1/4 Meile(n)"},
        {"de_DE", "Visibility: 1 1/2 mile(s):0", "Sicht 1 1/2 Meile(n)"},
        {"de_DE", "Visibility: about 5 km:0", "Sicht about 5 km"},
        {"de_DE", "Sky conditions: clear", "Himmel klar"},
        {"de_DE", "Sky conditions: mostly cloudy", "Himmel überwiegend bewölkt"},
        {"de_DE", "Sky conditions: scattered clouds", "Himmel scattered clouds"},
        {"de_DE", "Weather: smoke", "Wetter Rauch"},
        {"de_DE", "Weather: thunder in the vicinity; light rain; Lightning observed",
         "Wetter Gewitter in der Umgebung; leichter Regen; Blitze beobachtet"},
        {"de_DE", "Weather: heavy snow showers in the vicinity; freezing fog",
         "Wetter starke Schneeschauer in der Umgebung; gefrierender Nebel"},
        {"de_DE", "Weather: sleet in the vicinity; mist, haze;light rain",
         "Wetter sleet in the vicinity; mist, haze;light rain"},
        {"fr_FR", "Weather: light rain; mist; fog in the vicinity",
         "Temps pluie faible ; brume ; brouillard à proximité"},
        {"fr_FR", "Sky conditions: clear", "Ciel dégagé"},
        {"es_ES", "Weather: heavy rain; haze", "Tiempo lluvia fuerte; calima"},
        {"es_ES", "Visibility: 3 mile(s):0", "Visibilidad 3 milla(s)"},
        {"en_GB", "Weather: thunder in the vicinity; light rain; Lightning observed",
         "Weather thunder in the vicinity; light rain; Lightning observed"},
        {"C", "Visibility: greater than 7 mile(s):0", "Visibility greater than 7 mile(s)"},
        {"C", "Sky conditions: partly cloudy", "Sky partly cloudy"},
    };
    const Observation shown = testing::SampleObservation();
    ReadingContext context;
    context.LastFetch = sys_days(2026y / March / 4) + 14h;
    const testing::FixedClock clock(*context.LastFetch);
    for (const auto& c : cases) {
        const testing::LanguageScope language(c.locale);
        context.Figures = ParseReportFigures({c.reportLine});
        const std::string text = DescribeGauge(shown, 0, context, clock, QtWording());
        EXPECT_EQ(text.substr(text.rfind('\n') + 1), c.tooltipLine) << c.locale;
    }
}

TEST(Languages, NumbersAndDatesFollowTheLocale) {
    std::tm local{};
    local.tm_year = 126;
    local.tm_mon = 8;
    local.tm_mday = 5;
    local.tm_hour = 14;
    local.tm_min = 7;
    const struct {
        const char* locale;
        const char* number;
        const char* date;
    } cases[] = {
        {"de_DE", "-19,4", "5. Sept. 2026, 14:07"}, {"fr_FR", "-19,4", "5 sept. 2026 à 14:07"},
        {"es_ES", "-19,4", "5 sept 2026, 14:07"},   {"en_GB", "-19.4", "Sep 5, 2026 14:07"},
        {"C", "-19.4", "Sep 5, 2026 14:07"},
    };
    for (const auto& c : cases) {
        const testing::LanguageScope language(c.locale);
        const QtWording wording;
        EXPECT_EQ(wording.Number("-19.4"), c.number) << c.locale;
        EXPECT_EQ(wording.Number("1013"), "1013") << c.locale;
        EXPECT_EQ(wording.Number("KBFI"), "KBFI") << c.locale;
        EXPECT_EQ(wording.Date(local, DateForm::DayYearAndTime), c.date) << c.locale;
    }
}

// A damaged history and a damaged settings file are told in whole sentences of the language, a
// recorder's own reason with them; English and C keep the core's English byte for byte.
TEST(Languages, NoticesOfDamagedFilesSpeakTheDesktopsLanguage) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::path(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()) / "Brightmoor";
    const std::string file = (folder / "Stormbell.conf").string();
    RecordResult result;
    result.Problem = "its report names no station or observation time";
    result.Aside = HistoryAside{"/h/history.sqlite3", "/h/history.sqlite3.bad", 12};
    const HistoryAside one{"/h/history.sqlite3", "/h/history.sqlite3.bad", 1};
    const struct {
        const char* locale;
        const char* note; ///< the tooltip's problem and set-aside lines
        const char* one;  ///< the set-aside notice keeping one reading
        const char* settings;
    } cases[] = {
        {"de_DE",
         "Der Verlauf konnte nicht gespeichert werden: sein Bericht nennt keine Station oder "
         "Beobachtungszeit\nDer Verlauf /h/history.sqlite3 war beschädigt und wurde als "
         "/h/history.sqlite3.bad beiseitegelegt; ein neuer Verlauf beginnt mit den 12 noch "
         "lesbaren "
         "Messwerten.\n",
         "mit dem einzigen noch lesbaren Messwert.",
         "Die Einstellungsdatei %1 konnte nicht gelesen werden und wurde als %2 beiseitegelegt; "
         "Stormbell startet mit den Standardeinstellungen."},
        {"fr_FR",
         "L’historique n’a pas pu être enregistré : son relevé n’indique ni station ni heure "
         "d’observation\nL’historique /h/history.sqlite3 était endommagé et a été mis de côté sous "
         "le nom /h/history.sqlite3.bad ; un nouvel historique commence avec les 12 mesures encore "
         "lisibles.\n",
         "avec la seule mesure encore lisible.",
         "Le fichier de réglages %1 n’a pas pu être lu et a été mis de côté sous le nom %2 ; "
         "Stormbell démarre avec ses réglages par défaut."},
        {"es_ES",
         "No se pudo guardar el historial: su parte no indica estación ni hora de observación\nEl "
         "historial /h/history.sqlite3 estaba dañado y se apartó como /h/history.sqlite3.bad; "
         "empieza un historial nuevo con las 12 mediciones aún legibles.\n",
         "con la única medición aún legible.",
         "No se pudo leer el archivo de ajustes %1 y se apartó como %2; Stormbell se inicia con "
         "los ajustes predeterminados."},
        {"en_GB", "", "with the 1 reading still readable.", ""},
        {"C", "", "with the 1 reading still readable.", ""},
    };
    for (const auto& c : cases) {
        const testing::LanguageScope language(c.locale);
        const bool english = *c.note == '\0';
        EXPECT_EQ(HistoryNote(result, QtWording()),
                  english ? HistoryNote(result) : std::string(c.note))
            << c.locale;
        EXPECT_THAT(AsideNotice(one, QtWording()), ::testing::EndsWith(c.one)) << c.locale;
        fs::remove_all(folder);
        fs::create_directories(folder);
        testing::WriteFile(file, "[General\n");
        EXPECT_EQ(QtSettingsStore().StartupNotice(),
                  Fill(english ? "The settings file %1 could not be read and was set aside as "
                                 "%2; the gauge starts with its default settings."
                               : c.settings,
                       {file, file + ".bad"}))
            << c.locale;
        fs::remove_all(folder);
    }
}

} // namespace
} // namespace stormbell
