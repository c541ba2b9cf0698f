#!/usr/bin/env bash
# The MSI as an administrator deploys it, under Wine on the X display this runs under, in a Wine
# prefix of its own: an older version installed silently; the release's MSI upgrades it in
# place; the installed program shows its main window; a silent uninstall leaves no file,
# shortcut or record of the product and keeps the user's setting; then the same for every user
# (ALLUSERS=1). After each step: the installed files against the zip's, the Start-menu shortcut,
# and the one registration in Windows Installer's list with its version and icon.
#   msi_road.sh SOURCE_ROOT RELEASE_DIR OLDER_MSI OLDER_VERSION PRODUCT_ENV
# OLDER_MSI: the same files at OLDER_VERSION, and one more, older-only.txt, that an upgrade
# removes.
set -uo pipefail
root="$1" release="$2" older="$3" older_version="$4"
source "$5"
source "$root/tests/windows/lib.sh"
scratch="$(mktemp -d)"
export WINEPREFIX="$scratch/prefix"
title="$VARODARA_TITLE"
caption="OV Varodara Zevaz Adavuv v$VARODARA_VERSION"
trap 'WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT

msiexec() { "$run" msiexec "$1" "$(windows_path "$2")" "${@:3}" /qn; }
"$run" wineboot --init >/dev/null 2>&1
user_folder="$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)"
for_user=("$user_folder/AppData/Local/Programs/$title" "$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
# For every user, Windows puts the shortcut in every user's Start menu; Wine's msiexec keeps the
# installing user's.
for_all=("$WINEPREFIX/drive_c/Program Files/$title" "${for_user[1]}")
unzip -Z1 "$release/$VARODARA_ZIP" | grep -v '/$' | sed 's|^[^/]*/||' | LC_ALL=C sort >"$scratch/zip"
# Windows Installer's products, as the list of installed programs shows them: "{code}|||name".
products() { "$run" uninstaller --list 2>/dev/null | tr -d '\r' | grep -F "|||$title"; }

# installed NAME VERSION FOLDER START_MENU [EXTRA_FILE]: the state after an install.
installed() {
  local name="$1" version="$2" folder="$3" menu="$4" extra="${5:-}" before=$failures
  { cat "$scratch/zip" && [ -n "$extra" ] && echo "$extra"; } | LC_ALL=C sort >"$scratch/expected"
  files_of "$folder" >"$scratch/files" 2>/dev/null
  cmp -s "$scratch/files" "$scratch/expected" ||
    { fail "$name: the files in ${folder#"$WINEPREFIX/"} are not the zip's"; diff "$scratch/expected" "$scratch/files" | head -5; }
  grep -aq "$VARODARA_PROGRAM.exe" "$menu/$title.lnk" 2>/dev/null || fail "$name: no Start-menu shortcut to the program"
  [ "$(products | wc -l)" -eq 1 ] || fail "$name: not one product in the list of installed programs: $(products)"
  # The product's record: its version, and its icon, copied where the list of programs shows it.
  registry 'HKLM\Software\Microsoft\Windows\CurrentVersion\Installer\UserData' /s >"$scratch/userdata"
  [ "$(grep -c "DisplayVersion *REG_SZ *$version$" "$scratch/userdata")" -eq 1 ] ||
    fail "$name: the registered version is not $version: $(grep DisplayVersion "$scratch/userdata")"
  icon="$( (registry 'HKCU\Software\Microsoft\Installer\Products' /s; registry 'HKLM\Software\Classes\Installer\Products' /s) |
    sed -n 's/^ *ProductIcon *REG_SZ *//p' | head -1)"
  [ -n "$icon" ] && [ -f "$(winepath -u "$icon" 2>/dev/null)" ] || fail "$name: no product icon for the list of programs"
  [ "$failures" -eq "$before" ] && pass "$name: the zip's files in ${folder#"$WINEPREFIX/drive_c/"}, the shortcut, one product at $version with its icon"
}
# removed NAME FOLDER START_MENU: nothing of the product is left.
removed() {
  local name="$1" folder="$2" menu="$3" before=$failures
  [ -e "$folder" ] && { fail "$name: left behind in ${folder#"$WINEPREFIX/"}:"; find "$folder" | head -5; }
  [ -e "$menu/$title.lnk" ] && fail "$name: the Start-menu shortcut is still there"
  [ -n "$(products)" ] && fail "$name: still in the list of installed programs"
  (registry 'HKCU\Software\Microsoft\Installer' /s; registry 'HKLM\Software\Classes\Installer' /s;
    registry 'HKLM\Software\Microsoft\Windows\CurrentVersion\Installer\UserData' /s;
    registry 'HKCU\Software\varodara' /v StartMenuShortcut) | grep -q "$title\|StartMenuShortcut" &&
    fail "$name: a record of the product is left in the registry"
  [ "$failures" -eq "$before" ] && pass "$name: no file, no shortcut, no record of the product"
}

# For the user: the older version, then the release over it.
msiexec /i "$older" || fail "the older MSI did not install"
installed "older version" "$older_version" "${for_user[@]}" older-only.txt
msiexec /i "$release/$VARODARA_MSI" || fail "the release's MSI did not install over the older"
installed "upgraded" "$VARODARA_VERSION" "${for_user[@]}"

# The installed program, started as the shortcut starts it.
exe="$(windows_path "${for_user[0]}/$VARODARA_PROGRAM.exe")"
start_program
program=$!
wait_for 60 has_window "$caption" && pass "the installed program shows its main window \"$caption\"" ||
  fail "the installed program showed no main window"
stop "$program"

# The user's setting, as the program stores it, outlives the uninstall.
store_date 0
msiexec /x "$release/$VARODARA_MSI" || fail "the MSI did not uninstall"
removed "uninstalled" "${for_user[@]}"
stored_date_is 0 && pass "the user's setting stays" ||
  fail "the uninstall changed the user's setting"

# For every user, as an administrator asks for it.
msiexec /i "$release/$VARODARA_MSI" ALLUSERS=1 || fail "the MSI did not install for every user"
installed "for every user" "$VARODARA_VERSION" "${for_all[@]}"
[ -e "${for_user[0]}" ] && fail "for every user: installed into the user's folder too"
msiexec /x "$release/$VARODARA_MSI" ALLUSERS=1 || fail "the MSI did not uninstall for every user"
removed "uninstalled for every user" "${for_all[@]}"

echo "msi road: $failures failed"
exit $((failures > 0))
