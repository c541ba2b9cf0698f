// The real program under Xvfb against a damaged world: settings and lock files that are
// garbage or unusable, and two copies started at the same moment.
#include <QDate>
#include <QFileInfo>
#include <QSettings>
#include <functional>

#include "e2e_support.h"
#include "shell/settingencoding.h"

namespace {

using namespace e2e;

const QString kProgramName = QFileInfo(QStringLiteral(VARODARA_BINARY)).fileName();

bool WriteFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

// The reminder's date as the program stores it in that settings file; null when unreadable.
QDate StoredDate(const QString& iniPath)
{
    QSettings settings(iniPath, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Settings"));
    const QString stored = settings.value(shell::EncodeSetting(QStringLiteral("Duration"))).toString();
    return QDate::fromString(shell::DecodeSetting(stored), Qt::ISODate);
}

QByteArray PseudoRandomBytes(int size)
{
    QByteArray bytes(size, '\0');
    quint32 state = 2463534242u;
    for (char& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = char(state & 0xFF);
    }
    return bytes;
}

using Faults = EndToEnd;

TEST_F(Faults, DamagedSettingsAndLockNeitherStopTheStartNorShowAMessage)
{
    struct Case {
        const char* name;
        // Damages the case's folder (config, runtime and home below it) and environment.
        std::function<void(const QString& dir, QProcessEnvironment& env)> damage;
        // The settings file the program must have healed; empty when it cannot write one.
        QString healed = QStringLiteral("config");
        bool asks = false;
    };
    const auto ini = [](const QString& dir, const QString& configHome = QStringLiteral("config")) {
        return dir + QLatin1Char('/') + configHome + QLatin1Char('/') + kProgramName + QLatin1Char('/') + kProgramName +
               QStringLiteral(".ini");
    };
    const auto settingsHolding = [&ini](const QByteArray& contents) {
        return [&ini, contents](const QString& dir, QProcessEnvironment&) {
            QDir().mkpath(QFileInfo(ini(dir)).absolutePath());
            ASSERT_TRUE(WriteFile(ini(dir), contents));
        };
    };
    const auto lockHolding = [](const QByteArray& contents) {
        return [contents](const QString& dir, QProcessEnvironment&) {
            const QString lock = dir + QStringLiteral("/runtime/") + kProgramName + QStringLiteral(".lock");
            ASSERT_TRUE(WriteFile(lock, contents));
            QFile file(lock);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
        };
    };
    const QString monthAgo = QDate::currentDate().addDays(-30).toString(Qt::ISODate);

    const Case cases[] = {
        {"random bytes in the settings", settingsHolding(PseudoRandomBytes(64 * 1024))},
        {"NULs in the settings", settingsHolding(QByteArray(4096, '\0'))},
        {"a 1 MB line in the settings", settingsHolding(QByteArray(qsizetype{1024} * 1024, 'x'))},
        {"settings file is a folder",
         [&ini](const QString& dir, QProcessEnvironment&) { ASSERT_TRUE(QDir().mkpath(ini(dir))); }, QString()},
        {"settings folder is a file",
         [](const QString& dir, QProcessEnvironment&) {
             ASSERT_TRUE(WriteFile(dir + QStringLiteral("/config/") + kProgramName, "x"));
         },
         QString()},
        {"XDG_CONFIG_HOME unset",
         [](const QString&, QProcessEnvironment& env) { env.remove(QStringLiteral("XDG_CONFIG_HOME")); },
         QStringLiteral("home/.config")},
        {"XDG_CONFIG_HOME is a file",
         [](const QString& dir, QProcessEnvironment& env) {
             ASSERT_TRUE(WriteFile(dir + QStringLiteral("/config-file"), "x"));
             env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir + QStringLiteral("/config-file"));
         },
         QString()},
        {"lock folder missing",
         [](const QString& dir, QProcessEnvironment& env) {
             env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir + QStringLiteral("/no/such/folder"));
         }},
        {"lock folder is a file",
         [](const QString& dir, QProcessEnvironment& env) {
             ASSERT_TRUE(WriteFile(dir + QStringLiteral("/runtime-file"), "x"));
             env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir + QStringLiteral("/runtime-file"));
         }},
        {"stale lock of a dead process",
         [](const QString&, QProcessEnvironment& env) {
             Program killed(env);  // killed at the end of this scope, its lock left behind
             ASSERT_FALSE(killed.waitForWindow(kMainWidth).isEmpty());
         }},
        {"lock full of garbage", lockHolding(PseudoRandomBytes(4096))},
        {"date stored a month ago",
         settingsHolding("[Settings]\n" + shell::EncodeSetting(QStringLiteral("Duration")).toUtf8() + '=' +
                         shell::EncodeSetting(monthAgo).toUtf8() + '\n'),
         QStringLiteral("config"), true},
    };

    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString dir = root() + QStringLiteral("/case") + QString::number(++number);
        for (const char* folder : {"config", "runtime", "home"})
            ASSERT_TRUE(QDir(dir).mkpath(QLatin1String(folder)));
        QProcessEnvironment env = m_environment;
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir + QStringLiteral("/runtime"));
        env.insert(QStringLiteral("HOME"), dir + QStringLiteral("/home"));
        c.damage(dir, env);
        if (HasFatalFailure())
            return;
        const qsizetype pagesBefore = browserRequests().size();

        Program program(env);
        if (c.asks) {
            QStringList boxes;
            ASSERT_TRUE(QTest::qWaitFor([&] { return !(boxes = Windows(program.pid(), kTitle)).isEmpty(); }, kWaitMs))
                << "the reminder did not ask";
            Keys(boxes.first(), {QStringLiteral("Return")});  // Yes is the default
        }
        ASSERT_FALSE(program.waitForWindow(kMainWidth).isEmpty()) << "the main window never appeared";
        EXPECT_TRUE(Windows(program.pid(), kTitle).isEmpty()) << "a message box is showing";
        if (c.asks) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return browserRequests().size() > pagesBefore; }, kWaitMs));
            EXPECT_EQ(browserRequests().mid(pagesBefore),
                      QStringList{kMainSite + QStringLiteral("/ov-free-varodara-zevaz-adavuv/"
                                                             "download-ov-free-varodara-zevaz-adavuv.html")});
        }
        if (!c.healed.isEmpty()) {
            EXPECT_EQ(StoredDate(ini(dir, c.healed)), QDate::currentDate()) << "the stored date was not healed";
        }
    }
}

