// The result window: layout, the written result, the clipboard clearing, read-only box, Back,
// the close box and the promotional links.
#include "ui/result/frmpersonalmonth.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>

#include "appfixture.h"
#include "ui/look.h"
#include "ui/main/frmmain.h"
#include "ui/promo/frmexitscreen.h"

namespace {

const QString kHeading = QStringLiteral("Your Varodara Zevaz Adavuv is: ");
const QString kExplanation = QStringLiteral(
    "The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the "
    "trends and particular influences that are affecting you personally.");
const QString kReading3 = QStringLiteral(
    "This is the month of creativity. Maintain optimism and free your mind. You can start anything "
    "new this month. Explore the artistic side of yourself. Invitations, friends and social "
    "activities are in the air.");

class ResultWindow : public AppFixture {
protected:
    ui::frmPersonalMonth& open()
    {
        ui::frmPersonalMonth& form = registry.show<ui::frmPersonalMonth>();
        activate(&form);
        return form;
    }

    // The main window as Next leaves it: loaded with the user's entries, then hidden.
    ui::frmMain& hiddenMainWindow()
    {
        ui::frmMain& main = registry.show<ui::frmMain>();
        child<QLineEdit>(&main, "txtFirstName")->setText(QStringLiteral("Ann"));
        child<QLineEdit>(&main, "txtLastName")->setText(QStringLiteral("Lee"));
        child<QComboBox>(&main, "cboMonth")->setCurrentIndex(4);
        main.hide();
        return main;
    }

    // A click where the user would click: Qt finds the widget under the point.
    static void clickAt(QWidget* target)
    {
        QWidget* window = target->window();
        const QPoint point = target->mapTo(window, target->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, point);
    }
};

TEST_F(ResultWindow, controls_sit_where_the_twips_table_puts_them)
{
    struct Place {
        const char* name;
        int left, top, width, height;
    };
    const Place places[] = {
        {"Frame2", 60, 0, 6300, 615},         {"Label61", 120, 135, 6120, 585},
        {"txtDisplay", 60, 690, 6300, 2955},  {"cmdback", 5250, 3780, 1095, 375},
        {"Frame5", 60, 4200, 6300, 975},      {"lblCobrand", 255, 240, 5865, 615},
        {"lblFullBrand", 255, 240, 5865, 615},
    };
    ui::frmPersonalMonth& form = registry.load<ui::frmPersonalMonth>();
    for (const Place& place : places) {
        QWidget* control = child(&form, place.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), ui::TwipsRect(place.left, place.top, place.width, place.height))
            << place.name;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << place.name;
    }
    EXPECT_EQ(child(&form, "Label61")->parentWidget()->objectName(), QStringLiteral("Frame2"));
    EXPECT_EQ(child(&form, "lblCobrand")->parentWidget()->objectName(), QStringLiteral("Frame5"));
    EXPECT_EQ(child(&form, "lblFullBrand")->parentWidget()->objectName(), QStringLiteral("Frame5"));

    EXPECT_EQ(form.size(), QSize(425, 348));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("OV Varodara Zevaz Adavuv v1.75"));
    EXPECT_EQ(child<QPushButton>(&form, "cmdback")->text(), QStringLiteral("&Back"));
    EXPECT_EQ(child<QLabel>(&form, "lblCobrand")->text(),
              QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your "
                             "site. Put your site's name &  link here. See \"Help\" for details.Click Here "
                             "for more info on co-branding."));
    EXPECT_TRUE(form.txtDisplay()->toPlainText().isEmpty());
    EXPECT_EQ(form.txtDisplay()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(ResultWindow, opens_centred_with_the_focus_on_back_and_tab_reaches_only_the_box)
{
    ui::frmPersonalMonth& form = open();
    QWidget* cmdback = child(&form, "cmdback");
    EXPECT_EQ(QApplication::focusWidget(), cmdback);
    const QPoint offCentre = form.frameGeometry().center() - form.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2) << "opens centred";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.txtDisplay());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), cmdback);
}

TEST_F(ResultWindow, writes_the_result_in_four_changes_and_puts_the_caret_at_the_start)
{
    const QString expected3 = kHeading + QStringLiteral("3\n\n") + kExplanation + QStringLiteral("\n\n") +
                              kReading3 + QStringLiteral("\n\n\n\n");
    struct Case {
        int number;
        QString firstLine;
    };
    for (const Case& c : {Case{3, kHeading + QStringLiteral("3")}, Case{9, kHeading + QStringLiteral("9")}}) {
        SCOPED_TRACE(c.number);
        ui::frmPersonalMonth& form = open();
        QPlainTextEdit* box = form.txtDisplay();
        QSignalSpy changes(box, &QPlainTextEdit::textChanged);
        const int clearsBefore = fake.clipboard.clears;

        ui::ShowPersonalMonthResult(c.number, form);

        EXPECT_EQ(changes.count(), 4);
        EXPECT_EQ(fake.clipboard.clears - clearsBefore, 4);
        EXPECT_EQ(box->toPlainText().split(QLatin1Char('\n')).first(), c.firstLine);
        if (c.number == 3) {
            EXPECT_EQ(box->toPlainText(), expected3);
        }
        EXPECT_EQ(box->textCursor().position(), 0);
        EXPECT_FALSE(box->textCursor().hasSelection());
        EXPECT_EQ(box->verticalScrollBar()->value(), 0);

        registry.unload(form);
        flushDeletes();
    }
}

