// The program's language from the system's interface languages, and its texts in it.
#include <gtest/gtest.h>

#include "platform/translations.h"

namespace {

TEST(Translations, theFirstLanguageSpokenOrEnglishDecidesAndARegionTakesItsLanguage)
{
    const struct {
        QStringList system;
        const char* chosen;
    } cases[] = {
        {{"de-DE"}, "de"},
        {{"de-AT", "en-US"}, "de"},
        {{"pt-PT"}, "pt_BR"},
        {{"pt_BR"}, "pt_BR"},
        {{"es-MX"}, "es"},
        {{"hi-IN"}, "hi"},
        {{"fr-FR", "es"}, "es"},
        {{"en-US", "de-DE"}, ""},
        {{"C"}, ""},
        {{"fr-FR"}, ""},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::ProgramLanguage(c.system), QLatin1String(c.chosen)) << c.system.join(',').toStdString();

    // Loaded without an application object, as the command line does.
    EXPECT_EQ(platform::Translations(QStringLiteral("de")).translate("Months", "March"), QStringLiteral("März"));
    EXPECT_EQ(platform::Translations(QString()).translate("Months", "March"), QStringLiteral("March"));
}

}  // namespace
