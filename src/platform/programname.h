#pragma once
// The program's name as its user knows it, from the path of its file: without the folders and,
// on Windows, without ".exe" (programname_unix.cpp, programname_win.cpp).
#include <QString>

namespace platform {

QString ProgramName(const QString& path);

}  // namespace platform
