# Pictures for a person to look at, at the design's 96 dpi and at 144: every window, walked
# through as a user would. Wine takes a new dpi at its next start, which restarts the prefix's
# server and would end every program of the rest of the road: the pictures have a prefix with
# the release installed, and a display, of their own, and are taken while the rest goes on.
[ -n "$shots" ] || return 0
pictures() {
  local dpi="$1" program main_window about result_window exit_window
  "$run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null
  WINEPREFIX="$WINEPREFIX" wineserver -w 2>/dev/null
  start_program
  program=$!
  wait_for 60 has_window "$caption" || { fail "no main window at $dpi dpi"; return; }
  main_window="$(window_named "$caption")"
  shot "$dpi-main"
  keys "$main_window" alt+h a
  wait_for 15 eval '[ -n "$(other_window "$caption" "$main_window")" ]'
  about="$(other_window "$caption" "$main_window")"
  shot "$dpi-about"
  [ -n "$about" ] && keys "$about" Escape
  wait_for 15 eval '[ -z "$(other_window "$caption" "$main_window")" ]'
  xdotool windowfocus --sync "$main_window"
  xdotool type --delay 60 "john"
  keys "$main_window" Tab Tab
  xdotool type --delay 60 "smith"
  keys "$main_window" alt+n
  wait_for 15 eval '[ -n "$(other_window "$caption" "$main_window")" ]'
  result_window="$(other_window "$caption" "$main_window")"
  shot "$dpi-result"
  [ -n "$result_window" ] && keys "$result_window" alt+b
  wait_for 15 eval 'visible "$main_window"'
  keys "$main_window" alt+f x
  wait_for 15 replaced "$main_window"
  exit_window="$(other_window "$caption" "$main_window")"
  shot "$dpi-exit-screen"
  [ -n "$exit_window" ] && keys "$exit_window" alt+x
  ended "$program" || { fail "the program did not end at $dpi dpi"; kill "$program"; }
}
# Xvfb picks the display's number itself and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$scratch/pictures.display" >/dev/null 2>&1 &
pictures_display=$!
(
  failures=0
  wait_for 30 test -s "$scratch/pictures.display" || { fail "no display of their own"; exit 1; }
  export DISPLAY=":$(cat "$scratch/pictures.display")" WINEPREFIX="$scratch/pictures"
  prepare_prefix
  install_release
  exe="$(installed_program)"
  [ -n "$exe" ] || { fail "the release did not install"; exit 1; }
  exe="$(windows_path "$exe")"
  pictures 96
  pictures 144
  exit "$failures"
) >"$scratch/pictures.log" 2>&1 &
pictures_part=$!
