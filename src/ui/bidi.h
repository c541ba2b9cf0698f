#pragma once
// Texts inside a right-to-left application. Under a left-to-right one both return the text as
// it is, so an English window shows exactly the characters it always did.
#include <QString>

namespace ui {

// An address or host put into a sentence: it keeps its own order (a trailing "/" stays at its
// end) and leaves the sentence's direction to the sentence's own words (a Unicode isolate).
QString Isolated(const QString& text);
// A text never translated, such as the product's name, that reads and aligns as the window's
// translated texts do: from the right in a right-to-left application.
QString InWindowReadingOrder(const QString& text);

}  // namespace ui
