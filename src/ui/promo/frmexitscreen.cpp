#include "ui/promo/frmexitscreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "ui/linklabel.h"
#include "ui/look.h"

namespace ui {
namespace {

const QString kSpaceInAddress = QStringLiteral("Email Address Cannot Contain Space");

const QString kCatalogueText =
    QStringLiteral("If you have enjoyed this software you will surely be interested in our other Orvane "
                   "Softwares. From a single software, we have now grown to become the world") +
    QChar(0x2019) +
    QStringLiteral("s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or "
                   "occult, we have programs in all fields thus giving our users a wide choice depending "
                   "on their interests.") +
    QString(61, QLatin1Char(' ')) +
    QStringLiteral("All the programs in the Orvane Softwares suite are simple and easy to use. They are not "
                   "only fun to use but also very informative. Try them out today and share your "
                   "experience with your friends and family. ");

// Fonts of this window's controls whose design font is the system default. Every property
// is set so that nothing of a frame's bold caption font is inherited.
QFont DefaultControlFont()
{
    QFont font = MsSansSerif(8.25);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

// The design's fonts are requested by name and a substitute of other metrics may stand in:
// shrink a control's font in small steps until its text fits its box, never below 6 pt.
bool Overflows(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget); label != nullptr && label->wordWrap())
        return label->heightForWidth(label->width()) > label->height();
    return widget->sizeHint().width() > widget->width();
}

void ShrinkToFit(QWidget* widget, QFont font)
{
    constexpr qreal kSmallest = 6.0;
    constexpr qreal kStep = 0.25;
    widget->setFont(font);
    while (Overflows(widget) && font.pointSizeF() - kStep >= kSmallest) {
        font.setPointSizeF(font.pointSizeF() - kStep);
        widget->setFont(font);
    }
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& title)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setAccessibleName(title);
    frame->setFont(Verdana(9.75, true));
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, kNavy);
    palette.setColor(QPalette::WindowText, kWhite);
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    return frame;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, const QString& placeholder)
{
    auto* box = new QLineEdit(placeholder, parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(placeholder);
    box->setFont(DefaultControlFont());
    // The frame's navy must not reach the box's own frame drawing.
    box->setPalette(QApplication::palette(box));
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

const QStringList& PromotionalLines()
{
    static const QStringList lines = [] {
        const QString site = shell::SiteHost(shell::Site::Main);
        return QStringList{
            QStringLiteral("Orvane Softwares, such as this can be created and maintained only with your "
                           "support. The best way to support our forum is to visit %1 regularly and take "
                           "part in the discussions and other activities on the board.")
                .arg(site),
            QStringLiteral("Visit %1 regularly. Support us by taking part in the discussions and other "
                           "activities there. We cannot support and maintain these programs without you "
                           "regularly visiting our site.")
                .arg(site),
            QStringLiteral("%1 is a free online discussion forum on all esoteric subjects. To help us "
                           "develop and maintain this software, please visit it regularly.")
                .arg(site),
            QStringLiteral("%1 needs your help. All you need to do is visit it regularly and take part in "
                           "the various discussions and activities, to help us maintain and develop more "
                           "Orvane Softwares.")
                .arg(site),
        };
    }();
    return lines;
}

int PromotionalLineIndex(float r)
{
    const float scaled = r * 4.0f;
    if (!(scaled >= 1.0f))
        return 0;
    if (scaled >= 3.0f)
        return 3;
    return static_cast<int>(scaled);
}

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

frmExitScreen::frmExitScreen(AppContext& context)
    : FormWindow<QWidget>(nullptr, Qt::Window | Qt::WindowStaysOnTopHint),
      m_context(context),
      m_tellAFriend(context.help, context.platform.messages)
{
    // Topmost from construction: changing window flags later would hide a shown window.
    NameWindow(this, QStringLiteral("frmExitScreen"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWhite);
    setPalette(palette);
    setAutoFillBackground(true);
    SetClientSizeTwips(this, 11115, 4725);

    buildControls();
    buildTabOrder();
    m_cmdClose->setFocus();
}

void frmExitScreen::buildControls()
{
    auto* picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setAccessibleName(tr("Program icon"));
    picture1->setPixmap(ProgramPixmap(32));
    picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(picture1, 360, 120, 540, 540);

    auto* label1 = new QLabel(kWindowCaption, this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setAccessibleName(kWindowCaption);
    PlaceTwips(label1, 1080, 240, 5475, 435);
    ShrinkToFit(label1, MsSansSerif(18));

    m_Label2 = new QLabel(this);
    m_Label2->setObjectName(QStringLiteral("Label2"));
    m_Label2->setWordWrap(true);
    m_Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(m_Label2, 120, 840, 6975, 1095);
    m_Label2->setFont(Verdana(9.75, true));

    const QString checkCaption = QStringLiteral("Click Here To Visit ") +
                                 shell::SiteHost(shell::Site::Main) + QStringLiteral(" Now");
    m_Check1 = new QCheckBox(checkCaption, this);
    m_Check1->setObjectName(QStringLiteral("Check1"));
    m_Check1->setAccessibleName(checkCaption);
    m_Check1->setCursor(Qt::PointingHandCursor);
    SetTextColour(m_Check1, kCheckBlue);
    PlaceTwips(m_Check1, 30, 2040, 7185, 555);
    ShrinkToFit(m_Check1, Verdana(14.25));
    connect(m_Check1, &QCheckBox::clicked, this, &frmExitScreen::Check1_Click);

    m_cmdClose = new QPushButton(tr("E&xit"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    m_cmdClose->setAccessibleName(tr("Exit"));
    PlaceTwips(m_cmdClose, 6000, 2760, 1245, 375);
    ShrinkToFit(m_cmdClose, DefaultControlFont());
    connect(m_cmdClose, &QPushButton::clicked, this, &frmExitScreen::cmdClose_Click);

    QGroupBox* frame2 = MakeFrame(this, "Frame2", tr("Refer A Friend"));
    PlaceTwips(frame2, 120, 3240, 7065, 1455);
    m_txtName = MakeTextBox(frame2, "txtName", kNamePlaceholder);
    PlaceTwips(m_txtName, 85, 360, 3375, 285);
    m_txtEmail = MakeTextBox(frame2, "txtEmail", kEmailPlaceholder);
    PlaceTwips(m_txtEmail, 3600, 360, 3375, 285);
    m_txtFriendName = MakeTextBox(frame2, "txtFriendName", kFriendNamePlaceholder);
    PlaceTwips(m_txtFriendName, 85, 720, 3375, 285);
    m_txtFriendEmail = MakeTextBox(frame2, "txtFriendEmail", kFriendEmailPlaceholder);
    PlaceTwips(m_txtFriendEmail, 3600, 720, 3375, 285);

    m_cmdSubmit = new QPushButton(tr("Refer A Friend &Now"), frame2);
    m_cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    m_cmdSubmit->setAccessibleName(tr("Refer A Friend Now"));
    m_cmdSubmit->setPalette(QApplication::palette(m_cmdSubmit));
    PlaceTwips(m_cmdSubmit, 1920, 1080, 3375, 285);
    ShrinkToFit(m_cmdSubmit, Verdana(8.25, true));
    connect(m_cmdSubmit, &QPushButton::clicked, this, &frmExitScreen::cmdSubmit_Click);

    // Lies below the frame's bottom edge, so it is out of sight; it still takes the focus in
    // the tab order and its text is sent. It starts with a line break after the placeholder,
    // which the box holds as a paragraph break and MessageBoxText reads back as CR LF.
    m_txtMessage = new QPlainTextEdit(frame2);
    m_txtMessage->setObjectName(QStringLiteral("txtMessage"));
    m_txtMessage->setAccessibleName(kMessagePlaceholder);
    m_txtMessage->setFont(DefaultControlFont());
    m_txtMessage->setPalette(QApplication::palette(m_txtMessage));
    m_txtMessage->setPlainText(kMessagePlaceholder + QStringLiteral("\r\n"));
    m_txtMessage->setTabChangesFocus(true);
    m_txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PlaceTwips(m_txtMessage, 4800, 3600, 1815, 495);

    QGroupBox* frame6 = MakeFrame(this, "Frame6", tr("Download Orvane Softwares"));
    PlaceTwips(frame6, 7320, 120, 3735, 4575);
    auto* label3 = new QLabel(kCatalogueText, frame6);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setAccessibleName(kCatalogueText.simplified());
    label3->setWordWrap(true);
    label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(label3, kWhite);
    PlaceTwips(label3, 120, 360, 3495, 3855);
    ShrinkToFit(label3, Verdana(9));

    auto* lblGoToHome = new LinkLabel(tr("Click Here To Visit Orvane Softwares"), frame6);
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    SetTextColour(lblGoToHome, kYellow);
    PlaceTwips(lblGoToHome, 75, 4250, 3585, 210);
    ShrinkToFit(lblGoToHome, Verdana(9, true, true));
    connect(lblGoToHome, &LinkLabel::clicked, this, &frmExitScreen::lblGoToHome_Click);

    m_placeholderBoxes = {{m_txtName, kNamePlaceholder},
                          {m_txtEmail, kEmailPlaceholder},
                          {m_txtFriendName, kFriendNamePlaceholder},
                          {m_txtFriendEmail, kFriendEmailPlaceholder},
                          {m_txtMessage, kMessagePlaceholder}};
    for (const PlaceholderBox& box : m_placeholderBoxes)
        box.box->installEventFilter(this);
}

void frmExitScreen::buildTabOrder()
{
    QWidget* const order[] = {m_cmdClose, m_Check1,         m_txtName,       m_cmdSubmit,
                              m_txtEmail, m_txtFriendEmail, m_txtFriendName, m_txtMessage};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void frmExitScreen::Form_Load()
{
    platform::Random& random = m_context.platform.random;
    random.seedFromClock();
    m_Label2->setText(PromotionalLines().at(PromotionalLineIndex(random.next())));
    m_Label2->setAccessibleName(m_Label2->text());
    ShrinkToFit(m_Label2, Verdana(9.75, true));
    // The window is topmost by its flags and is shown by whoever loaded it, right after this
    // load: showing it here as well would break the show-and-hide of the result window's Back.
}

void frmExitScreen::Form_Unload()
{
    m_context.EndProgram();
}

void frmExitScreen::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        CenterOnScreen(this);
    }
    FormWindow<QWidget>::showEvent(event);
}

void frmExitScreen::Check1_Click()
{
    // Only a click that ticks the box opens the page; the tick never stays.
    if (!m_Check1->isChecked())
        return;
    m_Check1->setChecked(false);
    m_context.help.OpenHomePage();
}

void frmExitScreen::lblGoToHome_Click()
{
    m_context.help.OpenSoftwaresPage();
}

void frmExitScreen::cmdSubmit_Click()
{
    m_tellAFriend.StoreFields({.name = m_txtName->text(),
                               .email = m_txtEmail->text(),
                               .message = MessageBoxText(*m_txtMessage),
                               .friendName = m_txtFriendName->text(),
                               .friendEmail = m_txtFriendEmail->text()});
    if (const std::optional<QString> problem =
            CheckReferralAddresses(m_tellAFriend.ReferEmail, m_tellAFriend.ReferFriendEmail)) {
        m_context.platform.messages.show({*problem, platform::MessageIcon::Stop});
        return;
    }
    m_tellAFriend.SendReferral();
}

void frmExitScreen::cmdClose_Click()
{
    m_context.EndProgram();
}

void frmExitScreen::TextBox_GotFocus(const PlaceholderBox& box)
{
    if (ClearsPlaceholderOnFocus(BoxText(box.box), box.placeholder))
        SetBoxText(box.box, QString());
}

void frmExitScreen::TextBox_LostFocus(const PlaceholderBox& box)
{
    if (RestoresPlaceholderOnBlur(BoxText(box.box)))
        SetBoxText(box.box, box.placeholder);
}

bool frmExitScreen::AddressBox_KeyPress(QWidget* box, const QKeyEvent& event)
{
    if (event.text() != QStringLiteral(" "))
        return false;
    m_context.platform.messages.show({kSpaceInAddress, platform::MessageIcon::Stop});
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

bool frmExitScreen::eventFilter(QObject* watched, QEvent* event)
{
    for (const PlaceholderBox& box : m_placeholderBoxes) {
        if (watched != box.box)
            continue;
        switch (event->type()) {
        case QEvent::FocusIn:
            if (MovesBetweenControls(*static_cast<QFocusEvent*>(event)))
                TextBox_GotFocus(box);
            break;
        case QEvent::FocusOut:
            if (MovesBetweenControls(*static_cast<QFocusEvent*>(event)))
                TextBox_LostFocus(box);
            break;
        case QEvent::KeyPress:
            if ((box.box == m_txtEmail || box.box == m_txtFriendEmail) &&
                AddressBox_KeyPress(box.box, *static_cast<QKeyEvent*>(event)))
                return true;
            break;
        default:
            break;
        }
        break;
    }
    return FormWindow<QWidget>::eventFilter(watched, event);
}

}  // namespace ui
