#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts Quorvel on the bundled sample dictionary.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
quorvel_ensure_packages build qt5

cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target quorvel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found. To run Quorvel on a virtual screen: xvfb-run -s '-screen 0 1280x1024x24' ./run.sh" >&2
    exit 1
fi
exec ./build/quorvel "$@"
