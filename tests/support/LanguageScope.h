// A desktop language for the length of a test: the default locale and the catalogues the program
// would install for it, both put back when the scope ends.
#pragma once

#include "app/qt/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <vector>

namespace stormbell::testing {

class LanguageScope {
public:
    /// `locale` as QLocale names it ("de_DE", "C").
    explicit LanguageScope(const char* locale)
        : before_(QLocale()),
          installed_(InstallTranslations(*QCoreApplication::instance(),
                                         CatalogueLanguage({QLocale(locale).bcp47Name()}))) {
        QLocale::setDefault(QLocale(locale));
    }
    ~LanguageScope() {
        for (QTranslator* translator : installed_)
            delete translator;
        QLocale::setDefault(before_);
    }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

private:
    QLocale before_;
    std::vector<QTranslator*> installed_;
};

} // namespace stormbell::testing
