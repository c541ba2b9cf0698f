#pragma once
// The platform's own style, without the two image reads it makes on every start. Each read
// of an image by file name makes Qt's image reader load every image-format plugin installed
// (JPEG, GIF, ICO, SVG...) to ask whether it wants the file, which costs start-up time and
// memory although the program shows no such image. So:
//   - the menu bar's overflow arrow, built with every menu bar but shown only when the menu
//     titles do not fit (never, on our fixed-size windows), is read when it is first drawn;
//   - the Fusion group box frame image is read with the PNG reader named, and drawn as
//     Fusion draws it.
#include <QPixmap>
#include <QProxyStyle>

namespace ui {

class LeanStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    mutable QPixmap m_groupBoxFrame;
    mutable bool m_groupBoxFrameRead = false;
};

}  // namespace ui
