#!/usr/bin/env bash
# The real program on Wayland, under a headless weston started and stopped here: it shows its
# main window under the application id, stays up, prints no warning, and ends with status 0
# when asked to. The client's protocol trace (lines starting with "[") shows what the
# compositor was told.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
program="$1" id="$2"
scratch="$(mktemp -d)"
weston_pid=""
trap '[ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$scratch"' EXIT
scratch_session "$scratch"

env -i "${session_env[@]}" weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 \
  --no-config --log="$scratch/weston.log" &
weston_pid=$!
if ! wait_for 20 test -S "$scratch/runtime/wayland-test"; then
  echo "FAIL: weston did not start"; cat "$scratch/weston.log"; exit 1
fi

env -i "${session_env[@]}" WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  "$program" >"$scratch/out" 2>&1 &
pid=$!
ok=1
main_window() {
  grep -qF "set_title(\"OV Varodara Zevaz Adavuv v$VARODARA_VERSION\")" "$scratch/out" &&
    grep -qF "set_app_id(\"$id\")" "$scratch/out"
}
wait_for 15 main_window || { echo "FAIL: no main window with the application id $id"; ok=0; }
if wait_for 2 eval "! alive $pid"; then
  echo "FAIL: the program ended by itself"; ok=0
fi
end_process "$pid"
[ "$end_status" = 0 ] || { echo "FAIL: asked to close, the program ended with: $end_status"; ok=0; }
if grep -v '^\[' "$scratch/out"; then
  echo "FAIL: the program printed the lines above"; ok=0
fi
[ -e "$scratch/runtime/$VARODARA_PROGRAM.lock" ] && { echo "FAIL: the lock was left behind"; ok=0; }
[ "$ok" = 1 ] && echo "wayland: main window shown as $id, stayed up, silent, ended with status 0"
exit $((1 - ok))
