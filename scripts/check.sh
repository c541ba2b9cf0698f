#!/usr/bin/env bash
# One static check over the sources as they are now; fails on any finding.
#   check.sh format            clang-format --dry-run --Werror on every .cpp and .h
#   check.sh tidy [BUILD_DIR]  clang-tidy with BUILD_DIR/compile_commands.json (build/normal)
#   check.sh cppcheck          cppcheck on src/
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

sources() {
  find src tests -type f \( -name '*.cpp' -o -name '*.h' \) | sort
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
    # Every translation unit of our own folders; moc's generated files live in the build folder.
    pattern="^$root/(src|tests)/.*\\.cpp\$"
    count=$(grep -cE "\"file\": \"$root/(src|tests)/.*\\.cpp\"" "$build/compile_commands.json" || true)
    if [ "$count" -eq 0 ]; then
      echo "clang-tidy: no source file of src/ or tests/ in $build/compile_commands.json" >&2
      exit 2
    fi
    echo "clang-tidy: $count files"
    # The counts of suppressed warnings from system headers are noise; findings stay.
    run-clang-tidy -quiet -j "$(nproc)" -p "$build" "$pattern" 2>&1 |
      { grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^Use -system-headers' || true; }
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
