// The About window: layout and texts, every way of closing its modal run, and its links.
#include "ui/promo/frmabout.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <functional>

#include "appfixture.h"
#include "ui/look.h"
#include "ui/main/frmmain.h"

namespace {

class AboutWindow : public AppFixture {
protected:
    // Opens the window the way the main window does and runs `during` inside the modal run.
    // A guard ends a run that nothing else ends, so a failing test cannot hang.
    void runModal(const std::function<void(ui::frmAbout&)>& during)
    {
        QPointer<ui::frmAbout> about = &registry.load<ui::frmAbout>();
        bool inRun = false;
        bool deletedDuringRun = false;
        bool guardFired = false;
        QObject watcher;
        QObject::connect(about, &QObject::destroyed, &watcher, [&] { deletedDuringRun = inRun; });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &watcher, [&] {
            guardFired = true;
            if (about)
                about->done(QDialog::Rejected);
        });
        QTimer::singleShot(0, &watcher, [&] {
            guard.start(5000);
            activate(about);
            during(*about);
        });
        inRun = true;
        about->exec();
        inRun = false;
        m_closedByItself = !guardFired;
        EXPECT_FALSE(deletedDuringRun) << "destroyed while its modal run was still going";
        ASSERT_FALSE(about.isNull());
        registry.unload(*about);
        flushDeletes();
        EXPECT_TRUE(about.isNull());
    }

    bool m_closedByItself = false;
};

TEST_F(AboutWindow, controls_sit_where_the_twips_table_puts_them)
{
    ui::frmAbout& about = registry.load<ui::frmAbout>();
    struct Place {
        const char* name;
        int left, top, width, height;
    };
    for (const Place& p : {Place{"cmdOK", 5400, 3240, 1260, 345}, Place{"Label1", 840, 480, 5655, 1275},
                           Place{"Label2", 960, 120, 5295, 255}, Place{"Label3", 840, 2160, 5685, 675}}) {
        EXPECT_EQ(child(&about, p.name)->geometry(), ui::TwipsRect(p.left, p.top, p.width, p.height)) << p.name;
    }
    EXPECT_EQ(about.size(), QSize(455, 248));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("OV Varodara Zevaz Adavuv v1.75"));
    const Qt::WindowFlags flags = about.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

    auto* picture = child<QLabel>(&about, "Picture1");
    EXPECT_EQ(picture->geometry(), QRect(8, 8, 32, 32));
    EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));
    EXPECT_FALSE(picture->pixmap().toImage().allGray()) << "the icon draws something in colour";

    QWidget* line = child(&about, "Line1");
    EXPECT_EQ(line->y(), 210);
    EXPECT_EQ(line->height(), 2);
    EXPECT_LE(line->x(), 0);
    EXPECT_GE(line->geometry().right(), about.width() - 1);
    EXPECT_EQ(line->palette().color(QPalette::Window), ui::kWhite);

    // Link labels grow from their corner to fit the text; one wider than its box ends at the
    // box's right edge. Either way they stay inside the window.
    for (const auto& [name, box] : {std::pair{"lblHomePage", ui::TwipsRect(2640, 1800, 4050, 195)},
                                    std::pair{"lblCobrand", ui::TwipsRect(4320, 2760, 2415, 195)}}) {
        auto* link = child<QLabel>(&about, name);
        EXPECT_EQ(link->y(), box.y()) << name;
        if (link->width() <= box.width()) {
            EXPECT_EQ(link->x(), box.x()) << name;
        } else {
            EXPECT_EQ(link->geometry().right(), box.right()) << name;
        }
        EXPECT_GE(link->width(), link->fontMetrics().horizontalAdvance(link->text())) << name;
        EXPECT_TRUE(about.rect().contains(link->geometry())) << name;
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor) << name;
        EXPECT_TRUE(link->font().underline()) << name;
    }
    // Wrapped texts fit their boxes.
    for (const char* name : {"Label1", "Label2", "Label3"}) {
        auto* label = child<QLabel>(&about, name);
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
    }
    for (QWidget* control : about.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
}

