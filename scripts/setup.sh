#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, only those missing.
# Sourced by run.sh and test.sh; safe to run again.
set -euo pipefail

VARODARA_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-wayland
  # translations: lupdate and lrelease with their CMake package, Qt's own translations, and fonts
  # for the Hindi, Bengali and Tamil texts (Samyak: Lohit Tamil's tall line sets its baseline
  # below the captions' boxes)
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-lohit-deva fonts-lohit-beng-bengali fonts-samyak-taml
  libgtest-dev
  fonts-dejavu-core
  xvfb xauth xdotool xclip xdg-utils dbus faketime
  # Desktop install checks: validators, the package, Wayland and the accessibility bus
  desktop-file-utils appstream lintian dpkg-dev file weston at-spi2-core python3-pyatspi
  # benchmarks (scripts/bench.sh, and their smoke runs in the tests) and the start-up waiter
  libbenchmark-dev libx11-dev libxtst-dev
  # formatting, static analysis (scripts/tidy.py runs clang-tidy) and coverage checks
  clang-format clang-tidy cppcheck gcovr python3
  # repeated builds take their objects from the compiler cache
  ccache
)
# Only scripts/fuzz.sh needs these: libFuzzer comes with clang's runtime libraries.
VARODARA_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)

# varodara_install_packages [package...]: the given packages, else VARODARA_PACKAGES.
varodara_install_packages() {
  local missing=()
  local pkg
  local wanted=("$@")
  [ "${#wanted[@]}" -eq 0 ] && wanted=("${VARODARA_PACKAGES[@]}")
  for pkg in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  echo "Installing missing packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  varodara_apt_get update -q
  varodara_apt_get install -y -q --no-install-recommends "${missing[@]}"
}

# varodara_apt_get ARGS...: apt-get as root, waiting up to ten minutes for another package
# manager to finish instead of failing. dpkg holds its lock with fcntl, which only a probe of the
# same kind sees.
varodara_apt_get() {
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo python3 -c 'import fcntl, sys; fcntl.lockf(open(sys.argv[1], "a"), fcntl.LOCK_EX | fcntl.LOCK_NB)' \
    /var/lib/dpkg/lock-frontend 2>/dev/null || echo "waiting for another package manager to finish (at most 10 min)"
  $sudo apt-get -o DPkg::Lock::Timeout=600 "$@"
}

# varodara_build PRESET [cmake options...]: configures and builds with one of the presets of
# CMakePresets.json, in build/PRESET.
varodara_build() {
  local preset="$1"
  shift
  (cd "$VARODARA_ROOT" && cmake --preset "$preset" "$@" && cmake --build --preset "$preset" --parallel "$(nproc)")
}

VARODARA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
