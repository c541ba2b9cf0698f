#!/usr/bin/env bash
# Builds the Debian package from a release build: build/release/varodara_<version>_<arch>.deb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
varodara_install_packages
varodara_build release
(cd "$VARODARA_ROOT/build/release" && cpack -G DEB)
