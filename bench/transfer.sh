#!/usr/bin/env bash
# A real read and write through the serial port (RadioPort and LinkDriver over QSerialPort) against the
# virtual radio on a pseudo-terminal: once answering at once, once paced at 9600 baud. Prints for each the
# time, the wire time of the bytes moved (10 bits a byte, both ways) and their ratio, and the time added a
# round trip.
#
#   bench/transfer.sh             # the bare link driver, as the command line runs it
#   bench/transfer.sh --window    # through the window's transfer controller and its progress window
#   REPEAT=5 bench/transfer.sh    # runs of each (default: 3 instant, 1 paced)
#   ZRT_BENCH_RT=1 bench/transfer.sh   # at real-time priority (root), so that other work on a busy machine
#                                      # does not delay the radio's and the program's wake-ups
#
# The window mode draws offscreen unless QT_QPA_PLATFORM says otherwise (e.g. xcb under xvfb-run).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts_common.sh"
zrt_install_missing

build="$zrt_root/build"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$zrt_root" -B "$build" -G Ninja
cmake --build "$build" -j "$zrt_jobs" --target bench_transfer

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
run=("$build/bench_transfer")
if [ -n "${ZRT_BENCH_RT:-}" ]; then
    run=(chrt -f 10 "$build/bench_transfer")
fi
echo "== $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), load $(cut -d' ' -f1-3 /proc/loadavg)${ZRT_BENCH_RT:+, real-time priority} =="
"${run[@]}" --repeat "${REPEAT:-3}" "$@" 2> >(grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints >&2)
"${run[@]}" --pace --repeat "${REPEAT:-1}" "$@" 2> >(grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints >&2)
