#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: first the normal build, then the
# build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
varodara_install_packages

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

for variant in normal sanitize; do
  dir="$VARODARA_ROOT/build/$variant"
  sanitize=OFF
  [ "$variant" = sanitize ] && sanitize=ON
  echo "== $variant build"
  varodara_build "$dir" -DVARODARA_TESTS=ON -DVARODARA_SANITIZE="$sanitize"
  echo "== $variant tests"
  (cd "$dir" && ctest --output-on-failure --timeout 300)
done
