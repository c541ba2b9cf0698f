// What desktop users expect of every window: Enter on a focused button clicks it, text boxes take text of any length,
// and a window larger than a small screen keeps its caption and close box on it.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "appfixture.h"
#include "ui/form.h"
#include "ui/main/frmmain.h"
#include "ui/promo/frmexitscreen.h"
#include "ui/result/frmpersonalmonth.h"

namespace {

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
