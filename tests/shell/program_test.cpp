// Start-up and shutdown: the order of the steps, the single-instance guard, the co-brand
// draw and a re-entered EndProgram.
#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes.h"
#include "shell/modhelp.h"
#include "shell/program.h"

namespace {

using Log = std::vector<std::string>;

TEST(CoBrand, NumberIsSixTimesRPlusOneRoundedHalfToEven)
{
    struct Case {
        float r;
        core::Int16 number;
    };
    const Case cases[] = {
        {0.0f, 1}, {0.25f, 2}, {0.5f, 4}, {0.75f, 6}, {std::nextafter(1.0f, 0.0f), 7},
        {0.3f, 3},  // 2.8: rounded, not truncated
    };
    for (const Case& c : cases)
        EXPECT_EQ(shell::CoBrandNumber(c.r), c.number) << c.r;
}

TEST(CoBrand, OddNumbersBringTheCoBrandLabelFrontSevenLeavesBoth)
{
    using shell::FrontLabel;
    const FrontLabel expected[] = {FrontLabel::CoBrand, FrontLabel::FullBrand, FrontLabel::CoBrand,
                                   FrontLabel::FullBrand, FrontLabel::CoBrand, FrontLabel::FullBrand,
                                   FrontLabel::Unchanged};
    for (core::Int16 number = 1; number <= 7; ++number)
        EXPECT_EQ(shell::CoBrandChoice(number), expected[number - 1]) << number;
}

class RecordingWindows : public shell::ProgramWindows {
public:
    explicit RecordingWindows(Log& log) : m_log(log) {}
    void showMainWindow() override
    {
        m_log.push_back("showMainWindow");
        if (failShow)
            throw std::runtime_error("cannot show");
    }
    void bringCoBrandToFront() override { m_log.push_back("coBrand"); }
    void bringFullBrandToFront() override { m_log.push_back("fullBrand"); }
    void unloadAllWindows() override
    {
        m_log.push_back("unload");
        if (onUnload)
            onUnload();
    }

    bool failShow = false;
    std::function<void()> onUnload;

private:
    Log& m_log;
};

class RecordingRandom : public fakes::FakeRandom {
public:
    explicit RecordingRandom(Log& log) : m_log(log) {}
    void seedFromClock() override
    {
        m_log.push_back("seed");
        FakeRandom::seedFromClock();
    }

private:
    Log& m_log;
};

// Each read of the store is a run of the reminder.
class RecordingSettings : public fakes::FakeSettings {
public:
    explicit RecordingSettings(Log& log) : m_log(log) {}
    QString read(const QString& application, const QString& section, const QString& name) override
    {
        m_log.push_back("reminder");
        return FakeSettings::read(application, section, name);
    }

private:
    Log& m_log;
};

class RecordingMessageBox : public fakes::FakeMessageBox {
public:
    explicit RecordingMessageBox(Log& log) : m_log(log) {}
    platform::MessageAnswer show(const platform::MessageRequest& request) override
    {
        m_log.push_back("message");
        return FakeMessageBox::show(request);
    }

private:
    Log& m_log;
};

class StartProgram : public ::testing::Test {
protected:
    Log log;
    fakes::FakePlatform fake;
    RecordingMessageBox messages{log};
    RecordingSettings settings{log};
    RecordingRandom random{log};
    platform::Platform services{messages, fake.browser, settings, fake.clock, fake.clipboard, fake.lock, random};
    shell::modHelp help{services, QStringLiteral("varodara")};
    RecordingWindows windows{log};
    shell::Program program{services, help, windows, [this] { log.push_back("endEventLoop"); }};
};

TEST_F(StartProgram, SecondCopyOnlySaysSoAndEnds)
{
    fake.lock.available = false;
    messages.expect();
    program.StartProgram();

    ASSERT_EQ(messages.shown.size(), 1u);
    const platform::MessageRequest& box = messages.shown.front();
    EXPECT_EQ(box.text, QStringLiteral("Application is already running"));
    EXPECT_EQ(box.icon, platform::MessageIcon::Information);
    EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(box.title, QStringLiteral("OV Free Varodara Zevaz Adavuv"));
    EXPECT_EQ(log, (Log{"message", "unload", "endEventLoop"}));
    EXPECT_TRUE(program.ended());
    EXPECT_EQ(settings.writes, 0);
}

TEST_F(StartProgram, RunsItsStepsInOrder)
{
    random.values = {0.25f};
    program.StartProgram();
    EXPECT_EQ(log, (Log{"seed", "reminder", "showMainWindow", "fullBrand"}));
    EXPECT_FALSE(program.ended());
    EXPECT_EQ(program.intCoBrandRandomNumber(), 2);
    EXPECT_EQ(settings.writes, 1);  // the first run's date
}

TEST_F(StartProgram, DueReminderAsksBeforeTheMainWindowShows)
{
    settings.values[fakes::FakeSettings::key("varodara", "Settings", shell::EncodeSetting("Duration"))] =
        shell::EncodeSetting(fake.clock.date.addDays(-15).toString(Qt::ISODate));
    messages.expect(platform::MessageAnswer::No);
    random.values = {std::nextafter(1.0f, 0.0f)};
    program.StartProgram();
    EXPECT_EQ(log, (Log{"seed", "reminder", "message", "showMainWindow"}));
    EXPECT_EQ(program.intCoBrandRandomNumber(), 7);
}

TEST_F(StartProgram, FailingStepsAreSkipped)
{
    settings.failReads = true;
    windows.failShow = true;
    random.values = {0.0f};
    program.StartProgram();
    EXPECT_EQ(log, (Log{"seed", "reminder", "showMainWindow", "coBrand"}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(program.ended());
}

TEST_F(StartProgram, EndProgramReenteredFromAnUnloadEndsOnce)
{
    int reentries = 0;
    windows.onUnload = [&] {
        ++reentries;
        program.EndProgram();
    };
    program.EndProgram();
    EXPECT_EQ(reentries, 1);
    EXPECT_EQ(log, (Log{"unload", "endEventLoop"}));
    EXPECT_TRUE(program.ended());
}

TEST_F(StartProgram, FailingUnloadStillEndsTheLoop)
{
    windows.onUnload = [] { throw std::runtime_error("cannot unload"); };
    program.EndProgram();
    EXPECT_EQ(log, (Log{"unload", "endEventLoop"}));
    EXPECT_TRUE(program.ended());
}

}  // namespace
