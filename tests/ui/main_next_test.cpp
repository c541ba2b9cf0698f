// Next on frmMain through the real window, by button and by File > Next: which message a refused
// entry gets and where the focus goes, and what an accepted entry shows.
#include <QAction>

#include "main_fixture.h"

namespace {

using MainNext = MainWindowTest;

TEST_F(MainNext, refusesMissingNamesAndImpossibleDatesWithoutChangingAnything)
{
    const QString feb = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString days30 = QStringLiteral("Please Enter Correct Date Or Month !");
    struct Case {
        QString first, last;
        int day, month, year;
        QString message;  // empty: accepted
        QWidget* focus;   // after a refusal; the focus starts on cboYear
    };
    const Case cases[] = {
        {"", "", 14, 3, 1990, "Please Enter Your First Name", firstName},
        {"ANN", "", 14, 3, 1990, "Please Enter Your Last Name", lastName},
        {" ", "  ", 14, 3, 1990, {}, nullptr},
        {"A", "L", 29, 2, 2001, feb, year},
        {"A", "L", 29, 2, 1900, feb, year},
        {"A", "L", 30, 2, 2000, feb, year},
        {"A", "L", 31, 2, 2048, feb, year},
        {"A", "L", 31, 4, 1990, days30, year},
        {"A", "L", 31, 6, 1990, days30, year},
        {"A", "L", 31, 9, 1990, days30, year},
        {"A", "L", 31, 11, 2050, days30, year},
        {"A", "L", 29, 2, 2000, {}, nullptr},
        {"A", "L", 29, 2, 2048, {}, nullptr},
        {"A", "L", 28, 2, 1900, {}, nullptr},
        {"A", "L", 30, 4, 1990, {}, nullptr},
        {"A", "L", 31, 8, 1990, {}, nullptr},
        {"A", "L", 31, 12, 1900, {}, nullptr},
        // Huge and odd names must not break anything.
        {QString(1 << 20, QLatin1Char('x')), QString::fromUtf8("\x01\x02\t\x7f\x1b"), 14, 3, 1990, {}, nullptr},
        {QString::fromUtf8("\xf0\x9f\x98\x80 \xd7\xa9\xd7\x9c"), QString(QChar(0xd800)), 14, 3, 1990, {}, nullptr},
    };
    activate(main);
    for (QAction* menu : {static_cast<QAction*>(nullptr), child<QAction>(main, "mnuNext")}) {
        for (const Case& c : cases) {
            fill(c.first, c.last, c.day, c.month, c.year);
            const QStringList before = inputs();
            const std::string label = before.join(QLatin1Char('/')).left(60).toStdString() + (menu ? " by menu" : "");
            const bool refused = !c.message.isEmpty();
            year->setFocus();
            fake.messages.shown.clear();
            if (refused)
                fake.messages.expect();
            menu ? menu->trigger() : next->click();

            EXPECT_EQ(fake.messages.texts(), refused ? QStringList{c.message} : QStringList()) << label;
            EXPECT_EQ(visibleWindows(), QStringList{refused ? "frmMain" : "frmPersonalMonth"}) << label;
            if (refused) {
                EXPECT_EQ(QApplication::focusWidget(), c.focus) << label;
                EXPECT_EQ(inputs(), before) << label;
            } else if (result() != nullptr) {
                result()->cmdback_Click();
                flushDeletes();
                activate(main);
            }
        }
    }
}

TEST_F(MainNext, showsTheReadingForTheCurrentMonthInAFreshWindowEachTime)
{
    // 14 March in December 2026 gives 3 whatever the birth year, by button or by menu.
    for (const auto& [birthYear, menu] :
         {std::pair<int, QAction*>{1990, nullptr}, {1900, nullptr}, {2050, child<QAction>(main, "mnuNext")}}) {
        fill(QStringLiteral("ANN"), QStringLiteral("LEE"), 14, 3, birthYear);
        menu ? menu->trigger() : next->click();
        EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmPersonalMonth")}) << birthYear;
        EXPECT_TRUE(resultText().startsWith(kResultHeading + "3\n")) << resultText().toStdString();
        EXPECT_EQ(resultText().count(kResultHeading), 1) << "Next, Back, Next shows only the latest result";
        result()->cmdback_Click();
        flushDeletes();
        EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmMain")});
        EXPECT_EQ(inputs(), QStringList({"ANN", "", "LEE", "14", "March", QString::number(birthYear)}));
    }
    // The clock is read at each Next: January 2027 gives 5 + 3 + 1 + 2 = 11 -> 2.
    fake.clock.date = QDate(2027, 1, 5);
    next->click();
    EXPECT_TRUE(resultText().startsWith(kResultHeading + "2\n"));
    EXPECT_EQ(resultText().count(kResultHeading), 1);
}

}  // namespace
