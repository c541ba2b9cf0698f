# Qt for Windows, built once from Debian's own qt6-base source package into a cache outside the
# tree, and rebuilt only when its version or options change. Sourced by scripts/windows.sh.
CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/varodara"
QT_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev)"  # Debian's, e.g. 6.4.2+dfsg-10
QT_UPSTREAM="${QT_VERSION%%+*}"
QT_PREFIX="$CACHE/qt-$QT_UPSTREAM-mingw64"
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
