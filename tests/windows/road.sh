#!/usr/bin/env bash
# The Windows release as a user meets it, under Wine on the X display this runs under, in a
# Wine prefix of its own: a silent install; the installed program started as its Start-menu
# shortcut says; the main window with its caption; a name, the first of January, Alt+N and the
# exact reading in the result window; Back, File > Exit, and Exit on the exit screen ends it; a
# second copy says "Application is already running" and ends; a link click reaches a recording
# browser as one exact address; the setting in the registry; a silent uninstall leaves no file
# and no Uninstall key. With SHOTS, a picture of every window at 96 and at 144 dpi goes there,
# taken beside the rest in a prefix and on a display of their own (Xvfb).
#   road.sh SOURCE_ROOT SETUP_EXE PRODUCT_ENV [SHOTS]
# PRODUCT_ENV: the build's product.env, the product's facts as CMake holds them.
set -uo pipefail
root="$1" setup="$2" shots="${4:-}"
source "$3"
version="$VARODARA_VERSION" help_host="$VARODARA_HELP_HOST"
scratch="$(mktemp -d)"
export WINEPREFIX="$scratch/prefix"
wine="${VARODARA_WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}"
run="$root/scripts/wine-run.sh"
# The application title, and the windows' caption as the design writes it.
title="$VARODARA_TITLE"
caption="OV Varodara Zevaz Adavuv v$version"
app_id="$VARODARA_APP_ID"
uninstall_key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$app_id"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
pictures_part="" pictures_display=""
cleanup() {
  [ -n "$pictures_part" ] && kill "$pictures_part" 2>/dev/null
  WINEPREFIX="$scratch/pictures" wineserver -k 2>/dev/null
  [ -n "$pictures_display" ] && kill "$pictures_display" 2>/dev/null
  WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# wait_for SECONDS COMMAND..., as the desktop tests wait.
source "$root/tests/desktop/lib.sh"
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
# The one visible window of that name other than the given one.
other_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "$2" | head -1; }
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { [ -z "$(window_named "$1")" ]; }
keys() {
  local window="$1"
  shift
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --clearmodifiers --delay 80 "$@"
}
# A picture for a person to look at, not a check: a window just mapped gets a second to paint.
shot() {
  [ -z "$shots" ] && return 0
  sleep 1
  import -window root "$shots/$1.png" 2>/dev/null
  return 0
}
registry() { "$run" reg query "$@" 2>/dev/null; }
visible() { xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | grep -qx "$1"; }
install_release() { "$run" "$(winepath -w "$setup" 2>/dev/null || echo "Z:$setup")" /S; }

# A prefix of our own (WINEPREFIX): the design's fonts replaced by DejaVu Sans as on Linux, and
# Wine's opener for web pages set to a script that records what it is given.
mkdir -p "$scratch/browser"
cat >"$scratch/browser.sh" <<EOF
#!/bin/sh
printf '%s\n' "\$#" "\$@" >"$scratch/browser/part" && mv "$scratch/browser/part" "$scratch/browser/record"
EOF
chmod +x "$scratch/browser.sh"
prepare_prefix() {
  "$run" wineboot --init >/dev/null 2>&1
  for font in Verdana "MS Sans Serif"; do
    "$run" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /d "DejaVu Sans" /f >/dev/null
  done
  "$run" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$scratch/browser.sh" /f >/dev/null
}

# Pictures for a person to look at, at the design's 96 dpi and at 144: every window, walked
# through as a user would. Wine takes a new dpi at its next start.
pictures() {
  local dpi="$1" program main_window about result_window exit_window
  "$run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null
  WINEPREFIX="$WINEPREFIX" wineserver -w 2>/dev/null
  QT_QPA_PLATFORM=windows "$run" "$exe" >/dev/null 2>&1 &
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
  wait_for 15 eval '! visible "$main_window" && [ -n "$(other_window "$caption" "$main_window")" ]'
  exit_window="$(other_window "$caption" "$main_window")"
  shot "$dpi-exit-screen"
  [ -n "$exit_window" ] && keys "$exit_window" alt+x
  wait_for 20 eval "! kill -0 $program 2>/dev/null" || { fail "the program did not end at $dpi dpi"; kill "$program"; }
}
# Each dpi restarts the prefix's Wine server, which would end every program of the rest of the
# road: the pictures have a prefix with the release installed, and a display, of their own, and
# are taken while the rest goes on. Xvfb picks the display's number itself and writes it to fd 3.
if [ -n "$shots" ]; then
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$scratch/pictures.display" >/dev/null 2>&1 &
  pictures_display=$!
  (
    failures=0
    wait_for 30 test -s "$scratch/pictures.display" || { fail "pictures: no display of their own"; exit 1; }
    export DISPLAY=":$(cat "$scratch/pictures.display")" WINEPREFIX="$scratch/pictures"
    prepare_prefix
    install_release
    exe="$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/*' -name varodara.exe | head -1)"
    [ -n "$exe" ] || { fail "pictures: the release did not install"; exit 1; }
    exe="$(winepath -w "$exe" 2>/dev/null)"
    pictures 96
    pictures 144
    exit "$failures"
  ) >"$scratch/pictures.log" 2>&1 &
  pictures_part=$!
