// The browser launcher with a recording fake xdg-open first on PATH.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qtbrowser.h"
#include "testhelpers.h"

TEST(Browser, addressReachesOpenerAsOneUnchangedArgumentFromRoot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Records the argument count, each argument and the working directory; renamed into
    // place so the test never reads half a record.
    QFile script(dir.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" \"$(pwd)\" >\"$0.part\" && /bin/mv \"$0.part\" \"$0.rec\"\n");
    script.close();
    const QString address =
        QStringLiteral("http://www.example.com/a page?x=1&y='two' \"three\"; $(touch %1/dollar) `touch %1/tick` é")
            .arg(dir.path());
    const auto path = scopedEnv("PATH", QFile::encodeName(dir.path()));
    platform::QtBrowser().open(address);
    QFile record(script.fileName() + QStringLiteral(".rec"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return record.exists(); }, 10000));
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLocal8Bit(record.readAll()), QStringLiteral("1\n%1\n/\n").arg(address));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"xdg-open", "xdg-open.rec"})) << "nothing ran";
}

TEST(Browser, missingOpenerReturnsAtOnceWithoutComplaint)
{
    const auto path = scopedEnv("PATH", "/nonexistent");
    QElapsedTimer timer;
    timer.start();
    EXPECT_NO_THROW(platform::QtBrowser().open(QStringLiteral("http://www.example.com/")));
    EXPECT_LT(timer.elapsed(), 1000);
}
