// The program's language from the system's interface languages, and its texts in it.
#include <gtest/gtest.h>

#include <map>

#include "platform/translations.h"
#include "product.h"

namespace {

TEST(Translations, theFirstLanguageSpokenOrEnglishDecidesAndARegionTakesItsLanguage)
{
    const struct {
        QStringList system;
        const char* chosen;
        // When given, the system's languages are those gettext reads from this environment.
        std::map<QString, QString> environment = {};
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
        {{"fr-FR"}, "fr"},
        {{"en-US", "de-DE"}, ""},
        {{"C"}, ""},
        {{"nl-NL"}, ""},
        {{}, ""},
        // A C or POSIX message locale is English, whatever LANGUAGE asks for.
        {{}, "", {{"LC_ALL", "C"}, {"LANGUAGE", "de"}}},
        {{}, "", {{"LC_ALL", "POSIX"}, {"LANGUAGE", "de:es"}, {"LANG", "de_DE.UTF-8"}}},
        {{}, "", {{"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "de"}}},
        {{}, "", {{"LC_MESSAGES", "C"}, {"LANG", "de_DE.UTF-8"}}},
        {{}, "", {{"LANGUAGE", "de"}}},
        {{}, "de", {{"LC_ALL", ""}, {"LC_MESSAGES", "de_AT.UTF-8@euro"}, {"LANG", "C.UTF-8"}}},
        {{}, "es", {{"LC_ALL", "es_MX.UTF-8"}, {"LC_MESSAGES", "C"}}},
        {{}, "pt_BR", {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ja::pt_BR.UTF-8:de"}}},
        {{}, "", {{"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "en:de"}}},
    };
    for (const auto& c : cases) {
        const QStringList system = c.environment.empty() ? c.system : platform::GettextLanguages([&](const char* name) {
            const auto found = c.environment.find(QLatin1String(name));
            return found == c.environment.end() ? QString() : found->second;
        });
        EXPECT_EQ(platform::ProgramLanguage(system), QLatin1String(c.chosen)) << system.join(',').toStdString();
    }

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
