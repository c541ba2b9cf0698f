// Next on frmMain through the real window: which message a refused entry gets and where the
// focus goes, what an accepted entry shows in the result window, and File > Next alike.
#include <QAction>

#include "core/readings.h"
#include "main_fixture.h"

namespace {

using MainNext = MainWindowTest;

const QString kFebruaryWrong = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kThirtyDaysWrong = QStringLiteral("Please Enter Correct Date Or Month !");
const QString kHeading = QStringLiteral("Your Varodara Zevaz Adavuv is: ");

TEST_F(MainNext, refusesImpossibleDatesWithoutChangingAnything)
{
    struct Case {
        int day, month, year;
        QString message;  // empty: accepted
    };
    const Case cases[] = {
        {29, 2, 2001, kFebruaryWrong}, {29, 2, 1900, kFebruaryWrong}, {29, 2, 2000, {}},
        {29, 2, 2048, {}},             {28, 2, 1900, {}},             {30, 2, 2000, kFebruaryWrong},
        {31, 2, 2048, kFebruaryWrong}, {30, 2, 2001, kFebruaryWrong}, {31, 4, 1990, kThirtyDaysWrong},
        {31, 6, 1990, kThirtyDaysWrong}, {31, 9, 1990, kThirtyDaysWrong}, {31, 11, 2050, kThirtyDaysWrong},
        {30, 4, 1990, {}},             {31, 1, 1990, {}},             {31, 3, 1990, {}},
        {31, 5, 1990, {}},             {31, 7, 1990, {}},             {31, 8, 1990, {}},
        {31, 10, 1990, {}},            {31, 12, 1900, {}},
    };
    activate(main);
    for (const Case& c : cases) {
        const std::string label = std::to_string(c.day) + "/" + std::to_string(c.month) + "/" + std::to_string(c.year);
        fill(QStringLiteral("ANN"), QStringLiteral("LEE"), c.day, c.month, c.year);
        year->setFocus();
        fake.messages.shown.clear();
        if (!c.message.isEmpty())
            fake.messages.expect();
        next->click();

        if (c.message.isEmpty()) {
            EXPECT_TRUE(fake.messages.shown.empty()) << label;
            ASSERT_NE(result(), nullptr) << label;
            EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmPersonalMonth")}) << label;
            result()->cmdback_Click();
            flushDeletes();
            activate(main);
            continue;
        }
        ASSERT_EQ(fake.messages.texts(), QStringList{c.message}) << label;
        const platform::MessageRequest& box = fake.messages.shown.front();
        EXPECT_EQ(box.icon, platform::MessageIcon::Information);
        EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
        EXPECT_EQ(box.title, QStringLiteral("OV Free Varodara Zevaz Adavuv"));
        EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmMain")}) << label;
        EXPECT_EQ(result(), nullptr) << label;
        EXPECT_EQ(QApplication::focusWidget(), year) << label << ": the focus stays";
        EXPECT_EQ(QStringList({day->currentText(), month->currentText(), year->currentText(), firstName->text()}),
                  QStringList({QString::number(c.day), month->itemText(c.month - 1), QString::number(c.year), "ANN"}));
    }
}

TEST_F(MainNext, asksForTheMissingNamesOneAtATimeAndTakesSpacesAsNames)
{
    activate(main);
    month->setFocus();
    fake.messages.expect();
    next->click();
    EXPECT_EQ(fake.messages.texts(), QStringList{QStringLiteral("Please Enter Your First Name")});
    EXPECT_EQ(QApplication::focusWidget(), firstName);

    QTest::keyClicks(firstName, QStringLiteral("ann"));
    fake.messages.expect();
    next->click();
    EXPECT_EQ(fake.messages.texts().last(), QStringLiteral("Please Enter Your Last Name"));
    EXPECT_EQ(QApplication::focusWidget(), lastName);
    EXPECT_EQ(result(), nullptr);

    lastName->setText(QStringLiteral("  "));  // the middle name stays empty
    next->click();
    EXPECT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmPersonalMonth")});
}

TEST_F(MainNext, showsTheReadingOfBirthDayAndMonthForTheCurrentMonth)
{
    const QString reading3 = QString::fromStdString(std::string(core::MonthReading(3)));
    QAction* mnuNext = child<QAction>(main, "mnuNext");
    // 14 March in December 2026 gives 3 whatever the birth year, by button or by menu.
    const std::pair<int, QAction*> presses[] = {{1990, nullptr}, {1900, nullptr}, {2050, mnuNext}};
    for (const auto& [birthYear, menu] : presses) {
        fill(QStringLiteral("ANN"), QStringLiteral("LEE"), 14, 3, birthYear);
        menu != nullptr ? menu->trigger() : next->click();
        EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmPersonalMonth")}) << birthYear;
        const QString text = resultText();
        EXPECT_TRUE(text.startsWith(kHeading + "3\n")) << text.toStdString();
        EXPECT_TRUE(text.contains(reading3));
        // Back, then the next Next writes into a fresh window: one heading only.
        EXPECT_EQ(text.count(kHeading), 1);
        result()->cmdback_Click();
        flushDeletes();
        EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmMain")});
        EXPECT_EQ(QStringList({firstName->text(), day->currentText(), month->currentText(), year->currentText()}),
                  QStringList({"ANN", "14", "March", QString::number(birthYear)}));
    }

    // The clock is read at each Next: January 2027 gives 5 + 3 + 1 + 2 = 11 -> 2.
    fake.clock.date = QDate(2027, 1, 5);
    next->click();
    EXPECT_TRUE(resultText().startsWith(kHeading + "2\n"));
}

TEST_F(MainNext, fileNextGivesTheSameMessagesAsTheButton)
{
    QAction* mnuNext = child<QAction>(main, "mnuNext");
    for (int i = 0; i < 3; ++i)
        fake.messages.expect();
    mnuNext->trigger();
    fill(QStringLiteral("ANN"), {}, 31, 4, 2000);
    mnuNext->trigger();
    lastName->setText(QStringLiteral("LEE"));
    mnuNext->trigger();
    EXPECT_EQ(fake.messages.texts(), QStringList({QStringLiteral("Please Enter Your First Name"),
                                                  QStringLiteral("Please Enter Your Last Name"), kThirtyDaysWrong}));
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmMain")});
}

TEST_F(MainNext, survivesHugeAndOddNames)
{
    const QString names[] = {
        QString(1 << 20, QLatin1Char('x')),
        QString::fromUtf8("\x01\x02\t\x7f\x1b"),
        QString::fromUtf8("\xf0\x9f\x98\x80\xf0\x9f\x91\x8d\xf0\x9f\x8f\xbd"),
        QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d \xd8\xb3\xd9\x84\xd8\xa7\xd9\x85"),
        QString(QChar(0xd800)),  // a lone surrogate
    };
    for (const QString& name : names) {
        fill(name, name, 14, 3, 1990);
        middleName->setText(name);
        next->click();
        ASSERT_NE(result(), nullptr);
        EXPECT_TRUE(resultText().startsWith(kHeading + "3\n"));
        result()->cmdback_Click();
        flushDeletes();
    }
}

}  // namespace
