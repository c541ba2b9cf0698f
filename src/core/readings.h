#pragma once
// The result text: heading with the number, the explanation and the reading, each piece
// followed by two CR LF line breaks, then one closing empty paragraph.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/translatable.h"

namespace core {

inline constexpr std::string_view kLineBreak = "\r\n";
inline constexpr std::string_view kHeadingPrefix = QT_TRANSLATE_NOOP("Readings", "Your Varodara Zevaz Adavuv is: ");
inline constexpr std::string_view kExplanation =
    QT_TRANSLATE_NOOP("Readings",
                      "The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, "
                      "the trends and particular influences that are affecting you personally.");

// The reading for 1..9; the empty text for any other number.
std::string_view MonthReading(int number);

// How a shown text is put in the user's language: the English text (each a literal of this
// layer, so NUL-terminated) in, the translation out.
using Translate = std::function<std::string(std::string_view english)>;

// The four insertions that write a result, in order: heading, explanation, reading,
// closing empty paragraph. Written one after the other they form the whole text; in English,
// or with the heading's words, the explanation and the reading put through translate.
std::array<std::string, 4> ResultTextPieces(int number, const Translate& translate = {});

}  // namespace core
