# Back, File > Exit, and Exit on the exit screen, the one visible window of the caption once
# the main window has gone, end the program.
keys "$result" alt+b
wait_for 15 eval '! visible "$result" && visible "$main"' || fail "Back did not go back to the main window"
keys "$main" alt+f x
wait_for 15 replaced "$main" || fail "File > Exit did not show the exit screen alone"
keys "$(other_window "$caption" "$main")" alt+x
if ended "$first"; then
  pass "Back, File > Exit and the exit screen's Exit ended the program"
else
  fail "the program still runs after the exit screen's Exit"
  kill "$first" 2>/dev/null
fi
