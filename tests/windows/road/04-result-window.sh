# The installed program: its main window, a name and the first of January, Alt+N, and the exact
# reading in the result window. The later scenarios use both windows.
start_program
first=$!
wait_for 60 has_window "$caption" || { fail "the main window \"$caption\" never appeared"; exit 1; }
main="$(window_named "$caption")"
pass "main window \"$caption\""
xdotool windowfocus --sync "$main"
xdotool type --delay 60 "john"
keys "$main" Tab Tab
xdotool type --delay 60 "smith"
keys "$main" alt+n
# The main window hides and the result window, of the same caption, shows.
wait_for 15 replaced "$main"
result="$(other_window "$caption" "$main")"
[ -n "$result" ] || { fail "Alt+N showed no result window"; shot no-result; exit 1; }
# The reading, copied from the box with the keyboard (a click would empty the clipboard).
python3 "$root/tests/windows/expected_result.py" 1 1 >"$scratch/expected"
keys "$result" Tab
copied_reading() {
  keys "$result" ctrl+a ctrl+c
  xclip -o -selection clipboard 2>/dev/null | tr -d '\r' >"$scratch/reading"
  cmp -s "$scratch/reading" "$scratch/expected"
}
if wait_for 5 copied_reading; then
  pass "the result window holds the exact reading ($(head -1 "$scratch/expected"))"
else
  fail "the result window's text differs from the expected reading"
  diff "$scratch/expected" "$scratch/reading" | head -10
fi
