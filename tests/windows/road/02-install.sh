# A silent install into the user's programs folder, with its Start-menu shortcut and its
# Uninstall entry; installing again upgrades that copy in place.
uninstall_key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$VARODARA_APP_ID"
prepare_prefix
install_release
installed="$(installed_program)"
[ -n "$installed" ] || { fail "no $VARODARA_PROGRAM.exe under the user's programs folder"; exit 1; }
folder="$(dirname "$installed")"
pass "installed into ${folder#"$WINEPREFIX/"}"
shortcut="$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/*' -name "$title.lnk" | head -1)"
[ -n "$shortcut" ] && grep -aq "$VARODARA_PROGRAM.exe" "$shortcut" && pass "Start-menu shortcut to $VARODARA_PROGRAM.exe" ||
  fail "no Start-menu shortcut \"$title\" to $VARODARA_PROGRAM.exe"
for value in DisplayName DisplayVersion Publisher DisplayIcon EstimatedSize UninstallString QuietUninstallString; do
  registry "$uninstall_key" /v "$value" | grep -q "$value" || fail "Uninstall entry without $value"
done
registry "$uninstall_key" /v DisplayVersion | grep -q "REG_SZ *$VARODARA_VERSION\s*$" &&
  pass "Uninstall entry for version $VARODARA_VERSION" || fail "the Uninstall entry's DisplayVersion is not $VARODARA_VERSION"
install_release
if [ "$(installed_program)" = "$installed" ] && [ -f "$folder/platforms/qwindows.dll" ] && [ -f "$folder/uninstall.exe" ]; then
  pass "installing again upgrades the copy in place"
else
  fail "installing again did not keep one copy in $folder"
fi
exe="$(windows_path "$installed")"
