#!/usr/bin/env bash
# Sets up, builds and runs every test headless. Exits non-zero when a test fails.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
quorvel_ensure_packages

build=build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
