// The catalogue chosen for the desktop's languages, and a core text shown through it.
#include "app/qt/Translations.h"
#include "platform/qt/ShownText.h"

#include <QTranslator>

#include <gtest/gtest.h>

namespace stormbell {
namespace {

TEST(Translations, CatalogueFollowsTheFirstLanguageThatHasOneOrIsEnglish) {
    const struct {
        QStringList languages;
        QString expected;
    } cases[] = {
        {{"de-DE"}, "de"},        {{"fr-CA", "en-US"}, "fr"},
        {{"es_ES"}, "es"},        {{"it-IT", "es-MX"}, "es"},
        {{"en-GB", "de-DE"}, ""}, {{"C"}, ""},
        {{"pt-BR"}, ""},          {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CatalogueLanguage(c.languages), c.expected)
            << c.languages.join(',').toStdString();
}

TEST(Translations, CoreTextIsShownInTheCataloguesLanguageAndEnglishWithout) {
    EXPECT_EQ(ShownText("Status", "Completed"), "Completed");
    QTranslator german;
    ASSERT_TRUE(german.load(":/i18n/stormbell_de.qm"));
    QCoreApplication::installTranslator(&german);
    EXPECT_EQ(ShownText("Status", "Completed"), "Abgeschlossen");
    EXPECT_EQ(ShownText("Status", "no such text"), "no such text");
    QCoreApplication::removeTranslator(&german);
}

} // namespace
} // namespace stormbell
