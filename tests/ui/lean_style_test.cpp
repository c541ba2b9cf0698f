// The start-up savings must not show: windows built under the lean style look exactly as
// under the platform style, and the icon drawn at build time is the right drawing at every scale.
#include "ui/leanstyle.h"

#include <QStyle>

#include "appfixture.h"
#include "ui/look.h"
#include "ui/main/frmmain.h"
#include "ui/promo/frmabout.h"
#include "ui/promo/frmexitscreen.h"
#include "ui/result/frmpersonalmonth.h"

namespace {

class LeanStyleTest : public AppFixture {
protected:
    void TearDown() override
    {
        QApplication::setStyle(m_platformStyle);
        AppFixture::TearDown();
    }

    // Builds every window afresh under the current style (as the program does, after setting
    // its style) and paints each.
    std::vector<QImage> buildAndPaintAll()
    {
        registry.unloadAll();
        flushDeletes();
        std::vector<QImage> images;
        for (QWidget* window : {registry.load<ui::frmMain>().widget(), registry.load<ui::frmPersonalMonth>().widget(),
                                registry.load<ui::frmExitScreen>().widget(), registry.load<ui::frmAbout>().widget()})
            images.push_back(window->grab().toImage());
        return images;
    }

    const QString m_platformStyle = QApplication::style()->name();
};

TEST_F(LeanStyleTest, windows_and_the_menu_bar_overflow_arrow_look_exactly_as_with_the_platform_style)
{
    const std::vector<QImage> platform = buildAndPaintAll();
    const QIcon platformArrow = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);

    QApplication::setStyle(new ui::LeanStyle);
    const std::vector<QImage> lean = buildAndPaintAll();
    for (std::size_t i = 0; i < platform.size(); ++i)
        EXPECT_TRUE(platform[i] == lean[i]) << "window " << i << " looks different";

    const QIcon leanArrow = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    EXPECT_EQ(leanArrow.availableSizes(), platformArrow.availableSizes());
    for (const int size : {8, 16, 32})
        EXPECT_TRUE(leanArrow.pixmap(size).toImage() == platformArrow.pixmap(size).toImage()) << size;
}

TEST(ProgramIcon, every_size_is_its_own_drawing_and_pictures_take_the_drawing_for_their_scale)
{
    const QIcon icon = ui::ProgramIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
    // Opaque centre, transparent corner: a real drawing, not an empty or garbled image.
    const QImage large = icon.pixmap(128).toImage();
    EXPECT_EQ(qAlpha(large.pixel(64, 64)), 255);
    EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0);

    // At twice the scale a 32-pixel picture is the 64-pixel drawing, not the 32 one enlarged.
    const QPixmap doubled = ui::ProgramPixmap(32, 2.0);
    EXPECT_EQ(doubled.deviceIndependentSize(), QSizeF(32, 32));
    QImage pixels = doubled.toImage();
    pixels.setDevicePixelRatio(1.0);
    EXPECT_TRUE(pixels == icon.pixmap(64).toImage().convertToFormat(pixels.format()));
    // A scale with no drawing of its own is the next drawing up, made smaller.
    EXPECT_EQ(ui::ProgramPixmap(32, 1.25).toImage().size(), QSize(40, 40));
}

}  // namespace
