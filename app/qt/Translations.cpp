#include "app/qt/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace stormbell {

namespace {

constexpr const char* kCataloguePrefix = ":/i18n/stormbell_";

} // namespace

QString CatalogueLanguage(const QStringList& uiLanguages) {
    for (const QString& entry : uiLanguages) {
        const QString language =
            entry.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        // A user who lists English before a catalogue's language asked for English.
        if (language == QLatin1String("en") || language == QLatin1String("c"))
            return {};
        if (QFile::exists(kCataloguePrefix + language + QLatin1String(".qm")))
            return language;
    }
    return {};
}

void InstallTranslations(QCoreApplication& app) {
    InstallTranslations(app, CatalogueLanguage(QLocale::system().uiLanguages()));
}

std::vector<QTranslator*> InstallTranslations(QCoreApplication& app, const QString& language) {
    std::vector<QTranslator*> installed;
    if (language.isEmpty())
        return installed;
    auto* own = new QTranslator(&app);
    if (own->load(kCataloguePrefix + language + QLatin1String(".qm")))
        installed.push_back(own);
    else
        delete own;
    auto* qt = new QTranslator(&app);
    if (qt->load(QLatin1String("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installed.push_back(qt);
    else
        delete qt;
    for (QTranslator* translator : installed)
        QCoreApplication::installTranslator(translator);
    return installed;
}

} // namespace stormbell
