#!/usr/bin/env python3
"""The result text the program must show for a birth day and month, today: worked out here
from the design's rule (each term reduced to one digit, then their sum) and the design's texts,
written below as the design gives them, so that the Windows road compares the window with an
answer it did not take from the program under test.

    expected_result.py DAY MONTH_NUMBER [YYYY-MM]   (YYYY-MM: today's month)
"""
import datetime
import sys

# January..December as the rule counts them: already reduced to one digit.
MONTH_NUMBERS = [1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3]

HEADING = "Your Varodara Zevaz Adavuv is: "
EXPLANATION = ("The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, "
               "the trends and particular influences that are affecting you personally.")
READINGS = [
    "This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects "
    "and assignments started during this time are the seeds being planted for later growth. You need to be "
    "aware of what you are planting.",
    "You will make new friends. You will achieve some most awaited success. Take care about small things in "
    "life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You "
    "will have peace and harmony.",
    "This is the month of creativity. Maintain optimism and free your mind. You can start anything new this "
    "month. Explore the artistic side of yourself. Invitations, friends and social activities are in the "
    "air.",
    "Pay attention to legal, property and financial matters. Organize your work and stick to it. Be "
    "cautious, patient and methodical in everything that you do. So planning is very important this month.",
    "Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. "
    "Work hard on present tasks. You can promote your ideas, business. It's even more important time for "
    "learning. Don't take up too many tasks.",
    "This Month calls for the spirit of willingness.  It's a good time to think about your own home. Give "
    "ample love to your family. Take care about your 's and family's health issues.",
    "Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet "
    "non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.",
    "Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the "
    "number of material power, sometimes our efforts have to be repeated a number of times if you are to "
    "gain the success.",
    "Don't try to stop anything, which is out of your reach, just like a storm that's unstoppable. Work on "
    "social activities if you can. This is a good time to have a broad outlook as possible on things, to put "
    "personal goals, achievements or needs to one side as much as you can.",
]


def reduce(number):
    while number > 9:
        number = sum(int(digit) for digit in str(number))
    return number


def main():
    day, month = int(sys.argv[1]), int(sys.argv[2])
    today = sys.argv[3] if len(sys.argv) > 3 else datetime.date.today().strftime("%Y-%m")
    year, current_month = (int(part) for part in today.split("-"))
    number = reduce(reduce(day) + MONTH_NUMBERS[month - 1] + reduce(current_month) + reduce(year))
    # Four paragraphs, each followed by an empty line; the last one is empty.
    sys.stdout.write("%s%d\n\n%s\n\n%s\n\n\n\n" % (HEADING, number, EXPLANATION, READINGS[number - 1]))


if __name__ == "__main__":
    main()
