#pragma once
// The result text: heading with the number, the explanation and the reading, each piece
// followed by two CR LF line breaks, then one closing empty paragraph.
#include <array>
#include <string>
#include <string_view>

namespace core {

inline constexpr std::string_view kLineBreak = "\r\n";
inline constexpr std::string_view kHeadingPrefix = "Your Varodara Zevaz Adavuv is: ";
inline constexpr std::string_view kExplanation =
    "The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, "
    "the trends and particular influences that are affecting you personally.";

// The reading for 1..9; the empty text for any other number.
std::string_view MonthReading(int number);

// The four insertions that write a result, in order: heading, explanation, reading,
// closing empty paragraph. Written one after the other they form the whole text.
std::array<std::string, 4> ResultTextPieces(int number);

}  // namespace core
