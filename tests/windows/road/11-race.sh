# Two starts at once, ten rounds: one main window, and one "Application is already running"
# from the other start, which then ends.
race_failures=0
for round in $(seq 10); do
  store_date 0
  start_program
  one=$!
  start_program
  two=$!
  outcome="ok"
  if wait_for 60 eval 'has_window "$caption" && has_window "$title"'; then
    [ "$(xdotool search --onlyvisible --name "^$caption\$" | wc -l)" -eq 1 ] || outcome="two main windows"
    # Without a window manager, a box that comes up while the other start's main window is
    # being shown stays below it, and Wine gives it neither paint nor keys there (not even
    # moved clear and raised): moved clear, its OK button (at its bottom right) is clicked.
    box="$(window_named "$title")"
    xdotool windowmove --sync "$box" 0 0 2>/dev/null
    eval "$(xdotool getwindowgeometry --shell "$box")"
    # Without --sync, which waits for the pointer to move: from the second round on it is already
    # there, and xdotool would wait out its 15 s. The server takes the move before the click.
    xdotool mousemove $((WIDTH - 45)) $((HEIGHT - 20)) click 1
    if wait_for 15 eval '! kill -0 $one 2>/dev/null || ! kill -0 $two 2>/dev/null'; then
      kill -0 "$one" 2>/dev/null && kill -0 "$two" 2>/dev/null && outcome="both still run"
    else
      outcome="the refused start did not end"
    fi
  else
    outcome="not one main window and one refusal"
  fi
  echo "race round $round: $outcome"
  [ "$outcome" = ok ] || race_failures=$((race_failures + 1))
  stop "$one" "$two"
done
[ "$race_failures" -eq 0 ] && pass "10 rounds: one main window and one refusal each" ||
  fail "$race_failures of 10 rounds went wrong"
