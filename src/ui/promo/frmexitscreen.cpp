#include "ui/promo/frmexitscreen.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "shell/modhelp.h"
#include "ui/bidi.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/frames.h"
#include "ui/linklabel.h"
#include "ui/programicon.h"
#include "ui/promo/referafriendbox.h"
#include "ui/twips.h"

namespace ui {
namespace {

// floor(4 r), kept within 0..3.
int PromotionalLineIndex(float r)
{
    const float scaled = r * 4.0f;
    if (!(scaled >= 1.0f))
        return 0;
    if (scaled >= 3.0f)
        return 3;
    return static_cast<int>(scaled);
}

}  // namespace

QStringList PromotionalLines()
{
    const QString site = Isolated(shell::SiteHost(shell::Site::Main));
    //: Each line: %1 is the maker's main site. The box holds about 75 characters a line, on
    //: four lines.
    return QStringList{
        frmExitScreen::tr("Orvane Softwares, such as this can be created and maintained only with your "
                          "support. The best way to support our forum is to visit %1 regularly and take "
                          "part in the discussions and other activities on the board.")
            .arg(site),
        frmExitScreen::tr("Visit %1 regularly. Support us by taking part in the discussions and other "
                          "activities there. We cannot support and maintain these programs without you "
                          "regularly visiting our site.")
            .arg(site),
        frmExitScreen::tr("%1 is a free online discussion forum on all esoteric subjects. To help us "
                          "develop and maintain this software, please visit it regularly.")
            .arg(site),
        frmExitScreen::tr("%1 needs your help. All you need to do is visit it regularly and take part in "
                          "the various discussions and activities, to help us maintain and develop more "
                          "Orvane Softwares.")
            .arg(site),
    };
}

frmExitScreen::frmExitScreen(AppContext& context)
    : FormWindow<QWidget>(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), m_context(context)
{
    // Topmost from construction: changing window flags later would hide a shown window.
    NameWindow(this, QStringLiteral("frmExitScreen"));
    Wear(this, kExitScreen);
    SetClientSizeTwips(this, 11115, 4725);

    buildControls();
    buildTabOrder();
    m_cmdClose->setFocus();
}

void frmExitScreen::buildControls()
{
    auto* programIcon = Place(new QLabel(this), "Picture1", 360, 120, 540, 540);
    programIcon->setAccessibleName(tr("Program icon"));
    programIcon->setPixmap(ProgramPixmap(32, devicePixelRatioF()));
    programIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* title = Place(new QLabel(InWindowReadingOrder(kWindowCaption), this), "Label1", 1080, 240, 5475, 435);
    title->setAccessibleName(kWindowCaption);
    Wear(title, kExitScreen, Backdrop::AsDrawn);
    ShrinkToFit(title, MsSansSerif(18));

    m_promotionalLine = Place(new QLabel(this), "Label2", 120, 840, 6975, 1095);
    m_promotionalLine->setWordWrap(true);
    m_promotionalLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_promotionalLine->setFont(Verdana(9.75, true));
    Wear(m_promotionalLine, kExitScreen, Backdrop::AsDrawn);

    //: %1 is the maker's main site.
    const QString visitCaption = tr("Click Here To Visit %1 Now").arg(Isolated(shell::SiteHost(shell::Site::Main)));
    m_visitSiteCheck = Place(new QCheckBox(visitCaption, this), "Check1", 30, 2040, 7185, 555);
    m_visitSiteCheck->setAccessibleName(visitCaption);
    m_visitSiteCheck->setCursor(Qt::PointingHandCursor);
    Wear(m_visitSiteCheck, kVisitCheck, Backdrop::AsDrawn);
    ShrinkToFit(m_visitSiteCheck, Verdana(14.25));
    connect(m_visitSiteCheck, &QCheckBox::clicked, this, &frmExitScreen::visitSiteCheck_Click);

    m_cmdClose = Place(new QPushButton(tr("E&xit"), this), "cmdClose", 6000, 2760, 1245, 375);
    m_cmdClose->setAccessibleName(tr("Exit"));
    FollowDesktop(m_cmdClose);
    ShrinkToFit(m_cmdClose, DefaultControlFont());
    // Enter on it clicks it, as on the desktop; outside a dialog only an auto-default button
    // takes Enter.
    m_cmdClose->setAutoDefault(true);
    connect(m_cmdClose, &QPushButton::clicked, this, &frmExitScreen::cmdClose_Click);

    m_referFrame =
        new ReferAFriendBox(m_context.help, m_context.platform.messages, this, TwipsRect(120, 3240, 7065, 1455));

    auto* catalogueFrame = Place(new QGroupBox(tr("Download Orvane Softwares"), this), "Frame6", 7320, 120, 3735, 4575);
    StyleNavyFrame(catalogueFrame);
    // Two paragraphs, which the design parts with a run of 61 spaces (%1).
    const QString catalogueText =
        tr("If you have enjoyed this software you will surely be interested in our other Orvane "
           "Softwares. From a single software, we have now grown to become the world’s largest resource "
           "of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs "
           "in all fields thus giving our users a wide choice depending on their interests.%1All the "
           "programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to "
           "use but also very informative. Try them out today and share your experience with your friends "
           "and family. ")
            .arg(QString(61, QLatin1Char(' ')));
    auto* catalogue = Place(new QLabel(catalogueText, catalogueFrame), "Label3", 120, 360, 3495, 3855);
    catalogue->setAccessibleName(catalogueText.simplified());
    catalogue->setWordWrap(true);
    catalogue->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Wear(catalogue, kNavyFrame, Backdrop::AsDrawn);
    ShrinkToFit(catalogue, Verdana(9));

    auto* lblGoToHome = Place(new LinkLabel(tr("Click Here To Visit Orvane Softwares"), catalogueFrame), "lblGoToHome",
                              75, 4250, 3585, 210);
    Wear(lblGoToHome, kGoToHome, Backdrop::AsDrawn);
    ShrinkToFit(lblGoToHome, Verdana(9, true, true));
    connect(lblGoToHome, &LinkLabel::clicked, this, &frmExitScreen::lblGoToHome_Click);
}

void frmExitScreen::buildTabOrder()
{
    QList<QWidget*> order{m_cmdClose, m_visitSiteCheck};
    order << m_referFrame->tabOrder();
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void frmExitScreen::Form_Load()
{
    platform::Random& random = m_context.platform.random;
    random.seedFromClock();
    m_promotionalLine->setText(PromotionalLines().at(PromotionalLineIndex(random.next())));
    m_promotionalLine->setAccessibleName(m_promotionalLine->text());
    ShrinkToFit(m_promotionalLine, Verdana(9.75, true));
    // The window is topmost by its flags and is shown by whoever loaded it, right after this
    // load: showing it here as well would break the show-and-hide of the result window's Back.
}

void frmExitScreen::Form_Unload()
{
    m_context.EndProgram();
}

void frmExitScreen::visitSiteCheck_Click()
{
    // Only a click that ticks the box opens the page; the tick never stays.
    if (!m_visitSiteCheck->isChecked())
        return;
    m_visitSiteCheck->setChecked(false);
    m_context.help.OpenHomePage();
}

void frmExitScreen::lblGoToHome_Click()
{
    m_context.help.OpenSoftwaresPage();
}

void frmExitScreen::cmdClose_Click()
{
    m_context.EndProgram();
}

}  // namespace ui
