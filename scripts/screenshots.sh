#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes the screenshots in docs/: the program maximised by a window manager (openbox) on a 1920x1080 virtual
# screen at 100 % (96 DPI, screenshot.png) and at 200 % (192 DPI, a 3840x2160 screen, screenshot-200.png), and on
# a 1366x768 laptop screen, both tabs (screenshot-1366.png, screenshot-1366-resultat.png), the same screen at 125 %
# (Xft.dpi 120, screenshot-1366-125.png), and under GTK's dark theme (screenshot-dark.png).
# Usage: scripts/screenshots.sh [BUILD_DIR]     (default build/, built by ./test.sh or ./run.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
quorvel_ensure_packages build qt5 test shots
build=$(cd "${1:-build}" && pwd)
[ -x "$build/quorvel" ] || { echo "no program in $build" >&2; exit 1; }

# shoot DPI SCREEN OUTPUT [KEYS]: KEYS (xdotool key names) are typed into the window before the shot; the
# variables in SHOT_ENV (NAME=value ...) reach the program
shoot() {
    local shot
    shot=$(mktemp --suffix=.png)
    xvfb-run -a -s "-screen 0 $2x24 -dpi $1 -noreset" bash -c '
        echo "Xft.dpi: $3" | xrdb -nocpp -merge
        openbox & wm=$!
        sleep 1
        env QT_QPA_PLATFORM=xcb ${SHOT_ENV:-} "$0/quorvel" 2>/dev/null & program=$!
        wid=$(timeout 30 xdotool search --sync --onlyvisible --name "^Quorvel$" | head -n 1)
        sleep 3 # maximised and drawn
        if [ -n "$2" ]; then
            xdotool windowfocus --sync "$wid" key --delay 200 $2
            sleep 1
        fi
        import -window root "$1"
        kill $program $wm' "$build" "$shot" "${4:-}" "$1"
    convert "$shot" -strip "$3"
    rm -f "$shot"
    echo "$3: $(identify -format '%wx%h' "$3")"
}
shoot 96 1920x1080 docs/screenshot.png
shoot 192 3840x2160 docs/screenshot-200.png
shoot 96 1366x768 docs/screenshot-1366.png
# Ctrl+Tab turns the focused tab widget to its next page.
shoot 96 1366x768 docs/screenshot-1366-resultat.png ctrl+Tab
# A laptop at 125 %, as a desktop announces it with Xft.dpi.
shoot 120 1366x768 docs/screenshot-1366-125.png
# GNOME's dark style, read through Qt's GTK platform theme: the window must look as in the default style.
export SHOT_ENV="QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark"
shoot 96 1366x768 docs/screenshot-dark.png
unset SHOT_ENV
