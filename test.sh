#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with CTest; then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer; then opens every window in both languages on a virtual
# display and saves their pictures into build/screenshots. It also installs into a scratch prefix, checks the
# tree and builds the Debian package (scripts/check-install.sh). Before the tests, the libFuzzer targets run for a
# fixed number of cases from their seed corpora, and the fault matrix of the serial link runs on its own.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts_common.sh"
zrt_install_missing

zrt_build build
zrt_build build-asan -DZRT_GUI=OFF -DZRT_SANITIZE=ON -DZRT_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
zrt_build build-fuzz -DZRT_FUZZ=ON -DZRT_GUI=OFF -DZRT_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++

# Every fuzz target runs a fixed number of cases (a few seconds each) from its seed corpus
# (tests/fuzz/corpus/<target>, when it has one). A fixed seed makes every run try the same cases; new inputs go
# to a scratch folder, never into the committed corpus.
echo "== Fuzz targets =="
for source in "$zrt_root"/tests/fuzz/*.cpp; do
    target="$(basename "$source" .cpp)"
    case "$target" in
        data_file) runs=2000 ;;
        *) runs=3000 ;;
    esac
    scratch="$zrt_root/build-fuzz/corpus/$target"
    rm -rf "$scratch" && mkdir -p "$scratch"
    seeds=()
    [ -d "$zrt_root/tests/fuzz/corpus/$target" ] && seeds=("$zrt_root/tests/fuzz/corpus/$target")
    if ! log=$(cd "$zrt_root/build-fuzz" && "./fuzz_$target" -runs="$runs" -seed=1 -max_len=8192 \
        "$scratch" "${seeds[@]}" 2>&1); then
        echo "$log" | tail -n 60
        echo "fuzz_$target failed; the input that failed is in build-fuzz/ (crash-*)"
        exit 1
    fi
    echo "fuzz_$target: $(echo "$log" | sed -n 's/^Done \([0-9]*\) runs.*/\1/p') cases, no failure"
done

export QT_QPA_PLATFORM=offscreen
echo "== Fault matrix of the serial link =="
ctest --test-dir "$zrt_root/build" --output-on-failure -j "$zrt_jobs" -R 'FaultMatrix'
echo "== Tests =="
ctest --test-dir "$zrt_root/build" --output-on-failure -j "$zrt_jobs" -E 'FaultMatrix'
echo "== Core tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$zrt_root/build-asan" --output-on-failure -j "$zrt_jobs"
echo "== Installed tree and Debian package =="
"$zrt_root/scripts/check-install.sh" build
echo "== Every window in both languages =="
"$zrt_root/scripts/screenshots.sh" "$zrt_root/build/screenshots"
