#pragma once
// The character-shifting form in which the update reminder's date is stored: each character's
// code page 1252 code moves 85 places, so the stored text is not the date as written.
#include <QString>

namespace shell {

// The longest text the encoders take; a longer one is refused, never cut short.
inline constexpr qsizetype kMaxEncodedLength = 32766;

// Each character's code page 1252 code c becomes c + 85; codes above 170 are dropped.
// Throws std::length_error beyond kMaxEncodedLength characters.
QString EncodeSetting(const QString& text);
// c - 85; codes below 85 are dropped. Same length limit.
QString DecodeSetting(const QString& text);

}  // namespace shell
