#include "ui/main/frmmain.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <limits>
#include <string>
#include <utility>

#include "core/numerology.h"
#include "core/validation.h"
#include "shell/ignoringerrors.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/frames.h"
#include "ui/housebutton.h"
#include "ui/listbox.h"
#include "ui/logging.h"
#include "ui/main/mainmenus.h"
#include "ui/promotexts.h"
#include "ui/twips.h"

namespace ui {
namespace {

constexpr int kClientWidth = 6405;
constexpr int kClientHeight = 3465;

QLineEdit* MakeNameBox(QWidget* parent, const QString& accessibleName)
{
    auto* box = new QLineEdit(parent);
    box->setFont(Verdana(8.25));
    box->setAccessibleName(accessibleName);
    // Text of any length (Qt stops at 32767 characters by default).
    box->setMaxLength(std::numeric_limits<int>::max());
    Wear(box, kHouse, Backdrop::AsDrawn);
    return box;
}

QLabel* MakeCaption(const QString& text, QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(objectName));
    label->setFont(MsSansSerif(8.25));
    Wear(label, kHouse, Backdrop::AsDrawn);
    return label;
}

QComboBox* MakeList(QWidget* parent, const QString& accessibleName)
{
    auto* list = new ListBox(parent);
    list->setEditable(false);
    list->setFont(Verdana(8.25));
    list->setAccessibleName(accessibleName);
    // Qt on Linux names a drop-down list by its current entry and finds its label only in a
    // sibling label whose buddy it is. This one is never shown: it is there for screen readers.
    auto* label = new QLabel(accessibleName, parent);
    label->setBuddy(list);
    label->setVisible(false);
    return list;
}

QPushButton* MakeButton(const QString& caption, QWidget* parent)
{
    auto* button = new HouseButton(caption, parent);
    button->setFont(Verdana(8.25));
    return button;
}

}  // namespace

