#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with CTest; then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer; then opens every window in both languages on a virtual
# display and saves their pictures into build/screenshots.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts_common.sh"
zrt_install_missing

zrt_build build
zrt_build build-asan -DZRT_GUI=OFF -DZRT_SANITIZE=ON -DZRT_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug

export QT_QPA_PLATFORM=offscreen
echo "== Tests =="
ctest --test-dir "$zrt_root/build" --output-on-failure -j "$zrt_jobs"
echo "== Core tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$zrt_root/build-asan" --output-on-failure -j "$zrt_jobs"
echo "== Every window in both languages =="
"$zrt_root/scripts/screenshots.sh" "$zrt_root/build/screenshots"
