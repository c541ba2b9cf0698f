// A text shrinks in quarter points to the largest size at which it fits its box, never below 7 pt.
#include <gtest/gtest.h>
#include <QFontMetrics>
#include <QLabel>

#include "ui/fonts.h"

namespace {

int WrappedHeight(const QFont& font, int width, const QString& text)
{
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, 2000), Qt::TextWordWrap, text).height();
}

TEST(ShrinkToFit, a_wrapped_text_takes_the_largest_quarter_point_that_fits_and_never_less_than_7)
{
    const QString text = QStringLiteral(
        "Versehen Sie diese Software mit dem Namen und Link Ihrer Website. Mehr "
        "Treue und Besucher: Klicken Sie hier, um mehr zu erfahren.");
    // width, height in pixels: fits as designed, shrinks a step, to 7 pt where it fits, to 7 pt where not
    for (const auto& [width, height] : {std::pair{600, 60}, {391, 30}, {300, 33}, {120, 20}}) {
        QLabel label(text);
        label.setWordWrap(true);
        label.resize(width, height);
        ui::ShrinkToFit(&label, ui::Verdana(8.25, true, true));
        QFont font = label.font();
        const qreal chosen = font.pointSizeF();
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height) + " " + std::to_string(chosen));
        EXPECT_GE(chosen, 7.0);
        EXPECT_LE(chosen, 8.25);
        if (chosen > 7.0) {
            EXPECT_LE(WrappedHeight(font, width, text), height);
        }
        if (chosen < 8.25) {
            font.setPointSizeF(chosen + 0.25);
            EXPECT_GT(WrappedHeight(font, width, text), height);
        }
    }
}

}  // namespace
