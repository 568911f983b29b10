#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package build/package/zr-t410_<version>_<arch>.deb
# (CPack; its Depends computed by dpkg-shlibdeps). Install it with `apt install ./build/package/zr-t410_*.deb`.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts_common.sh"
zrt_install_missing
zrt_build build
rm -rf "$zrt_root/build/package"
(cd "$zrt_root/build" && cpack -G DEB)
deb="$(ls "$zrt_root"/build/package/zr-t410_*.deb)"
dpkg-deb -I "$deb"
echo "Package: $deb"
