// The whole program on fakes under hostile conditions: a settings store that reads but cannot
// be written, and a million characters pasted into every text box of both input windows.
#include "ui/promo/frmexitscreen.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>

#include "main_fixture.h"
#include "shell/settingencoding.h"

namespace {

using Robustness = AppFixture;

TEST_F(Robustness, aStoreThatCannotBeWrittenAsksOnceAndYesStillOpensTheDownloadPage)
{
    const QString key = fakes::FakeSettings::key(QStringLiteral("varodara-test"), QStringLiteral("Settings"),
                                                 shell::EncodeSetting(QStringLiteral("Duration")));
    const QString monthAgo = shell::EncodeSetting(fake.clock.date.addDays(-30).toString(Qt::ISODate));
    fake.settings.values[key] = monthAgo;
    fake.settings.failWrites = true;
    fake.messages.expect(platform::MessageAnswer::Yes);

    program.StartProgram();  // runs the reminder, then the main window's load runs it again

    EXPECT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.browser.opened, QStringList{"http://www.orvanesoftwares.com/ov-free-varodara-zevaz-adavuv/"
                                               "download-ov-free-varodara-zevaz-adavuv.html"});
    ASSERT_NE(registry.find<ui::frmMain>(), nullptr);
    EXPECT_TRUE(registry.find<ui::frmMain>()->isVisible());
    EXPECT_EQ(fake.settings.values[key], monthAgo);
}

using BigInput = MainWindowTest;

// Replaces the box's text by a paste, with the keyboard as a user would.
void Paste(QWidget* box, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

TEST_F(BigInput, aMillionCharactersInEveryBoxLeaveBothWindowsAnsweringTheKeyboard)
{
    constexpr int kSize = 1'000'000;
    activate(main);
    for (QLineEdit* box : {firstName, middleName, lastName}) {
        Paste(box, QString(kSize, QLatin1Char('n')));
        EXPECT_TRUE(box->text().startsWith(QStringLiteral("nnnn"))) << box->objectName().toStdString();
    }
    day->setCurrentIndex(13);
    month->setCurrentIndex(2);
    year->setCurrentIndex(90);
    QTest::keyClick(main, Qt::Key_N, Qt::AltModifier);  // Next by its access key
    ASSERT_TRUE(QTest::qWaitFor([&] { return result() && result()->isVisible(); }, 10000));
    EXPECT_TRUE(resultText().startsWith(QStringLiteral("Your Varodara Zevaz Adavuv is: 3\n")));

    auto& exitScreen = registry.show<ui::frmExitScreen>();
    activate(&exitScreen);
    const QString message(kSize, QLatin1Char('m'));
    const std::pair<const char*, QString> pastes[] = {
        {"txtName", QString(kSize, QLatin1Char('a'))},
        {"txtEmail", QStringLiteral("a@b.") + QString(kSize - 4, QLatin1Char('e'))},
        {"txtMessage", message},
        {"txtFriendName", QString(kSize, QLatin1Char('f'))},
        {"txtFriendEmail", QStringLiteral("c@d.") + QString(kSize - 4, QLatin1Char('g'))},
    };
    // A box whose layout grows with the square of the text would stall here for minutes and
    // run into the test's time limit.
    for (const auto& [name, text] : pastes)
        Paste(child(&exitScreen, name), text);
    const QString held = child<QPlainTextEdit>(&exitScreen, "txtMessage")->toPlainText();
    EXPECT_TRUE(held == message) << held.size() << " characters";
    QTest::keyClick(&exitScreen, Qt::Key_N, Qt::AltModifier);  // Refer A Friend Now
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fake.browser.opened.isEmpty(); }, 10000));
    ASSERT_EQ(fake.browser.opened.size(), 1);
    EXPECT_TRUE(fake.browser.opened.front().contains(QStringLiteral("&taf3=") + message + QStringLiteral("&taf4=ff")));
}

}  // namespace
