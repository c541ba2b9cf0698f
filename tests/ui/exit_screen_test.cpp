// The exit screen: layout, the random promotional line, placeholders, the space filter of the
// address boxes, the two links, the tab order and the ways out through EndProgram.
#include "ui/promo/frmexitscreen.h"  // first: form.h before the registry

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QUrl>
#include <cmath>
#include <functional>

#include "appfixture.h"
#include "ui/look.h"
#include "ui/main/frmmain.h"

namespace {

class ExitScreenTest : public AppFixture {
protected:
    ui::frmExitScreen& open()
    {
        ui::frmExitScreen& form = registry.show<ui::frmExitScreen>();
        activate(&form);
        return form;
    }

    // Unloads the exit screen (its unload calls the recorded EndProgram) and loads it afresh.
    ui::frmExitScreen& reload()
    {
        registry.unload<ui::frmExitScreen>();
        flushDeletes();
        return registry.show<ui::frmExitScreen>();
    }

    static QString textOf(QWidget* control)
    {
        if (auto* line = qobject_cast<QLineEdit*>(control))
            return line->text();
        if (auto* label = qobject_cast<QLabel*>(control))
            return label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            return button->text();
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            return frame->title();
        return ui::MessageBoxText(*qobject_cast<QPlainTextEdit*>(control));
    }

    static void setTextOf(QWidget* box, const QString& text)
    {
        if (auto* line = qobject_cast<QLineEdit*>(box))
            line->setText(text);
        else
            qobject_cast<QPlainTextEdit*>(box)->setPlainText(text);
    }

    static QString focusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

    const QString m_host = QUrl(shell::SiteAddress(shell::Site::Main)).host();
};

// Every control by its name: container, twips placement, and its initial text where it has one.
TEST_F(ExitScreenTest, controls_sit_where_the_twips_table_puts_them_with_their_texts)
{
    const QString window = QStringLiteral("frmExitScreen");
    const struct {
        const char* name;
        QString container;
        int left, top, width, height;
        QString text;
    } places[] = {
        {"Picture1", window, 360, 120, 540, 540, {}},
        {"Label1", window, 1080, 240, 5475, 435, QStringLiteral("OV Varodara Zevaz Adavuv v1.75")},
        {"Label2", window, 120, 840, 6975, 1095, ui::PromotionalLines()[0]},
        {"Check1", window, 30, 2040, 7185, 555, QStringLiteral("Click Here To Visit ") + m_host + QStringLiteral(" Now")},
        {"cmdClose", window, 6000, 2760, 1245, 375, QStringLiteral("E&xit")},
        {"Frame2", window, 120, 3240, 7065, 1455, QStringLiteral("Refer A Friend")},
        {"txtName", "Frame2", 85, 360, 3375, 285, QStringLiteral("Your Name")},
        {"txtEmail", "Frame2", 3600, 360, 3375, 285, QStringLiteral("Your Email Address")},
        {"txtFriendName", "Frame2", 85, 720, 3375, 285, QStringLiteral("Friend's Name")},
        {"txtFriendEmail", "Frame2", 3600, 720, 3375, 285, QStringLiteral("Friend's Email Address")},
        {"cmdSubmit", "Frame2", 1920, 1080, 3375, 285, QStringLiteral("Refer A Friend &Now")},
        {"txtMessage", "Frame2", 4800, 3600, 1815, 495, QStringLiteral("Your Message\r\n")},
        {"Frame6", window, 7320, 120, 3735, 4575, QStringLiteral("Download Orvane Softwares")},
        {"Label3", "Frame6", 120, 360, 3495, 3855, {}},
        {"lblGoToHome", "Frame6", 75, 4250, 3585, 210, QStringLiteral("Click Here To Visit Orvane Softwares")},
    };
    ui::frmExitScreen& form = registry.show<ui::frmExitScreen>();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("OV Varodara Zevaz Adavuv v1.75"));
    EXPECT_EQ(form.size(), QSize(ui::Twips(11115), ui::Twips(4725)));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (const auto& place : places) {
        SCOPED_TRACE(place.name);
        QWidget* control = child(&form, place.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), place.container);
        EXPECT_EQ(control->geometry(), ui::TwipsRect(place.left, place.top, place.width, place.height));
        EXPECT_FALSE(control->accessibleName().isEmpty());
        if (!place.text.isNull()) {
            EXPECT_EQ(textOf(control), place.text);
        }
    }
    // Out of sight below the frame's bottom edge, yet not hidden.
    QWidget* message = child(&form, "txtMessage");
    EXPECT_FALSE(message->parentWidget()->rect().intersects(message->geometry()));
    EXPECT_TRUE(message->isVisible());

    const QString catalogue = child<QLabel>(&form, "Label3")->text();
    EXPECT_TRUE(catalogue.startsWith(QStringLiteral("If you have enjoyed this software")));
    EXPECT_TRUE(catalogue.contains(QStringLiteral("the world\u2019s largest resource")));
    EXPECT_TRUE(catalogue.contains(QStringLiteral("interests.") + QString(61, QLatin1Char(' ')) + QStringLiteral("All")));
    EXPECT_TRUE(catalogue.endsWith(QStringLiteral("friends and family. ")) && !catalogue.endsWith(QStringLiteral("  ")));
}

