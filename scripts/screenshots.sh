#!/usr/bin/env bash
# Builds the program if needed and saves pictures of the main window in English and in Chinese as
# docs/screenshots/main-en.png and main-zh.png, drawn on a virtual X display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts_common.sh"
zrt_install_missing
zrt_build build

out="$zrt_root/docs/screenshots"
mkdir -p "$out"

# A free display number of our own, so a running X server or another copy of this script is left alone.
display=99
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do display=$((display + 1)); done

Xvfb ":$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display}" ] && break
    sleep 0.1
done

DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$zrt_root/build/zr-t410" --screenshot "$out"
echo "Saved $out/main-en.png and $out/main-zh.png"
