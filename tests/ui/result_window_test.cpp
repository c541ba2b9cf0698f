// The result window: layout, the written result, the clipboard clearing, the read-only box, Back,
// the close box and the promotional links.
#include "ui/result/frmpersonalmonth.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>

#include "appfixture.h"
#include "ui/main/frmmain.h"
#include "ui/promo/frmexitscreen.h"
#include "ui/twips.h"

namespace {

class ResultWindow : public AppFixture {
protected:
    ui::frmPersonalMonth& open(int number)
    {
        auto& form = registry.show<ui::frmPersonalMonth>();
        activate(&form);
        ui::ShowPersonalMonthResult(number, form);
        return form;
    }
};

TEST_F(ResultWindow, controls_sit_where_the_twips_table_puts_them)
{
    struct Place {
        const char* name;
        const char* container;  // nullptr: the window
        int left, top, width, height;
    };
    const Place places[] = {
        {"Frame2", nullptr, 60, 0, 6300, 615},           {"Label61", "Frame2", 120, 135, 6120, 585},
        {"txtDisplay", nullptr, 60, 690, 6300, 2955},    {"cmdback", nullptr, 5250, 3780, 1095, 375},
        {"Frame5", nullptr, 60, 4200, 6300, 975},        {"lblCobrand", "Frame5", 255, 240, 5865, 615},
        {"lblFullBrand", "Frame5", 255, 240, 5865, 615},
    };
    auto& form = registry.load<ui::frmPersonalMonth>();
    EXPECT_EQ(form.size(), QSize(ui::Twips(6375), ui::Twips(5220)));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    for (const Place& p : places) {
        QWidget* control = child(&form, p.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), ui::TwipsRect(p.left, p.top, p.width, p.height)) << p.name;
        EXPECT_EQ(control->parentWidget(), p.container ? child(&form, p.container) : &form) << p.name;
    }
}

TEST_F(ResultWindow, writes_the_result_in_four_changes_and_puts_the_caret_at_the_start)
{
    const QString expected3 =
        kResultHeading +
        QStringLiteral(
            "3\n\nThe Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends "
            "and particular influences that are affecting you personally.\n\nThis is the month of creativity. Maintain "
            "optimism and free your mind. You can start anything new this month. Explore the artistic side of "
            "yourself. "
            "Invitations, friends and social activities are in the air.\n\n\n\n");
    for (const auto& [number, expected] : {std::pair{3, expected3}, {9, kResultHeading + "9\n\n"}}) {
        auto& form = registry.show<ui::frmPersonalMonth>();
        QPlainTextEdit* box = form.txtDisplay();
        QSignalSpy changes(box, &QPlainTextEdit::textChanged);
        const int clearsBefore = fake.clipboard.clears;
        ui::ShowPersonalMonthResult(number, form);

        EXPECT_EQ(changes.count(), 4) << number;
        EXPECT_EQ(fake.clipboard.clears - clearsBefore, 4) << number;
        // The whole text for 3; for 9 its heading and the blank line after it.
        EXPECT_EQ(number == 3 ? box->toPlainText() : box->toPlainText().left(expected.size()), expected);
        EXPECT_EQ(box->textCursor().position(), 0) << number;
        EXPECT_FALSE(box->textCursor().hasSelection()) << number;
        registry.unload(form);
        flushDeletes();
    }
}

TEST_F(ResultWindow, mouse_over_the_box_empties_the_clipboard_each_time)
{
    ui::frmPersonalMonth& form = open(5);
    QWidget* viewport = form.txtDisplay()->viewport();
    const QPoint inside = viewport->rect().center();
    const auto clearsBy = [this](const std::function<void()>& act) {
        const int before = fake.clipboard.clears;
        act();
        return fake.clipboard.clears - before;
    };
    // A move from outside the box: a move to where the pointer already is would be dropped.
    QTest::mouseMove(form.windowHandle(), QPoint(1, 1));
    EXPECT_EQ(clearsBy([&] { QTest::mouseMove(form.windowHandle(), viewport->mapTo(&form, inside)); }), 1);
    EXPECT_EQ(clearsBy([&] { QTest::mousePress(viewport, Qt::LeftButton, {}, inside); }), 1);
    // A release is both MouseUp and the end of a click.
    EXPECT_EQ(clearsBy([&] { QTest::mouseRelease(viewport, Qt::LeftButton, {}, inside); }), 2);
    EXPECT_EQ(clearsBy([&] { QTest::mouseClick(viewport, Qt::LeftButton, {}, inside + QPoint(5, 0)); }), 3);
    EXPECT_TRUE(form.txtDisplay()->toPlainText().startsWith(kResultHeading + "5"));
}

