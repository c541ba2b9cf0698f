# Logoff, as Wine ends its session: every window gets WM_QUERYENDSESSION, then WM_ENDSESSION.
# The program leaves through EndProgram: its lock is released, its setting as it was.
lock_file() { find "$WINEPREFIX/drive_c/users" -name "$VARODARA_PROGRAM.lock" 2>/dev/null | head -1; }
# logoff NAME DAYS_AGO WINDOW: with the setting dated DAYS_AGO, waits for WINDOW, ends the
# session, and checks that the program ended, released its lock, left the setting as it was,
# and (but for the main window it waited for) showed no main window.
logoff() {
  local name="$1" days="$2" window="$3" program seen_main=0
  store_date "$days"
  start_program
  program=$!
  wait_for 60 has_window "$window" || { fail "$name: no \"$window\" window"; kill "$program" 2>/dev/null; return; }
  [ -n "$(lock_file)" ] || fail "$name: the running program holds no lock file"
  end_session
  # Wait for the end, watching for a main window where none may come.
  for _ in $(seq 200); do
    kill -0 "$program" 2>/dev/null || break
    [ "$window" != "$caption" ] && has_window "$caption" && seen_main=1
    sleep 0.1
  done
  if kill -0 "$program" 2>/dev/null; then
    fail "$name: the program outlived the session's end"
    kill "$program" 2>/dev/null
    return
  fi
  [ "$seen_main" -eq 0 ] || fail "$name: a main window came after the session's end"
  [ -z "$(lock_file)" ] || fail "$name: the lock was left behind"
  stored_date_is "$days" || fail "$name: the session's end changed the stored date"
  pass "$name: the session's end ended the program through EndProgram"
}
logoff "with the main window open" 0 "$caption"
# The next start is not refused as a second copy.
start_program
next=$!
wait_for 60 has_window "$caption" && no_window "$title" && pass "after the logoff the next start shows the main window" ||
  fail "after the logoff the next start showed no main window"
stop "$next"
logoff "during the update question" 30 "$title"
