#!/usr/bin/env bash
# Installs what is missing, builds, and starts the programming software.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts_common.sh"
zrt_install_missing
zrt_build build
exec "$zrt_root/build/zr-t410" "$@"
