#include "ui/promo/frmabout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <algorithm>

#include "shell/modhelp.h"
#include "ui/bidi.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/housebutton.h"
#include "ui/linklabel.h"
#include "ui/programicon.h"
#include "ui/twips.h"

namespace ui {
namespace {

// A text that its box cannot hold at the design's size (a translation, or a substitute font
// that runs wider) shrinks to fit.
void MakeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, const QRect& box)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAccessibleName(text);
    Wear(label, kHouse, Backdrop::AsDrawn);
    PlaceRect(label, box);
    ShrinkToFit(label, font);
}

// A link label grows from its top-left corner to fit its text on one line. A text wider than
// its box (a long host name) ends at the box's right edge instead of running off the window.
LinkLabel* MakeLink(QWidget* parent, const char* name, const QString& text, int left, int top, int width)
{
    auto* label = new LinkLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(Verdana(8.25, false, true));
    Wear(label, kHouse, Backdrop::AsDrawn);
    const QRect box = TwipsRect(left, top, width, 0);
    label->adjustSize();
    const int x = label->width() > box.width() ? std::max(0, box.x() + box.width() - label->width()) : box.x();
    PlaceRect(label, QRect(QPoint(x, box.y()), label->size()));
    return label;
}

}  // namespace

frmAbout::frmAbout(AppContext& context)
    : FormWindow<QDialog>(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_context(context)
{
    NameWindow(this, QStringLiteral("frmAbout"));
    setFont(Verdana(8.25));
    Wear(this, kHouse);
    SetClientSizeTwips(this, 6825, 3720);

    auto* programIcon = new QLabel(this);
    programIcon->setObjectName(QStringLiteral("Picture1"));
    programIcon->setAccessibleName(tr("Program icon"));
    programIcon->setPixmap(ProgramPixmap(32, devicePixelRatioF()));
    PlaceSizedToContent(programIcon, 120, 120);

    auto* cmdOK = Place(new HouseButton(tr("OK"), this), "cmdOK", 5400, 3240, 1260, 345);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* separatorLine = new QFrame(this);
    separatorLine->setObjectName(QStringLiteral("Line1"));
    separatorLine->setAccessibleName(tr("Separator"));
    separatorLine->setFrameShape(QFrame::NoFrame);
    Wear(separatorLine, kWhiteLine);
    PlaceRect(separatorLine, QRect(Twips(-60), Twips(3150), Twips(6840 + 60), 2));

    //: The box holds about 60 characters a line, on six lines, the rights notice included.
    const QString description =
        tr("OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a "
           "month of your life. There are 9 personal months. This number is calculated by adding your "
           "Birth Day, Birth Month, Current Month and Current Year. So this software helps you in "
           "getting the current and past month's forecast.");
    //: %1 is the maker's main site.
    const QString rights =
        tr("© Orvane Softwares, %1. All rights reserved.").arg(Isolated(shell::SiteHost(shell::Site::Main)));
    MakeLabel(this, "Label1", description + QStringLiteral("  ") + rights, Verdana(8.25),
              TwipsRect(840, 480, 5655, 1275));
    MakeLabel(this, "Label2", InWindowReadingOrder(kWindowCaption), Verdana(9.75, true),
              TwipsRect(960, 120, 5295, 255));
    MakeLabel(this, "Label3",
              tr("Home Business Opportunity. Start your own Internet business and make money online. Get this "
                 "software fully branded for your website."),
              Verdana(8.25, true), TwipsRect(840, 2160, 5685, 675));

    LinkLabel* lblCobrand = MakeLink(this, "lblCobrand", tr(" Click here for more details."), 4320, 2760, 2415);
    //: %1 is the address of the maker's main site.
    const QString homePage = tr("Click here to visit %1").arg(Isolated(shell::SiteAddress(shell::Site::Main)));
    LinkLabel* lblHomePage = MakeLink(this, "lblHomePage", homePage, 2640, 1800, 4050);
    // Both open the page and leave this window open.
    connect(lblCobrand, &LinkLabel::clicked, this, [this] { m_context.help.OpenFullyBrandedPage(); });
    connect(lblHomePage, &LinkLabel::clicked, this, [this] { m_context.help.OpenHomePage(); });

    cmdOK->setFocus();
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    // In a modal run the close box only ends the run, like Esc: the caller unloads the window
    // once exec() has returned, so nothing is destroyed while exec() is still running.
    if (isModal()) {
        event->accept();
        reject();
        return;
    }
    FormWindow<QDialog>::closeEvent(event);
}

void frmAbout::showEvent(QShowEvent* event)
{
    // Transient for the window it is opened from: kept above it and out of the taskbar. Only
    // the native window is tied to it; the registry alone owns each window object.
    QWidget* opener = QApplication::activeWindow();
    if (opener != nullptr && opener != this && windowHandle() != nullptr)
        windowHandle()->setTransientParent(opener->windowHandle());
    FormWindow<QDialog>::showEvent(event);
}

}  // namespace ui
