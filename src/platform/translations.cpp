#include "platform/translations.h"

#include <QLibraryInfo>

#include "product.h"

namespace platform {
namespace {

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
// Last, Qt's layout direction: "RTL" in a right-to-left language, whose installed translation
// then turns the whole application right to left, "LTR" in every other.
[[maybe_unused]] constexpr const char* kQtTextsShown[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Undo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Redo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Cu&t"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Paste"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Delete"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All"),
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION"),
};

}  // namespace

QString ProgramLanguage(const QStringList& uiLanguages)
{
    const auto language = [](const QString& locale) { return locale.section(QLatin1Char('_'), 0, 0).toLower(); };
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language(wanted) == QLatin1String("en"))
            return {};
        // The file of the very locale, else the first of its language.
        QString found;
        for (const char* spoken : product::kLanguages) {
            QString translation = QLatin1String(spoken);
            if (translation.compare(wanted, Qt::CaseInsensitive) == 0)
                return translation;
            if (found.isEmpty() && language(translation) == language(wanted))
                found = translation;
        }
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QStringList GettextLanguages(const std::function<QString(const char* variable)>& environment)
{
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(variable);
        if (!locale.isEmpty())
            break;
    }
    const auto withoutEncoding = [](const QString& name) {
        return name.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    };
    const QString messages = withoutEncoding(locale);
    if (messages.isEmpty() || messages == QLatin1String("C") || messages == QLatin1String("POSIX"))
        return {};
    const QString languages = environment("LANGUAGE");
    if (languages.isEmpty())
        return {messages};
    QStringList wanted;
    for (const QString& language : languages.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        wanted << withoutEncoding(language);
    return wanted;
}

Translations::Translations(const QString& language) : m_language(language)
{
    if (language.isEmpty())
        return;
    auto program = std::make_unique<QTranslator>();
    if (program->load(QStringLiteral(":/i18n/varodara_") + language))
        m_translators.push_back(std::move(program));
}

Translations::Translations() : Translations(ProgramLanguage(SystemLanguages())) {}

void Translations::install() const
{
    if (!m_language.isEmpty() && !m_qtLoaded) {
        m_qtLoaded = true;
        for (const QString& folder : QtTranslationFolders()) {
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(QStringLiteral("qtbase_") + m_language, folder)) {
                m_translators.push_back(std::move(qt));
                break;
            }
        }
    }
    // The translator installed last is asked first: the program's own, whose texts for Qt's
    // buttons keep Arabic and Persian words whole around their access keys, then Qt's.
    for (std::size_t i = m_translators.size(); i-- > 0;)
        QCoreApplication::installTranslator(m_translators[i].get());
}

QString Translations::translate(const char* context, const char* sourceText) const
{
    for (const auto& translator : m_translators) {
        QString translated = translator->translate(context, sourceText);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(sourceText);
}

}  // namespace platform
