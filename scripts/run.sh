#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
varodara_install_packages
varodara_build release
exec "$VARODARA_ROOT/build/release/src/varodara" "$@"
