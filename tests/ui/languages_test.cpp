// Every window in every language the program speaks: each text translated and inside its
// control's box, measured with the control's font, no font below 7 pt, and every control where
// the English window has it, mirrored in Arabic and Persian.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextLayout>
#include <QtMath>
#include <map>

#include "appfixture.h"
#include "platform/translations.h"
#include "ui/main/frmmain.h"
#include "ui/promo/frmabout.h"
#include "ui/promo/frmexitscreen.h"
#include "ui/result/frmpersonalmonth.h"
#include "ui/twips.h"

namespace {

struct Shown {
    QRect geometry;  // right to left, mirrored back inside its parent
    QString text;    // what the control shows or is named by
    bool sizedToText = false;
};

// The controls the design sizes to their text; only their place is fixed.
const QStringList kSizedToText{"frmMain.Label1", "frmMain.Label4", "frmMain.Label5", "frmAbout.lblCobrand",
                               "frmAbout.lblHomePage"};

class Languages : public AppFixture {
protected:
    // Every named control of every window, built afresh under the language; each text must fit.
    std::map<QString, Shown> buildAll(const QString& language)
    {
        const platform::Translations translations(language);
        translations.install();
        // Set by installing the translations, before any window is built.
        const bool rightToLeft = language == QLatin1String("ar") || language == QLatin1String("fa");
        EXPECT_EQ(QGuiApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        registry.unloadAll();
        flushDeletes();
        std::map<QString, Shown> shown;
        auto& result = registry.show<ui::frmPersonalMonth>();
        ui::ShowPersonalMonthResult(3, result);
        for (QWidget* window : {static_cast<QWidget*>(&registry.show<ui::frmMain>()), static_cast<QWidget*>(&result),
                                static_cast<QWidget*>(&registry.load<ui::frmAbout>()),
                                static_cast<QWidget*>(&registry.show<ui::frmExitScreen>())}) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                const QString key = window->objectName() + QLatin1Char('.') + control->objectName();
                QRect geometry = control->geometry();
                if (rightToLeft && !control->isWindow())
                    geometry.moveLeft(control->parentWidget()->width() - geometry.x() - geometry.width());
                shown[key] = {geometry, textOf(control), kSizedToText.contains(key)};
                SCOPED_TRACE(language.toStdString() + " " + key.toStdString());
                EXPECT_GE(control->font().pointSizeF(), 7.0);
                expectFits(control);
            }
            for (const QAction* action : window->findChildren<QAction*>()) {
                if (!action->objectName().isEmpty() && !action->isSeparator())
                    shown[window->objectName() + QLatin1Char('.') + action->objectName()] = {{}, action->text()};
            }
            if (auto* main = qobject_cast<QMainWindow*>(window)) {
                // Every title on the bar, none behind its overflow arrow; the client area whole below it.
                const QMenuBar* bar = main->menuBar();
                for (QAction* menu : bar->actions()) {
                    if (menu->isVisible()) {
                        EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(menu))) << menu->text().toStdString();
                    }
                }
                EXPECT_EQ(main->centralWidget()->y(), bar->height());
                EXPECT_EQ(main->height(), bar->height() + main->centralWidget()->height());
            }
        }
        return shown;
    }

    static QString textOf(QWidget* control)
    {
        if (auto* box = qobject_cast<QPlainTextEdit*>(control))
            return box->toPlainText();
        if (auto* list = qobject_cast<QComboBox*>(control))
            return list->itemText(list->count() - 1);
        const char* property = control->inherits("QGroupBox") ? "title" : "text";
        const QString text = control->property(property).toString();
        QString shown = text.isEmpty() ? control->accessibleName() : text;
        // Without the marks that only order a text from the right.
        return shown.remove(QRegularExpression(QStringLiteral("[\\x{200F}\\x{2066}-\\x{2069}]")));
    }

    static void expectFits(QWidget* control)
    {
        const QFontMetrics metrics(control->font());
        const QString text = textOf(control).remove(QLatin1Char('&'));
        if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && label->pixmap().isNull()) {
            // What shows of the box: a label may reach below its frame.
            const int shown = std::min(label->height(), label->parentWidget()->height() - label->y());
            // A line's ink: a script of tall letters may reach past its font's line height.
            const QRect needed =
                label->wordWrap()
                    ? metrics.boundingRect(label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, text)
                    : metrics.tightBoundingRect(text);
            EXPECT_LE(needed.height(), shown) << text.toStdString();
            if (!label->wordWrap()) {
                // Where the ink falls: a fallback font's line may set the baseline lower than the
                // label's own font would, its ink behind a control laid over the label's foot.
                int below = shown;
                const QObjectList& siblings = label->parentWidget()->children();
                for (qsizetype i = siblings.indexOf(label) + 1; i < siblings.size(); ++i) {
                    const auto* over = qobject_cast<QWidget*>(siblings[i]);
                    if (over != nullptr && !over->isHidden() && over->y() > label->y() &&
                        over->geometry().intersects(label->geometry()))
                        below = std::min(below, over->y() - label->y());
                }
                QTextLayout layout(text, label->font());
                layout.beginLayout();
                const QTextLine line = layout.createLine();
                layout.endLayout();
                const int slack = label->contentsRect().height() - qCeil(line.height());
                const Qt::Alignment align = label->alignment();
                const int top = (align & Qt::AlignBottom) ? slack : (align & Qt::AlignVCenter) ? slack / 2 : 0;
                EXPECT_LT(label->contentsRect().top() + top + qRound(line.ascent()) + needed.bottom(), below)
                    << text.toStdString();
            }
            EXPECT_LE(label->wordWrap() ? needed.width() : metrics.horizontalAdvance(text), label->width())
                << text.toStdString();
        } else if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                   qobject_cast<QComboBox*>(control) || qobject_cast<QGroupBox*>(control)) {
            // Room for a button's edges, a text box's margins, a list's arrow, a check box's box,
            // a frame caption's inset.
            const int room = control->inherits("QComboBox") ? 25 : control->inherits("QCheckBox") ? 24 : 10;
            EXPECT_LE(metrics.horizontalAdvance(text), control->width() - room) << text.toStdString();
        }
    }
};

