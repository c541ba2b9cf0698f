#pragma once
// Windows code page 1252, the single-byte character set in which the stored setting is
// shifted and through which every address passes on its way to the browser.
#include <QByteArray>
#include <QString>

namespace shell {

inline constexpr char kUnrepresentable = '?';

// One code 0..255 per character; a character the code page cannot hold (a surrogate pair
// counts as one character) becomes '?'.
QByteArray ToCodePage1252(const QString& text);

// One character per code; the five codes the code page leaves undefined become the Unicode
// characters of the same value.
QString FromCodePage1252(const QByteArray& codes);

}  // namespace shell
