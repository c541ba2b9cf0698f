// What desktop users expect of every window: Enter on a focused button clicks it, the lists
// wear the house colours, text boxes take text of any length, and a window larger than a
// small screen keeps its caption and close box on it.
#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "appfixture.h"
#include "ui/form.h"
#include "ui/main/frmmain.h"
#include "ui/promo/frmexitscreen.h"
#include "ui/result/frmpersonalmonth.h"

namespace {

// The share of the image's pixels within a few steps of the colour on every channel.
double ShareOf(const QImage& image, const QColor& colour)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    qsizetype near = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            const QColor c = pixels.pixelColor(x, y);
            near += std::abs(c.red() - colour.red()) <= 8 && std::abs(c.green() - colour.green()) <= 8 &&
                    std::abs(c.blue() - colour.blue()) <= 8;
        }
    }
    return double(near) / double(pixels.width() * pixels.height());
}

TEST_F(AppFixture, return_and_keypad_enter_click_the_focused_button_and_only_the_button)
{
    QWidget* main = &registry.show<ui::frmMain>();
    QWidget* result = &registry.load<ui::frmPersonalMonth>();
    QWidget* exitScreen = &registry.load<ui::frmExitScreen>();
    const struct {
        QWidget* window;
        const char* button;
    } buttons[] = {{main, "cmdNext"}, {result, "cmdback"}, {exitScreen, "cmdClose"}, {exitScreen, "cmdSubmit"}};
    for (const auto& [window, name] : buttons) {
        SCOPED_TRACE(name);
        auto* button = child<QPushButton>(window, name);
        // What the button does is tested elsewhere; here only that the key clicks it.
        QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
        QSignalSpy clicks(button, &QPushButton::clicked);
        activate(window);
        button->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), button);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(clicks.count(), 1) << "Return";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(clicks.count(), 2) << "keypad Enter";
        window->hide();
    }

    // Enter in a name box is no Next: there is no default button, so no message box appears.
    activate(main);
    auto* firstName = child<QLineEdit>(main, "txtFirstName");
    firstName->setFocus();
    QTest::keyClick(firstName, Qt::Key_Return);
    QTest::keyClick(firstName, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(AppFixture, birth_date_lists_and_their_open_drop_downs_wear_the_house_colours)
{
    QWidget* main = &registry.show<ui::frmMain>();
    for (const char* name : {"cboMonth", "cboDate", "cboYear"}) {
        SCOPED_TRACE(name);
        auto* list = child<QComboBox>(main, name);
        const QImage closed = list->grab().toImage();
        EXPECT_GT(ShareOf(closed, ui::kHouseBlue), 0.5) << "background";
        EXPECT_GT(ShareOf(closed, ui::kWhite), 0.01) << "white text";
        // The drop-down button at the right holds nothing but its white arrow.
        const QImage button = closed.copy(closed.width() - 14, 0, 14, closed.height());
        EXPECT_GT(ShareOf(button, ui::kWhite), 0.02) << "white arrow";
        list->showPopup();
        const QImage open = list->view()->grab().toImage();
        EXPECT_GT(ShareOf(open, ui::kHouseBlue), 0.5) << "open list background";
        EXPECT_GT(ShareOf(open, ui::kWhite), 0.001) << "open list text";
        // Made at the first opening, the open list still has the list's font.
        EXPECT_EQ(list->view()->font(), list->font());
        list->hidePopup();
    }
}

TEST_F(AppFixture, name_and_referral_boxes_take_text_longer_than_qt_default_limit)
{
    QWidget* main = &registry.load<ui::frmMain>();
    QWidget* exitScreen = &registry.load<ui::frmExitScreen>();
    const QString longText(40000, QLatin1Char('N'));
    const struct {
        QWidget* window;
        const char* box;
    } boxes[] = {{main, "txtFirstName"},        {main, "txtMiddleName"},  {main, "txtLastName"},
                 {exitScreen, "txtName"},       {exitScreen, "txtEmail"}, {exitScreen, "txtFriendName"},
                 {exitScreen, "txtFriendEmail"}};
    for (const auto& [window, name] : boxes) {
        auto* box = child<QLineEdit>(window, name);
        box->setText(longText);
        EXPECT_EQ(box->text().size(), longText.size()) << name;
    }
}

TEST(WindowPlacement, centres_a_window_that_fits_and_keeps_a_larger_one_on_the_screen)
{
    const struct {
        QSize frame;
        QRect available;
        QPoint corner;
    } cases[] = {
        {{400, 300}, {0, 0, 1280, 1024}, {440, 362}},  // fits: centred
        {{400, 300}, {0, 30, 1280, 994}, {440, 377}},  // a panel on top: centred in what is left
        {{745, 340}, {0, 0, 640, 480}, {0, 70}},       // too wide: left edge on the screen
        {{745, 500}, {0, 24, 640, 456}, {0, 24}},      // too large both ways: top-left inside the area
        {{300, 500}, {1280, 0, 640, 480}, {1450, 0}},  // a second screen to the right
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::PlaceOnScreen(c.frame, c.available), c.corner) << c.frame.width() << "x" << c.frame.height();
}

}  // namespace
