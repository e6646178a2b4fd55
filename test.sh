#!/usr/bin/env bash
# Sets up, builds and runs every test headless. Exits non-zero when a test fails.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
quorvel_ensure_packages

build=build
options=(-DQUORVEL_SANITIZE=OFF)
if [[ "${1:-}" == "--sanitize" ]]; then
    # AddressSanitizer and UndefinedBehaviorSanitizer over the whole suite; any report fails the test that met it.
    build=build-sanitize
    options=(-DQUORVEL_SANITIZE=ON)
    export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:print_stacktrace=1"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
