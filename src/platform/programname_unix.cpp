#include <QFileInfo>

#include "platform/programname.h"

namespace platform {

QString ProgramName(const QString& path)
{
    return QFileInfo(path).fileName();
}

}  // namespace platform
