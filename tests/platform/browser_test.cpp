// The browser launcher with a recording fake xdg-open first on PATH.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qtbrowser.h"
#include "testhelpers.h"

namespace {

// Records the argument count, each argument on a line, and the working directory; written
// aside and renamed so the test never reads half a record.
void writeFakeOpener(const QString& folder, const QString& record)
{
    QFile script(folder + QStringLiteral("/xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\n"
                                "PATH=/usr/bin:/bin\n"
                                "{ echo \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; pwd; } > '%1.part'\n"
                                "mv '%1.part' '%1'\n")
                     .arg(record)
                     .toLocal8Bit());
    script.close();
    ASSERT_TRUE(script.setPermissions(script.permissions() | QFile::ExeOwner));
}

}  // namespace

TEST(Browser, addressReachesOpenerAsOneUnchangedArgumentFromRoot)
{
    QTemporaryDir bin;
    QTemporaryDir work;
    ASSERT_TRUE(bin.isValid() && work.isValid());
    const QString record = work.filePath(QStringLiteral("record"));
    const QString dollarMarker = work.filePath(QStringLiteral("dollar"));
    const QString backtickMarker = work.filePath(QStringLiteral("backtick"));
    writeFakeOpener(bin.path(), record);
    const QString address =
        QStringLiteral("http://www.example.com/a page?x=1&y='two' \"three\"; $(touch %1) `touch %2` é")
            .arg(dollarMarker, backtickMarker);

    {
        const ScopedEnv path("PATH", QFile::encodeName(bin.path()));
        platform::QtBrowser().open(address);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(record); }, 10000));

    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("1"), address, QStringLiteral("/"), QString()}));
    EXPECT_FALSE(QFileInfo::exists(dollarMarker));
    EXPECT_FALSE(QFileInfo::exists(backtickMarker));
}

TEST(Browser, missingOpenerReturnsAtOnceWithoutComplaint)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const ScopedEnv path("PATH", QFile::encodeName(empty.path()));
    QElapsedTimer timer;
    timer.start();
    EXPECT_NO_THROW(platform::QtBrowser().open(QStringLiteral("http://www.example.com/")));
    EXPECT_LT(timer.elapsed(), 1000);
}
