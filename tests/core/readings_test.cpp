#include <gtest/gtest.h>

#include <string>
#include <utility>

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

TEST(ResultText, ForThreeAndNineIsExactToTheByte)
{
    const std::pair<int, std::string> cases[] = {
        {3, "This is the month of creativity. Maintain optimism and free your mind. You can start "
            "anything new this month. Explore the artistic side of yourself. Invitations, friends and "
            "social activities are in the air."},
        {9, "Don't try to stop anything, which is out of your reach, just like a storm that's unstoppable. "
            "Work on social activities if you can. This is a good time to have a broad outlook as possible "
            "on things, to put personal goals, achievements or needs to one side as much as you can."},
    };
    for (const auto& [number, reading] : cases) {
        const std::string heading = "Your Varodara Zevaz Adavuv is: " + std::to_string(number) + "\r\n\r\n";
        EXPECT_EQ(Joined(number), heading + kExplanation + "\r\n\r\n" + reading + "\r\n\r\n\r\n\r\n");
        const auto pieces = core::ResultTextPieces(number);
        EXPECT_EQ(pieces[0], heading);
        EXPECT_EQ(pieces[3], "\r\n\r\n");
    }
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