TEST_F(ResultWindow, mouse_over_the_box_empties_the_clipboard_each_time)
{
    ui::frmPersonalMonth& form = open();
    ui::ShowPersonalMonthResult(5, form);
    QWidget* viewport = form.txtDisplay()->viewport();
    const QPoint inside = viewport->rect().center();

    struct Step {
        const char* name;
        std::function<void()> act;
        int clears;  // MouseUp and Click both come with a release
    };
    const Step steps[] = {
        {"move",
         [&] {
             // From outside the box: a move to where the pointer already is would be dropped.
             QWidget* away = child(&form, "cmdback");
             QTest::mouseMove(form.windowHandle(), away->mapTo(&form, away->rect().center()));
             QTest::mouseMove(form.windowHandle(), viewport->mapTo(&form, inside));
         },
         1},
        {"press", [&] { QTest::mousePress(viewport, Qt::LeftButton, {}, inside); }, 1},
        {"release", [&] { QTest::mouseRelease(viewport, Qt::LeftButton, {}, inside); }, 2},
        {"click", [&] { QTest::mouseClick(viewport, Qt::LeftButton, {}, inside + QPoint(5, 0)); }, 3},
    };
    for (const Step& step : steps) {
        const int before = fake.clipboard.clears;
        step.act();
        EXPECT_EQ(fake.clipboard.clears - before, step.clears) << step.name;
    }
    // None of this is a change of the text.
    EXPECT_TRUE(form.txtDisplay()->toPlainText().startsWith(kHeading + QStringLiteral("5")));
}

TEST_F(ResultWindow, box_takes_no_typing_paste_or_delete_but_selects_with_the_keyboard)
{
    ui::frmPersonalMonth& form = open();
    ui::ShowPersonalMonthResult(3, form);
    QPlainTextEdit* box = form.txtDisplay();
    const QString text = box->toPlainText();
    box->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), box);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QSignalSpy changes(box, &QPlainTextEdit::textChanged);

    QTest::keyClicks(box, QStringLiteral("typed"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);  // selects the heading line
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);

    EXPECT_EQ(box->toPlainText(), text);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(box->textCursor().selectedText(), kHeading + QStringLiteral("3"));
}

TEST_F(ResultWindow, back_returns_to_the_main_window_as_left_and_hides_the_exit_screen)
{
    ui::frmMain& main = hiddenMainWindow();
    QPointer<ui::frmPersonalMonth> form = &open();
    ui::ShowPersonalMonthResult(4, *form);

    QTest::mouseClick(child(form, "cmdback"), Qt::LeftButton);
    flushDeletes();

    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(registry.find<ui::frmPersonalMonth>(), nullptr);
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(child<QLineEdit>(&main, "txtFirstName")->text(), QStringLiteral("Ann"));
    EXPECT_EQ(child<QLineEdit>(&main, "txtLastName")->text(), QStringLiteral("Lee"));
    EXPECT_EQ(child<QComboBox>(&main, "cboMonth")->currentIndex(), 4);
    ui::frmExitScreen* exitScreen = registry.find<ui::frmExitScreen>();
    ASSERT_NE(exitScreen, nullptr) << "the unload shows the exit screen, Back hides it again";
    EXPECT_FALSE(exitScreen->isVisible());
    EXPECT_EQ(endProgramCalls, 0);

    // The next result goes into a fresh, empty box.
    EXPECT_TRUE(registry.show<ui::frmPersonalMonth>().txtDisplay()->toPlainText().isEmpty());
}

TEST_F(ResultWindow, close_box_leads_to_the_exit_screen_with_the_main_window_hidden)
{
    ui::frmMain& main = hiddenMainWindow();
    QPointer<ui::frmPersonalMonth> form = &open();
    ui::ShowPersonalMonthResult(7, *form);

    form->windowHandle()->close();
    flushDeletes();

    EXPECT_TRUE(form.isNull());
    EXPECT_FALSE(main.isVisible());
    ui::frmExitScreen* exitScreen = registry.find<ui::frmExitScreen>();
    ASSERT_NE(exitScreen, nullptr);
    EXPECT_TRUE(exitScreen->isVisible());
    EXPECT_EQ(endProgramCalls, 0);
}

TEST_F(ResultWindow, link_labels_open_one_page_each_and_the_offer_in_front_wins)
{
    ui::frmPersonalMonth& form = open();
    struct Case {
        const char* label;
        QString address;
    };
    const Case cases[] = {
        {"Label61", shell::SiteAddress(shell::Site::Main)},
        {"lblFullBrand", shell::SiteAddress(shell::Site::Help, QStringLiteral("/fully-branded.html"))},
        // Covered by lblFullBrand: a click on its area reaches the label in front.
        {"lblCobrand", shell::SiteAddress(shell::Site::Help, QStringLiteral("/fully-branded.html"))},
    };
    for (const Case& c : cases) {
        fake.browser.opened.clear();
        clickAt(child(&form, c.label));
        EXPECT_EQ(fake.browser.opened, QStringList{c.address}) << c.label;
    }
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
