#include "core/readings.h"

namespace core {
namespace {

constexpr std::array<std::string_view, 9> kReadings{
    QT_TRANSLATE_NOOP("Readings",
                      "This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The "
                      "projects and assignments started during this time are the seeds being planted for later "
                      "growth. You need to be aware of what you are planting."),
    QT_TRANSLATE_NOOP("Readings",
                      "You will make new friends. You will achieve some most awaited success. Take care about small "
                      "things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with "
                      "those involved. You will have peace and harmony."),
    QT_TRANSLATE_NOOP("Readings",
                      "This is the month of creativity. Maintain optimism and free your mind. You can start anything "
                      "new this month. Explore the artistic side of yourself. Invitations, friends and social "
                      "activities are in the air."),
    QT_TRANSLATE_NOOP("Readings",
                      "Pay attention to legal, property and financial matters. Organize your work and stick to it. "
                      "Be cautious, patient and methodical in everything that you do. So planning is very important "
                      "this month."),
    QT_TRANSLATE_NOOP("Readings",
                      "Leave behind old problems and look at life with a fresh mind. You can look at old things in "
                      "new ways. Work hard on present tasks. You can promote your ideas, business. It's even more "
                      "important time for learning. Don't take up too many tasks."),
    QT_TRANSLATE_NOOP("Readings",
                      "This Month calls for the spirit of willingness.  It's a good time to think about your own "
                      "home. Give ample love to your family. Take care about your 's and family's health issues."),
    QT_TRANSLATE_NOOP("Readings",
                      "Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them "
                      "closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort "
                      "it out with them."),
    QT_TRANSLATE_NOOP("Readings",
                      "Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 "
                      "is the number of material power, sometimes our efforts have to be repeated a number of times "
                      "if you are to gain the success."),
    QT_TRANSLATE_NOOP("Readings",
                      "Don't try to stop anything, which is out of your reach, just like a storm that's "
                      "unstoppable. Work on social activities if you can. This is a good time to have a broad "
                      "outlook as possible on things, to put personal goals, achievements or needs to one side as "
                      "much as you can."),
};

std::string Paragraph(std::string_view text)
{
    std::string piece(text);
    piece += kLineBreak;
    piece += kLineBreak;
    return piece;
}

}  // namespace

std::string_view MonthReading(int number)
{
    if (number < 1 || number > static_cast<int>(kReadings.size()))
        return {};
    return kReadings[static_cast<std::size_t>(number - 1)];
}

std::array<std::string, 4> ResultTextPieces(int number, const Translate& translate)
{
    const auto shown = [&translate](std::string_view english) {
        return translate && !english.empty() ? translate(english) : std::string(english);
    };
    return {
        Paragraph(shown(kHeadingPrefix) + std::to_string(number)),
        Paragraph(shown(kExplanation)),
        Paragraph(shown(MonthReading(number))),
        Paragraph({}),
    };
}

}  // namespace core
