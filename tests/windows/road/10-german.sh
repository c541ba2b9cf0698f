# A German user, whose language Wine takes from the Unix locale. The update question, copied
# whole with Ctrl+C (Qt's message box on Windows copies its caption, text and buttons between
# separator lines), asks in German with "Ja" and "Nein"; Alt+J answers yes and the download page
# opens. The main window's German keys, Alt+D and B (Datei > Beenden), show the exit screen, and
# its Alt+B (Beenden) ends the program.
store_date 30
rm -f "$scratch/browser/record"
start_program LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
german=$!
separator=---------------------------
printf '%s\n' "$separator" "$title" "$separator" "Möglicherweise ist ein Update für diese Software verfügbar." \
  "Möchten Sie jetzt nach Updates suchen?" "$separator" "&Ja   &Nein   " "$separator" >"$scratch/question"
copied_question() {
  keys "$box" ctrl+c
  xclip -o -selection clipboard 2>/dev/null | tr -d '\r' >"$scratch/copied"
  cmp -s "$scratch/copied" "$scratch/question"
}
if wait_for 60 has_window "$title"; then
  box="$(window_named "$title")"
  wait_for 10 copied_question && pass "the update question asks in German, with \"Ja\" and \"Nein\"" ||
    fail "the update question copied as: $(diff "$scratch/question" "$scratch/copied")"
  keys "$box" alt+j
  download="http://$VARODARA_MAIN_HOST/ov-free-varodara-zevaz-adavuv/download-ov-free-varodara-zevaz-adavuv.html"
  wait_for 15 test -f "$scratch/browser/record" && grep -qxF "$download" "$scratch/browser/record" &&
    pass "Alt+J, the key of \"Ja\", answered the question and opened the download page" || fail "Alt+J did not answer yes"
  if wait_for 60 has_window "$caption"; then
    main="$(window_named "$caption")"
    keys "$main" alt+d b
    wait_for 15 replaced "$main" && keys "$(other_window "$caption" "$main")" alt+b
  fi
  ended "$german" && pass "Alt+D, B (Datei > Beenden) showed the exit screen, and its Alt+B (Beenden) ended the program" ||
    fail "the main window's German keys did not reach the exit screen and end the program"
else
  fail "no update question"
fi
stop "$german"
# On Wine's console (a terminal gives the program one) and into a pipe, the German refusal keeps
# its "ü": the console is written in UTF-16, the pipe in UTF-8.
refusal="$VARODARA_PROGRAM: Bitte geben Sie einen gültigen Tag oder Monat ein!"
german_refusal() { env LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 VARODARA_WINE_DIRECT=1 timeout 60 "$@"; }
answer="$(german_refusal script -qfec "$(printf '%q ' "$run" "$exe" --number 1990-04-31)" /dev/null |
  tr -d '\r' | sed 's/\x1b\[[0-9;?]*[A-Za-z]//g')"
[ "$answer" = "$refusal" ] && pass "the console showed \"$answer\"" || fail "the console showed \"$answer\""
answer="$(german_refusal "$run" "$exe" --number 1990-04-31 2>&1 | tr -d '\r')"
[ "$answer" = "$refusal" ] && pass "the pipe got \"$answer\"" || fail "the pipe got \"$answer\""
# The installer's first page speaks German too; Escape cancels it before it installs anything.
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 "$run" "$(windows_path "$setup")" >/dev/null 2>&1 &
installer=$!
if wait_for 30 has_window "Installation von $title "; then
  pass "the installer's first page is German"
  keys "$(window_named "Installation von $title ")" Escape
else
  fail "no installer window 'Installation von $title ' for a German user"
fi
ended "$installer" || { fail "the installer still runs after Escape"; kill "$installer"; }
