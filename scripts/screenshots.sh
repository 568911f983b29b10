#!/usr/bin/env bash
# Builds the program if needed, opens every window in English and in Chinese on a virtual X display (Xvfb,
# started here) and saves a picture of each into build/screenshots (or the folder given). Fails when a window
# cannot be shown or a caption does not fit its control. The printed document of the same configuration is
# saved as print-en.pdf and print-zh.pdf, with a picture of each one's first page (pdftoppm). With --docs it
# also renews the README pictures docs/screenshots/main-en.png and main-zh.png, ports-en.png and
# ports-zh.png (the port list, open), and channel-rows-en.png and channel-rows-zh.png (several rows selected,
# the table's context menu open).
#
#   scripts/screenshots.sh [--docs] [FOLDER]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts_common.sh"

docs=0
out="$zrt_root/build/screenshots"
for arg in "$@"; do
    case "$arg" in
        --docs) docs=1 ;;
        -*) echo "usage: $0 [--docs] [FOLDER]" >&2; exit 2 ;;
        *) out="$arg" ;;
    esac
done

zrt_install_missing
zrt_build build
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.pdf

# Always a virtual display of our own, even under a desktop: the same pictures everywhere, and no windows
# flashing over the user's work. The first free display number from 99 is taken; should another program
# take it first, the next one is tried.
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; }' EXIT
display=99
for _ in $(seq 20); do
    while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X${display}" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -e "/tmp/.X11-unix/X${display}" ] && kill -0 "$xvfb_pid" 2>/dev/null && break
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
    display=$((display + 1))
done
if [ -z "$xvfb_pid" ]; then
    echo "No virtual display could be started (Xvfb)" >&2
    exit 1
fi

DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$zrt_root/build/zr-t410" --screenshot "$out"
for language in en zh; do
    pdftoppm -png -r 100 -f 1 -l 1 -singlefile "$out/print-$language.pdf" "$out/print-$language"
done

if [ "$docs" = 1 ]; then
    mkdir -p "$zrt_root/docs/screenshots"
    cp "$out/main-en.png" "$out/main-zh.png" "$out/ports-en.png" "$out/ports-zh.png" \
        "$out/channel-rows-en.png" "$out/channel-rows-zh.png" "$zrt_root/docs/screenshots/"
    echo "README pictures renewed in docs/screenshots"
fi
echo "Pictures in $out"
