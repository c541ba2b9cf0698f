#include <QLocale>

#include "platform/translations.h"

namespace platform {

// The display languages the user chose in Windows' settings.
QStringList SystemLanguages()
{
    return QLocale::system().uiLanguages();
}

}  // namespace platform
