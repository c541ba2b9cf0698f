#!/usr/bin/env bash
# Start-up of the Windows program under Wine, side by side with the floor program built the
# same way (bench/floor): each started alternately VARODARA_BENCH_PAIRS times (11) by the
# start-up waiter, in a Wine prefix of its own whose server stays up between starts, on a
# private Xvfb. Prints the medians and their ratio. Run scripts/windows.sh first (the program
# and the floor) and scripts/bench.sh or the normal build (the waiter).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
PAIRS="${VARODARA_BENCH_PAIRS:-11}"
BUILD="$VARODARA_ROOT/build/windows"
WAIT=""
for build in release normal; do
  [ -x "$VARODARA_ROOT/build/$build/bench/varodara_startwait" ] && WAIT="$VARODARA_ROOT/build/$build/bench/varodara_startwait" && break
done
[ -n "$WAIT" ] || { echo "no varodara_startwait: run scripts/bench.sh or build the normal preset" >&2; exit 2; }
scratch="$(mktemp -d)"
trap 'WINEPREFIX="$scratch/prefix" wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT
# Both beside the same DLLs and plugins: the release unpacked, with the floor added.
source "$BUILD/program/product.env"
unzip -q "$BUILD/$VARODARA_ZIP" -d "$scratch"
stage="$(find "$scratch" -mindepth 1 -maxdepth 1 -type d -name '*-*' | head -1)"
cp "$BUILD/program/windows/varodara_floor.exe" "$stage/"

cat >"$scratch/run.sh" <<INNER
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine="\$(command -v wine64 || echo /usr/lib/wine/wine64)"
"\$wine" wineboot --init >/dev/null 2>&1
for font in Verdana "MS Sans Serif"; do
  "\$wine" reg add 'HKCU\\Software\\Wine\\Fonts\\Replacements' /v "\$font" /d "DejaVu Sans" /f >/dev/null 2>&1
done
wineserver -p  # stays up: every start below finds it running, as on a desktop
for i in \$(seq $PAIRS); do
  for program in varodara varodara_floor; do
    line="\$("$WAIT" -- "\$wine" "$stage/\$program.exe" 2>>"$scratch/errors")"
    echo "\$program \$line"
  done
done
INNER
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$scratch/run.sh" >"$scratch/results" ||
  { cat "$scratch/results" "$scratch/errors"; exit 1; }
python3 - "$scratch/results" <<'PY'
import re, statistics, sys
times, memory = {}, {}
for line in open(sys.argv[1]):
    name = line.split()[0]
    t = re.search(r"startup_ms=([0-9.]+)", line)
    m = re.search(r"maxrss_kib=([0-9]+)", line)
    if t:
        times.setdefault(name, []).append(float(t.group(1)))
    if m:
        memory.setdefault(name, []).append(int(m.group(1)) / 1024)
p, f = statistics.median(times["varodara"]), statistics.median(times["varodara_floor"])
print("start-up under Wine, exec to window mapped: program %.1f ms, floor %.1f ms, ratio %.2f (%d pairs)"
      % (p, f, p / f, len(times["varodara"])))
print("  program min %.1f max %.1f; floor min %.1f max %.1f"
      % (min(times["varodara"]), max(times["varodara"]), min(times["varodara_floor"]), max(times["varodara_floor"])))
mp, mf = statistics.median(memory["varodara"]), statistics.median(memory["varodara_floor"])
print("peak RSS of the Wine process: program %.1f MiB, floor %.1f MiB, ratio %.2f" % (mp, mf, mp / mf))
PY
