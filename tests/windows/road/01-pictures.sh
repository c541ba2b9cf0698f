# Pictures for a person to look at, at the design's 96 dpi and at 144, and at 96 in each of the
# program's languages: every window, walked through as a user would. Wine takes a new dpi at its
# next start, which restarts the prefix's server and would end every program of the rest of the
# road: the pictures have prefixes with the release installed, and displays, of their own, and
# are taken while the rest goes on.
[ -n "$shots" ] || return 0
# at_dpi DPI: the prefix restarted at DPI.
at_dpi() {
  "$run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null
  WINEPREFIX="$WINEPREFIX" wineserver -w 2>/dev/null
}
# walk NAME [LANGUAGE LOCALE]: the pictures NAME-main, NAME-about, ..., of the program started in
# LOCALE. The access keys differ from language to language: File is clicked where it starts (the
# bar's right end when mirrored) and the menus are walked by arrows; Back holds the focus its
# window opens with.
walk() {
  local name="$1" language="${2:-}" program main_window about result_window exit_window side=12 next=Right
  start_program ${3:+LANG="$3.UTF-8" LC_ALL="$3.UTF-8"}
  program=$!
  wait_for 60 has_window "$caption" || { fail "no main window for $name"; stop "$program"; return; }
  main_window="$(window_named "$caption")"
  if [ "$language" = ar ] || [ "$language" = fa ]; then
    eval "$(xdotool getwindowgeometry --shell "$main_window")"
    side=$((WIDTH - 12)) next=Left
  fi
  file_menu() { xdotool mousemove --window "$main_window" "$side" 8 click 1 key --delay 80 "$@"; }
  shot "$name-main"
  file_menu "$next" Down Down Down Return
  wait_for 15 eval '[ -n "$(other_window "$caption" "$main_window")" ]'
  about="$(other_window "$caption" "$main_window")"
  shot "$name-about"
  [ -n "$about" ] && keys "$about" Escape
  wait_for 15 eval '[ -z "$(other_window "$caption" "$main_window")" ]'
  xdotool windowfocus --sync "$main_window"
  xdotool type --delay 60 "john"
  keys "$main_window" Tab Tab
  xdotool type --delay 60 "smith"
  file_menu Down Return
  wait_for 15 eval '[ -n "$(other_window "$caption" "$main_window")" ]'
  result_window="$(other_window "$caption" "$main_window")"
  shot "$name-result"
  [ -n "$result_window" ] && keys "$result_window" space
  wait_for 15 eval 'visible "$main_window"'
  file_menu Down Down Return
  wait_for 15 replaced "$main_window"
  exit_window="$(other_window "$caption" "$main_window")"
  shot "$name-exit-screen"
  # Pictures only: the session's end closes the program; the exit screen's own Exit ending the
  # program is checked by 07-back-and-exit.
  stop "$program"
}
# in_part NAME WALK...: a prefix with the release installed, and a display, of their own, in
# which the WALKs (commands) run in turn, beside the rest; what they print goes to NAME.log.
in_part() {
  local name="$1"
  shift
  # Xvfb picks the display's number itself and writes it to fd 3.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$scratch/$name.display" >/dev/null 2>&1 &
  pictures_displays+=($!)
  (
    failures=0
    wait_for 30 test -s "$scratch/$name.display" || { fail "no display of their own"; exit 1; }
    export DISPLAY=":$(cat "$scratch/$name.display")" WINEPREFIX="$scratch/$name"
    prepare_prefix
    install_release
    exe="$(installed_program)"
    [ -n "$exe" ] || { fail "the release did not install"; exit 1; }
    exe="$(windows_path "$exe")"
    for command in "$@"; do eval "$command"; done
    exit "$failures"
  ) >"$scratch/$name.log" 2>&1 &
  pictures_parts+=($!)
}
# in_languages LANGUAGE:LOCALE...: the walk at 96 dpi in each language, started in a Unix locale
# of a user who speaks it (made by scripts/windows/system.sh). One walk takes some 20 s, mostly
# waiting: the languages go in three parts.
in_languages() {
  for language in "$@"; do
    walk "96-${language%%:*}" "${language%%:*}" "${language#*:}"
  done
}
in_part pictures "at_dpi 96" "walk 96" "in_languages de:de_DE es:es_ES pt_BR:pt_BR hi:hi_IN" "at_dpi 144" "walk 144"
in_part pictures-2 "in_languages ar:ar_EG fa:fa_IR fr:fr_FR it:it_IT ru:ru_RU"
in_part pictures-3 "in_languages tr:tr_TR id:id_ID vi:vi_VN bn:bn_IN ta:ta_IN"
