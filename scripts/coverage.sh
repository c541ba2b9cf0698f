#!/usr/bin/env bash
# Builds the coverage preset, runs the unit and window tests (not the end-to-end and desktop
# tests, whose program runs in another process) and prints line and branch coverage per folder of src/ with gcovr.
# Branches that only the compiler made (exception paths, unreachable ones) are not counted.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
varodara_install_packages

build="$VARODARA_ROOT/build/coverage"
varodara_build coverage
find "$build" -name '*.gcda' -delete
(cd "$VARODARA_ROOT" && ctest --preset coverage)

summary="$build/coverage.json"
gcovr --root "$VARODARA_ROOT" --object-directory "$build" --filter "$VARODARA_ROOT/src/" \
  --exclude-throw-branches --exclude-unreachable-branches --json-summary "$summary" \
  --txt "$build/coverage.txt" >/dev/null
python3 - "$summary" <<'PY'
import json, os, sys
from collections import defaultdict

totals = defaultdict(lambda: [0, 0, 0, 0])
for entry in json.load(open(sys.argv[1]))["files"]:
    folder = os.path.dirname(entry["filename"])
    for key in (folder, "all"):
        t = totals[key]
        t[0] += entry["line_covered"]; t[1] += entry["line_total"]
        t[2] += entry["branch_covered"]; t[3] += entry["branch_total"]

def percent(covered, total):
    return f"{100.0 * covered / total:5.1f}%" if total else "   - "

print(f"| {'folder':<16} | {'lines':>20} | {'branches':>20} |")
print(f"|{'-' * 18}|{'-' * 22}|{'-' * 22}|")
for folder in sorted(totals, key=lambda f: (f == "all", f)):
    lc, lt, bc, bt = totals[folder]
    print(f"| {folder:<16} | {percent(lc, lt)} {lc:>6}/{lt:<6} | {percent(bc, bt)} {bc:>6}/{bt:<6} |")
PY
echo "Per file: $build/coverage.txt"
