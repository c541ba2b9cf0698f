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

// Every reading spelled out: a swapped, shortened or retyped reading fails here.
TEST(ResultText, ForEveryNumberIsExactToTheByte)
{
    const std::pair<int, std::string> cases[] = {
        {1,
         "This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects "
         "and assignments started during this time are the seeds being planted for later growth. You need to be "
         "aware of what you are planting."},
        {2,
         "You will make new friends. You will achieve some most awaited success. Take care about small things in "
         "life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You "
         "will have peace and harmony."},
        {3,
         "This is the month of creativity. Maintain optimism and free your mind. You can start "
         "anything new this month. Explore the artistic side of yourself. Invitations, friends and "
         "social activities are in the air."},
        {4,
         "Pay attention to legal, property and financial matters. Organize your work and stick to it. Be "
         "cautious, patient and methodical in everything that you do. So planning is very important this month."},
        {5,
         "Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. "
         "Work hard on present tasks. You can promote your ideas, business. It's even more important time for "
         "learning. Don't take up too many tasks."},
        {6,
         "This Month calls for the spirit of willingness.  It's a good time to think about your own home. Give "
         "ample love to your family. Take care about your 's and family's health issues."},
        {7,
         "Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet "
         "non-critically. People may misunderstand, but you need to maintain peace to sort it out with them."},
        {8,
         "Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the "
         "number of material power, sometimes our efforts have to be repeated a number of times if you are to "
         "gain the success."},
        {9,
         "Don't try to stop anything, which is out of your reach, just like a storm that's unstoppable. "
         "Work on social activities if you can. This is a good time to have a broad outlook as possible "
         "on things, to put personal goals, achievements or needs to one side as much as you can."},
    };
    for (const auto& [number, reading] : cases) {
        const std::string heading = "Your Varodara Zevaz Adavuv is: " + std::to_string(number) + "\r\n\r\n";
        std::string whole = heading;
        whole.append(kExplanation).append("\r\n\r\n").append(reading).append("\r\n\r\n\r\n\r\n");
        EXPECT_EQ(Joined(number), whole);
        const auto pieces = core::ResultTextPieces(number);
        EXPECT_EQ(pieces[0], heading);
        EXPECT_EQ(pieces[2], reading + "\r\n\r\n");
        EXPECT_EQ(pieces[3], "\r\n\r\n");
    }
}

TEST(MonthReading, KeysOutsideOneToNineGiveTheEmptyReading)
{
    EXPECT_TRUE(core::MonthReading(0).empty());
    EXPECT_TRUE(core::MonthReading(10).empty());
    EXPECT_TRUE(core::MonthReading(-1).empty());
    EXPECT_EQ(Joined(10), "Your Varodara Zevaz Adavuv is: 10\r\n\r\n" + kExplanation + "\r\n\r\n\r\n\r\n\r\n\r\n");
}

}  // namespace
