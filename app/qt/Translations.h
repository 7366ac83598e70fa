// The program's texts in the desktop's language: its own catalogue, embedded, and Qt's for the
// standard buttons. English desktops, and the C locale, keep the source texts exactly.
#pragma once

#include <QStringList>

#include <vector>

class QCoreApplication;
class QTranslator;

namespace stormbell {

/// The language of the catalogue to load for `uiLanguages` (as QLocale::uiLanguages() gives them,
/// most preferred first), "de", "fr" or "es"; empty for English, which the texts are written in,
/// and for a language that has no catalogue before the first English or C entry.
QString CatalogueLanguage(const QStringList& uiLanguages);

/// Installs the catalogues for the system locale's languages on `app`. A missing Qt catalogue
/// leaves Qt's buttons in English; the program's own are compiled in and always found.
void InstallTranslations(QCoreApplication& app);

/// Installs the program's and Qt's catalogues of `language` ("de"; empty installs none) on
/// `app`, which owns them; deleting one uninstalls it. A catalogue not found is left out.
std::vector<QTranslator*> InstallTranslations(QCoreApplication& app, const QString& language);

} // namespace stormbell
