// The program's language from the system's interface languages, and its texts in it.
#include <gtest/gtest.h>

#include "platform/translations.h"
#include "product.h"

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
        {{"ar_EG"}, "ar"},
        {{"fa-IR", "en-US"}, "fa"},
        {{"ja-JP", "es"}, "es"},
        {{"en-US", "de-DE"}, ""},
        {{"C"}, ""},
        {{"ja-JP"}, ""},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::ProgramLanguage(c.system), QLatin1String(c.chosen)) << c.system.join(',').toStdString();

    // Loaded without an application object, as the command line does.
    EXPECT_EQ(platform::Translations(QStringLiteral("de")).translate("Months", "March"), QStringLiteral("März"));
    EXPECT_EQ(platform::Translations(QString()).translate("Months", "March"), QStringLiteral("March"));

    // Qt's convention: each language names its direction, and only Arabic and Persian read from the right.
    for (const char* spoken : product::kLanguages) {
        const QString language = QLatin1String(spoken);
        const bool rightToLeft = language == QLatin1String("ar") || language == QLatin1String("fa");
        EXPECT_EQ(platform::Translations(language).translate("QGuiApplication", "QT_LAYOUT_DIRECTION"),
                  QLatin1String(rightToLeft ? "RTL" : "LTR"))
            << spoken;
    }
}

}  // namespace
