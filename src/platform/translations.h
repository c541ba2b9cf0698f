#pragma once
// The program in its user's interface language: one of the languages it speaks (product.h)
// where the system asks for one of them, else English, the texts' source language. The
// program's own translations are built into it (:/i18n); Qt's own texts (the message boxes'
// buttons, the text boxes' context menu) come from Qt's translations where Qt keeps them, and
// for a language Qt does not ship (Hindi), from the program's own file.
//   SystemLanguages -> ProgramLanguage -> Translations: loaded once by main(), read by the
//   command line through translate(), installed for the windows.
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>
#include <memory>
#include <vector>

namespace platform {

// The translation for the first of the system's interface languages (most wanted first, as
// QLocale::uiLanguages gives them) that is English or one the program speaks (product.h):
// the file of that very locale, else the first of its language ("de_AT" takes "de", "pt_PT"
// takes "pt_BR"), or empty for English.
QString ProgramLanguage(const QStringList& uiLanguages);

// The interface languages that the environment asks for, as gettext reads them: the message
// locale is LC_ALL, else LC_MESSAGES, else LANG (the first that is set and not empty); C or
// POSIX, with or without an encoding, or none at all, means English whatever LANGUAGE says
// (an empty list); otherwise LANGUAGE's list when it is set, else the message locale. Each
// without its encoding or modifier: "de_DE.UTF-8@euro" is "de_DE".
QStringList GettextLanguages(const std::function<QString(const char* variable)>& environment);

// The system's interface languages, most wanted first: the environment's on Linux, the user's
// display languages on Windows (translations_unix.cpp, translations_win.cpp).
QStringList SystemLanguages();

class Translations {
public:
    // Loads the program's translation of the language (empty: English, nothing to load).
    explicit Translations(const QString& language);
    // The system's language.
    Translations();

    QString language() const { return m_language; }
    // Loads Qt's own translation of the language (only windows show Qt's texts, and only an
    // application object knows the program's folder, where the Windows release keeps them),
    // then installs both for every tr() of the program; the object must outlive the
    // application's use of them.
    void install() const;
    // A text of the given context in the language, without an application object.
    QString translate(const char* context, const char* sourceText) const;

private:
    QString m_language;
    // The program's, then, once installed, Qt's.
    mutable std::vector<std::unique_ptr<QTranslator>> m_translators;
    mutable bool m_qtLoaded = false;
};

}  // namespace platform