TEST_F(ResultWindow, box_takes_no_typing_paste_or_delete_but_selects_with_the_keyboard)
{
    QPlainTextEdit* box = open(3).txtDisplay();
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdback")) << "Back has the focus at first";
    const QString text = box->toPlainText();
    box->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QSignalSpy changes(box, &QPlainTextEdit::textChanged);

    QTest::keyClicks(box, QStringLiteral("typed"));
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                         {Qt::Key_Delete, Qt::NoModifier},
                                         {Qt::Key_V, Qt::ControlModifier},
                                         {Qt::Key_Insert, Qt::ShiftModifier},
                                         {Qt::Key_End, Qt::ShiftModifier},  // selects the heading line
                                         {Qt::Key_Backspace, Qt::NoModifier},
                                         {Qt::Key_X, Qt::ControlModifier}})
        QTest::keyClick(box, key, modifiers);

    EXPECT_EQ(box->toPlainText(), text);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(box->textCursor().selectedText(), kResultHeading + "3");
}

TEST_F(ResultWindow, back_returns_to_the_main_window_and_the_close_box_to_the_exit_screen)
{
    // Centred on its first show only: Back leaves it where the user moved it.
    const QRect screen = registry.show<ui::frmMain>().screen()->availableGeometry();
    QWidget* moved = registry.find<ui::frmMain>();
    EXPECT_LE((moved->frameGeometry().center() - screen.center()).manhattanLength(), 1);
    moved->move(screen.topLeft() + QPoint(40, 30));
    for (const bool back : {true, false}) {
        // The main window as Next leaves it: loaded with the user's entries, then hidden.
        auto& main = registry.show<ui::frmMain>();
        child<QLineEdit>(&main, "txtFirstName")->setText(QStringLiteral("Ann"));
        child<QComboBox>(&main, "cboMonth")->setCurrentIndex(4);
        main.hide();
        QPointer<ui::frmPersonalMonth> form = &open(4);

        back ? QTest::mouseClick(child(form, "cmdback"), Qt::LeftButton) : void(form->windowHandle()->close());
        flushDeletes();

        EXPECT_TRUE(form.isNull()) << back;
        EXPECT_EQ(main.isVisible(), back);
        EXPECT_EQ(main.pos(), screen.topLeft() + QPoint(40, 30));
        EXPECT_EQ(child<QLineEdit>(&main, "txtFirstName")->text(), QStringLiteral("Ann"));
        EXPECT_EQ(child<QComboBox>(&main, "cboMonth")->currentText(), QStringLiteral("May"));
        ASSERT_NE(registry.find<ui::frmExitScreen>(), nullptr) << "the unload shows the exit screen, Back hides it";
        EXPECT_EQ(registry.find<ui::frmExitScreen>()->isVisible(), !back);
        EXPECT_EQ(endProgramCalls, 0);
    }
}

TEST_F(ResultWindow, link_labels_open_one_page_each_and_the_offer_in_front_wins)
{
    ui::frmPersonalMonth& form = open(3);
    const QString fullyBranded = QStringLiteral("http://help.orvanesoftwares.com/fully-branded.html");
    // lblCobrand lies under lblFullBrand: a click on its area reaches the label in front.
    for (const auto& [label, address] : {std::pair{"Label61", QStringLiteral("http://www.orvanesoftwares.com")},
                                         {"lblFullBrand", fullyBranded},
                                         {"lblCobrand", fullyBranded}}) {
        fake.browser.opened.clear();
        QWidget* target = child(&form, label);
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, target->mapTo(&form, target->rect().center()));
        EXPECT_EQ(fake.browser.opened, QStringList{address}) << label;
    }
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