TEST_F(Languages, every_window_in_every_language_is_translated_and_fits_where_english_is)
{
    const std::map<QString, Shown> english = buildAll({});
    // The same word in some of the languages.
    const QStringList same{QStringLiteral("OK"), QStringLiteral("Forum"), kCaption};
    for (const char* spoken : product::kLanguages) {
        const QString language = QLatin1String(spoken);
        const std::map<QString, Shown> translated = buildAll(language);
        ASSERT_EQ(translated.size(), english.size()) << language.toStdString();
        for (const auto& [key, shown] : translated) {
            SCOPED_TRACE(language.toStdString() + " " + key.toStdString());
            const Shown& source = english.at(key);
            if (key == QLatin1String("frmMain.client")) {
                // Below a menu bar as high as its script's letters need (Devanagari's are taller).
                EXPECT_EQ(shown.geometry.size(), source.geometry.size());
            } else if (!shown.sizedToText) {
                EXPECT_EQ(shown.geometry, source.geometry);
            } else {
                // Never further left, and never reaching further right than the design's own text
                // but where the caption may grow into empty space (checked below).
                EXPECT_EQ(shown.geometry.top(), source.geometry.top());
                EXPECT_GE(shown.geometry.left(), source.geometry.left());
                if (key.startsWith(QLatin1String("frmAbout"))) {
                    EXPECT_LE(shown.geometry.right(), source.geometry.right());
                }
            }
            const bool words = source.text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")));
            if (words && !same.contains(source.text)) {
                EXPECT_NE(shown.text.toStdString(), source.text.toStdString()) << "not translated";
            }
        }
        // Captions sized to their text may grow only into space where no other control stands.
        EXPECT_LT(translated.at("frmMain.Label1").geometry.right(), translated.at("frmMain.Label4").geometry.left());
        EXPECT_LT(translated.at("frmMain.Label4").geometry.right(), translated.at("frmMain.Label5").geometry.left());
        EXPECT_LT(translated.at("frmMain.Label5").geometry.right(), ui::Twips(6255));
    }
    buildAll({});
}

}  // namespace
