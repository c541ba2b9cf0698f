#!/usr/bin/env bash
# The command line as a terminal user meets it, with no display at all (nor a Qt platform):
# --help and --version answer and exit 0, --number answers with the reading (and stores no
# setting) or refuses in one line with status 2, other arguments are ignored, and a start
# without a display says so in one line and exits 2.
set -uo pipefail
program="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failures=0

# expect STATUS STDOUT-REGEX STDERR-REGEX [DISPLAY=...] -- ARGS...
expect() {
  local status="$1" out="$2" err="$3"
  shift 3
  local -a extra=()
  while [ "$1" != -- ]; do extra+=("$1"); shift; done
  shift
  env -i PATH="$PATH" HOME="$scratch" ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} "${extra[@]}" \
    "$program" "$@" >"$scratch/out" 2>"$scratch/err"
  local got=$? stdout stderr
  stdout="$(cat "$scratch/out")" stderr="$(cat "$scratch/err")"
  if [ "$got" != "$status" ] || ! [[ "$stdout" =~ $out ]] || ! [[ "$stderr" =~ $err ]]; then
    echo "FAIL: $* -> status $got (want $status)"
    echo "  stdout: $stdout"
    echo "  stderr: $stderr"
    failures=$((failures + 1))
  fi
}

# Regular expressions on the whole output; a trailing line break is not part of it.
name="$VARODARA_PROGRAM"
usage="^Usage: $name \\[OPTION\\]"$'\n''.*--help.*--version'
expect 0 "^$name ${VARODARA_VERSION//./\\.}$" '^$' -- --version
expect 0 "$usage" '^$' -- --help
expect 0 "$usage" '^$' -- -h
# A launcher's field code before the option, and a display that does not exist: still answered.
expect 0 "^$name ${VARODARA_VERSION//./\\.}" '^$' DISPLAY=:97 -- %U --version
expect 2 '^$' "^$name: no display found[^"$'\n'"]*\$" -- --unknown file.txt
expect 2 '^$' 'no display found' --
expect 0 '^Your Varodara Zevaz Adavuv is: 8'$'\n\n''.*the total: 8 \+ 5 \+ 3 \+ 1 = 17, then 1 \+ 7 = 8' '^$' -- \
  --number 1990-05-17 --month 2026-12 --explain
expect 2 '^$' "^$name: Please Enter Correct Date Or Month !\$" -- --number 1990-04-31
# Under a German locale the reading is German; JSON stays the same in every language.
expect 0 '^Ihr Varodara Zevaz Adavuv lautet: 8'$'\n\n''Ihr Varodara' '^$' LANG=de_DE.UTF-8 -- --number 1990-05-17 --month 2026-12
expect 0 '"reading":"Efforts are required to reach the heights of success\.' '^$' -- \
  --number 1990-05-17 --month 2026-12 --json
cp "$scratch/out" "$scratch/english.json"
expect 0 '^\{"birth":' '^$' LANG=de_DE.UTF-8 LANGUAGE=de:en -- --number 1990-05-17 --month 2026-12 --json
cmp -s "$scratch/english.json" "$scratch/out" || { echo "FAIL: the JSON changes under German"; failures=$((failures + 1)); }
[ -e "$scratch/.config" ] && { echo "FAIL: --number stored a setting"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "command line: all cases passed"
exit $((failures > 0))
