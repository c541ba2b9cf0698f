# What the Windows roads and scripts/verify-signed.sh share: the count of failed checks, the
# registry, the stored date, the installer, the program's windows and keys. Sourced; the roads
# set root, WINEPREFIX, scratch, exe, title and caption before they use what needs them.
source "$(dirname "${BASH_SOURCE[0]}")/../desktop/lib.sh"
run="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)/wine-run.sh"
failures=0
# A failure names the scenario it comes from, when the road runs one.
fail() { echo "FAIL: ${scenario:+$scenario: }$*"; failures=$((failures + 1)); }
pass() { echo "ok: ${scenario:+$scenario: }$*"; }
# Every file of a folder, by its path there, in one order.
files_of() { (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort); }

# Wine's side: a path as Windows sees it, a registry key's values, the session's end.
windows_path() { winepath -w "$1" 2>/dev/null || echo "Z:${1//\//\\}"; }
registry() { "$run" reg query "$@" 2>/dev/null | tr -d '\r'; }
end_session() { "$run" wineboot --end-session >/dev/null 2>&1; }
install_release() { "$run" "$(windows_path "$setup")" /S; }
# The installed program, found after an install (every copy: there is one).
installed_program() { find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/*' -name "$VARODARA_PROGRAM.exe"; }
# start_program [VARIABLE=value...]: the installed program in the background ($! its process).
start_program() { env "$@" QT_QPA_PLATFORM=windows "$run" "$exe" >/dev/null 2>&1 & }
# ended PID [SECONDS]: the process ends within SECONDS (20).
ended() { wait_for "${2:-20}" eval "! kill -0 $1 2>/dev/null"; }
# stop PID...: ends the session, and the processes if they outlive it.
stop() {
  end_session
  for pid in "$@"; do ended "$pid" || kill "$pid" 2>/dev/null; done
}

# The one setting, under the program's name (the roads source the product's facts first), dated
# DAYS_AGO as the program stores it, or compared with what is stored.
settings_key="HKCU\\Software\\${VARODARA_PROGRAM:-}\\Settings"
store_date() {
  python3 "$root/tests/windows/setting.py" write "$scratch/dated.reg" "$1"
  "$run" reg import "$(windows_path "$scratch/dated.reg")" >/dev/null 2>&1
}
stored_date_is() {
  "$run" reg export "$settings_key" "$(windows_path "$scratch/stored.reg")" /y >/dev/null 2>&1
  python3 "$root/tests/windows/setting.py" expect "$scratch/stored.reg" "$1"
}

# Windows by their exact caption; the one of that caption other than the given one.
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
other_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "$2" | head -1; }
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { [ -z "$(window_named "$1")" ]; }
visible() { xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | grep -qx "$1"; }
# The window that takes over from WINDOW: the other one of the caption, WINDOW hidden.
replaced() { ! visible "$1" && [ -n "$(other_window "$caption" "$1")" ]; }
keys() {
  local window="$1"
  shift
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --clearmodifiers --delay 80 "$@"
}
# A picture for a person to look at, not a check: a window just mapped gets a second to paint.
shot() {
  [ -z "${shots:-}" ] && return 0
  sleep 1
  import -window root "$shots/$1.png" 2>/dev/null
  return 0
}
