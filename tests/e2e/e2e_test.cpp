// The real program under Xvfb, driven with xdotool: start-up, the single-instance guard, the
// way out through the exit screen, a menu road to the browser and a referral submission.
// Each test gets its own home, config, runtime and data folders and a recording browser.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

namespace {

const QString kCaption = QStringLiteral("OV Varodara Zevaz Adavuv v1.75");
const QString kTitle = QStringLiteral("OV Free Varodara Zevaz Adavuv");
const QString kMainSite = QStringLiteral("http://" VARODARA_MAIN_HOST);
// Client widths in pixels: frmMain is 6405 twips wide, frmExitScreen 11115.
constexpr int kMainWidth = 427;
constexpr int kExitWidth = 741;
constexpr int kWaitMs = 15000;

QString Run(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(5000)) {
        tool.kill();
        tool.waitForFinished();
        return {};
    }
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// Visible top-level windows of a process whose title matches exactly.
QStringList Windows(qint64 pid, const QString& title)
{
    const QString found = Run({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                               QString::number(pid), QStringLiteral("--name"),
                               QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$')});
    return found.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int WindowWidth(const QString& window)
{
    const QString shell = Run({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    for (const QString& line : shell.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("WIDTH=")))
            return line.mid(6).toInt();
    }
    return -1;
}

std::optional<QString> WindowOfWidth(qint64 pid, int width)
{
    for (const QString& window : Windows(pid, kCaption)) {
        if (WindowWidth(window) == width)
            return window;
    }
    return std::nullopt;
}

void Keys(const QString& window, const QStringList& keys)
{
    Run({QStringLiteral("windowfocus"), window});
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("--delay"),
                          QStringLiteral("60")};
    Run(arguments + keys);
}

void Type(const QString& text)
{
    Run({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
}

class Program {
public:
    explicit Program(const QProcessEnvironment& environment)
    {
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(QStringLiteral(VARODARA_BINARY), {});
    }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    qint64 pid() const { return m_process.processId(); }
    bool running() const { return m_process.state() == QProcess::Running; }
    bool waitForEnd() { return m_process.waitForFinished(kWaitMs); }
    int exitCode() const { return m_process.exitCode(); }

    QString waitForWindow(int width)
    {
        std::optional<QString> window;
        if (!QTest::qWaitFor([&] { return (window = WindowOfWidth(pid(), width)).has_value(); }, kWaitMs))
            return {};
        return *window;
    }

private:
    QProcess m_process;
};

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        const QString root = m_root.path();
        for (const char* folder : {"home", "config", "runtime", "data", "cache", "bin"})
            ASSERT_TRUE(QDir(root).mkpath(QLatin1String(folder)));
        QFile::setPermissions(root + QStringLiteral("/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                     QFileDevice::ExeOwner);
        m_browserLog = root + QStringLiteral("/browser.log");
        const QString browser = root + QStringLiteral("/bin/fake-browser");
        QFile script(browser);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\036' \"$@\" >> \"" + m_browserLog.toUtf8() + "\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

        // A clean desktop: no desktop environment, so xdg-open falls back to $BROWSER.
        const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("PATH"), system.value(QStringLiteral("PATH")));
        m_environment.insert(QStringLiteral("DISPLAY"), system.value(QStringLiteral("DISPLAY")));
        m_environment.insert(QStringLiteral("XAUTHORITY"), system.value(QStringLiteral("XAUTHORITY")));
        for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS"})
            if (system.contains(QLatin1String(name)))
                m_environment.insert(QLatin1String(name), system.value(QLatin1String(name)));
        m_environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        m_environment.insert(QStringLiteral("HOME"), root + QStringLiteral("/home"));
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/runtime"));
        m_environment.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("/data"));
        m_environment.insert(QStringLiteral("XDG_DATA_DIRS"), root + QStringLiteral("/data"));
        m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), root + QStringLiteral("/cache"));
        m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_environment.insert(QStringLiteral("BROWSER"), browser);
    }

    // Addresses the recording browser received, one per start.
    QStringList browserRequests() const
    {
        QFile log(m_browserLog);
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(QChar(0x1e), Qt::SkipEmptyParts);
    }

    QProcessEnvironment m_environment;

private:
    QTemporaryDir m_root;
    QString m_browserLog;
};

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
              QStringList{kMainSite + QStringLiteral("/ov-free-varodara-zevaz-adavuv/ov-free-varodara-zevaz-adavuv-help.html")});
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
              QStringList{kMainSite + QStringLiteral("/ovms-refer-a-friend.php?taf1=Anna Lee&taf2=anna@example.org"
                                                     "&taf3=Your Message\r\n&taf4=Bob & Co&taf5=bob@example.org&taf6=") +
                          kMainSite + QStringLiteral("/ov-free-varodara-zevaz-adavuv/")});
    EXPECT_TRUE(program.running()) << "the exit screen closed after a submission";
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
