#!/usr/bin/env bash
# One static check over the sources as they are now; fails on any finding.
#   check.sh format            clang-format --dry-run --Werror on every .cpp and .h of the tree
#   check.sh tidy [BUILD_DIR]  clang-tidy on every .cpp of the tree that BUILD_DIR compiles
#                              (its compile_commands.json; build/normal when not given)
#   check.sh cppcheck          cppcheck on src/
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
    # Every translation unit of ours; moc's generated files live in the build folders.
    mapfile -t units < <(grep -oE "\"file\": \"$root/[^\"]*\\.cpp\"" "$build/compile_commands.json" |
      sed -E 's/^"file": "(.*)"$/\1/' | grep -v -E "^$root/build[^/]*/" | sort -u)
    if [ "${#units[@]}" -eq 0 ]; then
      echo "clang-tidy: no source file of ours in $build/compile_commands.json" >&2
      exit 2
    fi
    echo "clang-tidy: ${#units[@]} files"
    # One clang-tidy per file, as many at once as there are cores; a file's findings are
    # printed together, without the counts of warnings suppressed in system headers.
    printf '%s\n' "${units[@]}" |
      xargs -P "$(nproc)" -I{} bash -c '
        out=$(clang-tidy --quiet -p "$0" "$1" 2>&1) && exit 0
        grep -v -E "^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^Use -system-headers" <<<"$out"
        exit 1' "$build" {}
    ;;
  cppcheck)
    cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ --library=qt \
      --enable=warning,performance,portability --inline-suppr \
      -I src -D__cplusplus=202002L src
    ;;
  *)
    echo "usage: $0 format|tidy [BUILD_DIR]|cppcheck" >&2
    exit 2
    ;;
esac
