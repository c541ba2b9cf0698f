#include "platform/translations.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace platform {
namespace {

// The languages the program speaks, by the language part of a locale name.
struct Language {
    const char* prefix;
    const char* translation;
};
constexpr Language kLanguages[] = {{"de", "de"}, {"es", "es"}, {"pt", "pt_BR"}, {"hi", "hi"}, {"en", ""}};

// Where Qt keeps its own translations: Qt's translations folder, or, for a program that
// carries its Qt beside it (the Windows release), the folder "translations" beside the program.
QStringList QtTranslationFolders()
{
    QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    if (QCoreApplication::instance() != nullptr)
        folders << QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    return folders;
}

// Qt's own texts that the program shows: the message boxes' buttons and the text boxes' context
// menus. Qt ships them in every language the program speaks but Hindi; listed here so that the
// translators' tool puts them into every file of the program, whose Hindi file carries them.
[[maybe_unused]] constexpr const char* kQtTextsShown[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),           QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),          QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),             QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),             QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),            QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Undo"),    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Redo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Cu&t"),     QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Paste"),   QT_TRANSLATE_NOOP("QWidgetTextControl", "Delete"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All"),
};

}  // namespace

QString ProgramLanguage(const QStringList& uiLanguages)
{
    for (const QString& wanted : uiLanguages) {
        const QString language = wanted.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        for (const Language& known : kLanguages) {
            if (language == QLatin1String(known.prefix))
                return QLatin1String(known.translation);
        }
    }
    return {};
}

Translations::Translations(const QString& language) : m_language(language)
{
    if (language.isEmpty())
        return;
    auto program = std::make_unique<QTranslator>();
    if (program->load(QStringLiteral(":/i18n/varodara_") + language))
        m_translators.push_back(std::move(program));
    for (const QString& folder : QtTranslationFolders()) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + language, folder)) {
            m_translators.push_back(std::move(qt));
            break;
        }
    }
}

Translations::Translations() : Translations(ProgramLanguage(QLocale::system().uiLanguages())) {}

void Translations::install() const
{
    for (const auto& translator : m_translators)
        QCoreApplication::installTranslator(translator.get());
}

QString Translations::translate(const char* context, const char* sourceText) const
{
    for (const auto& translator : m_translators) {
        const QString translated = translator->translate(context, sourceText);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(sourceText);
}

}  // namespace platform
