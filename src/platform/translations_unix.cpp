#include "platform/translations.h"

namespace platform {

QStringList SystemLanguages()
{
    return GettextLanguages([](const char* variable) { return qEnvironmentVariable(variable); });
}

}  // namespace platform
