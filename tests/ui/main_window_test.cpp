// frmMain as built and loaded: layout in twips, list contents, the capital-letter typing of
// the name boxes, focus order, and which promotional label lies in front.
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

#include "main_fixture.h"
#include "ui/look.h"
#include "ui/main/promotexts.h"
#include "ui/promo/frmexitscreen.h"

namespace {

struct Placement {
    const char* name;
    const char* container;  // nullptr: the window's client area
    int left, top, width, height;
    bool autoSize = false;  // sized to its caption: only the place is fixed
};

constexpr Placement kLayout[] = {
    {"Frame2", nullptr, 80, 0, 6255, 615},
    {"Label61", "Frame2", 50, 140, 6120, 585},
    {"fraName", nullptr, 80, 720, 6255, 1605},
    {"Label1", "fraName", 120, 240, 750, 195, true},
    {"Label4", "fraName", 2160, 240, 1095, 195, true},
    {"Label5", "fraName", 4200, 240, 765, 195, true},
    {"txtFirstName", "fraName", 90, 450, 1905, 345},
    {"txtMiddleName", "fraName", 2115, 450, 1965, 345},
    {"txtLastName", "fraName", 4200, 450, 1935, 345},
    {"fraBirthDay", "fraName", 120, 840, 6045, 645},
    {"cboMonth", "fraBirthDay", 120, 210, 1455, 315},
    {"cboDate", "fraBirthDay", 1760, 210, 855, 315},
    {"cboYear", "fraBirthDay", 2800, 210, 975, 315},
    {"cmdNext", "fraBirthDay", 3960, 210, 1965, 315},
    {"Frame5", nullptr, 80, 2400, 6255, 975},
    {"lblCobrand", "Frame5", 240, 240, 5865, 615},
    {"lblFullBrand", "Frame5", 240, 240, 5865, 615},
    {"cmdExit", nullptr, 3840, 3600, 2085, 315},
};

using MainWindow = MainWindowTest;

TEST_F(MainWindow, placesEveryControlAtItsTwipsInItsContainer)
{
    QWidget* client = main->centralWidget();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(ui::Twips(6405), ui::Twips(3465)));
    EXPECT_GE(client->y(), main->menuBar()->geometry().bottom()) << "client area must lie below the menu bar";
    EXPECT_EQ(main->minimumSize(), main->maximumSize()) << "the window has a fixed size";
    EXPECT_EQ(main->windowTitle(), QStringLiteral("OV Varodara Zevaz Adavuv v1.75"));

    for (const Placement& p : kLayout) {
        QWidget* widget = child(main, p.name);
        ASSERT_NE(widget, nullptr);
        const QRect expected = ui::TwipsRect(p.left, p.top, p.width, p.height);
        if (p.autoSize)
            EXPECT_EQ(widget->geometry(), QRect(expected.topLeft(), widget->sizeHint())) << p.name;
        else
            EXPECT_EQ(widget->geometry(), expected) << p.name;
        QWidget* container = p.container == nullptr ? client : child(main, p.container);
        EXPECT_EQ(widget->parentWidget(), container) << p.name;
    }
    EXPECT_EQ(child<QGroupBox>(main, "fraName")->title(), QStringLiteral("Please Fill In The Below Details:"));
    EXPECT_TRUE(child<QGroupBox>(main, "fraName")->font().bold());
    EXPECT_FALSE(child(main, "cmdExit")->isVisible());
    EXPECT_EQ(child<QPushButton>(main, "cmdExit")->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(next->text(), QStringLiteral("&Next"));
}

TEST_F(MainWindow, labelTextsWrapInsideTheirBoxes)
{
    auto* label61 = child<QLabel>(main, "Label61");
    EXPECT_EQ(label61->text(), ui::ForumPromotionText());
    EXPECT_TRUE(label61->text().contains(shell::SiteAddress(shell::Site::Main).mid(7))) << "names the main site";
    EXPECT_EQ(child<QLabel>(main, "lblCobrand")->text(), ui::kCoBrandCaption);
    EXPECT_EQ(child<QLabel>(main, "lblFullBrand")->text(), ui::kFullBrandCaption);
    EXPECT_TRUE(ui::kCoBrandCaption.contains(QStringLiteral("name &  link"))) << "one ampersand shown";

    // Label61 reaches below its frame: only the part inside the frame border shows.
    const int label61Visible = label61->parentWidget()->height() - label61->y() - 1;
    EXPECT_LE(label61->heightForWidth(label61->width()), label61Visible);
    for (const char* name : {"lblCobrand", "lblFullBrand"}) {
        auto* label = child<QLabel>(main, name);
        EXPECT_TRUE(label->wordWrap()) << name;
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name << " clips its text";
    }
    for (const char* name : {"Label1", "Label4", "Label5"})
        EXPECT_FALSE(child(main, name)->font().bold()) << name << ": regular, not the frame's bold";
    for (const char* name : {"txtFirstName", "cboMonth", "cmdNext"})
        EXPECT_FALSE(child(main, name)->font().bold()) << name << ": the window font, not the frame's bold";
    // The name captions grow to fit their text and still stand clear of each other.
    EXPECT_LT(child(main, "Label1")->geometry().right(), child(main, "Label4")->x());
    EXPECT_LT(child(main, "Label4")->geometry().right(), child(main, "Label5")->x());
    EXPECT_LE(child(main, "Label5")->geometry().right(), child(main, "fraName")->width());
}

TEST_F(MainWindow, loadFillsTheListsAndSelectsTheirFirstItems)
{
    struct ListCase {
        QComboBox* list;
        int count;
        const char* first;
        const char* last;
    };
    for (const ListCase& c : {ListCase{day, 31, "1", "31"}, ListCase{month, 12, "January", "December"},
                              ListCase{year, 151, "1900", "2050"}}) {
        EXPECT_EQ(c.list->count(), c.count) << c.list->objectName().toStdString();
        EXPECT_EQ(c.list->itemText(0), QLatin1String(c.first));
        EXPECT_EQ(c.list->itemText(c.count - 1), QLatin1String(c.last));
        EXPECT_EQ(c.list->currentIndex(), 0);
        EXPECT_FALSE(c.list->isEditable());
    }
    EXPECT_EQ(month->itemText(8), QStringLiteral("September"));
    EXPECT_EQ(year->itemText(100), QStringLiteral("2000"));
    for (QLineEdit* box : {firstName, middleName, lastName})
        EXPECT_TRUE(box->text().isEmpty());
}

TEST_F(MainWindow, typedSmallLettersBecomeCapitalsAndNothingElseChanges)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted text"));
    for (QLineEdit* box : {firstName, middleName, lastName}) {
        const std::string name = box->objectName().toStdString();
        QTest::keyClicks(box, QStringLiteral("abc"));
        EXPECT_EQ(box->text(), QStringLiteral("ABC")) << name;

        box->clear();
        QTest::keyClicks(box, QStringLiteral("z9- Q"));
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Eacute, QString::fromUtf8("\xc3\xa9"), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Eacute, QString::fromUtf8("\xc3\x89"), Qt::ShiftModifier);
        QTest::keyClicks(box, QStringLiteral("x"));
        EXPECT_EQ(box->text(), QString::fromUtf8("Z9- Q\xc3\xa9\xc3\x89X")) << name;
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), QString::fromUtf8("Z9- Q\xc3\xa9\xc3\x89")) << name;

        box->clear();
        box->insert(QStringLiteral("inserted "));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text(), QStringLiteral("inserted pasted text")) << name;
    }
}