TEST_F(AboutWindow, shows_the_program_and_the_offers)
{
    ui::frmAbout& about = registry.load<ui::frmAbout>();
    EXPECT_EQ(child<QLabel>(&about, "Label2")->text(), QStringLiteral("OV Varodara Zevaz Adavuv v1.75"));
    EXPECT_TRUE(child<QLabel>(&about, "Label2")->font().bold());
    EXPECT_EQ(child<QLabel>(&about, "Label3")->text(),
              QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                             "online. Get this software fully branded for your website."));
    const QString description = child<QLabel>(&about, "Label1")->text();
    EXPECT_TRUE(description.startsWith(QStringLiteral(
        "OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month "
        "of your life. There are 9 personal months. This number is calculated by adding your Birth Day, "
        "Birth Month, Current Month and Current Year. So this software helps you in getting the current "
        "and past month's forecast.  ")));
    EXPECT_TRUE(description.contains(QUrl(shell::SiteAddress(shell::Site::Main)).host())) << "rights notice";
    EXPECT_EQ(child<QLabel>(&about, "lblHomePage")->text(),
              QStringLiteral("Click here to visit ") + shell::SiteAddress(shell::Site::Main));
    EXPECT_EQ(child<QLabel>(&about, "lblCobrand")->text(), QStringLiteral(" Click here for more details."));
    auto* ok = child<QPushButton>(&about, "cmdOK");
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
}

TEST_F(AboutWindow, enter_esc_ok_and_the_close_box_each_end_the_modal_run)
{
    struct Way {
        const char* name;
        std::function<void(ui::frmAbout&)> close;
    };
    const Way ways[] = {
        {"Enter", [](ui::frmAbout&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
        {"Esc", [](ui::frmAbout&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        {"OK", [](ui::frmAbout& a) { QTest::mouseClick(a.findChild<QWidget*>(QStringLiteral("cmdOK")), Qt::LeftButton); }},
        {"close box", [](ui::frmAbout& a) { a.windowHandle()->close(); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        QString focusAtOpen;
        runModal([&](ui::frmAbout& about) {
            if (QApplication::focusWidget() != nullptr)
                focusAtOpen = QApplication::focusWidget()->objectName();
            EXPECT_EQ(QApplication::activeModalWidget(), &about);
            way.close(about);
        });
        EXPECT_TRUE(m_closedByItself);
        EXPECT_EQ(focusAtOpen, QStringLiteral("cmdOK"));
        EXPECT_EQ(registry.find<ui::frmAbout>(), nullptr);
    }
}

TEST_F(AboutWindow, links_open_their_page_each_click_and_leave_the_window_open)
{
    const QString home = shell::SiteAddress(shell::Site::Main);
    const QString offer = shell::SiteAddress(shell::Site::Help, QStringLiteral("/fully-branded.html"));
    runModal([&](ui::frmAbout& about) {
        for (const char* name : {"lblHomePage", "lblHomePage", "lblCobrand"})
            QTest::mouseClick(about.findChild<QWidget*>(QLatin1String(name)), Qt::LeftButton);
        EXPECT_TRUE(about.isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), &about);
        about.reject();
    });
    EXPECT_EQ(fake.browser.opened, (QStringList{home, home, offer}));
}

TEST_F(AboutWindow, belongs_to_the_window_it_is_opened_from_but_opens_centred_on_the_screen)
{
    QWidget& main = registry.show<ui::frmMain>();
    activate(&main);
    main.move(0, 0);
    ui::frmAbout& about = registry.load<ui::frmAbout>();
    about.show();
    EXPECT_EQ(about.windowType(), Qt::Dialog);
    EXPECT_EQ(about.windowHandle()->transientParent(), main.windowHandle());
    // Owned by the registry alone: unloading the main window must not take it along.
    EXPECT_EQ(about.parentWidget(), nullptr);

    // Centred on the screen, not over the window it belongs to.
    const QPoint offCentre = about.frameGeometry().center() - about.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
}

TEST_F(AboutWindow, a_second_opening_is_a_fresh_window_built_the_same)
{
    using Snapshot = QList<std::tuple<QString, QRect, QString>>;
    const auto snapshot = [](ui::frmAbout& about) {
        Snapshot result;
        for (QWidget* control : about.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            auto* label = qobject_cast<QLabel*>(control);
            result.append({control->objectName(), control->geometry(), label ? label->text() : QString()});
        }
        return result;
    };
    QPointer<ui::frmAbout> first = &registry.load<ui::frmAbout>();
    const Snapshot before = snapshot(*first);
    registry.unload(*first);
    flushDeletes();
    ASSERT_TRUE(first.isNull());
    EXPECT_EQ(snapshot(registry.load<ui::frmAbout>()), before);
    EXPECT_EQ(before.size(), 8);
}

}  // namespace
