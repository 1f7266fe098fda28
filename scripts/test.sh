#!/usr/bin/env bash
# Installs what is missing, builds everything with the tests and runs every test headless
# (Xvfb); then runs the unit tests again under AddressSanitizer/UBSan and ThreadSanitizer.
# CORVANE_SANITIZERS="" skips the sanitizer runs.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh --test

jobs=$(nproc)
run_ctest() {
    xvfb-run -a -s "-screen 0 1440x900x24" ctest --test-dir "$1" --output-on-failure -j "$jobs" "${@:2}"
}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build
run_ctest build

for sanitizer in ${CORVANE_SANITIZERS-address thread}; do
    dir="build-$sanitizer"
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE="$sanitizer"
    cmake --build "$dir" --target CorvaneTests
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp" \
        run_ctest "$dir"
done
