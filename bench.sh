#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds (Release, in build-bench/) and runs the performance benchmark on generated dictionaries at
# scales 1, 10 and 100, printing one CSV row per scale and gesture:
# scale,operation,app_ms,floor_ms,ratio,statements,expected,verdict. Exits 1 when a statement count differs.
# Details (slowest keystroke, maximum sample, repaint time, statement counts) go to standard error.
# Usage: ./bench.sh [scale...]     e.g. ./bench.sh 1 10
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
quorvel_ensure_packages build qt5

scales=("$@")
[ ${#scales[@]} -eq 0 ] && scales=(1 10 100)

cmake --preset bench >/dev/null
cmake --build --preset bench -j"$(nproc)" >/dev/null
QT_QPA_PLATFORM=offscreen build-bench/bench/app/quorvel_bench --scales "${scales[@]}"
