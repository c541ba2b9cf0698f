#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
varodara_install_packages
varodara_build "$VARODARA_ROOT/build/normal" -DVARODARA_TESTS=OFF
exec "$VARODARA_ROOT/build/normal/src/varodara" "$@"