frmMain::frmMain(AppContext& context) : m_context(context)
{
    NameWindow(this, QStringLiteral("frmMain"));
    buildControls();
    const MainMenuActions menus = BuildMainMenus(menuBar(), m_context.help);
    connect(menus.mnuNext, &QAction::triggered, this, &frmMain::mnuNext_Click);
    connect(menus.mnuExit, &QAction::triggered, this, &frmMain::cmdExit_Click);
    connect(menus.mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    // The client area is fixed; the menu bar sits above it.
    setFixedSize(centralWidget()->width(), centralWidget()->height() + menuBar()->sizeHint().height());
}

void frmMain::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(Verdana(8.25));
    Wear(client, kHouse);
    SetClientSizeTwips(client, kClientWidth, kClientHeight);
    setCentralWidget(client);

    BuildForumStrip(client, m_context.help, {80, 0, 6255, 50, 140});

    auto* detailsFrame =
        Place(new QGroupBox(tr("Please Fill In The Below Details:"), client), "fraName", 80, 720, 6255, 1605);
    detailsFrame->setFont(Verdana(8.25, true));
    Wear(detailsFrame, kHouse);
    // The caption labels size themselves to their text; only their place is fixed.
    PlaceSizedToContent(MakeCaption(tr("First Name"), detailsFrame, "Label1"), 120, 240);
    PlaceSizedToContent(MakeCaption(tr("Middle Name"), detailsFrame, "Label4"), 2160, 240);
    PlaceSizedToContent(MakeCaption(tr("Last Name"), detailsFrame, "Label5"), 4200, 240);
    m_txtFirstName = Place(MakeNameBox(detailsFrame, tr("First Name")), "txtFirstName", 90, 450, 1905, 345);
    m_txtMiddleName = Place(MakeNameBox(detailsFrame, tr("Middle Name")), "txtMiddleName", 2115, 450, 1965, 345);
    m_txtLastName = Place(MakeNameBox(detailsFrame, tr("Last Name")), "txtLastName", 4200, 450, 1935, 345);
    for (QLineEdit* box : {m_txtFirstName, m_txtMiddleName, m_txtLastName})
        box->installEventFilter(this);

    QFrame* fraBirthDay = Place(MakeBoxFrame(detailsFrame, tr("Birth Date")), "fraBirthDay", 120, 840, 6045, 645);
    fraBirthDay->setFont(Verdana(8.25, true));
    m_cboMonth = Place(MakeList(fraBirthDay, tr("Birth Month")), "cboMonth", 120, 210, 1455, 315);
    m_cboDate = Place(MakeList(fraBirthDay, tr("Birth Day")), "cboDate", 1760, 210, 855, 315);
    m_cboYear = Place(MakeList(fraBirthDay, tr("Birth Year")), "cboYear", 2800, 210, 975, 315);
    m_cmdNext = Place(MakeButton(tr("&Next"), fraBirthDay), "cmdNext", 3960, 210, 1965, 315);
    connect(m_cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);

    const OfferLinks offers = BuildOffersStrip(client, m_context.help, {80, 2400, 6255, 240, 240});
    m_lblCobrand = offers.cobrand;
    m_lblFullBrand = offers.fullBrand;

    // Never shown: File > Exit reaches its click action.
    m_cmdExit = Place(MakeButton(tr("E&xit"), client), "cmdExit", 3840, 3600, 2085, 315);
    m_cmdExit->setVisible(false);
    connect(m_cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);

    QWidget* const focusOrder[] = {m_txtFirstName, m_txtMiddleName, m_txtLastName, m_cboMonth,
                                   m_cboDate,      m_cboYear,       m_cmdNext};
    for (std::size_t i = 1; i < std::size(focusOrder); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
}

void frmMain::Form_Load()
{
    // Start-up has just run the reminder, so nothing is due here. Should the settings store
    // fail this time, the failure is dropped: the lists below must be filled all the same, or
    // the window could never be used.
    shell::IgnoringErrors(lcUi, "the update reminder", [this] { m_context.help.CheckUpdateReminder(); });

    // Each list is appended to in one go: item by item, each addition is a model change of
    // its own, and the 194 of them showed in the start-up time.
    const auto numbers = [](int first, int last) {
        QStringList texts;
        for (int number = first; number <= last; ++number)
            texts << QString::number(number);
        return texts;
    };
    QStringList months;
    for (int month = 1; month <= core::kMonthsInList; ++month)
        months << QCoreApplication::translate("Months", core::MonthName(month).data());
    m_cboDate->addItems(numbers(1, core::kDaysInList));
    m_cboMonth->addItems(months);
    m_cboYear->addItems(numbers(core::kFirstYearInList, core::kLastYearInList));
    for (QComboBox* list : {m_cboDate, m_cboMonth, m_cboYear})
        list->setCurrentIndex(0);
}

void frmMain::Form_Unload()
{
    m_context.navigation.showExitScreen();
}

bool frmMain::ValidateDetails()
{
    const std::string firstName = m_txtFirstName->text().toStdString();
    const std::string lastName = m_txtLastName->text().toStdString();
    const std::string dateText = m_cboDate->currentText().toStdString();
    const std::string monthText = m_cboMonth->currentText().toStdString();
    const std::string yearText = m_cboYear->currentText().toStdString();
    const core::BirthDetails details{firstName,
                                     lastName,
                                     dateText,
                                     monthText,
                                     yearText,
                                     m_cboDate->currentIndex(),
                                     m_cboMonth->currentIndex(),
                                     m_cboYear->currentText().toInt()};
    const std::optional<core::DetailsProblem> problem = core::ValidateBirthDetails(details);
    if (!problem)
        return true;

    platform::MessageRequest message;
    // The core's texts are literals, whose data ends in a null.
    message.text = QCoreApplication::translate("Messages", problem->message.data());
    m_context.platform.messages.show(message);

    const std::pair<core::DetailsField, QWidget*> controls[] = {
        {core::DetailsField::FirstName, m_txtFirstName}, {core::DetailsField::LastName, m_txtLastName},
        {core::DetailsField::BirthDate, m_cboDate},      {core::DetailsField::BirthMonth, m_cboMonth},
        {core::DetailsField::BirthYear, m_cboYear},
    };
    for (const auto& [field, control] : controls) {
        if (field == problem->focus)
            control->setFocus();
    }
    return false;
}

void frmMain::cmdNext_Click()
{
    if (!ValidateDetails())
        return;
    hide();
    m_context.navigation.showResultWindow();
    // Checked again with the result window up, as the design orders it. Nothing can have
    // changed the entries since, so no message comes; the order of the steps is kept.
    if (!ValidateDetails())
        return;

    const std::string day(core::TrimSpaces(m_cboDate->currentText().toStdString()));
    // The list shows the month in the user's language; the core takes its English name.
    const std::string month(core::MonthName(m_cboMonth->currentIndex() + 1));
    const QDate today = m_context.platform.clock.today();
    const core::Int16 number =
        core::CalculatePersonalMonth(day, month, core::CalendarDate{today.year(), today.month(), today.day()});
    m_context.navigation.showResult(number);
}

void frmMain::mnuNext_Click()
{
    cmdNext_Click();
}

void frmMain::cmdExit_Click()
{
    // Unloading schedules this object's deletion: only the context is used afterwards.
    AppContext& context = m_context;
    shell::IgnoringErrors(lcUi, "showing the exit screen", [&] { context.navigation.showExitScreen(); });
    shell::IgnoringErrors(lcUi, "unloading the main window", [&] { context.windows.unload(*this); });
}

void frmMain::mnuAbout_Click()
{
    m_context.navigation.showAbout();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    const bool nameBox = watched == m_txtFirstName || watched == m_txtMiddleName || watched == m_txtLastName;
    if (nameBox && event->type() == QEvent::KeyPress && txtName_KeyPress(watched, static_cast<QKeyEvent*>(event)))
        return true;
    return FormWindow<QMainWindow>::eventFilter(watched, event);
}

bool frmMain::txtName_KeyPress(QObject* box, QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.size() != 1 || typed.at(0) < u'a' || typed.at(0) > u'z')
        return false;
    // Key events cannot be edited: the box gets the same key carrying the capital instead.
    QKeyEvent capital(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                      event->nativeVirtualKey(), event->nativeModifiers(), typed.toUpper(), event->isAutoRepeat(),
                      event->count(), event->device());
    QCoreApplication::sendEvent(box, &capital);
    event->setAccepted(capital.isAccepted());
    return true;
}

void frmMain::showEvent(QShowEvent* event)
{
    if (!m_shownBefore) {
        m_shownBefore = true;
        m_txtFirstName->setFocus();
    }
    FormWindow<QMainWindow>::showEvent(event);
}

}  // namespace ui