// Where a substitute font is wider than the design's, nothing may be cut off.
TEST_F(ExitScreenTest, texts_fit_their_boxes)
{
    ui::frmExitScreen& form = registry.show<ui::frmExitScreen>();
    const auto wrappedHeight = [](const QLabel* label) {
        return QFontMetrics(label->font())
            .boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text())
            .height();
    };
    for (const char* name : {"Label2", "Label3"}) {
        SCOPED_TRACE(name);
        const auto* label = child<QLabel>(&form, name);
        EXPECT_LE(wrappedHeight(label), label->height());
    }
    for (const char* name : {"Label1", "lblGoToHome"}) {
        SCOPED_TRACE(name);
        const auto* label = child<QLabel>(&form, name);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
    }
    auto* check = child<QCheckBox>(&form, "Check1");
    QStyleOptionButton option;
    option.initFrom(check);
    const int indicator = check->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, check) +
                          check->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, check);
    EXPECT_LE(indicator + QFontMetrics(check->font()).horizontalAdvance(check->text()), check->width());
    // Every promotional line fits Label2, not just the one drawn.
    auto* label2 = child<QLabel>(&form, "Label2");
    for (const QString& line : ui::PromotionalLines()) {
        label2->setText(line);
        EXPECT_LE(wrappedHeight(label2), label2->height()) << line.toStdString();
    }
}

TEST_F(ExitScreenTest, each_load_seeds_the_generator_and_picks_the_line_of_floor_4r)
{
    const QStringList& lines = ui::PromotionalLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(
        QStringLiteral("Orvane Softwares, such as this can be created and maintained only with your support. ")));
    for (const QString& line : lines)
        EXPECT_TRUE(line.contains(m_host)) << line.toStdString();
    EXPECT_EQ(QSet<QString>(lines.begin(), lines.end()).size(), 4);

    const struct {
        float r;
        int line;
    } draws[] = {{0.0f, 0}, {0.24999f, 0}, {0.25f, 1}, {0.5f, 2}, {0.7f, 2}, {0.75f, 3}, {std::nextafter(1.0f, 0.0f), 3}};
    ui::frmExitScreen* form = &registry.show<ui::frmExitScreen>();
    for (const auto& draw : draws) {
        SCOPED_TRACE(draw.r);
        fake.random.values = {draw.r};
        const int seedsBefore = fake.random.seeds;
        form = &reload();
        EXPECT_EQ(fake.random.seeds, seedsBefore + 1);
        EXPECT_EQ(child<QLabel>(form, "Label2")->text(), lines[draw.line]);
    }
}

TEST_F(ExitScreenTest, placeholders_clear_on_focus_and_come_back_when_left_empty)
{
    const struct {
        const char* box;
        QString before;
        QString whileFocused;
        QString after;
    } cases[] = {
        {"txtName", QStringLiteral("Your Name"), QString(), QStringLiteral("Your Name")},
        {"txtName", QStringLiteral("  Your Name  "), QString(), QStringLiteral("Your Name")},
        {"txtName", QStringLiteral("   "), QStringLiteral("   "), QStringLiteral("Your Name")},
        {"txtName", QStringLiteral("Your Name\t"), QStringLiteral("Your Name\t"), QStringLiteral("Your Name\t")},
        {"txtName", QStringLiteral("your name"), QStringLiteral("your name"), QStringLiteral("your name")},
        {"txtEmail", QStringLiteral("Your Email Address"), QString(), QStringLiteral("Your Email Address")},
        {"txtFriendName", QStringLiteral("Friend's Name"), QString(), QStringLiteral("Friend's Name")},
        {"txtFriendEmail", QStringLiteral("Friend's Email Address"), QString(),
         QStringLiteral("Friend's Email Address")},
        // The initial message keeps its line break, which trimming leaves: never cleared.
        {"txtMessage", QStringLiteral("Your Message\r\n"), QStringLiteral("Your Message\r\n"),
         QStringLiteral("Your Message\r\n")},
        {"txtMessage", QStringLiteral("Your Message"), QString(), QStringLiteral("Your Message")},
        {"txtMessage", QString(), QString(), QStringLiteral("Your Message")},
        {"txtMessage", QStringLiteral("\r\n"), QStringLiteral("\r\n"), QStringLiteral("\r\n")},
    };
    ui::frmExitScreen& form = open();
    auto* close = child(&form, "cmdClose");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " [" + c.before.toStdString() + "]");
        QWidget* box = child(&form, c.box);
        setTextOf(box, c.before);
        box->setFocus(Qt::MouseFocusReason);
        ASSERT_EQ(focusName(), QLatin1String(c.box));
        EXPECT_EQ(textOf(box), c.whileFocused);
        close->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(textOf(box), c.after);
    }
}

