# The program and its unit tests cross-built for Windows (build/windows/program), with the tool
# from this machine that draws their icons. Sourced by scripts/windows.sh.

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
