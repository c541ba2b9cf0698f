#!/usr/bin/env bash
# The Windows release as a user meets it, under Wine on the X display this runs under: the
# scenarios of road/, in their order, in one Wine prefix of their own, sharing the installed
# program and its windows. Each names itself when it fails. With SHOTS, a picture of every
# window at 96 and at 144 dpi, and at 96 in each language, goes there (road/01-pictures.sh).
#   road.sh SOURCE_ROOT SETUP_EXE PRODUCT_ENV [SHOTS]
# PRODUCT_ENV: the build's product.env, the product's facts as CMake holds them.
set -uo pipefail
root="$1" setup="$2" shots="${4:-}"
source "$3"
source "$root/tests/windows/lib.sh"
scratch="$(mktemp -d)"
export WINEPREFIX="$scratch/prefix"
title="$VARODARA_TITLE"
# The windows' caption as the design writes it.
caption="OV Varodara Zevaz Adavuv v$VARODARA_VERSION"
pictures_parts=() pictures_displays=()
cleanup() {
  for part in "${pictures_parts[@]}"; do kill "$part" 2>/dev/null; done
  for prefix in "$scratch"/pictures*/; do WINEPREFIX="$prefix" wineserver -k 2>/dev/null; done
  for display in "${pictures_displays[@]}"; do kill "$display" 2>/dev/null; done
  WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# A prefix of our own: the design's fonts replaced by DejaVu Sans as on Linux, and Wine's opener
# for web pages set to a script that records what it is given.
mkdir -p "$scratch/browser"
cat >"$scratch/browser.sh" <<BROWSER
#!/bin/sh
printf '%s\n' "\$#" "\$@" >"$scratch/browser/part" && mv "$scratch/browser/part" "$scratch/browser/record"
BROWSER
chmod +x "$scratch/browser.sh"
prepare_prefix() {
  "$run" wineboot --init >/dev/null 2>&1
  for font in Verdana "MS Sans Serif"; do
    "$run" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /d "DejaVu Sans" /f >/dev/null
  done
  "$run" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$scratch/browser.sh" /f >/dev/null
}

for file in "$root"/tests/windows/road/[0-9]*.sh; do
  scenario="$(basename "$file" .sh)"
  source "$file"
done
scenario=""

# The pictures, taken beside the rest.
for part in "${pictures_parts[@]}"; do
  wait "$part"
  failures=$((failures + $?))
done
pictures_parts=()
cat "$scratch"/pictures*.log 2>/dev/null
echo "windows road: $failures failed"
exit $((failures > 0))