TEST_F(ExitScreenTest, a_typed_space_in_an_address_box_is_refused_but_a_pasted_one_passes)
{
    ui::frmExitScreen& form = open();
    for (const char* name : {"txtEmail", "txtFriendEmail"}) {
        SCOPED_TRACE(name);
        auto* box = child<QLineEdit>(&form, name);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ab"));
        fake.messages.expect();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.shown[0].text, QStringLiteral("Email Address Cannot Contain Space"));
        EXPECT_EQ(fake.messages.shown[0].icon, platform::MessageIcon::Stop);
        EXPECT_EQ(fake.messages.shown[0].buttons, platform::MessageButtons::Ok);
        EXPECT_EQ(fake.messages.shown[0].title, QStringLiteral("OV Free Varodara Zevaz Adavuv"));
        EXPECT_EQ(box->text(), QStringLiteral("ab"));
        EXPECT_EQ(QApplication::focusWidget(), box);

        QGuiApplication::clipboard()->setText(QStringLiteral(" c d "));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("e"));
        EXPECT_EQ(box->text(), QStringLiteral("ab c d e"));
        EXPECT_EQ(fake.messages.shown.size(), 1u);
        fake.messages.shown.clear();
    }
    // The name boxes take spaces.
    child(&form, "txtName")->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ann Lee"));
    EXPECT_EQ(child<QLineEdit>(&form, "txtName")->text(), QStringLiteral("Ann Lee"));
}

TEST_F(ExitScreenTest, ticking_check1_opens_the_home_page_and_lblGoToHome_the_catalogue)
{
    ui::frmExitScreen& form = open();
    auto* check = child<QCheckBox>(&form, "Check1");
    EXPECT_EQ(check->cursor().shape(), Qt::PointingHandCursor);
    const QPoint onTheBox(5, check->height() / 2);
    QTest::mouseClick(check, Qt::LeftButton, {}, onTheBox);
    EXPECT_FALSE(check->isChecked());
    check->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_FALSE(check->isChecked());
    // A click that leaves it clear does nothing.
    check->setChecked(true);
    QTest::mouseClick(check, Qt::LeftButton, {}, onTheBox);
    EXPECT_FALSE(check->isChecked());
    const QString home = shell::SiteAddress(shell::Site::Main);
    EXPECT_EQ(fake.browser.opened, (QStringList{home, home}));

    fake.browser.opened.clear();
    QTest::mouseClick(child(&form, "lblGoToHome"), Qt::LeftButton);
    QTest::mouseClick(child(&form, "Label3"), Qt::LeftButton);
    EXPECT_EQ(fake.browser.opened, QStringList{home + QStringLiteral("/orvanesoftwares")});
}

TEST_F(ExitScreenTest, focus_starts_on_exit_and_tab_visits_the_controls_in_order)
{
    ui::frmExitScreen& form = open();
    EXPECT_EQ(focusName(), QStringLiteral("cmdClose"));
    const QStringList expected = {QStringLiteral("Check1"),         QStringLiteral("txtName"),
                                  QStringLiteral("cmdSubmit"),      QStringLiteral("txtEmail"),
                                  QStringLiteral("txtFriendEmail"), QStringLiteral("txtFriendName"),
                                  QStringLiteral("txtMessage"),     QStringLiteral("cmdClose")};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName();
        // Reached by Tab, a box at its placeholder is emptied too.
        if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            EXPECT_EQ(box->text(), QString()) << focusName().toStdString();
        }
    }
    EXPECT_EQ(visited, expected);
    // Tabbing through left every box as it was.
    EXPECT_EQ(child<QLineEdit>(&form, "txtName")->text(), QStringLiteral("Your Name"));
    EXPECT_EQ(textOf(child(&form, "txtMessage")), QStringLiteral("Your Message\r\n"));
}

// Exit (by click or access key) and the close box end the program: every window is unloaded
// once. After Exit, the exit screen's own unload calls EndProgram again, which the running call
// absorbs; one call more would mean a window unloaded twice.
TEST_F(ExitScreenTest, exit_and_the_close_box_end_the_program_through_EndProgram)
{
    const struct {
        const char* way;
        std::function<void(ui::frmExitScreen&)> leave;
        int endProgramCalls;
    } ways[] = {
        {"click", [](ui::frmExitScreen& form) { QTest::mouseClick(child(&form, "cmdClose"), Qt::LeftButton); }, 2},
        {"Alt+X", [](ui::frmExitScreen& form) { QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier); }, 2},
        {"close box", [](ui::frmExitScreen& form) { form.close(); }, 1},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        useRealEndProgram();  // afresh: an ended program stays ended
        endProgramCalls = 0;
        eventLoopEnds = 0;
        QPointer<QWidget> main = &registry.load<ui::frmMain>();
        ui::frmExitScreen& form = open();
        QPointer<QWidget> window = &form;
        way.leave(form);
        EXPECT_TRUE(QTest::qWaitFor([&] { return eventLoopEnds == 1; }, 2000));
        EXPECT_EQ(endProgramCalls, way.endProgramCalls);
        EXPECT_TRUE(registry.loadedForms().empty());
        flushDeletes();
        EXPECT_TRUE(window.isNull() && main.isNull());
    }
}

}  // namespace
