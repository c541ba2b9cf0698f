// The real program under Xvfb, driven with xdotool: start-up, the single-instance guard, the
// way out through the exit screen, a menu road to the browser and a referral submission.
#include "e2e_support.h"

namespace {

using namespace e2e;

TEST_F(EndToEnd, StartsWithTheMainWindowAndLeavesThroughTheExitScreen)
{
    Program program(m_environment);
    const QString main = program.waitForWindow(kMainWidth);
    ASSERT_FALSE(main.isEmpty()) << "the main window never appeared";

    Keys(main, {QStringLiteral("alt+f"), QStringLiteral("x")});
    const QString exitScreen = program.waitForWindow(kExitWidth);
    ASSERT_FALSE(exitScreen.isEmpty()) << "File > Exit did not show the exit screen";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !WindowOfWidth(program.pid(), kMainWidth); }, kWaitMs))
        << "the main window is still visible";
    EXPECT_EQ(Windows(program.pid(), kCaption).size(), 1);

    Keys(exitScreen, {QStringLiteral("alt+x")});
    ASSERT_TRUE(program.waitForEnd()) << "Exit on the exit screen did not end the program";
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(EndToEnd, SecondCopySaysSoAndEndsWhileTheFirstRunsOn)
{
    auto first = std::make_unique<Program>(m_environment);
    const QString main = first->waitForWindow(kMainWidth);
    ASSERT_FALSE(main.isEmpty());

    Program second(m_environment);
    QStringList boxes;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(boxes = Windows(second.pid(), kTitle)).isEmpty(); }, kWaitMs))
        << "the second copy showed no message";
    EXPECT_TRUE(Windows(second.pid(), kCaption).isEmpty()) << "the second copy showed a window of its own";
    Keys(boxes.first(), {QStringLiteral("Return")});
    ASSERT_TRUE(second.waitForEnd()) << "the second copy did not end after its message";
    EXPECT_EQ(second.exitCode(), 0);

    EXPECT_TRUE(first->running());
    EXPECT_EQ(WindowOfWidth(first->pid(), kMainWidth), main);

    // Once the first copy has ended (even killed, leaving its lock behind), a new copy starts.
    first.reset();
    Program next(m_environment);
    EXPECT_FALSE(next.waitForWindow(kMainWidth).isEmpty()) << "a copy started after the first ended was refused";
}

TEST_F(EndToEnd, OnlineHelpReachesTheBrowserThroughXdgOpen)
{
    Program program(m_environment);
    const QString main = program.waitForWindow(kMainWidth);
    ASSERT_FALSE(main.isEmpty());

    Keys(main, {QStringLiteral("alt+h"), QStringLiteral("o")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !browserRequests().isEmpty(); }, kWaitMs)) << "no browser was started";
    EXPECT_EQ(browserRequests(),
              QStringList{kMainSite +
                          QStringLiteral("/ov-free-varodara-zevaz-adavuv/ov-free-varodara-zevaz-adavuv-help.html")});
    EXPECT_EQ(WindowOfWidth(program.pid(), kMainWidth), main) << "the main window changed";
}

TEST_F(EndToEnd, ReferAFriendSendsTheTypedDetailsToTheReferralPage)
{
    Program program(m_environment);
    const QString main = program.waitForWindow(kMainWidth);
    ASSERT_FALSE(main.isEmpty());
    Keys(main, {QStringLiteral("alt+f"), QStringLiteral("x")});
    const QString exitScreen = program.waitForWindow(kExitWidth);
    ASSERT_FALSE(exitScreen.isEmpty());

    // Focus starts on Exit; Tab visits the tick box, then the name box.
    Keys(exitScreen, {QStringLiteral("Tab"), QStringLiteral("Tab")});
    Type(QStringLiteral("Anna Lee"));
    Keys(exitScreen, {QStringLiteral("Tab"), QStringLiteral("Tab")});
    Type(QStringLiteral("anna@example.org"));
    Keys(exitScreen, {QStringLiteral("Tab")});
    Type(QStringLiteral("bob@example.org"));
    Keys(exitScreen, {QStringLiteral("Tab")});
    Type(QStringLiteral("Bob & Co"));
    Keys(exitScreen, {QStringLiteral("alt+n")});

    ASSERT_TRUE(QTest::qWaitFor([&] { return !browserRequests().isEmpty(); }, kWaitMs)) << "nothing was submitted";
    EXPECT_EQ(browserRequests(),
              QStringList{kMainSite +
                          QStringLiteral("/ovms-refer-a-friend.php?taf1=Anna%20Lee&taf2=anna@example.org"
                                         "&taf3=Your%20Message%0D%0A&taf4=Bob%20%26%20Co"
                                         "&taf5=bob@example.org&taf6=") +
                          kMainSite + QStringLiteral("/ov-free-varodara-zevaz-adavuv/")});
    EXPECT_TRUE(program.running()) << "the exit screen closed after a submission";
}

// One birth date on one day: the window's reading and the command line's are the same text. The
// day is fixed for both (libfaketime) in July 2009: 1 January gives 1 + 1 + 7 + 2 = 11, so 2.
TEST_F(EndToEnd, TheWindowAndTheCommandLineGiveOneReadingForOneBirthDateOnOneDay)
{
    QProcessEnvironment fixedDay = m_environment;
    fixedDay.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VARODARA_FAKETIME));
    fixedDay.insert(QStringLiteral("FAKETIME"), QStringLiteral("@2009-07-15 12:00:00"));
    // The sanitizers' runtime wants to be loaded first; the clock comes before it here.
    fixedDay.insert(QStringLiteral("ASAN_OPTIONS"),
                    fixedDay.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));

    Program program(fixedDay);
    const QString main = program.waitForWindow(kMainWidth);
    ASSERT_FALSE(main.isEmpty());
    // A name, and the lists as they open: 1 January 1900.
    e2e::Run({QStringLiteral("windowfocus"), main});
    Type(QStringLiteral("ANNA"));
    Keys(main, {QStringLiteral("Tab"), QStringLiteral("Tab")});
    Type(QStringLiteral("LEE"));
    Keys(main, {QStringLiteral("alt+n")});
    const QString result = program.waitForWindow(kResultWidth);
    ASSERT_FALSE(result.isEmpty()) << "Next showed no result window";
    // Copied with the keyboard: a pointer over the box would empty the clipboard.
    Keys(result, {QStringLiteral("Tab"), QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")});
    QString copied;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            QProcess clip;
            clip.start(QStringLiteral("xclip"),
                       {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
            clip.waitForFinished(5000);
            copied = QString::fromUtf8(clip.readAllStandardOutput());
            return !copied.isEmpty();
        },
        kWaitMs));

    QProcess commandLine;
    commandLine.setProcessEnvironment(fixedDay);
    commandLine.start(QStringLiteral(VARODARA_BINARY), {QStringLiteral("--number"), QStringLiteral("1900-01-01")});
    ASSERT_TRUE(commandLine.waitForFinished(kWaitMs));
    EXPECT_EQ(commandLine.exitCode(), 0);
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Your Varodara Zevaz Adavuv is: 2\n\n"))) << copied.toStdString();
    EXPECT_EQ(QString::fromUtf8(commandLine.readAllStandardOutput()), copied);
}

}  // namespace
