# A silent uninstall: every file and the Uninstall key go, the setting stays. The uninstaller
# copies itself away and removes the folder from there: wait for the folder.
before_uninstall=$failures
"$run" "$(windows_path "$folder/uninstall.exe")" /S
wait_for 30 eval '[ ! -e "$folder" ]' || { fail "left behind:"; find "$folder"; }
[ -n "$shortcut" ] && [ -e "$shortcut" ] && fail "the Start-menu shortcut is still there"
registry "$uninstall_key" >/dev/null && fail "the Uninstall key is still there"
registry "$settings_key" | grep -q 'REG_SZ' || fail "the uninstaller removed the user's setting"
[ "$failures" -eq "$before_uninstall" ] && pass "no file, no shortcut, no Uninstall key; the setting stays"
