#!/usr/bin/env bash
# The Windows release, built and tested on this Debian machine:
#   1. installs what is missing (mingw-w64, Wine, NSIS, ...);
#   2. builds Qt for Windows from Debian's own qt6-base source package, once, into a cache
#      outside the tree (rebuilt only when its version or options change);
#   3. cross-builds the program and its unit tests (build/windows), runs the tests under Wine
#      while steps 4 and 5 go on;
#   4. packs build/windows/varodara-<version>-win64.zip, the installer
#      build/windows/varodara-<version>-setup.exe and build/windows/varodara-<version>.msi with
#      CPack, SHA256SUMS beside them, signed when a certificate is given (docs/windows.md);
#   5. installs the release under Wine and drives it end to end (tests/windows/road.sh), with a
#      screenshot of every window in build/windows/shots; then upgrades, uses and removes the MSI
#      (tests/windows/msi_road.sh).
#   scripts/windows.sh [--pack-only]   (--pack-only: steps 1 to 4)
# VARODARA_QT_JOBS sets how many compilers build Qt at once (all cores). Wine runs in a display
# of its own (Xvfb), in prefixes under the cache folder and the scratch folders of the tests.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

VARODARA_WINDOWS_PACKAGES=(
  g++-mingw-w64-x86-64-posix wine wine64 nsis
  # the MSI, and the signatures when a certificate is given
  wixl msitools osslsigncode
  dpkg-dev ninja-build icoutils zip unzip googletest xvfb xauth xdotool xclip imagemagick
  # the German user of the road: Wine takes the user's language from the Unix locale
  locales
)
varodara_install_packages "${VARODARA_WINDOWS_PACKAGES[@]}"
if ! locale -a 2>/dev/null | grep -qx 'de_DE.utf8'; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  $sudo locale-gen >/dev/null
fi

CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/varodara"
QT_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev)"  # Debian's, e.g. 6.4.2+dfsg-10
QT_UPSTREAM="${QT_VERSION%%+*}"
QT_PREFIX="$CACHE/qt-$QT_UPSTREAM-mingw64"
BUILD="$VARODARA_ROOT/build/windows"
TOOLCHAIN="$VARODARA_ROOT/cmake/mingw-w64.cmake"
HOST_CMAKE_DIR="$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6/Qt6Config.cmake$')")")"

# Only what the program uses: Core, Gui, Widgets and Test, the Windows and offscreen platforms.
# The OpenGL, DirectWrite 3 and tablet switches are what this Qt needs to build with mingw-w64
# (the source package has no wintab headers); third-party libraries are Qt's bundled copies.
QT_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_vulkan=OFF
  -DINPUT_opengl=no -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
  -DFEATURE_directwrite3=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
)
QT_STAMP="$QT_VERSION ${QT_OPTIONS[*]}"

