#pragma once
// The program in its user's interface language: German, Spanish, Brazilian Portuguese or Hindi
// where the system asks for one of them, else English, the texts' source language. The
// program's own translations are built into it (:/i18n); Qt's own texts (the message boxes'
// buttons, the text boxes' context menu) come from Qt's translations where Qt keeps them, and
// for Hindi, which Qt does not ship, from the program's own Hindi file.
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <vector>

namespace platform {

// The translation for the first of the system's interface languages (most wanted first, as
// QLocale::uiLanguages gives them) that is English or one the program speaks (product.h):
// the file of that very locale, else the first of its language ("de_AT" takes "de", "pt_PT"
// takes "pt_BR"), or empty for English.
QString ProgramLanguage(const QStringList& uiLanguages);

class Translations {
public:
    // Loads the translations of the language (empty: English, nothing to load).
    explicit Translations(const QString& language);
    // The system's language.
    Translations();

    QString language() const { return m_language; }
    // Installs them for every tr() of the program; the object must outlive the application's
    // use of them.
    void install() const;
    // A text of the given context in the language, without an application object.
    QString translate(const char* context, const char* sourceText) const;

private:
    QString m_language;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

}  // namespace platform
