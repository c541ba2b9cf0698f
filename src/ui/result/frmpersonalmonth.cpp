#include "ui/result/frmpersonalmonth.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include "core/readings.h"
#include "shell/ignoringerrors.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/housebutton.h"
#include "ui/logging.h"
#include "ui/promotexts.h"
#include "ui/twips.h"

namespace ui {
frmPersonalMonth::frmPersonalMonth(AppContext& context) : m_context(context)
{
    NameWindow(this, QStringLiteral("frmPersonalMonth"));
    setFont(Verdana(8.25));
    Wear(this, kHouse);
    SetClientSizeTwips(this, 6375, 5220);

    BuildForumStrip(this, m_context.help, {60, 0, 6300, 120, 135});

    m_txtDisplay = new QPlainTextEdit(this);
    m_txtDisplay->setObjectName(QStringLiteral("txtDisplay"));
    m_txtDisplay->setAccessibleName(tr("Your Varodara Zevaz Adavuv"));
    PlaceTwips(m_txtDisplay, 60, 690, 6300, 2955);
    // Right to left, the result reads and aligns from the right whatever script its text is in;
    // a plain text box takes both from its document's option alone.
    if (m_txtDisplay->isRightToLeft()) {
        QTextOption reading = m_txtDisplay->document()->defaultTextOption();
        reading.setTextDirection(Qt::RightToLeft);
        reading.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
        m_txtDisplay->document()->setDefaultTextOption(reading);
    }
    // Read-only for the user, yet the text can still be selected and copied.
    m_txtDisplay->setReadOnly(true);
    m_txtDisplay->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_txtDisplay->setTabChangesFocus(true);
    m_txtDisplay->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtDisplay->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Wear(m_txtDisplay, kHouse);
    // The mouse handlers watch the viewport, where the mouse events arrive; tracking makes
    // a plain pointer movement count too.
    m_txtDisplay->viewport()->setMouseTracking(true);
    m_txtDisplay->viewport()->installEventFilter(this);
    connect(m_txtDisplay, &QPlainTextEdit::textChanged, this, &frmPersonalMonth::clearClipboard);

    m_cmdback = Place(new HouseButton(tr("&Back"), this), "cmdback", 5250, 3780, 1095, 375);
    connect(m_cmdback, &QPushButton::clicked, this, &frmPersonalMonth::cmdback_Click);

    // The fully-branded offer, in front, is the one shown and clicked here.
    BuildOffersStrip(this, m_context.help, {60, 4200, 6300, 255, 240});

    setTabOrder(m_cmdback, m_txtDisplay);
    m_cmdback->setFocus();
}

// Nothing to prepare: the box starts empty and Next writes the result after showing the window.
void frmPersonalMonth::Form_Load() {}

void frmPersonalMonth::Form_Unload()
{
    shell::IgnoringErrors(lcUi, "showing the exit screen", [this] { m_context.navigation.showExitScreen(); });
}

void frmPersonalMonth::cmdback_Click()
{
    // Unloading schedules this object's deletion: work on a local from here on. The unload
    // shows the exit screen, which goes again once the main window is back.
    AppContext& context = m_context;
    shell::IgnoringErrors(lcUi, "unloading the result window", [&] { context.windows.unload(*this); });
    shell::IgnoringErrors(lcUi, "showing the main window", [&] { context.navigation.showMainWindow(); });
    shell::IgnoringErrors(lcUi, "hiding the exit screen", [&] { context.navigation.hideExitScreen(); });
}

void frmPersonalMonth::clearClipboard()
{
    m_context.platform.clipboard.clear();
}

bool frmPersonalMonth::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_txtDisplay->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_mousePressed = true;
            clearClipboard();
            break;
        case QEvent::MouseMove:
            clearClipboard();
            break;
        case QEvent::MouseButtonRelease:
            clearClipboard();
            // A release after a press is a click as well.
            if (m_mousePressed)
                clearClipboard();
            m_mousePressed = false;
            break;
        default:
            break;
        }
    }
    // The box still handles the event itself: selecting with the mouse keeps working.
    return FormWindow<QWidget>::eventFilter(watched, event);
}

void ShowPersonalMonthResult(int number, frmPersonalMonth& form)
{
    QPlainTextEdit* box = form.txtDisplay();
    const auto translate = [](std::string_view english) {
        return QCoreApplication::translate("Readings", english.data()).toStdString();
    };
    for (const std::string& piece : core::ResultTextPieces(number, translate))
        box->insertPlainText(QString::fromStdString(piece));
    QTextCursor caret = box->textCursor();
    caret.setPosition(0);
    box->setTextCursor(caret);
}

}  // namespace ui
