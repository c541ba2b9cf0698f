#include <QFileInfo>

#include "platform/programname.h"

namespace platform {

QString ProgramName(const QString& path)
{
    // Either slash separates folders; the name is written in any case, ".EXE" too.
    QString name = QFileInfo(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
    const QLatin1String exe(".exe");
    if (name.size() > exe.size() && name.endsWith(exe, Qt::CaseInsensitive))
        name.chop(exe.size());
    return name;
}

}  // namespace platform
