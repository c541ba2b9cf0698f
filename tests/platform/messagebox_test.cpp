// The real QMessageBox, answered from a timer while its modal loop runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "platform/qtmessagebox.h"
#include "testhelpers.h"

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageRequest;
using platform::QtMessageBox;

namespace {

// Shows the request and hands the box to inspect, once it is up, to a callback that must
// answer it. A box nobody answers within ten seconds is rejected, so the test cannot hang.
MessageAnswer showAndHandle(const MessageRequest& request, const std::function<void(QMessageBox&)>& handle)
{
    QTimer poll;
    poll.setInterval(10);
    int waited = 0;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
            poll.stop();
            handle(*box);
        } else if (++waited > 1000) {
            poll.stop();
            ADD_FAILURE() << "no message box appeared";
        }
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &guard, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "message box left unanswered";
            modal->close();
        }
    });
    poll.start();
    guard.start(10000);
    return QtMessageBox().show(request);
}

struct BoxCase {
    const char* name;
    MessageButtons buttons;
    MessageIcon icon;
    QMessageBox::StandardButton click;
    MessageAnswer answer;
};

void PrintTo(const BoxCase& c, std::ostream* os)
{
    *os << c.name;
}

class MessageBoxAnswers : public ::testing::TestWithParam<BoxCase> {};

}  // namespace

TEST_P(MessageBoxAnswers, showsTheRequestAndReturnsTheClickedButton)
{
    const BoxCase& c = GetParam();
    const MessageRequest request{QStringLiteral("There is news\rDo you want it?"), c.icon, c.buttons,
                                 QStringLiteral("Some title")};
    const bool yesNo = c.buttons == MessageButtons::YesNo;

    const MessageAnswer answer = showAndHandle(request, [&](QMessageBox& box) {
        EXPECT_EQ(box.text(), QStringLiteral("There is news\nDo you want it?"));
        EXPECT_EQ(box.windowTitle(), request.title);
        EXPECT_EQ(box.icon(), c.icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information);
        EXPECT_EQ(box.standardButtons(),
                  yesNo ? QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
        EXPECT_EQ(box.defaultButton(), box.button(yesNo ? QMessageBox::Yes : QMessageBox::Ok));
        QTest::mouseClick(box.button(c.click), Qt::LeftButton);
    });
    EXPECT_EQ(answer, c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Qt, MessageBoxAnswers,
    ::testing::Values(
        BoxCase{"OkInformation", MessageButtons::Ok, MessageIcon::Information, QMessageBox::Ok, MessageAnswer::Ok},
        BoxCase{"OkStop", MessageButtons::Ok, MessageIcon::Stop, QMessageBox::Ok, MessageAnswer::Ok},
        BoxCase{"Yes", MessageButtons::YesNo, MessageIcon::Information, QMessageBox::Yes, MessageAnswer::Yes},
        BoxCase{"No", MessageButtons::YesNo, MessageIcon::Information, QMessageBox::No, MessageAnswer::No}),
    [](const ::testing::TestParamInfo<BoxCase>& info) { return info.param.name; });

TEST(MessageBox, sitsOnTheActiveWindowAndEscapeAnswersNo)
{
    QWidget onTop(nullptr, Qt::WindowStaysOnTopHint);
    onTop.show();
    QApplication::setActiveWindow(&onTop);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&onTop));

    const MessageAnswer answer = showAndHandle(
        {QStringLiteral("Check?"), MessageIcon::Information, MessageButtons::YesNo}, [&](QMessageBox& box) {
            EXPECT_EQ(box.parentWidget(), &onTop);
            EXPECT_EQ(box.windowTitle(), platform::kApplicationTitle);
            QTest::keyClick(&box, Qt::Key_Escape);
        });
    EXPECT_EQ(answer, MessageAnswer::No);
}

TEST(MessageBox, carriageReturnsShowAsOneLineBreakEach)
{
    EXPECT_EQ(QtMessageBox::displayText(QStringLiteral("available\rDo you")), QStringLiteral("available\nDo you"));
    EXPECT_EQ(QtMessageBox::displayText(QStringLiteral("a\r\nb\r\n\r\nc")), QStringLiteral("a\nb\n\nc"));
    EXPECT_EQ(QtMessageBox::displayText(QStringLiteral("a\nb")), QStringLiteral("a\nb"));
}
