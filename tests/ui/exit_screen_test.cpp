// The exit screen: layout, the random promotional line, placeholders, the space filter of the
// address boxes, the two links, the tab order and the ways out through EndProgram.
#include "ui/promo/frmexitscreen.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <cmath>

#include "appfixture.h"
#include "platform/translations.h"
#include "ui/main/frmmain.h"
#include "ui/promo/referafriendbox.h"
#include "ui/twips.h"

namespace {

// Calls back for every window that is shown while it lives.
class ShowWatch : public QObject {
public:
    explicit ShowWatch(std::function<void(const QWidget*)> shown) : m_shown(std::move(shown))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            m_shown(static_cast<QWidget*>(watched));
        return false;
    }

private:
    std::function<void(const QWidget*)> m_shown;
};

class ExitScreenTest : public AppFixture {
protected:
    ui::frmExitScreen& open()
    {
        auto& form = registry.show<ui::frmExitScreen>();
        activate(&form);
        return form;
    }

    static QString textOf(QWidget* control)
    {
        auto* box = qobject_cast<QPlainTextEdit*>(control);
        return box ? ui::MessageBoxText(*box)
                   : control->property(control->inherits("QGroupBox") ? "title" : "text").toString();
    }

    static QString focusName()
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : "none";
    }

    const QString m_host = QStringLiteral("www.orvanesoftwares.com");
};

TEST_F(ExitScreenTest, controls_sit_where_the_twips_table_puts_them_and_their_texts_fit)
{
    const struct {
        const char* name;
        const char* container;
        int left, top, width, height;
        QString text;
    } places[] = {
        {"Picture1", "frmExitScreen", 360, 120, 540, 540, {}},
        {"Label1", "frmExitScreen", 1080, 240, 5475, 435, kCaption},
        {"Label2", "frmExitScreen", 120, 840, 6975, 1095, {}},
        {"Check1", "frmExitScreen", 30, 2040, 7185, 555, "Click Here To Visit " + m_host + " Now"},
        {"cmdClose", "frmExitScreen", 6000, 2760, 1245, 375, "E&xit"},
        {"Frame2", "frmExitScreen", 120, 3240, 7065, 1455, "Refer A Friend"},
        {"txtName", "Frame2", 85, 360, 3375, 285, "Your Name"},
        {"txtEmail", "Frame2", 3600, 360, 3375, 285, "Your Email Address"},
        {"txtFriendName", "Frame2", 85, 720, 3375, 285, "Friend's Name"},
        {"txtFriendEmail", "Frame2", 3600, 720, 3375, 285, "Friend's Email Address"},
        {"cmdSubmit", "Frame2", 1920, 1080, 3375, 285, "Refer A Friend &Now"},
        {"txtMessage", "Frame2", 4800, 3600, 1815, 495, "Your Message\r\n"},
        {"Frame6", "frmExitScreen", 7320, 120, 3735, 4575, "Download Orvane Softwares"},
        {"Label3", "Frame6", 120, 360, 3495, 3855, {}},
        {"lblGoToHome", "Frame6", 75, 4250, 3585, 210, "Click Here To Visit Orvane Softwares"},
    };
    auto& form = registry.show<ui::frmExitScreen>();
    EXPECT_EQ(form.windowTitle(), kCaption);
    EXPECT_EQ(form.size(), QSize(ui::Twips(11115), ui::Twips(4725)));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (const auto& place : places) {
        SCOPED_TRACE(place.name);
        QWidget* control = child(&form, place.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), QLatin1String(place.container));
        EXPECT_EQ(control->geometry(), ui::TwipsRect(place.left, place.top, place.width, place.height));
        EXPECT_FALSE(control->accessibleName().isEmpty());
        if (!place.text.isNull()) {
            EXPECT_EQ(textOf(control), place.text);
        }
    }
    // Out of sight below the frame's bottom edge, yet not hidden.
    QWidget* message = child(&form, "txtMessage");
    EXPECT_TRUE(message->isVisible() && !message->parentWidget()->rect().intersects(message->geometry()));
    const QString catalogue = textOf(child(&form, "Label3"));
    EXPECT_TRUE(catalogue.startsWith("If you have enjoyed this software") && catalogue.endsWith("family. "));
    EXPECT_TRUE(catalogue.contains("world\u2019s largest"));
    EXPECT_TRUE(catalogue.contains("interests." + QString(61, ' ') + "All"));

    // A substitute font wider than the design's must cut no text off, whichever line is drawn.
    for (const char* name : {"Label1", "Check1", "lblGoToHome"})
        EXPECT_LE(child(&form, name)->sizeHint().width(), child(&form, name)->width()) << name;
    QWidget* label3 = child(&form, "Label3");
    EXPECT_LE(label3->heightForWidth(label3->width()), label3->height());
    QWidget* label2 = child(&form, "Label2");
    for (const QString& line : ui::PromotionalLines()) {
        label2->setProperty("text", line);
        EXPECT_LE(label2->heightForWidth(label2->width()), label2->height()) << line.toStdString();
    }
}

