#!/usr/bin/env python3
"""The one stored setting as the design writes it: the name "Duration" and the date of the first
run or last reminder (ISO, yyyy-MM-dd), each shifted up by 85 within the ANSI code page 1252,
codes that leave 0..255 dropped. Worked out here from that rule, not taken from the program.

    setting.py expect EXPORTED.reg DAYS_AGO   the exported key holds exactly that one value
    setting.py write FILE.reg DAYS_AGO        a registry file that stores it, for reg import
"""
import datetime
import sys

KEY = r"HKEY_CURRENT_USER\Software\varodara\Settings"
SHIFT = 85
# Code page 1252's codes 128..159; the five it leaves undefined stand for the C1 control of
# the same value, as Windows converts them.
HIGH = ("\u20ac\u0081\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\u008d\u017d\u008f"
        "\u0090\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\u009d\u017e\u0178")


def to_code(char):
    return 128 + HIGH.index(char) if char in HIGH else ord(char)


def from_code(code):
    return HIGH[code - 128] if 128 <= code < 160 else chr(code)


def encode(text):
    return "".join(from_code(to_code(c) + SHIFT) for c in text if to_code(c) + SHIFT <= 255)


def expected(days_ago):
    date = datetime.date.today() - datetime.timedelta(days=days_ago)
    return encode("Duration"), encode(date.isoformat())


def values_of(exported):
    """The values of the key in a file that reg export wrote (UTF-16, one "name"="data" a line)."""
    text = open(exported, "rb").read().decode("utf-16")
    values, inside = {}, False
    for line in text.splitlines():
        if line.startswith("["):
            inside = line == "[" + KEY + "]"
        elif inside and line.startswith('"'):
            name, data = line.split('"="', 1)
            values[name[1:]] = data[:-1]
    return values


def main():
    command, path, days_ago = sys.argv[1], sys.argv[2], int(sys.argv[3])
    name, data = expected(days_ago)
    if command == "write":
        with open(path, "wb") as out:
            out.write(('Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n"%s"="%s"\r\n' % (KEY, name, data))
                      .encode("utf-16"))
        return 0
    values = values_of(path)
    if values != {name: data}:
        print("stored %r, expected {%r: %r}" % (values, name, data))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
