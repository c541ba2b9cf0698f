#include "ui/look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <array>
#include <limits>

#include "ui/leanstyle.h"

namespace ui {

void PlaceTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(TwipsRect(left, top, width, height));
}

void SetClientSizeTwips(QWidget* window, int width, int height)
{
    window->setFixedSize(Twips(width), Twips(height));
}

void CenterOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // A window's move() places its frame's top-left corner.
    window->move(PlaceOnScreen(window->frameGeometry().size(), screen->availableGeometry()));
}

QPoint PlaceOnScreen(const QSize& frame, const QRect& available)
{
    const auto axis = [](int start, int length, int size) {
        return size > length ? start : start + (length - size) / 2;
    };
    return {axis(available.x(), available.width(), frame.width()),
            axis(available.y(), available.height(), frame.height())};
}

namespace {

// The family each design font is drawn in: its own where installed, else a substitute of close
// metrics. Asked for a family it does not have, Qt first has fontconfig sort every installed
// font against it, once for each style asked, and only then tries its substitutes; naming the
// installed family at once skips that search and draws the same face.
struct DesignFamily {
    const char* name;
    const char* substitute;
    QString family = QString::fromLatin1(name);
};
DesignFamily verdana{"Verdana", "DejaVu Sans"};
DesignFamily msSansSerif{"MS Sans Serif", "DejaVu Sans"};

}  // namespace

void InstallFontSubstitutes()
{
    const QStringList installed = QFontDatabase::families();
    for (DesignFamily* design : {&verdana, &msSansSerif}) {
        const QString substitute = QString::fromLatin1(design->substitute);
        const bool replace = !installed.contains(design->family) && installed.contains(substitute);
        design->family = replace ? substitute : QString::fromLatin1(design->name);
    }
}

QFont Verdana(qreal points, bool bold, bool underline)
{
    QFont font(verdana.family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont MsSansSerif(qreal points)
{
    QFont font(msSansSerif.family);
    font.setPointSizeF(points);
    // Set explicitly so a bold frame's weight is not inherited.
    font.setBold(false);
    return font;
}

QFont DefaultControlFont()
{
    QFont font = MsSansSerif(8.25);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

namespace {

bool Overflows(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget); label != nullptr && label->wordWrap())
        return label->heightForWidth(label->width()) > label->height();
    return widget->sizeHint().width() > widget->width();
}

}  // namespace

void ShrinkToFit(QWidget* widget, QFont font)
{
    constexpr qreal kSmallest = 6.0;
    constexpr qreal kStep = 0.25;
    widget->setFont(font);
    while (Overflows(widget) && font.pointSizeF() - kStep >= kSmallest) {
        font.setPointSizeF(font.pointSizeF() - kStep);
        widget->setFont(font);
    }
}

void SetColourPairs(QPalette& palette, const QColor& background, const QColor& text)
{
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
}

void PaintColours(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    SetColourPairs(palette, background, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void PaintWindowColours(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

namespace {

// Set on a widget, its palette is its own: the parent's fixed colours no longer reach it, and
// neither would the desktop's next scheme, so it is set again on each change.
class DesktopColours : public QObject {
public:
    explicit DesktopColours(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            Apply(static_cast<QWidget*>(watched));
        return false;
    }

    static void Apply(QWidget* widget)
    {
        // Every role marked as the widget's own: a role left unmarked would come from the parent.
        QPalette desktop = QApplication::palette(widget);
        desktop.setResolveMask(~QPalette::ResolveMask{0});
        widget->setPalette(desktop);
    }
};

}  // namespace

void FollowDesktopColours(QWidget* widget)
{
    DesktopColours::Apply(widget);
    new DesktopColours(widget);
}

void StyleButton(QAbstractButton* button, const QColor& face, const QColor& text)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, text);
    button->setPalette(palette);
    WearHouseFace(button);
}

void ClickOnEnter(QPushButton* button)
{
    button->setAutoDefault(true);
}

void LiftLengthLimit(QLineEdit* box)
{
    box->setMaxLength(std::numeric_limits<int>::max());
}

QFrame* MakeBoxFrame(QWidget* parent, const QString& accessibleName)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setAccessibleName(accessibleName);
    return frame;
}

void StyleNavyFrame(QGroupBox* frame)
{
    frame->setAccessibleName(frame->title());
    frame->setFont(Verdana(9.75, true));
    PaintWindowColours(frame, kNavy, kWhite);
}

namespace {

// The sizes drawn from the SVG at build time (see src/CMakeLists.txt).
constexpr std::array kIconSizes{16, 24, 32, 48, 64, 128};

// The drawing of one size.
QImage ReadIconImage(int size)
{
    return ReadRawPixels(QStringLiteral(":/icons/%1.argb").arg(size), QSize(size, size));
}

}  // namespace

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

void NameWindow(QWidget* window, const QString& objectName)
{
    window->setObjectName(objectName);
    window->setWindowTitle(kWindowCaption);
    window->setWindowIcon(ProgramIcon());
}

QIcon ProgramIcon()
{
    // Built once and shared by every window. Never destroyed: its pixmaps must not outlive
    // the application object, which goes before static objects do.
    static const QIcon* const icon = [] {
        auto* built = new QIcon;
        for (const int size : kIconSizes)
            built->addPixmap(QPixmap::fromImage(ReadIconImage(size)));
        return built;
    }();
    return *icon;
}

}  // namespace ui