TEST_F(ExitScreenTest, each_load_seeds_the_generator_and_picks_the_line_of_floor_4r)
{
    const QString starts[] = {"Orvane Softwares, such as this can be created", "Visit " + m_host + " regularly.",
                              m_host + " is a free online", m_host + " needs your help."};
    const std::pair<float, int> draws[] = {
        {0.0f, 0}, {0.24999f, 0}, {0.25f, 1}, {0.5f, 2}, {0.7f, 2}, {0.75f, 3}, {std::nextafter(1.0f, 0.0f), 3}};
    for (const auto& [r, line] : draws) {
        SCOPED_TRACE(r);
        fake.random.values = {r};
        fake.random.seeds = 0;
        registry.unload<ui::frmExitScreen>();  // no-op the first time
        const QString drawn = textOf(child(&registry.show<ui::frmExitScreen>(), "Label2"));
        EXPECT_EQ(fake.random.seeds, 1);
        EXPECT_TRUE(drawn.startsWith(starts[line])) << drawn.toStdString();
    }
}

TEST_F(ExitScreenTest, placeholders_clear_on_focus_and_come_back_when_left_empty)
{
    const struct {
        const char* box;
        QString before, whileFocused, after;
        bool german = false;
    } cases[] = {
        {"txtName", "  Your Name  ", "", "Your Name"},
        {"txtName", "   ", "   ", "Your Name"},
        {"txtName", "Your Name\t", "Your Name\t", "Your Name\t"},  // only spaces are trimmed
        {"txtFriendEmail", "Friend's Email Address ", "", "Friend's Email Address"},
        {"txtMessage", "Your Message\r\n", "Your Message\r\n", "Your Message\r\n"},  // untouched: kept
        {"txtMessage", "Your Message", "", "Your Message"},
        {"txtMessage", "", "", "Your Message"},
        {"txtMessage", "\r\n", "\r\n", "\r\n"},
        // A box built in German shows, clears and restores the German placeholder.
        {"txtName", " Ihr Name ", "", "Ihr Name", true},
        {"txtMessage", "", "", "Ihre Nachricht", true},
    };
    ui::frmExitScreen& form = open();
    const platform::Translations german(QStringLiteral("de"));
    QWidget* germanBox = nullptr;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " [" + c.before.toStdString() + "]");
        if (c.german && germanBox == nullptr) {
            german.install();
            germanBox = new ui::ReferAFriendBox(help, fake.messages, &form, ui::TwipsRect(120, 3240, 7065, 1455));
            germanBox->show();
        }
        QWidget* box = child(c.german ? germanBox : &form, c.box);
        box->setProperty(qobject_cast<QPlainTextEdit*>(box) ? "plainText" : "text", c.before);
        box->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(textOf(box), c.whileFocused);
        child(&form, "cmdClose")->setFocus(Qt::MouseFocusReason);
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
        QTest::keyClicks(box, "ab");
        fake.messages.shown.clear();
        fake.messages.expect();
        QTest::keyClick(box, Qt::Key_Space);
        ASSERT_EQ(fake.messages.texts(), QStringList{"Email Address Cannot Contain Space"});
        EXPECT_EQ(fake.messages.shown[0].icon, platform::MessageIcon::Stop);
        EXPECT_EQ(box->text(), QStringLiteral("ab"));
        EXPECT_EQ(QApplication::focusWidget(), box);

        QGuiApplication::clipboard()->setText(" c d ");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(box, "e");
        EXPECT_EQ(box->text(), QStringLiteral("ab c d e"));
    }
    QTest::keyClicks(child(&form, "txtName"), " A");  // the name boxes take spaces
    EXPECT_EQ(textOf(child(&form, "txtName")), QStringLiteral("Your Name A"));
}

