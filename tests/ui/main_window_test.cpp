// frmMain as built and loaded: layout in twips, the lists, capital-letter typing, focus order
// and which offer lies in front.
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <algorithm>

#include "main_fixture.h"
#include "ui/twips.h"

namespace {

using MainWindow = MainWindowTest;

TEST_F(MainWindow, placesEveryControlAtItsTwipsInItsContainer)
{
    struct Placement {
        const char* name;
        const char* container;  // nullptr: the client area
        int left, top, width, height;
        bool autoSize = false;  // sized to its caption: only the place is fixed
    };
    const Placement layout[] = {
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
    QWidget* client = main->centralWidget();
    EXPECT_EQ(client->size(), QSize(ui::Twips(6405), ui::Twips(3465)));
    EXPECT_GE(client->y(), main->menuBar()->geometry().bottom()) << "the client area lies below the menu bar";
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
    for (const Placement& p : layout) {
        QWidget* widget = child(main, p.name);
        ASSERT_NE(widget, nullptr);
        const QRect box = ui::TwipsRect(p.left, p.top, p.width, p.height);
        EXPECT_EQ(widget->geometry(), p.autoSize ? QRect(box.topLeft(), widget->sizeHint()) : box) << p.name;
        EXPECT_EQ(widget->parentWidget(), p.container ? child(main, p.container) : client) << p.name;
    }
    EXPECT_FALSE(child(main, "cmdExit")->isVisible());
    // The wrapped texts fit what shows of their boxes (Label61 reaches below its frame).
    for (const char* name : {"Label61", "lblCobrand", "lblFullBrand"}) {
        auto* label = child<QLabel>(main, name);
        const int shown = std::min(label->height(), label->parentWidget()->height() - label->y() - 1);
        EXPECT_LE(label->heightForWidth(label->width()), shown) << name;
    }
}

TEST_F(MainWindow, listsAreFilledOnceAndHidingKeepsTheInputs)
{
    const auto lists = [this] {
        QStringList state;
        for (const QComboBox* list : {day, month, year})
            state << QStringLiteral("%1 %2..%3 @%4")
                         .arg(list->count())
                         .arg(list->itemText(0))
                         .arg(list->itemText(list->count() - 1))
                         .arg(list->currentIndex());
        return state;
    };
    EXPECT_EQ(lists(), QStringList({"31 1..31 @0", "12 January..December @0", "151 1900..2050 @0"}));
    EXPECT_EQ(inputs(), QStringList({"", "", "", "1", "January", "1900"}));
    EXPECT_EQ(fake.settings.writes, 1) << "Form_Load runs the reminder: a first run stores today's date";

    fill(QStringLiteral("ANN"), QStringLiteral("LEE"), 14, 3, 1990);
    middleName->setText(QStringLiteral("MAY"));
    main->hide();
    registry.show<ui::frmMain>();
    EXPECT_EQ(lists(), QStringList({"31 1..31 @13", "12 January..December @2", "151 1900..2050 @90"}));
    EXPECT_EQ(inputs(), QStringList({"ANN", "MAY", "LEE", "14", "March", "1990"}));
}

TEST_F(MainWindow, typedSmallLettersBecomeCapitalsAndNothingElseChanges)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(" pasted \xc3\xa9"));
    for (QLineEdit* box : {firstName, middleName, lastName}) {
        QTest::keyClicks(box, QStringLiteral("az9- Q"));
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Eacute, QString::fromUtf8("\xc3\xa9"), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Eacute, QString::fromUtf8("\xc3\x89"), Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text(), QString::fromUtf8("AZ9- Q\xc3\xa9 pasted \xc3\xa9")) << box->objectName().toStdString();
    }
}

TEST_F(MainWindow, tabVisitsTheInputsInOrderFromTheFirstName)
{
    activate(main);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"txtFirstName", "txtMiddleName", "txtLastName", "cboMonth", "cboDate", "cboYear",
                                    "cmdNext", "txtFirstName"}));
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

using MainWindowLoad = AppFixture;

TEST_F(MainWindowLoad, aFailingReminderStillFillsTheLists)
{
    fake.settings.failReads = true;
    auto& main = registry.show<ui::frmMain>();
    for (const auto& [name, count] : {std::pair{"cboDate", 31}, {"cboMonth", 12}, {"cboYear", 151}})
        EXPECT_EQ(child<QComboBox>(&main, name)->count(), count) << name;
}

}  // namespace
