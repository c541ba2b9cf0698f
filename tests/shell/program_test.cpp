// Start-up and shutdown: the order of the steps, the single-instance guard, the co-brand
// draw, the lock given up by EndProgram and a re-entered EndProgram.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

#include "fakes.h"
#include "shell/modhelp.h"
#include "shell/program.h"
#include "shell/settingencoding.h"

static std::vector<std::string> g_log;

TEST(CoBrand, NumberIsSixTimesRPlusOneRoundedHalfToEvenOddBringsCoBrandFront)
{
    using shell::FrontLabel;
    const std::tuple<float, core::Int16, FrontLabel> cases[] = {
        {0.0f, 1, FrontLabel::CoBrand},
        {0.25f, 2, FrontLabel::FullBrand},
        {0.3f, 3, FrontLabel::CoBrand},
        {0.5f, 4, FrontLabel::FullBrand},
        {0.65f, 5, FrontLabel::CoBrand},
        {0.75f, 6, FrontLabel::FullBrand},
        {std::nextafter(1.0f, 0.0f), 7, FrontLabel::Unchanged},
    };
    for (const auto& [r, number, label] : cases) {
        EXPECT_EQ(shell::CoBrandNumber(r), number) << r;
        EXPECT_EQ(shell::CoBrandChoice(number), label) << number;
    }
}

struct LoggedWindows : shell::ProgramWindows {
    void showMainWindow() override
    {
        g_log.emplace_back("showMainWindow");
        if (failShow)
            throw std::runtime_error("cannot show");
    }
    void bringCoBrandToFront() override { g_log.emplace_back("coBrand"); }
    void bringFullBrandToFront() override { g_log.emplace_back("fullBrand"); }
    void unloadAllWindows() override
    {
        g_log.emplace_back("unload");
        if (onUnload)
            onUnload();
    }
    bool failShow = false;
    std::function<void()> onUnload;
};

struct LoggedRandom : fakes::FakeRandom {
    void seedFromClock() override { g_log.emplace_back("seed"); }
};

struct LoggedMessages : fakes::FakeMessageBox {
    platform::MessageAnswer show(const platform::MessageRequest& request) override
    {
        g_log.emplace_back("message");
        if (whileOpen)
            whileOpen();
        return FakeMessageBox::show(request);
    }
    std::function<void()> whileOpen;
};

// The warnings logged while it lives, as "category: text".
class CollectedWarnings {
public:
    CollectedWarnings() : m_previous(qInstallMessageHandler(&Collect)) { s_lines.clear(); }
    ~CollectedWarnings() { qInstallMessageHandler(m_previous); }
    CollectedWarnings(const CollectedWarnings&) = delete;
    CollectedWarnings& operator=(const CollectedWarnings&) = delete;
    QStringList lines() const { return s_lines; }

private:
    static void Collect(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtWarningMsg)
            s_lines << QString::fromLatin1(context.category) + QStringLiteral(": ") + text;
    }
    static inline QStringList s_lines;
    QtMessageHandler m_previous;
};

class StartProgram : public ::testing::Test {
protected:
    StartProgram() { g_log.clear(); }
    // A stored date a month old: the reminder's run shows up as its question.
    void storeDateAMonthOld()
    {
        fake.settings.values[fakes::FakeSettings::key("varodara", "Settings", shell::EncodeSetting("Duration"))] =
            shell::EncodeSetting(fake.clock.date.addDays(-30).toString(Qt::ISODate));
    }
    using Log = std::vector<std::string>;
    fakes::FakePlatform fake;
    LoggedMessages messages;
    LoggedRandom random;
    platform::Platform services{messages, fake.browser, fake.settings, fake.clock, fake.clipboard, fake.lock, random};
    shell::modHelp help{services, QStringLiteral("varodara")};
    LoggedWindows windows;
    // The lock must be gone before the loop ends: a logoff on Windows kills the process then.
    shell::Program program{services, help, windows,
                           [this] { g_log.emplace_back(fake.lock.held ? "endEventLoop, locked" : "endEventLoop"); }};
};

TEST_F(StartProgram, SecondCopyOnlySaysSoAndEnds)
{
    fake.lock.available = false;
    messages.expect();
    program.StartProgram();
    EXPECT_EQ(messages.texts(), QStringList{"Application is already running"});
    EXPECT_EQ(messages.shown.at(0).icon, platform::MessageIcon::Information);
    EXPECT_EQ(messages.shown.at(0).buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(g_log, (Log{"message", "unload", "endEventLoop"}));
    EXPECT_EQ(fake.settings.writes, 0) << "the reminder ran";
    EXPECT_TRUE(program.ended());
}

TEST_F(StartProgram, RunsItsStepsInOrderSkippingFailingOnesEachWithAWarning)
{
    const CollectedWarnings warnings;
    storeDateAMonthOld();
    messages.expect(platform::MessageAnswer::No);
    random.values = {0.25f};
    program.StartProgram();
    EXPECT_EQ(g_log, (Log{"seed", "message", "showMainWindow", "fullBrand"}));
    EXPECT_EQ(program.intCoBrandRandomNumber(), 2);
    EXPECT_EQ(warnings.lines(), QStringList());

    g_log.clear();
    fake.settings.failReads = true;
    windows.failShow = true;
    random.values = {0.0f};
    program.StartProgram();
    EXPECT_EQ(g_log, (Log{"seed", "showMainWindow", "coBrand"}));
    EXPECT_FALSE(program.ended());
    EXPECT_EQ(warnings.lines(), (QStringList{"varodara.shell: the update reminder failed: read failed",
                                             "varodara.shell: showing the main window failed: cannot show"}));

    // The draw of 7 leaves both labels where they are.
    g_log.clear();
    random.values = {std::nextafter(1.0f, 0.0f)};
    program.StartProgram();
    EXPECT_EQ(g_log, (Log{"seed", "showMainWindow"}));
    EXPECT_EQ(program.intCoBrandRandomNumber(), 7);
}

TEST_F(StartProgram, TerminationSignalDuringTheUpdateQuestionEndsTheProgramThere)
{
    storeDateAMonthOld();
    const int writesBefore = fake.settings.writes;
    // The signal's EndProgram runs inside the box's event loop, which then gives no answer.
    messages.whileOpen = [&] { program.EndProgram(); };
    messages.expect(platform::MessageAnswer::None);
    program.StartProgram();
    EXPECT_EQ(g_log, (Log{"seed", "message", "unload", "endEventLoop"}));
    EXPECT_EQ(fake.settings.writes, writesBefore) << "a date was stored although nobody answered";
    EXPECT_TRUE(fake.browser.opened.isEmpty());
    EXPECT_TRUE(program.ended());
}

TEST_F(StartProgram, EndProgramReenteredFromAFailingUnloadEndsOnce)
{
    windows.onUnload = [&] {
        program.EndProgram();
        throw std::runtime_error("cannot unload");
    };
    program.EndProgram();
    EXPECT_EQ(g_log, (Log{"unload", "endEventLoop"}));
    EXPECT_TRUE(program.ended());
}
