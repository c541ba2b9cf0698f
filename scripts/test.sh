#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: first the normal build with the
# format, clang-tidy and cppcheck checks, then the build with AddressSanitizer and
# UndefinedBehaviorSanitizer. The presets in CMakePresets.json hold the options.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
varodara_install_packages

for preset in normal sanitize; do
  echo "== $preset build"
  varodara_build "$preset"
  echo "== $preset tests"
  (cd "$VARODARA_ROOT" && ctest --preset "$preset")
done
