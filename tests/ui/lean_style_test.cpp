// The start-up savings must not show: windows built under the lean style look exactly as
// under the platform style, but for the buttons and lists it draws in the house look, which look
// the same over any platform style. Compared over the Windows style, whose captioned frames the
// lean style draws over Fusion too. And the icon drawn at build time is the right drawing at
// every scale.
#include "ui/leanstyle.h"

#include <QPainter>
#include <QStyle>
#include <QStyleFactory>

#include "appfixture.h"
#include "ui/housedrawing.h"
#include "ui/main/frmmain.h"
#include "ui/programicon.h"
#include "ui/promo/frmabout.h"
#include "ui/promo/frmexitscreen.h"
#include "ui/result/frmpersonalmonth.h"

namespace {

struct Painted {
    QImage window;
    std::vector<QImage> houseFaces;
};

class LeanStyleTest : public AppFixture {
protected:
    void TearDown() override
    {
        QApplication::setStyle(new ui::LeanStyle);
        AppFixture::TearDown();
    }

    // Builds every window afresh under the given style (as the program does, after setting its
    // style) and paints each: the window with its house buttons and lists blanked out, and those
    // on their own.
    std::vector<Painted> buildAndPaintAll(QStyle* style)
    {
        QApplication::setStyle(style);
        registry.unloadAll();
        flushDeletes();
        std::vector<Painted> painted;
        for (QWidget* window : {registry.load<ui::frmMain>().widget(), registry.load<ui::frmPersonalMonth>().widget(),
                                registry.load<ui::frmExitScreen>().widget(), registry.load<ui::frmAbout>().widget()}) {
            Painted& one = painted.emplace_back(Painted{window->grab().toImage(), {}});
            QPainter blank(&one.window);
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!ui::IsHouseControl(widget))
                    continue;
                one.houseFaces.push_back(widget->grab().toImage());
                blank.fillRect(QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()), Qt::black);
            }
        }
        return painted;
    }
};

TEST_F(LeanStyleTest, windows_and_the_menu_bar_overflow_arrow_look_exactly_as_with_the_platform_style)
{
    const std::vector<Painted> platform = buildAndPaintAll(QStyleFactory::create(QStringLiteral("windows")));
    const QIcon platformArrow = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);

    const std::vector<Painted> lean =
        buildAndPaintAll(new ui::LeanStyle(QStyleFactory::create(QStringLiteral("windows"))));
    const std::vector<Painted> leanOverFusion =
        buildAndPaintAll(new ui::LeanStyle(QStyleFactory::create(QStringLiteral("fusion"))));
    std::size_t houseFaces = 0;
    for (std::size_t i = 0; i < platform.size(); ++i) {
        EXPECT_TRUE(platform[i].window == lean[i].window) << "window " << i << " looks different";
        houseFaces += lean[i].houseFaces.size();
        ASSERT_EQ(lean[i].houseFaces.size(), leanOverFusion[i].houseFaces.size());
        for (std::size_t j = 0; j < lean[i].houseFaces.size(); ++j)
            EXPECT_TRUE(lean[i].houseFaces[j] == leanOverFusion[i].houseFaces[j])
                << "window " << i << ", house button or list " << j << " depends on the platform style";
    }
    EXPECT_EQ(houseFaces, 7u) << "Next, the three lists and Exit; Back; OK";

    QApplication::setStyle(new ui::LeanStyle(QStyleFactory::create(QStringLiteral("windows"))));
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