fi

# Install, silently.
prepare_prefix
install_release
installed="$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/*' -name varodara.exe | head -1)"
if [ -z "$installed" ]; then
  fail "no varodara.exe under the user's programs folder"
  exit 1
fi
folder="$(dirname "$installed")"
pass "installed into ${folder#"$WINEPREFIX/"}"
shortcut="$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/*' -name "$title.lnk" | head -1)"
[ -n "$shortcut" ] && grep -aq 'varodara.exe' "$shortcut" && pass "Start-menu shortcut to varodara.exe" ||
  fail "no Start-menu shortcut \"$title\" to varodara.exe"
for value in DisplayName DisplayVersion Publisher DisplayIcon EstimatedSize UninstallString QuietUninstallString; do
  registry "$uninstall_key" /v "$value" | grep -q "$value" || fail "Uninstall entry without $value"
done
if registry "$uninstall_key" /v DisplayVersion | grep -q "REG_SZ *$version\s*$"; then
  pass "Uninstall entry for version $version"
else
  fail "the Uninstall entry's DisplayVersion is not $version"
fi
# Installing over the installed copy: the same folder, the same one entry, every file there.
install_release
again="$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/*' -name varodara.exe)"
if [ "$again" = "$installed" ] && [ -f "$folder/platforms/qwindows.dll" ] && [ -f "$folder/uninstall.exe" ]; then
  pass "installing again upgrades the copy in place"
else
  fail "installing again did not keep one copy in $folder"
fi
exe="$(winepath -w "$installed" 2>/dev/null)"

# A GUI program that still answers on the console it was started from.
# Windows writes its line ends as CR LF.
answer="$("$run" "$exe" --version 2>&1 | tr -d '\r')"
[ "$answer" = "varodara $version" ] && pass "--version printed \"$answer\"" || fail "--version printed \"$answer\""
"$run" "$exe" --help 2>&1 | grep -q '^Usage: varodara \[OPTION\]' && pass "--help printed its usage" ||
  fail "--help printed no usage"
# The monthly number on the command line: 17 May in December 2026 is 8 + 5 + 3 + 1 = 17, so 8.
answer="$("$run" "$exe" --number 1990-05-17 --month 2026-12 2>&1 | tr -d '\r' | head -1)"
[ "$answer" = "Your Varodara Zevaz Adavuv is: 8" ] && pass "--number printed \"$answer\"" ||
  fail "--number printed \"$answer\""

# The installed program: main window, a name and a date, Alt+N, the reading.
QT_QPA_PLATFORM=windows "$run" "$exe" >"$scratch/first.log" 2>&1 &
first=$!
if ! wait_for 60 has_window "$caption"; then
  fail "the main window \"$caption\" never appeared"
  cat "$scratch/first.log"
  exit 1
fi
main="$(window_named "$caption")"
pass "main window \"$caption\""
xdotool windowfocus --sync "$main"
xdotool type --delay 60 "john"
keys "$main" Tab Tab
xdotool type --delay 60 "smith"
keys "$main" alt+n
# The main window hides and the result window, of the same caption, shows.
wait_for 15 eval '[ -n "$(other_window "$caption" "$main")" ] && ! xdotool search --onlyvisible --name "^$caption\$" | grep -qx "$main"'
result="$(other_window "$caption" "$main")"
if [ -z "$result" ]; then
  fail "Alt+N showed no result window"
  shot no-result
  exit 1
fi
# The reading, copied from the box with the keyboard (a click would empty the clipboard).
keys "$result" Tab ctrl+a ctrl+c
sleep 0.5
xclip -o -selection clipboard 2>/dev/null | tr -d '\r' >"$scratch/reading"
python3 "$root/tests/windows/expected_result.py" 1 1 >"$scratch/expected"
if cmp -s "$scratch/reading" "$scratch/expected"; then
  pass "the result window holds the exact reading ($(head -1 "$scratch/expected"))"
else
  fail "the result window's text differs from the expected reading"
  diff "$scratch/expected" "$scratch/reading" | head -10
fi

