#include "ui/programicon.h"

#include <algorithm>
#include <span>

#include "product.h"
#include "ui/rawpixels.h"

namespace ui {
namespace {

constexpr std::span kIconSizes{product::kIconSizes};

// The drawing of one size.
QImage ReadIconImage(int size)
{
    return ReadRawPixels(QStringLiteral(":/icons/%1.argb").arg(size), QSize(size, size));
}

}  // namespace

QPixmap ProgramPixmap(int size, qreal devicePixelRatio)
{
    // The drawing of the next size up (or the largest), so the picture is crisp at any scale.
    const int pixels = qRound(size * devicePixelRatio);
    const auto found =
        std::find_if(kIconSizes.begin(), kIconSizes.end(), [pixels](int drawn) { return drawn >= pixels; });
    QImage image = ReadIconImage(found != kIconSizes.end() ? *found : kIconSizes.back());
    if (image.width() != pixels)
        image = image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon ProgramIcon()
{
    // Built once. Never destroyed: its pixmaps must not outlive the application object, which
    // goes before static objects do.
    static const QIcon* const icon = [] {
        auto* built = new QIcon;
        for (const int size : kIconSizes)
            built->addPixmap(QPixmap::fromImage(ReadIconImage(size)));
        return built;
    }();
    return *icon;
}

}  // namespace ui
