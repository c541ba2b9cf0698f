// The About window: layout and texts, every way of closing it, and its links.
#include "ui/promo/frmabout.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <functional>

#include "appfixture.h"
#include "ui/programicon.h"
#include "ui/twips.h"

namespace {

class AboutWindow : public AppFixture {
protected:
    // Modal as Help > About shows it, but without a nested event loop holding up the test.
    ui::frmAbout& open()
    {
        auto& about = registry.load<ui::frmAbout>();
        about.open();
        activate(&about);
        return about;
    }
};

TEST_F(AboutWindow, controls_sit_where_the_twips_table_puts_them_with_their_texts)
{
    auto& about = registry.load<ui::frmAbout>();
    EXPECT_EQ(about.size(), QSize(ui::Twips(6825), ui::Twips(3720)));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_FALSE(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    const QString home = "http://www.orvanesoftwares.com";
    const std::tuple<const char*, QRect, QString> places[] = {
        {"cmdOK", ui::TwipsRect(5400, 3240, 1260, 345), "OK"},
        {"Label2", ui::TwipsRect(960, 120, 5295, 255), kCaption},
        {"Label1", ui::TwipsRect(840, 480, 5655, 1275),  // a rights notice follows
         "OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your "
         "life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, "
         "Current Month and Current Year. So this software helps you in getting the current and past month's "
         "forecast.  "},
        {"Label3", ui::TwipsRect(840, 2160, 5685, 675),
         "Home Business Opportunity. Start your own Internet business and make money online. Get this software "
         "fully branded for your website."},
        // Link labels grow from their corner to fit the text; one wider than its box ends at the box's right edge.
        {"lblHomePage", ui::TwipsRect(2640, 1800, 4050, 195), "Click here to visit " + home},
        {"lblCobrand", ui::TwipsRect(4320, 2760, 2415, 195), " Click here for more details."},
    };
    for (const auto& [name, box, text] : places) {
        QWidget* control = child(&about, name);
        auto* label = qobject_cast<QLabel*>(control);
        const QString shown = label ? label->text() : qobject_cast<QPushButton*>(control)->text();
        EXPECT_EQ(qstrcmp(name, "Label1") == 0 ? shown.left(text.size()) : shown, text) << name;
        const QRect at = control->geometry();
        if (qstrncmp(name, "lbl", 3) == 0) {
            const bool fits = at.width() <= box.width();
            EXPECT_EQ(fits ? at.topLeft() : at.topRight(), fits ? box.topLeft() : box.topRight()) << name;
            EXPECT_GE(at.width(), control->fontMetrics().horizontalAdvance(shown)) << name;
            EXPECT_TRUE(about.rect().contains(at)) << name;
        } else {
            EXPECT_EQ(at, box) << name;
            EXPECT_TRUE(!label || label->heightForWidth(at.width()) <= at.height()) << name << " clips its text";
        }
    }
    EXPECT_TRUE(child<QLabel>(&about, "Label1")->text().contains("www.orvanesoftwares.com"));
    EXPECT_TRUE(child<QPushButton>(&about, "cmdOK")->isDefault());
    const QRect line = child(&about, "Line1")->geometry();
    EXPECT_TRUE(line.y() == 210 && line.height() == 2 && line.x() <= 0 && line.right() >= about.width() - 1);
    auto* picture = child<QLabel>(&about, "Picture1");
    EXPECT_EQ(picture->geometry(), QRect(8, 8, 32, 32));
    EXPECT_EQ(picture->pixmap().toImage(), ui::ProgramPixmap(32).toImage());
    EXPECT_FALSE(picture->pixmap().toImage().allGray()) << "the icon draws something in colour";
}

TEST_F(AboutWindow, enter_esc_ok_and_the_close_box_each_close_it)
{
    const std::pair<const char*, std::function<void(ui::frmAbout&)>> ways[] = {
        {"Enter", [](ui::frmAbout&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
        {"Esc", [](ui::frmAbout&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        {"OK", [](ui::frmAbout& a) { QTest::mouseClick(child(&a, "cmdOK"), Qt::LeftButton); }},
        {"close box", [](ui::frmAbout& a) { a.windowHandle()->close(); }},
    };
    for (const auto& [way, close] : ways) {
        QPointer<ui::frmAbout> about = &open();
        EXPECT_EQ(QApplication::activeModalWidget(), about.data()) << way;
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK")) << way;
        close(*about);
        flushDeletes();
        // The caller unloads it once the modal run has ended: nothing may destroy it before.
        ASSERT_FALSE(about.isNull()) << way;
        EXPECT_FALSE(about->isVisible()) << way;
        registry.unload(*about);
        flushDeletes();
    }
}

TEST_F(AboutWindow, links_open_their_page_each_click_and_leave_it_open)
{
    const QString home = "http://www.orvanesoftwares.com";
    ui::frmAbout& about = open();
    for (const char* name : {"lblHomePage", "lblHomePage", "lblCobrand"})
        QTest::mouseClick(child(&about, name), Qt::LeftButton);
    const QString offer = "http://help.orvanesoftwares.com/fully-branded.html";
    EXPECT_EQ(fake.browser.opened, QStringList({home, home, offer}));
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), &about);
}

TEST_F(AboutWindow, a_second_opening_is_a_fresh_window_built_the_same)
{
    const auto snapshot = [](ui::frmAbout& about) {
        QList<std::tuple<QString, QRect, QString>> result;
        for (QWidget* control : about.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            auto* label = qobject_cast<QLabel*>(control);
            result.append({control->objectName(), control->geometry(), label ? label->text() : QString()});
        }
        return result;
    };
    QPointer<ui::frmAbout> first = &registry.load<ui::frmAbout>();
    const auto before = snapshot(*first);
    registry.unload(*first);
    flushDeletes();
    ASSERT_TRUE(first.isNull());
    EXPECT_EQ(snapshot(registry.load<ui::frmAbout>()), before);
    EXPECT_EQ(before.size(), 8);
}

}  // namespace