using Race = EndToEnd;

TEST_F(Race, OfTwoCopiesStartedTogetherExactlyOneRuns)
{
    // The second copy starts through a symlink of another name: it must still find the lock.
    const QString link = root() + QStringLiteral("/bin/other-name");
    ASSERT_TRUE(QFile::link(QStringLiteral(VARODARA_BINARY), link));
    for (int round = 1; round <= 20; ++round) {
        SCOPED_TRACE(round);
        Program first(m_environment);
        Program second(m_environment, link);
        Program* copies[] = {&first, &second};
        int winner = -1;
        QString box;
        const auto settled = [&] {
            for (int i = 0; i < 2; ++i) {
                const QStringList boxes = Windows(copies[1 - i]->pid(), kTitle);
                if (!boxes.isEmpty() && WindowOfWidth(copies[i]->pid(), kMainWidth)) {
                    winner = i;
                    box = boxes.first();
                    return true;
                }
            }
            return false;
        };
        ASSERT_TRUE(QTest::qWaitFor(settled, kWaitMs)) << "not one main window and one message";
        Program& loser = *copies[1 - winner];
        EXPECT_FALSE(WindowOfWidth(loser.pid(), kMainWidth)) << "both copies show the main window";
        Keys(box, {QStringLiteral("Return")});
        ASSERT_TRUE(loser.waitForEnd()) << "the refused copy did not end after its message";
        EXPECT_EQ(loser.exitCode(), 0);
        EXPECT_TRUE(copies[winner]->running());
    }
    // Both names kept one settings file, named after the executable.
    EXPECT_TRUE(QFileInfo(root() + QStringLiteral("/config/") + kProgramName).isDir());
    EXPECT_FALSE(QFileInfo::exists(root() + QStringLiteral("/config/other-name")));
}

}  // namespace
