# The release tested under Wine, each part in a display of its own (Xvfb): the unit tests beside
# the packing and the roads; the installed release's road (tests/windows/road.sh), with a
# screenshot of every window in build/windows/shots; the MSI's (tests/windows/msi_road.sh).
# Sourced by scripts/windows.sh.

# The MSI of the release's files at an older version, with one file more, for the MSI road
# (tests/windows/msi_road.sh) to upgrade from: build/windows/road.
OLDER_VERSION=0.1
older_msi() {
  rm -rf "$BUILD/road"
  mkdir -p "$BUILD/road"
  unzip -q "$ZIP" -d "$BUILD/road"
  local stage
  stage="$(find "$BUILD/road" -mindepth 1 -maxdepth 1 -type d)"
  echo "only in the older version" >"$stage/older-only.txt"
  OLDER_MSI="$BUILD/road/$VARODARA_PROGRAM-$OLDER_VERSION.msi"
  SOURCE_DATE_EPOCH="$(git -C "$VARODARA_ROOT" log -1 --format=%ct)" cmake -DSTAGE="$stage" -DOUTPUT="$OLDER_MSI" \
    -DVERSION="$OLDER_VERSION" -P "$BUILD/program/windows/msi.cmake" >"$BUILD/road/msi.log" 2>&1 ||
    { cat "$BUILD/road/msi.log"; return 1; }
}

# The unit tests under Wine, in the background and in a display of their own (Wine's window
# station wants one even for Qt's offscreen platform); their output goes to
# build/windows/unit-tests.log and is printed once they end.
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")
start_unit_tests() {
  rm -f "$BUILD/unit-tests.display"
  # Wine's desktop starts with the prefix, in that display: a test that activates its windows
  # needs it there.
  (cd "$BUILD/program" && "${xvfb[@]}" bash -c 'touch "$3" && "$1" wineboot --init >/dev/null 2>&1 &&
    ctest --output-on-failure --timeout 600 -j "$2"' ctest "$VARODARA_ROOT/scripts/wine-run.sh" "$(nproc)" \
    "$BUILD/unit-tests.display") >"$BUILD/unit-tests.log" 2>&1 &
  UNIT_TESTS=$!
}
# Waits for them and prints what they printed; fails when they failed.
finish_unit_tests() {
  local status=0
  wait "$UNIT_TESTS" || status=$?
  echo "== unit tests under Wine"
  cat "$BUILD/unit-tests.log"
  return "$status"
}
# xvfb-run -a takes the first display number free when it looks, so the road's looks only once
# the unit tests' display is up (or their run has ended without one), at most 30 s.
wait_for_unit_tests_display() {
  local deadline=$((SECONDS + 30))
  until [ -e "$BUILD/unit-tests.display" ] || ! kill -0 "$UNIT_TESTS" 2>/dev/null || [ "$SECONDS" -ge "$deadline" ]; do
    sleep 0.1
  done
}

# The two roads, in displays of their own; fails when either failed.
run_roads() {
  local road=0
  echo "== the release, installed and used under Wine"
  rm -rf "$BUILD/shots"
  mkdir -p "$BUILD/shots"
  wait_for_unit_tests_display
  "${xvfb[@]}" bash "$VARODARA_ROOT/tests/windows/road.sh" "$VARODARA_ROOT" "$SETUP" "$BUILD/program/product.env" \
    "$BUILD/shots" || road=$?
  echo "== the MSI, upgraded, used and removed under Wine"
  older_msi && "${xvfb[@]}" bash "$VARODARA_ROOT/tests/windows/msi_road.sh" "$VARODARA_ROOT" "$BUILD" "$OLDER_MSI" \
    "$OLDER_VERSION" "$BUILD/program/product.env" || road=1
  return "$road"
}