# A link: the fully-branded offer in the result window, clicked where it is drawn (its frame
# starts 280 pixels down). An address with a path: Wine's own opener adds a "/" to a bare host.
eval "$(xdotool getwindowgeometry --shell "$result")"
rm -f "$scratch/browser/record"
xdotool mousemove --window "$result" $((WIDTH / 2)) 305 click 1
expected_address="http://$help_host/fully-branded.html"
if wait_for 15 test -f "$scratch/browser/record"; then
  printf '1\n%s\n' "$expected_address" >"$scratch/browser/expected"
  if cmp -s "$scratch/browser/record" "$scratch/browser/expected"; then
    pass "the offer link reached the browser as one argument, $expected_address"
  else
    fail "the browser got:"
    cat "$scratch/browser/record"
  fi
else
  fail "a click on the offer link reached no browser"
fi

# A second copy while the first runs: one box, then it ends.
QT_QPA_PLATFORM=windows "$run" "$exe" >"$scratch/second.log" 2>&1 &
second=$!
if wait_for 30 has_window "$title"; then
  shot 96-already-running
  box="$(window_named "$title")"
  keys "$box" Return
  if wait_for 15 eval "! kill -0 $second 2>/dev/null"; then
    pass "a second copy said so and ended"
  else
    fail "the second copy did not end after its message"
  fi
else
  fail "the second copy showed no \"$title\" box"
fi

# Back, File > Exit, and Exit on the exit screen.
keys "$result" alt+b
wait_for 15 eval '! visible "$result" && visible "$main"' || fail "Back did not go back to the main window"
keys "$main" alt+f x
# The exit screen: the one visible window of the caption once the main window has gone.
wait_for 15 eval '! visible "$main" && [ -n "$(other_window "$caption" "$main")" ]' ||
  fail "File > Exit did not show the exit screen alone"
exit_screen="$(other_window "$caption" "$main")"
keys "$exit_screen" alt+x
if wait_for 20 eval "! kill -0 $first 2>/dev/null"; then
  pass "Back, File > Exit and the exit screen's Exit ended the program"
else
  fail "the program still runs after the exit screen's Exit"
  kill "$first" 2>/dev/null
fi

# The one setting, in the user's registry under the program's name: the encoded name
# "Duration" and today's date, encoded.
settings_key='HKCU\Software\varodara\Settings'
export_setting() { "$run" reg export "$settings_key" "$(winepath -w "$1" 2>/dev/null)" /y >/dev/null 2>&1; }
export_setting "$scratch/setting.reg"
if python3 "$root/tests/windows/setting.py" expect "$scratch/setting.reg" 0; then
  pass "the setting in $settings_key is the encoded name and today's date"
else
  fail "the setting in $settings_key is not the encoded name and today's date"
fi

# Logoff, as Wine ends its session: every window gets WM_QUERYENDSESSION, then WM_ENDSESSION.
# The program leaves through EndProgram: its lock is released, its setting as it was.
lock_file() { find "$WINEPREFIX/drive_c/users" -name 'varodara.lock' 2>/dev/null | head -1; }
end_session() { "$run" wineboot --end-session >/dev/null 2>&1; }
# logoff NAME DAYS_AGO WINDOW: with the setting dated DAYS_AGO, waits for WINDOW, ends the
# session, and checks that the program ended, released its lock, left the setting as it was,
# and (but for the main window it waited for) showed no main window.
logoff() {
  local name="$1" days="$2" window="$3" program seen_main=0
  python3 "$root/tests/windows/setting.py" write "$scratch/dated.reg" "$days"
  "$run" reg import "$(winepath -w "$scratch/dated.reg" 2>/dev/null)" >/dev/null 2>&1
  QT_QPA_PLATFORM=windows "$run" "$exe" >/dev/null 2>&1 &
  program=$!
  if ! wait_for 60 has_window "$window"; then
    fail "$name: no \"$window\" window"
    kill "$program" 2>/dev/null
    return
  fi
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
  export_setting "$scratch/after.reg"
  python3 "$root/tests/windows/setting.py" expect "$scratch/after.reg" "$days" ||
    fail "$name: the session's end changed the stored date"
  pass "$name: the session's end ended the program through EndProgram"
}
logoff "logoff with the main window open" 0 "$caption"
# The next start is not refused as a second copy.
QT_QPA_PLATFORM=windows "$run" "$exe" >/dev/null 2>&1 &
next=$!
if wait_for 60 has_window "$caption" && no_window "$title"; then
  pass "after the logoff the next start shows the main window"
else
  fail "after the logoff the next start showed no main window"
fi
end_session
wait_for 20 eval "! kill -0 $next 2>/dev/null" || kill "$next" 2>/dev/null
logoff "logoff during the update question" 30 "$title"

