#!/usr/bin/env bash
# Sets up, builds and runs every test headless. Exits non-zero when a test fails.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh

build=build
options=(-DQUORVEL_SANITIZE=OFF -DQUORVEL_QT_MAJOR=5)
packages=()
if [[ "${1:-}" == "--qt6" ]]; then
    # The same suite against Qt 6; the Debian package test belongs to the Qt 5 build and is left out.
    build=build-qt6
    options=(-DQUORVEL_SANITIZE=OFF -DQUORVEL_QT_MAJOR=6)
    packages=(--qt6)
elif [[ "${1:-}" == "--sanitize" ]]; then
    # AddressSanitizer and UndefinedBehaviorSanitizer over the whole suite; any report fails the test that met it.
    build=build-sanitize
    options=(-DQUORVEL_SANITIZE=ON -DQUORVEL_QT_MAJOR=5)
    export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:print_stacktrace=1"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"
fi
quorvel_ensure_packages "${packages[@]}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
