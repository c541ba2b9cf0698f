# A second copy while the first runs: one "Application is already running" box, then it ends.
start_program
second=$!
if wait_for 30 has_window "$title"; then
  shot 96-already-running
  keys "$(window_named "$title")" Return
  ended "$second" 15 && pass "a second copy said so and ended" || fail "the second copy did not end after its message"
else
  fail "the second copy showed no \"$title\" box"
fi
