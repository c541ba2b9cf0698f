// The real QMessageBox, answered from a timer while its modal loop runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/qtmessagebox.h"
#include "testhelpers.h"

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

TEST(MessageBox, showsTheRequestAndReturnsTheAnswer)
{
    struct Case {
        MessageButtons buttons;
        MessageIcon icon;
        QString title;
        QMessageBox::StandardButton click;  // NoButton: Escape; Abort: the program ends the event loop
        MessageAnswer answer;
    };
    const Case cases[] = {
        {MessageButtons::YesNo, MessageIcon::Information, QStringLiteral("Some title"), QMessageBox::Yes,
         MessageAnswer::Yes},
        {MessageButtons::YesNo, MessageIcon::Information, QStringLiteral("Other"), QMessageBox::NoButton,
         MessageAnswer::No},
        {MessageButtons::Ok, MessageIcon::Stop, platform::kApplicationTitle, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageButtons::YesNo, MessageIcon::Information, QStringLiteral("Ending"), QMessageBox::Abort,
         MessageAnswer::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.click));
        const bool yesNo = c.buttons == MessageButtons::YesNo;
        bool seen = false;
        int ticks = 0;
        QTimer poll;
        // Checks the box once it is up and answers it; one nobody answers is closed after
        // ten seconds so the test cannot hang.
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal); box && !seen) {
                seen = true;
                EXPECT_EQ(box->text(), QStringLiteral("There is news\nDo you\nwant it?"));
                EXPECT_EQ(box->windowTitle(), c.title);
                EXPECT_EQ(box->icon(), yesNo ? QMessageBox::Information : QMessageBox::Critical);
                EXPECT_EQ(box->standardButtons(),
                          yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::StandardButtons(QMessageBox::Ok));
                EXPECT_EQ(box->defaultButton(), box->button(yesNo ? QMessageBox::Yes : QMessageBox::Ok));
                // No window of ours lies under it: it must not open hidden behind others.
                EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
                // The short text must not cut the caption: room for it in bold and three buttons.
                QFont bold = box->font();
                bold.setBold(true);
                const QFontMetrics metrics(bold);
                EXPECT_GE(box->width(), metrics.horizontalAdvance(c.title) + 3 * metrics.height());
                if (c.click == QMessageBox::NoButton)
                    QTest::keyClick(box, Qt::Key_Escape);
                else if (c.click == QMessageBox::Abort)
                    QCoreApplication::exit(0);
                else
                    QTest::mouseClick(box->button(c.click), Qt::LeftButton);
            } else if (modal && ++ticks > 1000) {
                ADD_FAILURE() << "message box left unanswered";
                modal->close();
            }
        });
        poll.start(10);
        EXPECT_EQ(platform::QtMessageBox().show(
                      {QStringLiteral("There is news\rDo you\r\nwant it?"), c.icon, c.buttons, c.title}),
                  c.answer);
        EXPECT_TRUE(seen);
    }
}

TEST(MessageBox, staysOnTopWithoutAWindowUnderItOrAboveOneThatDoes)
{
    QWidget ordinary;
    QWidget topmost(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    const QWidget* noWindow = nullptr;
    const Qt::WindowFlags dialog = Qt::Dialog | Qt::WindowTitleHint;
    EXPECT_TRUE(platform::QtMessageBox::windowFlags(noWindow, dialog).testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(platform::QtMessageBox::windowFlags(&ordinary, dialog).testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(platform::QtMessageBox::windowFlags(&topmost, dialog).testFlag(Qt::WindowStaysOnTopHint));
}
