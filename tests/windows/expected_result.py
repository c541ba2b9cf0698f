#!/usr/bin/env python3
"""The result text the program must show for a birth day and month, today: worked out here
from the rule (each term reduced to one digit, then their sum) and the texts of the program's
sources, so that the Windows road compares the window with an answer it did not take from the
program under test.

    expected_result.py SOURCE_ROOT DAY MONTH_NUMBER [YYYY-MM]   (YYYY-MM: today's month)
"""
import datetime
import re
import sys

# January..December as the rule counts them: already reduced to one digit.
MONTH_NUMBERS = [1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3]


def reduce(number):
    while number > 9:
        number = sum(int(digit) for digit in str(number))
    return number


def literal_text(block):
    """The text of consecutive C++ string literals."""
    return "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', block)).replace('\\"', '"')


def main():
    root, day, month = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    today = sys.argv[4] if len(sys.argv) > 4 else datetime.date.today().strftime("%Y-%m")
    year, current_month = (int(part) for part in today.split("-"))
    number = reduce(reduce(day) + MONTH_NUMBERS[month - 1] + reduce(current_month) + reduce(year))

    header = open(root + "/src/core/readings.h", encoding="utf-8").read()
    heading = literal_text(re.search(r"kHeadingPrefix = (.*?);", header, re.S).group(1))
    explanation = literal_text(re.search(r"kExplanation =(.*?);", header, re.S).group(1))
    source = open(root + "/src/core/readings.cpp", encoding="utf-8").read()
    table = re.search(r"kReadings\{(.*?)\n\};", source, re.S).group(1)
    # Each reading is a run of literals ending in a comma.
    readings = [literal_text(entry + '"') for entry in re.split(r'",\s*\n', table) if entry.strip()]
    if len(readings) != 9:
        sys.exit("expected nine readings in readings.cpp, found %d" % len(readings))
    # Four paragraphs, each followed by an empty line; the last one is empty.
    sys.stdout.write("%s%d\n\n%s\n\n%s\n\n\n\n" % (heading, number, explanation, readings[number - 1]))


if __name__ == "__main__":
    main()
