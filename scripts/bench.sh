#!/usr/bin/env bash
# Builds in Release and measures the program against its floor (a bare Qt window, bench/floor):
#   - the core and window benchmarks (Google Benchmark);
#   - start-up, exec to main window mapped, and peak RSS once it has painted: program and
#     floor alternated, VARODARA_BENCH_PAIRS pairs (15), under a private Xvfb;
#   - idle: context switches of the whole process in VARODARA_BENCH_IDLE seconds (10), the
#     window untouched with the focus on a list;
# and prints one table. The machine is shared: only ratios measured side by side count.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

PAIRS="${VARODARA_BENCH_PAIRS:-15}"
IDLE_SECONDS="${VARODARA_BENCH_IDLE:-10}"
BUILD="$VARODARA_ROOT/build/release"

if [ "${1:-}" != "--inside-xvfb" ]; then
  varodara_install_packages
  varodara_build release -DVARODARA_BENCH=ON
  # -noreset: the server must not reset between the many short-lived clients.
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "${BASH_SOURCE[0]}" --inside-xvfb
fi

PROGRAM="$BUILD/src/$(source "$BUILD/product.env" && echo "$VARODARA_PROGRAM")"
FLOOR="$BUILD/bench/varodara_floor"
WAIT="$BUILD/bench/varodara_startwait"

# A scratch user: settings, lock and caches never touch the real ones; no session bus.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch"/{home,config,cache,data}
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
export XDG_DATA_HOME="$scratch/data" DBUS_SESSION_BUS_ADDRESS="disabled:"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

# The runtime folder sits on a tmpfs, as a desktop session's does (/run/user/UID): the
# instance lock is written there with fdatasync, which on a disk costs tens of milliseconds.
runtime_root=/dev/shm
[ -d "$runtime_root" ] && [ -w "$runtime_root" ] || runtime_root="$scratch"

# One start under the waiter, with a fresh runtime folder (the instance lock lives there).
start() {
  local runtime
  runtime="$(mktemp -d "$runtime_root/varodara-bench.XXXXXX")"
  XDG_RUNTIME_DIR="$runtime" "$WAIT" "$@"
  rm -rf "$runtime"
}

# field NAME LINE: the value of NAME=value in the waiter's line.
field() { tr ' ' '\n' <<<"$2" | sed -n "s/^$1=//p"; }

# stats: "median min max" of the numbers on standard input.
stats() {
  sort -g | awk '{ v[NR] = $1 } END {
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.4g %.4g %.4g\n", m, v[1], v[NR] }'
}

# csv_column FILE BENCHMARK COLUMN: one value of Google Benchmark's CSV output.
csv_column() {
  awk -F, -v name="\"$2\"" -v column="$3" '
    NR == 1 { for (i = 1; i <= NF; i++) { gsub(/"/, "", $i); index_of[$i] = i } next }
    $1 == name { print $(index_of[column]) }' "$1"
}

echo "== machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)"
echo "== load before: $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== benchmarks"
# Their own report of the machine goes to a log; shown only if one of them fails.
"$BUILD/bench/bench_core" --benchmark_format=csv >"$scratch/core.csv" 2>"$scratch/core.log" ||
  { cat "$scratch/core.log"; exit 1; }
QT_QPA_PLATFORM=offscreen "$BUILD/bench/bench_windows" --benchmark_format=csv >"$scratch/windows.csv" \
  2>"$scratch/windows.log" || { cat "$scratch/windows.log"; exit 1; }

echo "== start-up: $PAIRS alternating pairs (one unmeasured start of each first)"
start -- "$PROGRAM" >/dev/null
start -- "$FLOOR" >/dev/null
: >"$scratch/program.txt"
: >"$scratch/floor.txt"
for ((pair = 1; pair <= PAIRS; pair++)); do
  # Who goes first alternates too, so neither always follows the other.
  if ((pair % 2)); then order="program floor"; else order="floor program"; fi
  for who in $order; do
    binary="$PROGRAM"
    [ "$who" = floor ] && binary="$FLOOR"
    start -- "$binary" >>"$scratch/$who.txt"
  done
done

echo "== idle: $IDLE_SECONDS s untouched, focus on a list"
# Three Tabs take the focus from the first name box to the month list; one Tab takes the
# floor's from its line edit to its combo box.
idle_program="$(field idle_switches "$(start --idle "$IDLE_SECONDS" --tabs 3 -- "$PROGRAM")")"
idle_floor="$(field idle_switches "$(start --idle "$IDLE_SECONDS" --tabs 1 -- "$FLOOR")")"
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"

values() { while read -r line; do field "$1" "$line"; done <"$scratch/$2.txt"; }
read -r start_med start_min start_max < <(values startup_ms program | stats)
read -r floor_med floor_min floor_max < <(values startup_ms floor | stats)
read -r rss_med rss_min rss_max < <(values maxrss_kib program | awk '{ print $1 / 1024 }' | stats)
read -r frss_med frss_min frss_max < <(values maxrss_kib floor | awk '{ print $1 / 1024 }' | stats)

row() { printf '| %-44s | %9s | %9s | %9s | %12s | %6s | %-8s |\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
window() {
  local name="BM_$1/manual_time"
  row "$2 (ms)" "$(csv_column "$scratch/windows.csv" "$name" median_ms | xargs printf '%.2f')" \
    "$(csv_column "$scratch/windows.csv" "$name" min_ms | xargs printf '%.2f')" \
    "$(csv_column "$scratch/windows.csv" "$name" max_ms | xargs printf '%.2f')" "" "" "<= 16"
}

echo
echo "== load after: $load_after"
row "what" "median" "min" "max" "floor median" "ratio" "goal"
row "--------------------------------------------" "---------" "---------" "---------" "------------" "------" "--------"
row "start-up, exec to main window mapped (ms)" "$start_med" "$start_min" "$start_max" "$floor_med" \
  "$(ratio "$start_med" "$floor_med")" "<= 1.10"
row "peak RSS, main window shown (MiB)" "$rss_med" "$rss_min" "$rss_max" "$frss_med" \
  "$(ratio "$rss_med" "$frss_med")" "<= 1.10"
window NextToResultPainted "Next click to result window painted"
window BackToMainPainted "Back click to main window painted"
row "idle ${IDLE_SECONDS} s, focus on a list (switches)" "$idle_program" "" "" "$idle_floor" "" "<= 2"
row "core sweep, CPU per monthly number (ns)" \
  "$(csv_column "$scratch/core.csv" BM_MonthlyNumberSweep ns_per_number | xargs printf '%.1f')" "" "" "" "" "< 100"
core_row() { row "$1" "$(csv_column "$scratch/core.csv" "BM_$2" cpu_time | xargs printf '%.0f')" "" "" "" "" ""; }
core_row "result text of all nine numbers, CPU (ns)" ResultText
core_row "encode the stored date, CPU (ns)" EncodeSetting
core_row "decode the stored date, CPU (ns)" DecodeSetting
echo
echo "floor start-up min/max: $floor_min / $floor_max ms; floor peak RSS min/max: $frss_min / $frss_max MiB"
