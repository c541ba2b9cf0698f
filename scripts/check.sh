#!/usr/bin/env bash
# The static checks over the sources as they are now; each fails on any finding.
#   check.sh                   all five below, each run even when one before it failed
#   check.sh format            clang-format --dry-run --Werror on every .cpp and .h of the tree
#   check.sh tidy [BUILD_DIR]  clang-tidy on every .cpp of the tree that BUILD_DIR compiles
#                              (its compile_commands.json; build/normal when not given)
#   check.sh cppcheck          cppcheck on src/
#   check.sh layers            no file under src/ includes one of a higher layer, nor a window
#                              folder's file another window folder's
#   check.sh translations      every translations/*.ts current with the texts the sources mark,
#                              and every text of it translated
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

# Our own C++ files wherever they are, not those of the build folders.
sources() {
  find . \( -path ./.git -o -path './build*' \) -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print |
    sed 's|^\./||' | sort
}

case "${1:-}" in
  format)
    mapfile -t files < <(sources)
    echo "clang-format: ${#files[@]} files"
    clang-format --dry-run --Werror "${files[@]}"
    ;;
  tidy)
    build="${2:-$root/build/normal}"
    if [ ! -f "$build/compile_commands.json" ]; then
      echo "no $build/compile_commands.json: configure with 'cmake --preset normal' first" >&2
      exit 2
    fi
    python3 "$root/scripts/tidy.py" "$build" "$root" "$(nproc)"
    ;;
  cppcheck)
    cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ --library=qt \
      --enable=warning,performance,portability --inline-suppr \
      -I src -D__cplusplus=202002L src
    ;;
  layers)
    # The layers from the bottom up, as the README's "Layers" draws them; the three window
    # folders share a rank, and none of them may include another.
    python3 - <<'EOF'
import pathlib, re, sys
ranks = {"core": 0, "platform": 1, "shell": 2, "ui": 3, "ui/main": 4, "ui/result": 4, "ui/promo": 4, "app": 5}
found = 0
for source in sorted(p for p in pathlib.Path("src").rglob("*") if p.suffix in (".cpp", ".h")):
    own = str(source.parent.relative_to("src"))
    if own not in ranks:
        print(f"{source}: in a folder that is no layer")
        found += 1
        continue
    for number, line in enumerate(source.read_text().splitlines(), 1):
        match = re.match(r'\s*#\s*include\s*["<]([^">]+)[">]', line)
        other = str(pathlib.PurePosixPath(match.group(1)).parent) if match else None
        if other in ranks and other != own and ranks[other] >= ranks[own]:
            print(f"{source}:{number}: {own} includes {match.group(1)}, of {other}")
            found += 1
print(f"layers: {found} includes against the layers")
sys.exit(found > 0)
EOF
    ;;
  translations)
    # lupdate as the build's update_translations target runs it, into copies of the files.
    scratch="$(mktemp -d)"
    trap 'rm -rf "$scratch"' EXIT
    mapfile -t marked < <(sources | grep '^src/')
    status=0
    for ts in translations/*.ts; do
      cp "$ts" "$scratch/"
      /usr/lib/qt6/bin/lupdate -silent -no-obsolete -locations none -I src "${marked[@]}" -ts "$scratch/${ts##*/}"
      if ! cmp -s "$ts" "$scratch/${ts##*/}"; then
        echo "$ts is not current with the sources: cmake --build build/normal --target update_translations"
        diff "$ts" "$scratch/${ts##*/}" | head -20
        status=1
      fi
      if grep -q 'type="unfinished"' "$ts"; then
        echo "$ts has texts not yet translated: $(grep -c 'type="unfinished"' "$ts")"
        status=1
      fi
    done
    # A translation that loses a %1 shows its text unfilled, one that loses an "&" an access key
# (an "&" before a space is the word "and", which a language may write out).
    python3 - translations/*.ts <<'PY' || status=1
import re, sys, xml.etree.ElementTree as ET
def marks(text):
    return sorted(set(re.findall(r'%\d+', text))), len(re.findall(r'&(?=\S)', text.replace('&&', '')))
bad = 0
for ts in sys.argv[1:]:
    for message in ET.parse(ts).iter('message'):
        source = message.findtext('source') or ''
        translation = message.find('translation')
        for text in [f.text or '' for f in translation.iter('numerusform')] or [translation.text or '']:
            if marks(text) != marks(source):
                print(f'{ts}: "{text}" lacks the placeholders or access keys of "{source}"')
                bad = 1
sys.exit(bad)
PY
    echo "translations: ${#marked[@]} sources, $(ls translations/*.ts | wc -l) languages"
    exit "$status"
    ;;
  "")
    status=0
    for check in format cppcheck layers tidy translations; do
      echo "== check $check"
      start=$SECONDS
      bash "$0" "$check" || status=1
      echo "   $check: $((SECONDS - start)) s"
    done
    exit "$status"
    ;;
  *)
    echo "usage: $0 [format|tidy [BUILD_DIR]|cppcheck|layers|translations]" >&2
    exit 2
    ;;
esac
