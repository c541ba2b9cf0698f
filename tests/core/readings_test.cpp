#include <gtest/gtest.h>

#include <string>

#include "core/readings.h"

namespace {

const std::string kExplanation =
    "The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the "
    "trends and particular influences that are affecting you personally.";

std::string Joined(int number)
{
    std::string text;
    for (const std::string& piece : core::ResultTextPieces(number))
        text += piece;
    return text;
}

TEST(ResultText, ForThreeIsExactToTheByte)
{
    const std::string reading3 =
        "This is the month of creativity. Maintain optimism and free your mind. You can start "
        "anything new this month. Explore the artistic side of yourself. Invitations, friends and "
        "social activities are in the air.";
    EXPECT_EQ(Joined(3), "Your Varodara Zevaz Adavuv is: 3\r\n\r\n" + kExplanation + "\r\n\r\n" + reading3 +
                             "\r\n\r\n\r\n\r\n");
    const auto pieces = core::ResultTextPieces(3);
    EXPECT_EQ(pieces[0], "Your Varodara Zevaz Adavuv is: 3\r\n\r\n");
    EXPECT_EQ(pieces[3], "\r\n\r\n");
}

TEST(ResultText, ForNineIsExactToTheByte)
{
    const std::string reading9 =
        "Don't try to stop anything, which is out of your reach, just like a storm that's unstoppable. "
        "Work on social activities if you can. This is a good time to have a broad outlook as possible "
        "on things, to put personal goals, achievements or needs to one side as much as you can.";
    EXPECT_EQ(Joined(9), "Your Varodara Zevaz Adavuv is: 9\r\n\r\n" + kExplanation + "\r\n\r\n" + reading9 +
                             "\r\n\r\n\r\n\r\n");
}

TEST(MonthReading, KeysOutsideOneToNineGiveTheEmptyReading)
{
    EXPECT_TRUE(core::MonthReading(0).empty());
    EXPECT_TRUE(core::MonthReading(10).empty());
    EXPECT_TRUE(core::MonthReading(-1).empty());
    EXPECT_EQ(Joined(10), "Your Varodara Zevaz Adavuv is: 10\r\n\r\n" + kExplanation + "\r\n\r\n\r\n\r\n\r\n\r\n");
    // Fixed details of single readings that a careless edit would lose.
    EXPECT_NE(core::MonthReading(6).find("willingness.  It's"), std::string_view::npos);
    EXPECT_NE(core::MonthReading(8).find("Since 8 is the number of material power"), std::string_view::npos);
    for (int n = 1; n <= 9; ++n)
        EXPECT_FALSE(core::MonthReading(n).empty()) << n;
}

}  // namespace
