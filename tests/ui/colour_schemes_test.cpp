// Every text stays readable under the desktop's colour scheme, whichever it is and whenever it
// changes: the contrast between each text and what is painted behind it, read from the pixels.
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "appfixture.h"
#include "painted.h"
#include "platform/qtmessagebox.h"
#include "ui/main/frmmain.h"
#include "ui/promo/frmabout.h"
#include "ui/promo/frmexitscreen.h"
#include "ui/result/frmpersonalmonth.h"

namespace {

constexpr double kLeastContrast = 2.0;

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double Luminance(QRgb pixel)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) + 0.0722 * channel(qBlue(pixel));
}

double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of one widget's text in its window's painting: its colour is the one of its
// pixels farthest from what lies behind it. A text that changes no pixel is invisible: 1.
// Nullopt for a widget without text.
std::optional<double> TextContrast(QWidget* window, QWidget* widget, QString* text)
{
    const std::optional<PaintedText> painted = PaintText(window, widget);
    if (!painted)
        return std::nullopt;
    *text = painted->text;
    double best = 1.0;
    painted->forEachTextPixel([&](QRgb pixel, QRgb behind) { best = std::max(best, Contrast(pixel, behind)); });
    return best;
}

// Every text of the window, except those hidden or covered.
void ExpectReadable(QWidget* window, const char* scheme)
{
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->visibleRegion().isEmpty())
            continue;
        QString text;
        const std::optional<double> contrast = TextContrast(window, widget, &text);
        if (!contrast)
            continue;
        EXPECT_GE(*contrast, kLeastContrast)
            << scheme << ", " << window->objectName().toStdString() << ": " << widget->objectName().toStdString()
            << " \"" << text.left(40).toStdString() << "\"";
    }
}

// qt6ct's "darker" scheme, as KDE's Breeze Dark and the like give it to Qt programs.
QPalette Dark()
{
    QPalette palette(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x20, 0x20));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        palette.setColor(role, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x3d, 0x3d, 0x3d));
    palette.setColor(QPalette::Highlight, QColor(0x12, 0x60, 0x8a));
    return palette;
}

QPalette HighContrast()
{
    QPalette palette(Qt::white, Qt::black, Qt::white, Qt::white, Qt::gray, Qt::white, Qt::white, Qt::black, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0, 255, 255));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

class ColourSchemes : public AppFixture {
protected:
    void TearDown() override
    {
        QApplication::setPalette(m_desktop);
        AppFixture::TearDown();
    }

    std::vector<QWidget*> openAll()
    {
        registry.unloadAll();
        flushDeletes();
        auto& result = registry.show<ui::frmPersonalMonth>();
        ui::ShowPersonalMonthResult(7, result);
        auto& about = registry.load<ui::frmAbout>();
        about.show();
        return {&registry.show<ui::frmMain>(), &result, &registry.show<ui::frmExitScreen>(), &about};
    }

    const QPalette m_desktop = QApplication::palette();
};

TEST_F(ColourSchemes, every_text_of_every_window_reads_under_each_scheme_built_under_it_or_switched_to)
{
    const std::pair<const char*, QPalette> schemes[] = {
        {"default", m_desktop}, {"dark", Dark()}, {"high contrast", HighContrast()}};
    for (const auto& [builtName, builtUnder] : schemes) {
        QApplication::setPalette(builtUnder);
        const std::vector<QWidget*> windows = openAll();
        for (const auto& [name, scheme] : schemes) {
            const std::string where = std::string(name) + " (built under " + builtName + ")";
            QApplication::setPalette(scheme);
            // Qt posts the change to the windows.
            QCoreApplication::sendPostedEvents();
            for (QWidget* window : windows)
                ExpectReadable(window, where.c_str());
        }
        // A message box, as the program shows them, read while it is open.
        QTimer::singleShot(0, [scheme = builtName] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            ExpectReadable(box, scheme);
            box->close();
        });
        platform::QtMessageBox().show(
            {QStringLiteral("Email Address Cannot Contain Space"), platform::MessageIcon::Stop});
    }
}

// The controls the design leaves to the desktop show the desktop's colours, and its new ones
// as soon as the scheme changes: the exit screen's text boxes and buttons, and a message box.
TEST_F(ColourSchemes, controls_left_to_the_desktop_take_each_new_scheme_while_every_window_is_open)
{
    QWidget* exitScreen = openAll()[2];
    const auto expectScheme = [exitScreen](const char* name, const QPalette& scheme) {
        SCOPED_TRACE(name);
        const QFont broad = BroadStrokes();
        const auto textColour = [&](QWidget* window, QWidget* control, QPalette::ColorRole role) {
            const std::optional<PaintedText> painted = PaintText(window, control, &broad);
            ASSERT_TRUE(painted.has_value());
            EXPECT_TRUE(painted->shows(scheme.color(role).rgb())) << control->objectName().toStdString() << " text";
        };
        for (const char* box : {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"}) {
            EXPECT_EQ(ColourName(FaceColour(exitScreen, child(exitScreen, box))),
                      ColourName(scheme.color(QPalette::Base).rgb()))
                << box;
            textColour(exitScreen, child(exitScreen, box), QPalette::Text);
        }
        for (const char* button : {"cmdClose", "cmdSubmit"})
            textColour(exitScreen, child(exitScreen, button), QPalette::ButtonText);
        QWidget* messageBox = QApplication::activeModalWidget();
        ASSERT_NE(messageBox, nullptr);
        EXPECT_EQ(ColourName(FaceColour(messageBox, messageBox)), ColourName(scheme.color(QPalette::Window).rgb()));
        textColour(messageBox, child(messageBox, "qt_msgbox_label"), QPalette::WindowText);
    };
    QTimer::singleShot(0, [&] {
        for (const auto& [name, scheme] : {std::pair{"dark", Dark()}, {"default", m_desktop}}) {
            QApplication::setPalette(scheme);
            QCoreApplication::sendPostedEvents();
            expectScheme(name, scheme);
        }
        QApplication::activeModalWidget()->close();
    });
    platform::QtMessageBox().show({QStringLiteral("Email Address Cannot Contain Space"), platform::MessageIcon::Stop});
}

}  // namespace
