// A text shrinks in quarter points to the largest size at which it fits its box, never below 7 pt.
#include <gtest/gtest.h>
#include <QLabel>

#include "ui/fonts.h"

TEST(ShrinkToFit, a_wrapped_text_takes_the_largest_quarter_point_that_fits_and_never_less_than_7)
{
    const QString text = QStringLiteral(
        "Versehen Sie diese Software mit dem Namen und Link Ihrer Website. Mehr Treue "
        "und Besucher: Klicken Sie hier, um mehr zu erfahren.");
    // Pixels: fits as designed, shrinks a step, to 7 pt where it fits, to 7 pt where it does not.
    for (const auto& [width, height] : {std::pair{600, 60}, {391, 30}, {300, 33}, {120, 20}}) {
        QLabel label(text);
        label.setWordWrap(true);
        label.resize(width, height);
        ui::ShrinkToFit(&label, ui::Verdana(8.25, true, true));
        const auto needs = [&, width = width](qreal points) {
            QFont font = label.font();
            font.setPointSizeF(points);
            return QFontMetrics(font).boundingRect(QRect(0, 0, width, 2000), Qt::TextWordWrap, text).height();
        };
        const qreal chosen = label.font().pointSizeF();
        EXPECT_TRUE(chosen == 7.0 || needs(chosen) <= height) << width << "x" << height << " " << chosen;
        EXPECT_TRUE(chosen == 8.25 || needs(chosen + 0.25) > height) << width << "x" << height << " " << chosen;
    }
}
