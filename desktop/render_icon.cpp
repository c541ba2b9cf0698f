// Renders the program's SVG icon to a square image at build time: a PNG for the installed
// hicolor icons, or, for an OUTPUT ending in .argb, the raw pixels the program embeds and shows
// as they are (premultiplied ARGB32 in this machine's byte order, rows of 4 * SIZE bytes), so
// that it neither loads the SVG module nor parses, paints or decodes an image at start-up.
// The installed icons and the running program's thus come from the one renderer.
// Usage: render_icon INPUT.svg SIZE OUTPUT.png|OUTPUT.argb
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

namespace {

bool WriteRawPixels(const QImage& image, const QString& path)
{
    QFile file(path);
    const auto bytes = static_cast<qint64>(image.sizeInBytes());
    return image.bytesPerLine() == qsizetype{4} * image.width() && file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(image.constBits()), bytes) == bytes;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_icon INPUT.svg SIZE OUTPUT.png|OUTPUT.argb\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int size = QString::fromLatin1(argv[2]).toInt();
    if (!renderer.isValid() || size <= 0) {
        std::fprintf(stderr, "render_icon: cannot render %s at %s pixels\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const QString output = QString::fromLocal8Bit(argv[3]);
    const bool written =
        output.endsWith(QLatin1String(".argb")) ? WriteRawPixels(image, output) : image.save(output, "PNG");
    if (!written) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
