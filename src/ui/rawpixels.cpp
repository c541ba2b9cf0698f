#include "ui/rawpixels.h"

#include <QResource>

namespace ui {

QImage ReadRawPixels(const QString& resource, const QSize& size)
{
    const QResource pixels(resource);
    const QByteArray data = pixels.uncompressedData();
    if (data.size() != qsizetype{4} * size.width() * size.height())
        return {};
    const QImage image(reinterpret_cast<const uchar*>(data.constData()), size.width(), size.height(),
                       qsizetype{4} * size.width(), QImage::Format_ARGB32_Premultiplied);
    // Uncompressed resource data lives as long as the program; anything else is copied out.
    return pixels.compressionAlgorithm() == QResource::NoCompression ? image : image.copy();
}

}  // namespace ui
