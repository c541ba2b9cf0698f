#pragma once
// What the end-to-end tests share: xdotool helpers, the program under test in a process of
// its own, and a fixture that gives each test its own home, config, runtime and data folders
// and a recording browser.
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

#include "product.h"

namespace e2e {

inline const QString kCaption = QStringLiteral("OV Varodara Zevaz Adavuv v") + QLatin1String(product::kVersion);
// The message boxes' title: the product's name, as the build names it.
inline const QString kTitle = QString::fromLatin1(product::kTitle);
inline const QString kMainSite = QStringLiteral("http://" VARODARA_MAIN_HOST);
// Client widths in pixels: frmMain is 6405 twips wide, frmPersonalMonth 6375, frmExitScreen 11115.
constexpr int kMainWidth = 427;
constexpr int kResultWidth = 425;
constexpr int kExitWidth = 741;
constexpr int kWaitMs = 15000;

inline QString Run(const QStringList& arguments)
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
inline QStringList Windows(qint64 pid, const QString& title)
{
    const QString found = Run({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                               QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"),
                               QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$')});
    return found.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

inline int WindowWidth(const QString& window)
{
    const QString shell = Run({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    for (const QString& line : shell.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("WIDTH=")))
            return line.mid(6).toInt();
    }
    return -1;
}

inline std::optional<QString> WindowOfWidth(qint64 pid, int width)
{
    for (const QString& window : Windows(pid, kCaption)) {
        if (WindowWidth(window) == width)
            return window;
    }
    return std::nullopt;
}

inline void Keys(const QString& window, const QStringList& keys)
{
    Run({QStringLiteral("windowfocus"), window});
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("--delay"),
                          QStringLiteral("60")};
    Run(arguments + keys);
}

inline void Type(const QString& text)
{
    Run({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
}

class Program {
public:
    explicit Program(const QProcessEnvironment& environment, const QString& binary = QStringLiteral(VARODARA_BINARY))
    {
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(binary, {});
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    qint64 pid() const { return m_process.processId(); }
    // Asked of the process itself: QProcess hears that its child started or ended only in an
    // event loop or a wait, and a caller whose first look already found the windows has run
    // neither (QTest::qWaitFor spins no loop when the condition holds at once).
    bool running() { return m_process.waitForStarted(kWaitMs) && !m_process.waitForFinished(0); }
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
        QFile::setPermissions(root + QStringLiteral("/runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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
        // A template, as many set it: xdg-open then refuses an address with spaces or line
        // breaks, which an unencoded referral would have.
        m_environment.insert(QStringLiteral("BROWSER"), browser + QStringLiteral(" %s"));
    }

    // Addresses the recording browser received, one per start.
    QStringList browserRequests() const
    {
        QFile log(m_browserLog);
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(QChar(0x1e), Qt::SkipEmptyParts);
    }

    QString root() const { return m_root.path(); }

    QProcessEnvironment m_environment;

private:
    QTemporaryDir m_root;
    QString m_browserLog;
};

}  // namespace e2e
