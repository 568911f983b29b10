#!/usr/bin/env bash
# Start-up time to the shown main window and its resident memory (the program's hidden --startup-time option),
# then the main window's heavy moments with 128 channels set (bench_window): building and showing it, an
# Open redrawing every editor, and the language switch. Drawn on a virtual X display (Xvfb), or offscreen
# with QT_QPA_PLATFORM=offscreen.
#
#   bench/window.sh               # 5 start-ups, 10 runs of each window figure
#   RUNS=10 bench/window.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts_common.sh"
[ -n "${ZRT_BENCH_XVFB:-}" ] || zrt_install_missing
# Without a display, the script runs itself again on a virtual one.
if [ "${QT_QPA_PLATFORM:-}" != offscreen ] && [ -z "${DISPLAY:-}" ]; then
    ZRT_BENCH_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

build="$zrt_root/build"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$zrt_root" -B "$build" -G Ninja
cmake --build "$build" -j "$zrt_jobs" --target zr-t410 bench_window

runs="${RUNS:-5}"
quiet() { grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints || true; }
echo "== $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), load $(cut -d' ' -f1-3 /proc/loadavg), platform ${QT_QPA_PLATFORM:-xcb} =="
for _ in $(seq "$runs"); do
    "$build/zr-t410" --startup-time 2>&1 | quiet
done
"$build/bench_window" --repeat "$((runs * 2))" 2>&1 | quiet
