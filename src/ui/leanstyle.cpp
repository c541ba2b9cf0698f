#include "ui/leanstyle.h"

#include <qdrawutil.h>
#include <QGroupBox>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>
#include <functional>
#include <optional>

namespace ui {
namespace {

// Asks the style for the real icon only when a size, a pixmap or a painting is wanted.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> load) : m_load(std::move(load)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (!m_icon)
            m_icon = m_load();
        return *m_icon;
    }

    std::function<QIcon()> m_load;
    std::optional<QIcon> m_icon;
};

constexpr int kGroupBoxTopMargin = 3;
constexpr QMargins kGroupBoxFrameBorder{6, 6, 6, 6};

}  // namespace

QIcon LeanStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The option and the widget are copied or guarded: the icon may be drawn long after.
    std::optional<QStyleOption> copied;
    if (option != nullptr)
        copied = *option;
    QPointer<const QWidget> guarded(widget);
    QPointer<const QStyle> style(baseStyle());
    return QIcon(new DeferredIconEngine([icon, copied, guarded, style] {
        return style ? style->standardIcon(icon, copied ? &*copied : nullptr, guarded.data()) : QIcon();
    }));
}

void LeanStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    const bool fusion = baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
    if (element != PE_FrameGroupBox || !fusion)
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (!m_groupBoxFrameRead) {
        m_groupBoxFrameRead = true;
        QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"), "png");
        reader.setAutoDetectImageFormat(false);
        m_groupBoxFrame = QPixmap::fromImage(reader.read());
    }
    if (m_groupBoxFrame.isNull())
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    // Fusion's own measure: the frame starts below the title, or near the top without one.
    int topMargin = kGroupBoxTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (box == nullptr || box->isCheckable() || !box->title().isEmpty())
        topMargin += qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), kGroupBoxFrameBorder, m_groupBoxFrame);
}

}  // namespace ui
