#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build and its tests, the
# static checks (format, cppcheck, clang-tidy), the build with AddressSanitizer and
# UndefinedBehaviorSanitizer and its tests, then the Windows release (scripts/windows.sh: its
# unit tests and the installed program under Wine), the release built twice from nothing and
# compared (scripts/reproducible.sh), and last one of the two signed and checked against the
# other (tests/windows/signing_road.sh). Each step says how long it took. The presets in
# CMakePresets.json hold the options. Fails when any step fails, after running the others.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
varodara_install_packages

failed=()
times=()
# step NAME COMMAND...: runs one step, notes its time and whether it failed.
step() {
  local name="$1" start=$SECONDS
  shift
  echo "== $name"
  if ! "$@"; then
    failed+=("$name")
  fi
  times+=("$(printf '%-16s %4d s' "$name" $((SECONDS - start)))")
}

run_tests() {
  (cd "$VARODARA_ROOT" && ctest --preset "$1")
}

step "normal build" varodara_build normal
step "normal tests" run_tests normal
step "static checks" bash "$VARODARA_ROOT/scripts/check.sh"
step "sanitize build" varodara_build sanitize
step "sanitize tests" run_tests sanitize
step "windows" bash "$VARODARA_ROOT/scripts/windows.sh"
# The two builds of the reproducible step stay for the signing road, which signs one.
builds="$(mktemp -d "${TMPDIR:-/tmp}/varodara-builds.XXXXXX")"
trap 'rm -rf "$builds"' EXIT
step "reproducible" bash "$VARODARA_ROOT/scripts/reproducible.sh" --keep "$builds"
step "signing" bash "$VARODARA_ROOT/tests/windows/signing_road.sh" "$builds/first" "$builds/second/elsewhere"

echo "== times"
printf '%s\n' "${times[@]}"
printf '%-16s %4d s\n' "all" "$SECONDS"
if [ "${#failed[@]}" -ne 0 ]; then
  echo "failed: ${failed[*]}"
  exit 1
fi
