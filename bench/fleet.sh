#!/usr/bin/env bash
# Several radios written at once: N = 1, 4 and 8 virtual radios, each a radio-sim paced at 9600 baud on a
# pseudo-terminal of its own, written by one `zr-t410-cli write` with one --port pattern. Prints each N's
# total time (the whole command, start to exit) and its ratio to N = 1: with one event loop driving every
# port, N radios should take about as long as one.
#
#   bench/fleet.sh                 # N = 1, 4, 8; 3 runs each, the median counts
#   bench/fleet.sh --verify        # the same with every radio read back (options go to `write`)
#   REPEAT=5 NS="1 2 4 8 16" bench/fleet.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts_common.sh"
zrt_install_missing

build="$zrt_root/build"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$zrt_root" -B "$build" -G Ninja
cmake --build "$build" -j "$zrt_jobs" --target zr-t410-cli radio-sim >/dev/null

work="$(mktemp -d)"
sims=()
stop_sims() {
    for pid in "${sims[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${sims[@]}"; do wait "$pid" 2>/dev/null || true; done
    sims=()
    rm -f "$work"/radio*
}
trap 'stop_sims; rm -rf "$work"' EXIT

# N paced radios, reached as $work/radio1 .. radioN.
start_sims() {
    local n="$1" k
    for ((k = 1; k <= n; k++)); do
        "$build/radio-sim" --pace --link "$work/radio$k" >/dev/null 2>&1 &
        sims+=($!)
    done
    for ((k = 1; k <= n; k++)); do
        while [ ! -e "$work/radio$k" ]; do sleep 0.05; done
    done
}

# The configuration written: what the program saves of an erased radio, read from an unpaced one.
"$build/radio-sim" --link "$work/source" >/dev/null 2>&1 &
source_pid=$!
while [ ! -e "$work/source" ]; do sleep 0.05; done
"$build/zr-t410-cli" read --port "$work/source" -o "$work/fleet.dat" >/dev/null
kill "$source_pid"
wait "$source_pid" 2>/dev/null || true

echo "== $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), load $(cut -d' ' -f1-3 /proc/loadavg) =="
base=""
for n in ${NS:-1 4 8}; do
    times=()
    for ((r = 0; r < ${REPEAT:-3}; r++)); do
        start_sims "$n"
        begin=$(date +%s.%N)
        status=0
        "$build/zr-t410-cli" write --port "$work/radio*" "$work/fleet.dat" "$@" >"$work/out" 2>/dev/null || status=$?
        end=$(date +%s.%N)
        stop_sims
        if [ "$status" -ne 0 ]; then
            echo "N = $n: the write failed (status $status):" >&2
            cat "$work/out" >&2
            exit 1
        fi
        times+=("$(awk -v a="$begin" -v b="$end" 'BEGIN { printf "%.3f", b - a }')")
    done
    median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
    [ -n "$base" ] || base="$median"
    printf 'N = %2d: %6.2f s (runs: %s), %.3f x N = 1\n' "$n" "$median" \
        "$(printf '%.2f ' "${times[@]}" | sed 's/ $//')" "$(awk -v m="$median" -v b="$base" 'BEGIN { print m / b }')"
done
