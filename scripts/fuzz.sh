#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on)
# and runs each for the given number of seconds (default 60), starting from its seed corpus in
# fuzz/corpus/<target>. New inputs go to build/fuzz/corpus/<target>, logs and crashes to
# build/fuzz/runs/. Usage: scripts/fuzz.sh [seconds] [target...]
# VARODARA_FUZZ_JOBS (default 1) runs that many targets at a time.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
varodara_install_packages "${VARODARA_PACKAGES[@]}" "${VARODARA_FUZZ_PACKAGES[@]}"

seconds="${1:-60}"
shift || true
targets=("$@")
[ "${#targets[@]}" -eq 0 ] && targets=(numerology validation codepage setting reminder referral commandline)
jobs="${VARODARA_FUZZ_JOBS:-1}"

dir="$VARODARA_ROOT/build/fuzz"
CC=clang-14 CXX=clang++-14 cmake -S "$VARODARA_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVARODARA_TESTS=OFF -DVARODARA_FUZZ=ON
cmake --build "$dir" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

run_one() {
  local target="$1"
  local work="$dir/corpus/$target"
  local runs="$dir/runs/$target"
  mkdir -p "$work" "$runs"
  local status=0
  "$dir/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$runs/" \
    "$work" "$VARODARA_ROOT/fuzz/corpus/$target" >"$runs/log" 2>&1 || status=$?
  local done_line executed
  done_line="$(grep -E '^#[0-9]+[[:space:]]+DONE' "$runs/log" | tail -1 || true)"
  executed="$(grep -E '^stat::number_of_executed_units' "$runs/log" | awk '{print $2}' || true)"
  printf '%-11s status %d, executions %s, %s\n' "$target" "$status" "${executed:-?}" \
    "$(sed -E 's/^#[0-9]+[[:space:]]+DONE[[:space:]]+//; s/ *(lim|exec\/s|rss|L):.*//' <<<"${done_line:-no DONE line, see $runs/log}")"
  return "$status"
}

failed=0
running=0
for target in "${targets[@]}"; do
  run_one "$target" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit "$failed"
