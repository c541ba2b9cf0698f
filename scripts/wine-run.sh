#!/usr/bin/env bash
# Runs a Windows program under Wine: ctest's emulator for the cross-built tests, and the
# Windows scripts' way to start anything. A private Wine prefix, the Qt DLLs on Wine's path
# (VARODARA_WINEPATH), Qt's platform as QT_QPA_PLATFORM says (offscreen when unset).
# Wine's own services inherit the output of the first program that starts them and keep it open,
# so a pipe on it would never close: the program writes to files, printed when it has ended.
# With VARODARA_WINE_DIRECT=1 it writes where this script does (a terminal gives it Wine's
# console), for a prefix whose services already run.
set -uo pipefail
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/varodara/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts in a new prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPATH="${VARODARA_WINEPATH:-}"
# Wine hands WINE-prefixed variables on without the prefix: Qt's own are dropped otherwise.
export WINEQT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
wine="${VARODARA_WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}"

[ -n "${VARODARA_WINE_DIRECT:-}" ] && exec "$wine" "$@"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$wine" "$@" >"$scratch/out" 2>"$scratch/err" </dev/null
status=$?
cat "$scratch/out"
cat "$scratch/err" >&2
exit "$status"
