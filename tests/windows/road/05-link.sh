# A link: the fully-branded offer in the result window, clicked where it is drawn (its frame
# starts 280 pixels down), reaches the browser as one exact address. An address with a path:
# Wine's own opener adds a "/" to a bare host.
eval "$(xdotool getwindowgeometry --shell "$result")"
rm -f "$scratch/browser/record"
xdotool mousemove --window "$result" $((WIDTH / 2)) 305 click 1
printf '1\n%s\n' "http://$VARODARA_HELP_HOST/fully-branded.html" >"$scratch/browser/expected"
if ! wait_for 15 test -f "$scratch/browser/record"; then
  fail "a click on the offer link reached no browser"
elif cmp -s "$scratch/browser/record" "$scratch/browser/expected"; then
  pass "the offer link reached the browser as one argument, $(tail -1 "$scratch/browser/expected")"
else
  fail "the browser got: $(cat "$scratch/browser/record")"
fi