# A deb-src entry for every Debian archive apt already uses, so that apt-get source works.
add_source_entries() {
  local list=/etc/apt/sources.list.d/varodara-src.sources
  [ -f "$list" ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  python3 - <<'EOF' | $sudo tee "$list" >/dev/null
import glob
for path in sorted(glob.glob("/etc/apt/sources.list.d/*.sources")):
    for stanza in open(path, encoding="utf-8").read().split("\n\n"):
        fields = dict(line.split(": ", 1) for line in stanza.strip().splitlines()
                      if ": " in line and not line.startswith("#"))
        if fields.get("Types") == "deb" and "debian-archive-keyring" in fields.get("Signed-By", ""):
            fields["Types"] = "deb-src"
            print("\n".join("%s: %s" % item for item in fields.items()) + "\n")
EOF
  $sudo apt-get update -q
}

build_qt() {
  if [ -f "$QT_PREFIX/varodara-stamp" ] && [ "$(cat "$QT_PREFIX/varodara-stamp")" = "$QT_STAMP" ]; then
    echo "Qt $QT_VERSION for Windows: $QT_PREFIX (cached)"
    return 0
  fi
  echo "Building Qt $QT_VERSION for Windows into $QT_PREFIX"
  add_source_entries
  local work="$CACHE/qt-source"
  rm -rf "$work" "$QT_PREFIX"
  mkdir -p "$work"
  # Debian's source with Debian's patches applied, as Debian builds its own Qt.
  (cd "$work" && apt-get source -q "qt6-base=$QT_VERSION" >"$work/source.log" 2>&1) ||
    { cat "$work/source.log"; return 1; }
  local source
  source="$(find "$work" -maxdepth 1 -mindepth 1 -type d -name 'qt6-base-*' | head -1)"
  cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$HOST_CMAKE_DIR" \
    -DCMAKE_INSTALL_PREFIX="$QT_PREFIX" "${QT_OPTIONS[@]}" >"$work/configure.log" 2>&1 ||
    { tail -50 "$work/configure.log"; return 1; }
  cmake --build "$work/build" --parallel "${VARODARA_QT_JOBS:-$(nproc)}" >"$work/build.log" 2>&1 ||
    { grep -m20 -B2 -A8 'error' "$work/build.log"; return 1; }
  cmake --install "$work/build" >"$work/install.log" 2>&1 || { tail -20 "$work/install.log"; return 1; }
  # The licence texts go with every release that ships these DLLs.
  mkdir -p "$QT_PREFIX/licenses/qt"
  cp "$source"/LICENSES/* "$QT_PREFIX/licenses/qt/"
  echo "$QT_STAMP" >"$QT_PREFIX/varodara-stamp"
  rm -rf "$work"
}

# render_icon for this machine: the cross build draws the icons with it.
build_host_tools() {
  local host="$BUILD/host"
  cmake -S "$VARODARA_ROOT" -B "$host" -DCMAKE_BUILD_TYPE=Release -DVARODARA_TESTS=OFF >"$BUILD/host.log" 2>&1 &&
    cmake --build "$host" --target render_icon --parallel "$(nproc)" >>"$BUILD/host.log" 2>&1 ||
    { tail -30 "$BUILD/host.log"; return 1; }
  RENDER_ICON="$host/desktop/render_icon"
}

# The program and its unit tests for Windows, with Qt's toolchain file chained to ours.
build_program() {
  cmake -S "$VARODARA_ROOT" -B "$BUILD/program" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$QT_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release -DVARODARA_TESTS=ON -DVARODARA_RENDER_ICON="$RENDER_ICON" \
    >"$BUILD/configure.log" 2>&1 || { tail -40 "$BUILD/configure.log"; return 1; }
  cmake --build "$BUILD/program" --parallel "$(nproc)" >"$BUILD/build.log" 2>&1 ||
    { grep -m20 -A6 'error' "$BUILD/build.log"; return 1; }
}

# Where Wine finds the DLLs of the program and its tests: Qt's and the compiler's runtime.
wine_path() {
  local runtime
  runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
  echo "$(winepath_of "$QT_PREFIX/bin");$(winepath_of "$runtime");$(winepath_of /usr/x86_64-w64-mingw32/lib)"
}
# Unix paths reach Wine through its Z: drive.
winepath_of() {
  echo "Z:${1//\//\\}"
}

# The zip, the installer and the MSI, staged by the build's install rules and packed by CPack
# (cmake/PackageWindows.cmake), with SHA256SUMS beside them; signed when VARODARA_SIGN_PKCS12
# and VARODARA_SIGN_PASSWORD_FILE name a certificate and its password (windows/sign.sh.in).
pack_release() {
  local start=$SECONDS
  if [ -n "${VARODARA_SIGN_PKCS12:-}${VARODARA_SIGN_PASSWORD_FILE:-}" ]; then
    [ -f "${VARODARA_SIGN_PKCS12:-}" ] && [ -f "${VARODARA_SIGN_PASSWORD_FILE:-}" ] ||
      { echo "signing needs both VARODARA_SIGN_PKCS12 and VARODARA_SIGN_PASSWORD_FILE to name files"; return 1; }
    if [ -n "${VARODARA_SIGN_TIMESTAMP_URL:-}" ]; then
      echo "signing the release, time-stamped by VARODARA_SIGN_TIMESTAMP_URL"
    else
      echo "signing the release with no time stamp (no VARODARA_SIGN_TIMESTAMP_URL): Windows trusts" \
        "the signatures only while the certificate is valid"
    fi
  fi
  (cd "$BUILD/program" && cpack -B "$BUILD" >"$BUILD/cpack.log" 2>&1) || { tail -30 "$BUILD/cpack.log"; return 1; }
  (cd "$BUILD" && sha256sum -c --quiet SHA256SUMS) || { echo "SHA256SUMS does not match the release"; return 1; }
  ZIP="$BUILD/$VARODARA_ZIP"
  SETUP="$BUILD/$VARODARA_SETUP"
  MSI="$BUILD/$VARODARA_MSI"
  echo "packed in $((SECONDS - start)) s:"
  for package in "$ZIP" "$SETUP" "$MSI"; do
    echo "  $(du -k "$package" | cut -f1) KiB, $package"
  done
}

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

mkdir -p "$BUILD"
build_qt
build_host_tools
build_program
export VARODARA_WINEPATH="$(wine_path)"
source "$BUILD/program/product.env"
PACK_ONLY=0
[ "${1:-}" = --pack-only ] && PACK_ONLY=1
[ "$PACK_ONLY" -eq 1 ] || start_unit_tests
rm -f "$BUILD"/*.zip "$BUILD"/*-setup.exe "$BUILD"/*.msi "$BUILD/SHA256SUMS"
pack_release || { [ "$PACK_ONLY" -eq 1 ] || finish_unit_tests; exit 1; }
[ "$PACK_ONLY" -eq 1 ] && exit 0

echo "== the release, installed and used under Wine"
rm -rf "$BUILD/shots"
mkdir -p "$BUILD/shots"
wait_for_unit_tests_display
road=0
"${xvfb[@]}" bash "$VARODARA_ROOT/tests/windows/road.sh" "$VARODARA_ROOT" "$SETUP" "$BUILD/program/product.env" \
  "$BUILD/shots" || road=$?
echo "== the MSI, upgraded, used and removed under Wine"
older_msi && "${xvfb[@]}" bash "$VARODARA_ROOT/tests/windows/msi_road.sh" "$VARODARA_ROOT" "$BUILD" "$OLDER_MSI" \
  "$OLDER_VERSION" "$BUILD/program/product.env" || road=1
finish_unit_tests
exit "$road"
