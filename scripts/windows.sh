#!/usr/bin/env bash
# The Windows release, built and tested on this Debian machine:
#   1. installs what is missing (mingw-w64, Wine, NSIS, ...) (scripts/windows/system.sh);
#   2. builds Qt for Windows from Debian's own qt6-base source package, once, into a cache
#      outside the tree (rebuilt only when its version or options change) (windows/qt.sh);
#   3. cross-builds the program and its unit tests (build/windows) (windows/build.sh), runs the
#      tests under Wine while steps 4 and 5 go on (windows/test.sh);
#   4. packs build/windows/varodara-<version>-win64.zip, the installer
#      build/windows/varodara-<version>-setup.exe and build/windows/varodara-<version>.msi with
#      CPack, SHA256SUMS beside them, signed when a certificate is given (docs/windows.md)
#      (windows/pack.sh);
#   5. installs the release under Wine and drives it end to end (tests/windows/road.sh), with a
#      screenshot of every window in build/windows/shots; then upgrades, uses and removes the MSI
#      (tests/windows/msi_road.sh) (windows/test.sh).
#   scripts/windows.sh [--pack-only]   (--pack-only: steps 1 to 4)
# VARODARA_QT_JOBS sets how many compilers build Qt at once (all cores). Wine runs in a display
# of its own (Xvfb), in prefixes under the cache folder and the scratch folders of the tests.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
BUILD="$VARODARA_ROOT/build/windows"
for part in system qt build pack test; do
  source "$VARODARA_ROOT/scripts/windows/$part.sh"
done

prepare_system
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

road=0
run_roads || road=1
finish_unit_tests
exit "$road"
