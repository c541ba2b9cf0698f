#pragma once
// Marks a text of the core for the translators, who find it by this name, without Qt: the text
// is the English source and stays what the core computes with; the layer that shows it
// translates it, in the context named. The same definition as Qt's, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
