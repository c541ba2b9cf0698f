# The one setting, in the user's registry under the program's name: the encoded name "Duration"
# and today's date, encoded.
stored_date_is 0 && pass "the setting in $settings_key is the encoded name and today's date" ||
  fail "the setting in $settings_key is not the encoded name and today's date"