TEST_F(MainWindow, tabVisitsTheInputsInOrderFromTheFirstName)
{
    activate(main);
    ASSERT_EQ(QApplication::focusWidget(), firstName) << "first name has the focus when first shown";
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"txtFirstName", "txtMiddleName", "txtLastName", "cboMonth", "cboDate", "cboYear",
                                    "cmdNext", "txtFirstName"}));
}

TEST_F(MainWindow, inputsCarryTheNamesOfTheirCaptions)
{
    const std::pair<const char*, const char*> names[] = {
        {"txtFirstName", "First Name"}, {"txtMiddleName", "Middle Name"}, {"txtLastName", "Last Name"},
        {"cboMonth", "Birth Month"},    {"cboDate", "Birth Day"},         {"cboYear", "Birth Year"},
        {"cmdNext", "Next"},            {"cmdExit", "Exit"},
    };
    for (const auto& [name, accessible] : names)
        EXPECT_EQ(child(main, name)->accessibleName(), QLatin1String(accessible)) << name;
}

TEST_F(MainWindow, coBrandRandomizingDecidesWhichOfferIsOnTop)
{
    QWidget* frame5 = child(main, "Frame5");
    const QPoint centre = main->lblFullBrand()->geometry().center();
    EXPECT_EQ(frame5->childAt(centre), main->lblFullBrand()) << "the fully-branded offer lies in front as built";
    windows.bringCoBrandToFront();
    EXPECT_EQ(frame5->childAt(centre), main->lblCobrand());
    windows.bringFullBrandToFront();
    EXPECT_EQ(frame5->childAt(centre), main->lblFullBrand());
}

}  // namespace

namespace {

using MainWindowLoad = AppFixture;

TEST_F(MainWindowLoad, runsTheReminderFirstAndFillsTheListsEvenWhenItFails)
{
    // A first run: the reminder stores today's date, without a question.
    ui::frmMain& first = registry.show<ui::frmMain>();
    EXPECT_EQ(fake.settings.writes, 1);
    EXPECT_EQ(fake.settings.values.size(), 1);
    registry.unload(first);
    registry.hide<ui::frmExitScreen>();
    flushDeletes();

    fake.settings.failReads = true;
    ui::frmMain& second = registry.show<ui::frmMain>();
    EXPECT_EQ(child<QComboBox>(&second, "cboDate")->count(), 31);
    EXPECT_EQ(child<QComboBox>(&second, "cboMonth")->count(), 12);
    EXPECT_EQ(child<QComboBox>(&second, "cboYear")->count(), 151);
    EXPECT_TRUE(second.isVisible());
}

}  // namespace
