// The design's colours, read from the painted windows: every face and text the design colours
// is painted in the design's own RGB, under the platform style the program runs with (Fusion on
// Linux, the Windows style under Wine); and the house buttons and lists keep their looks.
#include <QAbstractItemView>
#include <QPushButton>

#include "appfixture.h"
#include "painted.h"
#include "ui/main/frmmain.h"
#include "ui/promo/frmabout.h"
#include "ui/promo/frmexitscreen.h"
#include "ui/result/frmpersonalmonth.h"

namespace {

// As the design writes them.
const QRgb kLightBlue = qRgb(124, 165, 231);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kBlueText = qRgb(0, 0, 255);
const QRgb kCheckBlue = qRgb(0, 0, 192);
const QRgb kNavy = qRgb(0, 0, 128);
const QRgb kYellow = qRgb(255, 255, 0);

class DesignColours : public AppFixture {
protected:
    QWidget* open(const char* window)
    {
        const QString name = QString::fromLatin1(window);
        if (name == QLatin1String("frmMain"))
            return &registry.show<ui::frmMain>();
        if (name == QLatin1String("frmPersonalMonth")) {
            auto& result = registry.show<ui::frmPersonalMonth>();
            ui::ShowPersonalMonthResult(7, result);
            return &result;
        }
        if (name == QLatin1String("frmAbout")) {
            auto& about = registry.load<ui::frmAbout>();
            about.show();
            return &about;
        }
        return &registry.show<ui::frmExitScreen>();
    }
};

TEST_F(DesignColours, every_face_and_text_the_design_colours_is_painted_in_its_colour)
{
    const struct {
        const char* window;
        const char* control;  // the window's client area is "client" on the main window, else the window
        std::optional<QRgb> face;
        std::optional<QRgb> text;
    } colours[] = {
        {"frmMain", "client", kLightBlue, {}},
        {"frmMain", "Label61", {}, kWhite},
        {"frmMain", "fraName", kLightBlue, kWhite},
        {"frmMain", "Label1", {}, kWhite},
        {"frmMain", "Label4", {}, kWhite},
        {"frmMain", "Label5", {}, kWhite},
        {"frmMain", "txtFirstName", kLightBlue, kWhite},
        {"frmMain", "txtMiddleName", kLightBlue, kWhite},
        {"frmMain", "txtLastName", kLightBlue, kWhite},
        {"frmMain", "cboMonth", kLightBlue, kWhite},
        {"frmMain", "cboDate", kLightBlue, kWhite},
        {"frmMain", "cboYear", kLightBlue, kWhite},
        {"frmMain", "cmdNext", kLightBlue, kWhite},
        {"frmMain", "lblFullBrand", {}, kBlueText},
        {"frmPersonalMonth", "frmPersonalMonth", kLightBlue, {}},
        {"frmPersonalMonth", "Label61", {}, kWhite},
        {"frmPersonalMonth", "txtDisplay", kLightBlue, kWhite},
        {"frmPersonalMonth", "cmdback", kLightBlue, kWhite},
        {"frmPersonalMonth", "lblFullBrand", {}, kBlueText},
        {"frmAbout", "frmAbout", kLightBlue, {}},
        {"frmAbout", "Label1", {}, kWhite},
        {"frmAbout", "Label2", {}, kWhite},
        {"frmAbout", "Label3", {}, kWhite},
        {"frmAbout", "lblCobrand", {}, kWhite},
        {"frmAbout", "lblHomePage", {}, kWhite},
        {"frmAbout", "cmdOK", kLightBlue, kWhite},
        {"frmAbout", "Line1", kWhite, {}},
        {"frmExitScreen", "frmExitScreen", kWhite, {}},
        {"frmExitScreen", "Label1", {}, kBlack},
        {"frmExitScreen", "Label2", {}, kBlack},
        {"frmExitScreen", "Check1", {}, kCheckBlue},
        {"frmExitScreen", "Frame2", kNavy, kWhite},
        {"frmExitScreen", "Frame6", kNavy, kWhite},
        {"frmExitScreen", "Label3", {}, kWhite},
        {"frmExitScreen", "lblGoToHome", {}, kYellow},
    };
    for (const auto& c : colours) {
        SCOPED_TRACE(std::string(c.window) + " " + c.control);
        QWidget* window = open(c.window);
        QWidget* control = QString::fromLatin1(c.control) == window->objectName() ? window : child(window, c.control);
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(control->isVisible());
        if (c.face) {
            EXPECT_EQ(ColourName(FaceColour(window, control)), ColourName(*c.face)) << "face";
        }
        if (c.text) {
            const QFont broad = BroadStrokes();
            const std::optional<PaintedText> painted = PaintText(window, control, &broad);
            ASSERT_TRUE(painted.has_value());
            EXPECT_TRUE(painted->shows(*c.text)) << "no pixel of the text is " << ColourName(*c.text);
        }
    }
}

// The edge of a house button: its top and left sides are lit while it is up, its bottom and
// right sides while it is held down.
bool LitFromTopLeft(const QImage& button)
{
    const int middleX = button.width() / 2;
    const int middleY = button.height() / 2;
    return qGray(button.pixel(middleX, 0)) > qGray(button.pixel(middleX, button.height() - 1)) &&
           qGray(button.pixel(0, middleY)) > qGray(button.pixel(button.width() - 1, middleY));
}

// How many pixels of the band just inside the button's two-pixel edge differ between the two
// paintings.
int BandDifference(const QImage& a, const QImage& b)
{
    const QRect outer = a.rect().adjusted(2, 2, -2, -2);
    const QRect inner = a.rect().adjusted(5, 5, -5, -5);
    int differing = 0;
    for (int y = outer.top(); y <= outer.bottom(); ++y)
        for (int x = outer.left(); x <= outer.right(); ++x)
            differing += !inner.contains(x, y) && a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

TEST_F(DesignColours, house_buttons_show_focus_and_press_and_the_open_list_shows_its_picked_entry_on_navy)
{
    for (const auto& [windowName, name] :
         {std::pair{"frmMain", "cmdNext"}, {"frmPersonalMonth", "cmdback"}, {"frmAbout", "cmdOK"}}) {
        SCOPED_TRACE(name);
        QWidget* window = open(windowName);
        auto* button = child<QPushButton>(window, name);
        activate(window);
        button->clearFocus();
        const QImage up = button->grab().toImage();
        EXPECT_TRUE(LitFromTopLeft(up)) << "raised while up";

        // Reached by the keyboard, as the platform styles show a focus frame only then.
        for (int tabs = 0; tabs < 10 && !button->hasFocus(); ++tabs)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
        ASSERT_TRUE(button->hasFocus());
        EXPECT_GE(BandDifference(up, button->grab().toImage()), 20) << "no focus frame inside the edge";

        button->setDown(true);
        EXPECT_FALSE(LitFromTopLeft(button->grab().toImage())) << "not sunken while held down";
        button->setDown(false);
        window->hide();
    }

    auto* month = child<QComboBox>(open("frmMain"), "cboMonth");
    month->setCurrentIndex(4);
    month->showPopup();
    QAbstractItemView* open = month->view();
    const QImage rows = open->viewport()->grab().toImage();
    const auto rowColour = [&](int row) {
        return ColourName(MostCommonColour(rows, open->visualRect(open->model()->index(row, 0))));
    };
    EXPECT_EQ(rowColour(4), ColourName(kNavy)) << "the picked entry";
    for (const int other : {0, 3, 5})
        EXPECT_EQ(rowColour(other), ColourName(kLightBlue)) << "entry " << other;
    // Made at the first opening, the open list still has the list's font.
    EXPECT_EQ(open->font(), month->font());
    month->hidePopup();
}

}  // namespace
