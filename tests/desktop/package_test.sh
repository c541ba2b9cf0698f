#!/usr/bin/env bash
# Builds the Debian package from this build folder and checks it the way a distribution would:
# its file list, lintian, the desktop entry and metainfo validators, and the unpacked program
# itself, started from the entry's Exec line on the X display this test runs under. Also checks
# that a per-user `cmake --install --prefix` puts every file under that prefix.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
build="$1" source_dir="$2" id="$3"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; exit 1; }
deb="$(ls "$scratch"/out/*.deb)"
echo "package: $(basename "$deb")"
# Its checksum beside it, one line for the one package.
(cd "$scratch/out" && [ "$(wc -l <SHA256SUMS)" -eq 1 ] && sha256sum -c --quiet SHA256SUMS) ||
  fail "SHA256SUMS does not hold the package's checksum"
dpkg-deb -f "$deb" Depends Recommends Section

# The file list: everything a desktop needs, nothing outside /usr, under a build folder or a home.
files="$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')"
for size in 16 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
name="$VARODARA_PROGRAM"
expected+=("/usr/bin/$name" "/usr/share/applications/$id.desktop" "/usr/share/icons/hicolor/scalable/apps/$id.svg"
           "/usr/share/metainfo/$id.metainfo.xml" "/usr/share/man/man1/$name.1.gz"
           "/usr/share/doc/$name/copyright" "/usr/share/doc/$name/changelog.gz")
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$files" || fail "the package lacks $path"
done
grep -vE '^/$|^/usr/$|^/usr/(bin|share)/' <<<"$files" && fail "files outside /usr/bin and /usr/share"
grep -E "^/usr/local|^/home|^/root|$build|$source_dir" <<<"$files" && fail "files under /usr/local, a home or a build path"

lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
# desktop-file-validate 0.26 predates the standard SingleMainWindow key and calls it an error.
entry="$root/usr/share/applications/$id.desktop"
desktop-file-validate "$entry" 2>&1 | grep -v 'key "SingleMainWindow"' | grep . && fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
for size in 16 24 32 48 64 128 256; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
    fail "the ${size} px icon is not a ${size} x ${size} PNG"
done

# Hardened as Debian's own packages: relocations read-only and bound at start, stack protector.
program="$root/usr/bin/$name"
elf="$(readelf -dlW --dyn-syms "$program")"
grep -q BIND_NOW <<<"$elf" || fail "the program is not linked with -z now"
grep -q GNU_RELRO <<<"$elf" || fail "the program is not linked with -z relro"
grep -q __stack_chk_fail <<<"$elf" || fail "the program has no stack protector"

version="$("$program" --version)"
[ "$version" = "$name $VARODARA_VERSION" ] || fail "--version printed '$version'"

# Started from the entry's Exec line (field codes dropped), the main window appears with the
# window class the entry names, and the program ends with status 0 when asked to.
exec_line="$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%[a-zA-Z]//g')"
wm_class="$(sed -n 's/^StartupWMClass=//p' "$entry")"
scratch_session "$scratch/session"
read -ra command <<<"$exec_line"
env -i "${session_env[@]}" PATH="$root/usr/bin:$PATH" DISPLAY="$DISPLAY" ${XAUTHORITY:+XAUTHORITY="$XAUTHORITY"} \
  QT_QPA_PLATFORM=xcb "${command[@]}" &
pid=$!
main_window() {
  local window
  for window in $(xdotool search --all --onlyvisible --pid "$pid" --class "^$wm_class\$"); do
    [ "$(xdotool getwindowname "$window")" = "OV Varodara Zevaz Adavuv v$VARODARA_VERSION" ] && return 0
  done
  return 1
}
wait_for 15 main_window || fail "the installed program showed no main window of class $wm_class"
end_process "$pid"
[ "$end_status" = 0 ] || fail "the installed program ended with: $end_status"

# A per-user install puts every file under its prefix.
cmake --install "$build" --prefix "$scratch/local" >/dev/null || fail "cmake --install --prefix"
outside="$(grep -v "^$scratch/local/" "$build/install_manifest.txt")"
[ -z "$outside" ] || fail "installed outside the prefix: $outside"
[ -x "$scratch/local/bin/$name" ] && [ -f "$scratch/local/share/applications/$id.desktop" ] ||
  fail "the per-user install lacks the program or its entry"

[ "$failures" -eq 0 ] && echo "package: all checks passed"
exit $((failures > 0))