# A German user, whose language Wine takes from the Unix locale. The update question, copied
# whole with Ctrl+C (Qt's message box on Windows copies its caption, text and buttons between
# separator lines), asks in German with "Ja" and "Nein"; Alt+J answers yes and the download page
# opens. The main window's German keys, Alt+D and B (Datei > Beenden), show the exit screen, and
# its Alt+B (Beenden) ends the program.
python3 "$root/tests/windows/setting.py" write "$scratch/dated.reg" 30
"$run" reg import "$(winepath -w "$scratch/dated.reg" 2>/dev/null)" >/dev/null 2>&1
rm -f "$scratch/browser/record"
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=windows "$run" "$exe" >/dev/null 2>&1 &
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
  wait_for 10 copied_question && pass "German: the update question asks in German, with \"Ja\" and \"Nein\"" ||
    fail "German: the update question copied as: $(diff "$scratch/question" "$scratch/copied")"
  keys "$box" alt+j
  download="http://$VARODARA_MAIN_HOST/ov-free-varodara-zevaz-adavuv/download-ov-free-varodara-zevaz-adavuv.html"
  wait_for 15 test -f "$scratch/browser/record" && grep -qxF "$download" "$scratch/browser/record" &&
    pass "German: Alt+J, the key of \"Ja\", answered the question and opened the download page" || fail "German: Alt+J did not answer yes"
  if wait_for 60 has_window "$caption"; then
    main="$(window_named "$caption")"
    keys "$main" alt+d b
    wait_for 15 eval '! visible "$main" && [ -n "$(other_window "$caption" "$main")" ]' && keys "$(other_window "$caption" "$main")" alt+b
  fi
  wait_for 20 eval "! kill -0 $german 2>/dev/null" && pass "German: Alt+D, B (Datei > Beenden) showed the exit screen, and its Alt+B (Beenden) ended the program" ||
    fail "German: the main window's German keys did not reach the exit screen and end the program"
else
  fail "German: no update question"
fi
end_session
wait_for 20 eval "! kill -0 $german 2>/dev/null" || kill "$german" 2>/dev/null

# Two starts at once, ten rounds: one main window, and one "Application is already running"
# from the other start, which then ends.
race_failures=0
for round in $(seq 10); do
  python3 "$root/tests/windows/setting.py" write "$scratch/dated.reg" 0
  "$run" reg import "$(winepath -w "$scratch/dated.reg" 2>/dev/null)" >/dev/null 2>&1
  QT_QPA_PLATFORM=windows "$run" "$exe" >/dev/null 2>&1 &
  one=$!
  QT_QPA_PLATFORM=windows "$run" "$exe" >/dev/null 2>&1 &
  two=$!
  outcome="ok"
  if wait_for 60 eval 'has_window "$caption" && has_window "$title"'; then
    [ "$(xdotool search --onlyvisible --name "^$caption\$" | wc -l)" -eq 1 ] || outcome="two main windows"
    # Without a window manager, a box that comes up while the other start's main window is
    # being shown stays below it, and Wine gives it neither paint nor keys there: moved clear,
    # its OK button (at its bottom right) is clicked.
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
  end_session
  wait_for 20 eval "! kill -0 $one 2>/dev/null && ! kill -0 $two 2>/dev/null" || kill "$one" "$two" 2>/dev/null
done
[ "$race_failures" -eq 0 ] && pass "two starts at once, 10 rounds: one main window and one refusal each" ||
  fail "two starts at once: $race_failures of 10 rounds went wrong"

# Uninstall, silently: every file and the Uninstall key go, the setting stays.
before_uninstall=$failures
# The uninstaller copies itself away and removes the folder from there: wait for the folder.
"$run" "$(winepath -w "$folder/uninstall.exe" 2>/dev/null)" /S
wait_for 30 eval '[ ! -e "$folder" ]'
[ -e "$folder" ] && { fail "left behind:"; find "$folder"; }
[ -n "$shortcut" ] && [ -e "$shortcut" ] && fail "the Start-menu shortcut is still there"
registry "$uninstall_key" >/dev/null && fail "the Uninstall key is still there"
registry "$settings_key" | grep -q 'REG_SZ' || fail "the uninstaller removed the user's setting"
[ "$failures" -eq "$before_uninstall" ] && pass "uninstalled: no file, no shortcut, no Uninstall key; the setting stays"

if [ -n "$pictures_part" ]; then
  wait "$pictures_part"
  failures=$((failures + $?))
  pictures_part=""
  cat "$scratch/pictures.log"
fi

echo "windows road: $failures failed"
exit $((failures > 0))
