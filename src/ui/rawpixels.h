#pragma once
// Images written at build time as raw premultiplied ARGB32 pixels (see src/CMakeLists.txt):
// drawing them at start-up decodes nothing, so Qt's image reader never loads its format plugins.
#include <QImage>
#include <QSize>
#include <QString>

namespace ui {

// The image in the resource, used in place; null unless the resource holds one of that size.
QImage ReadRawPixels(const QString& resource, const QSize& size);

}  // namespace ui
