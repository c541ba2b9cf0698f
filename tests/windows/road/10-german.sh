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
