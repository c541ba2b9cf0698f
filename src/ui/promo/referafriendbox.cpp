#include "ui/promo/referafriendbox.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <limits>

#include "platform/services.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/frames.h"
#include "ui/twips.h"

namespace ui {
namespace {

constexpr char kSpaceInAddress[] = QT_TRANSLATE_NOOP("Messages", "Email Address Cannot Contain Space");

QLineEdit* MakeTextBox(QWidget* parent, const char* name, const QString& placeholder)
{
    auto* box = new QLineEdit(placeholder, parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(placeholder);
    box->setFont(DefaultControlFont());
    // Text of any length (Qt stops at 32767 characters by default).
    box->setMaxLength(std::numeric_limits<int>::max());
    // The frame's navy must not reach the box's own frame drawing.
    FollowDesktop(box);
    return box;
}

QString BoxText(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    return MessageBoxText(*qobject_cast<const QPlainTextEdit*>(box));
}

void SetBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else
        qobject_cast<QPlainTextEdit*>(box)->setPlainText(text);
}

// Focus that moves between windows or into a popup is not a change of control.
bool MovesBetweenControls(const QFocusEvent& event)
{
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

}  // namespace

QString MessageBoxText(const QPlainTextEdit& box)
{
    // The box keeps a line break as a paragraph (or, after Shift+Enter, a line) separator;
    // the form's text has CR LF there. The raw text also keeps no-break spaces as they are.
    QString text = box.document()->toRawText();
    const QString lineBreak = QStringLiteral("\r\n");
    text.replace(QChar::ParagraphSeparator, lineBreak);
    text.replace(QChar::LineSeparator, lineBreak);
    return text;
}

ReferAFriendBox::ReferAFriendBox(shell::modHelp& help, platform::MessageBoxService& messages, QWidget* parent,
                                 const QRect& place)
    : QGroupBox(tr("Refer A Friend"), parent), m_messages(messages), m_tellAFriend(help, messages)
{
    setObjectName(QStringLiteral("Frame2"));
    // Its controls are mirrored inside it right to left: it must have its size first.
    PlaceRect(this, place);
    StyleNavyFrame(this);

    m_txtName =
        Place(MakeTextBox(this, "txtName", shell::ShownPlaceholder(shell::kNamePlaceholder)), 85, 360, 3375, 285);
    m_txtEmail =
        Place(MakeTextBox(this, "txtEmail", shell::ShownPlaceholder(shell::kEmailPlaceholder)), 3600, 360, 3375, 285);
    m_txtFriendName = Place(MakeTextBox(this, "txtFriendName", shell::ShownPlaceholder(shell::kFriendNamePlaceholder)),
                            85, 720, 3375, 285);
    m_txtFriendEmail =
        Place(MakeTextBox(this, "txtFriendEmail", shell::ShownPlaceholder(shell::kFriendEmailPlaceholder)), 3600, 720,
              3375, 285);

    m_cmdSubmit = new QPushButton(tr("Refer A Friend &Now"), this);
    m_cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    m_cmdSubmit->setAccessibleName(tr("Refer A Friend Now"));
    FollowDesktop(m_cmdSubmit);
    PlaceTwips(m_cmdSubmit, 1920, 1080, 3375, 285);
    ShrinkToFit(m_cmdSubmit, Verdana(8.25, true));
    // Enter on it clicks it, as on the desktop.
    m_cmdSubmit->setAutoDefault(true);
    connect(m_cmdSubmit, &QPushButton::clicked, this, &ReferAFriendBox::cmdSubmit_Click);

    // Lies below the frame's bottom edge, so it is out of sight; it still takes the focus in
    // the tab order and its text is sent. It starts with a line break after the placeholder,
    // which the box holds as a paragraph break and MessageBoxText reads back as CR LF.
    m_txtMessage = new QPlainTextEdit(this);
    m_txtMessage->setObjectName(QStringLiteral("txtMessage"));
    m_txtMessage->setAccessibleName(shell::ShownPlaceholder(shell::kMessagePlaceholder));
    m_txtMessage->setFont(DefaultControlFont());
    FollowDesktop(m_txtMessage);
    m_txtMessage->setPlainText(shell::ShownPlaceholder(shell::kMessagePlaceholder) + QStringLiteral("\r\n"));
    m_txtMessage->setTabChangesFocus(true);
    m_txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Lines break between words only. Breaking an unbroken run of characters as well costs
    // time that grows with the square of its length: a million pasted letters froze the
    // window for minutes.
    m_txtMessage->setWordWrapMode(QTextOption::WordWrap);
    PlaceTwips(m_txtMessage, 4800, 3600, 1815, 495);

    m_placeholderBoxes = {{m_txtName, shell::ShownPlaceholder(shell::kNamePlaceholder)},
                          {m_txtEmail, shell::ShownPlaceholder(shell::kEmailPlaceholder)},
                          {m_txtFriendName, shell::ShownPlaceholder(shell::kFriendNamePlaceholder)},
                          {m_txtFriendEmail, shell::ShownPlaceholder(shell::kFriendEmailPlaceholder)},
                          {m_txtMessage, shell::ShownPlaceholder(shell::kMessagePlaceholder)}};
    for (const PlaceholderBox& box : m_placeholderBoxes)
        box.box->installEventFilter(this);
}

QList<QWidget*> ReferAFriendBox::tabOrder() const
{
    return {m_txtName, m_cmdSubmit, m_txtEmail, m_txtFriendEmail, m_txtFriendName, m_txtMessage};
}

void ReferAFriendBox::cmdSubmit_Click()
{
    m_tellAFriend.storeFields({.name = m_txtName->text(),
                               .email = m_txtEmail->text(),
                               .message = MessageBoxText(*m_txtMessage),
                               .friendName = m_txtFriendName->text(),
                               .friendEmail = m_txtFriendEmail->text()});
    if (const std::optional<QString> problem =
            shell::CheckReferralAddresses(m_tellAFriend.ReferEmail, m_tellAFriend.ReferFriendEmail)) {
        m_messages.show({*problem, platform::MessageIcon::Stop});
        return;
    }
    m_tellAFriend.SendReferral();
}

void ReferAFriendBox::clearPlaceholder(const PlaceholderBox& box)
{
    if (shell::ClearsPlaceholderOnFocus(BoxText(box.box), box.placeholder))
        SetBoxText(box.box, QString());
}

void ReferAFriendBox::restorePlaceholder(const PlaceholderBox& box)
{
    if (shell::RestoresPlaceholderOnBlur(BoxText(box.box)))
        SetBoxText(box.box, box.placeholder);
}

bool ReferAFriendBox::refuseSpace(QWidget* box, const QKeyEvent& event)
{
    if (event.text() != QStringLiteral(" "))
        return false;
    m_messages.show({QCoreApplication::translate("Messages", kSpaceInAddress), platform::MessageIcon::Stop});
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

bool ReferAFriendBox::eventFilter(QObject* watched, QEvent* event)
{
    for (const PlaceholderBox& box : m_placeholderBoxes) {
        if (watched != box.box)
            continue;
        switch (event->type()) {
        case QEvent::FocusIn:
            if (MovesBetweenControls(*static_cast<QFocusEvent*>(event)))
                clearPlaceholder(box);
            break;
        case QEvent::FocusOut:
            if (MovesBetweenControls(*static_cast<QFocusEvent*>(event)))
                restorePlaceholder(box);
            break;
        case QEvent::KeyPress:
            if ((box.box == m_txtEmail || box.box == m_txtFriendEmail) &&
                refuseSpace(box.box, *static_cast<QKeyEvent*>(event)))
                return true;
            break;
        default:
            break;
        }
        break;
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace ui
