# A GUI program that still answers on the console it was started from. Windows writes its line
# ends as CR LF.
answer="$("$run" "$exe" --version 2>&1 | tr -d '\r')"
[ "$answer" = "$VARODARA_PROGRAM $VARODARA_VERSION" ] && pass "--version printed \"$answer\"" || fail "--version printed \"$answer\""
"$run" "$exe" --help 2>&1 | grep -q "^Usage: $VARODARA_PROGRAM \[OPTION\]" && pass "--help printed its usage" ||
  fail "--help printed no usage"
# The monthly number: 17 May in December 2026 is 8 + 5 + 3 + 1 = 17, so 8.
answer="$("$run" "$exe" --number 1990-05-17 --month 2026-12 2>&1 | tr -d '\r' | head -1)"
[ "$answer" = "Your Varodara Zevaz Adavuv is: 8" ] && pass "--number printed \"$answer\"" ||
  fail "--number printed \"$answer\""