TEST_F(ExitScreenTest, ticking_check1_opens_the_home_page_and_lblGoToHome_the_catalogue)
{
    ui::frmExitScreen& form = open();
    auto* check = child<QCheckBox>(&form, "Check1");
    const QPoint onTheBox(5, check->height() / 2);
    QTest::mouseClick(check, Qt::LeftButton, {}, onTheBox);
    EXPECT_FALSE(check->isChecked());
    check->setChecked(true);  // a click that leaves it clear does nothing
    QTest::mouseClick(check, Qt::LeftButton, {}, onTheBox);
    QTest::mouseClick(child(&form, "lblGoToHome"), Qt::LeftButton);
    QTest::mouseClick(child(&form, "Label3"), Qt::LeftButton);
    EXPECT_EQ(fake.browser.opened,
              (QStringList{"http://www.orvanesoftwares.com", "http://www.orvanesoftwares.com/orvanesoftwares"}));
}

TEST_F(ExitScreenTest, focus_starts_on_exit_and_tab_visits_the_controls_in_order)
{
    ui::frmExitScreen& form = open();
    QStringList visited{focusName()};
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName();
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        EXPECT_TRUE(!box || box->text().isEmpty()) << focusName().toStdString();  // emptied by Tab too
    }
    EXPECT_EQ(visited.join(' '),
              "cmdClose Check1 txtName cmdSubmit txtEmail txtFriendEmail txtFriendName txtMessage cmdClose");
    EXPECT_EQ(textOf(child(&form, "txtName")), QStringLiteral("Your Name"));
}

// Every window is unloaded once. After Exit, the exit screen's own unload calls EndProgram
// again, which the running call absorbs. Each way on a program of its own: an ended program
// stays ended.
class ExitScreenEnd : public ExitScreenTest, public ::testing::WithParamInterface<int> {};

TEST_P(ExitScreenEnd, exit_and_the_close_box_end_the_program_through_EndProgram)
{
    const int way = GetParam();  // Exit clicked, the close box
    QPointer<QWidget> main = &registry.load<ui::frmMain>();
    QPointer<QWidget> form = &open();
    if (way == 0)
        QTest::mouseClick(child(form, "cmdClose"), Qt::LeftButton);
    else
        form->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return eventLoopEnds == 1; }, 2000));
    EXPECT_EQ(endProgramCalls, way == 0 ? 2 : 1);
    EXPECT_TRUE(registry.loadedForms().empty());
    flushDeletes();
    EXPECT_TRUE(form.isNull() && main.isNull());
}

INSTANTIATE_TEST_SUITE_P(EitherWay, ExitScreenEnd, ::testing::Values(0, 1));

// A logoff or SIGTERM with the main window open: its unload would show the exit screen.
TEST_F(ExitScreenTest, the_end_shows_no_window_and_unloads_every_one_before_the_lock_goes)
{
    program.StartProgram();
    QStringList shown;
    ShowWatch watch([&](const QWidget* window) { shown << window->objectName(); });
    std::optional<std::size_t> loadedAtRelease;
    fake.lock.onRelease = [&] { loadedAtRelease = registry.loadedForms().size(); };
    program.EndProgram();
    EXPECT_EQ(loadedAtRelease, std::optional<std::size_t>(0)) << "windows still loaded, or the lock kept";
    EXPECT_EQ(shown, QStringList());
}

}  // namespace
