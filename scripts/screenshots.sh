#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes docs/screenshot.png and docs/screenshot-200.png: the program maximised by a window manager (openbox)
# on a 1920x1080 virtual screen, at 100 % (96 DPI) and at 200 % (192 DPI, a 3840x2160 screen).
# Usage: scripts/screenshots.sh [BUILD_DIR]     (default build/, built by ./test.sh or ./run.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
quorvel_ensure_packages build qt5 test shots
build=$(cd "${1:-build}" && pwd)
[ -x "$build/quorvel" ] || { echo "no program in $build" >&2; exit 1; }

# shoot DPI SCREEN OUTPUT
shoot() {
    local shot
    shot=$(mktemp --suffix=.png)
    xvfb-run -a -s "-screen 0 $2x24 -dpi $1" bash -c '
        openbox & wm=$!
        sleep 1
        QT_QPA_PLATFORM=xcb "$0/quorvel" 2>/dev/null & program=$!
        timeout 30 xdotool search --sync --onlyvisible --name "^Quorvel$" >/dev/null
        sleep 3 # maximised and drawn
        import -window root "$1"
        kill $program $wm' "$build" "$shot"
    convert "$shot" -strip "$3"
    rm -f "$shot"
    echo "$3: $(identify -format '%wx%h' "$3")"
}
shoot 96 1920x1080 docs/screenshot.png
shoot 192 3840x2160 docs/screenshot-200.png
