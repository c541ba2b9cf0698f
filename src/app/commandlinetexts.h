#pragma once
// The command line's human texts in the user's language. Each text is marked where it is
// written, as QT_TRANSLATE_NOOP("CommandLine", ...): one whole sentence, with %1, %2 for what
// varies; the readings, the window's messages and the months keep their own contexts. The JSON
// and --version never come here.
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/readings.h"

namespace app {

// A text in the user's language: its context and English source text (a literal, so
// NUL-terminated) in, the translation out, or the English where there is none.
using Translator = std::function<std::string(const char* context, const char* english)>;

class CommandLineTexts {
public:
    CommandLineTexts() = default;  // English
    explicit CommandLineTexts(Translator translate) : m_translate(std::move(translate)) {}

    // A text of the context "CommandLine" with the values in place of %1, %2, ..., all in one
    // pass, so that a value holding "%2" is printed as it is.
    std::string operator()(const char* english, std::initializer_list<std::string_view> values = {}) const;
    // A text of another context, as the windows show it.
    std::string in(const char* context, std::string_view english) const;
    // The readings, for the result text.
    core::Translate readings() const;

private:
    Translator m_translate;
};

}  // namespace app
