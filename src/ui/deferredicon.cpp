#include "ui/deferredicon.h"

#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>
#include <functional>
#include <optional>

namespace ui {
namespace {

// Asks for the real icon only when a size, a pixmap or a painting is wanted.
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

}  // namespace

QIcon DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap icon, const QStyleOption* option,
                           const QWidget* widget)
{
    std::optional<QStyleOption> copied;
    if (option != nullptr)
        copied = *option;
    QPointer<const QWidget> guarded(widget);
    QPointer<const QStyle> guardedStyle(style);
    return QIcon(new DeferredIconEngine([icon, copied, guarded, guardedStyle] {
        return guardedStyle ? guardedStyle->standardIcon(icon, copied ? &*copied : nullptr, guarded.data()) : QIcon();
    }));
}

}  // namespace ui
