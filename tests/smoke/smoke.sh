#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program on a real (virtual) X11 screen and uses it as a doctor would: the window
# appears maximised and drawn, a keyword typed into the search box changes the RC list, Escape ends the
# program with status 0. It runs twice: on a 96-DPI screen, then on a 192-DPI one where the window must be
# drawn at twice the size.
#
#   tests/smoke/smoke.sh APP_DIR WORK_DIR [SOURCE_DIR]
#
# APP_DIR is the runnable application directory (the build directory); WORK_DIR receives the screenshots
# and the program's log. With QUORVEL_REFRESH_SCREENSHOT=1 the window's screenshot is copied to
# SOURCE_DIR/docs/screenshot.png; otherwise the source tree is never written.
set -euo pipefail

app_dir=$(cd "$1" && pwd)
work=$2
source_dir=${3:-}

if [ -z "${QUORVEL_SMOKE_ON_XVFB:-}" ]; then
    export QUORVEL_SMOKE_ON_XVFB=1
    # 96 DPI as a desktop announces 100 %: Xvfb's own 100 DPI would be a 104 % scale.
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$0" "$@"
    # Once more on a 200 % screen, which must show the same window at twice the size.
    QUORVEL_SMOKE_REFERENCE="$2/window.png" \
        exec xvfb-run -a -s "-screen 0 2560x2048x24 -dpi 192 -noreset" "$0" "$1" "${2%/}-192dpi"
fi
# A desktop announces its density as an X resource too: Qt 6 reads that, Qt 5 the screen's size in millimetres.
# (The server keeps resources only with -noreset: otherwise it forgets them when xrdb disconnects.)
if [ -n "${QUORVEL_SMOKE_REFERENCE:-}" ]; then
    echo "Xft.dpi: 192" | xrdb -nocpp -merge
fi
# The test suite runs headless; this one test wants the real X11 platform.
export QT_QPA_PLATFORM=xcb
unset QT_LOGGING_RULES
# In a sanitizer build, the X11 platform's D-Bus connection and plugins keep allocations until exit that
# LeakSanitizer cannot attribute (their modules are unloaded by then). Leaks are the headless suites' concern;
# here memory errors still stop the program.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
fi

rm -rf "$work"
mkdir -p "$work/bin"
work=$(cd "$work" && pwd)
log=$work/quorvel.log

fail() {
    echo "FAIL: $*" >&2
    echo "--- program log ($log) ---" >&2
    tail -n 30 "$log" >&2 || true
    exit 1
}

# Started through a link in another directory, as the package's /usr/bin/quorvel is: the program must
# still find config.ini and the dictionary beside the real executable.
ln -s "$app_dir/quorvel" "$work/bin/quorvel"

pid=
stop_program() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
    fi
}
trap stop_program EXIT

(cd "$work" && exec "$work/bin/quorvel") 2>"$log" &
pid=$!

# A dictionary that fails to open shows a box of another title first, so waiting for this title also
# proves that the settings were found through the link.
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quorvel$' | head -n 1) ||
    fail "no window titled Quorvel within 30 s"
[ -n "$wid" ] || fail "no window titled Quorvel"
echo "window $wid"

# No window manager runs on a bare Xvfb, so nobody resizes the window: what can be checked is that the
# program asked for the maximised state, which a window manager then honours.
state=$(xprop -id "$wid" _NET_WM_STATE)
echo "$state"
[[ $state == *_NET_WM_STATE_MAXIMIZED_VERT* && $state == *_NET_WM_STATE_MAXIMIZED_HORZ* ]] ||
    fail "the window did not ask to be maximised"

source "$(dirname "${BASH_SOURCE[0]}")/screen.sh"
colours() {
    convert "$1" -format '%k' info:
}

# The window maps before its first paint: a blank screen has a single colour, the drawn window thousands.
for _ in $(seq 50); do
    shot start
    [ "$(colours "$work/start.png")" -gt 200 ] && break
    sleep 0.2
done
count=$(colours "$work/start.png")
echo "colours on screen: $count"
[ "$count" -gt 200 ] || fail "the screen stays nearly blank ($count colours)"

# Keys go through the XTEST extension like a real keyboard's, to the window holding the input focus.
# Focus starts in the age box; the keyword box is three fields before it in the tab order.
xdotool windowfocus "$wid"
xdotool key --delay 100 shift+Tab shift+Tab shift+Tab
# The typed word and the blinking cursor change one line; the list refilled changes many rows.
scale=1
[ -n "${QUORVEL_SMOKE_REFERENCE:-}" ] && scale=2
# Once the focus has moved, two screenshots in a row differ by the blinking cursor at most.
shot idle
for _ in $(seq 25); do
    mv "$work/idle.png" "$work/before.png"
    shot idle
    idle=$(changed_height before idle)
    [ "$idle" -lt $((40 * scale)) ] && break
    sleep 0.2
done
[ "$idle" -lt $((40 * scale)) ] || fail "the screen changes without input ($idle px)"

xdotool type --delay 80 toux
for _ in $(seq 50); do
    shot after
    typed=$(changed_height before after)
    [ "$typed" -gt $((120 * scale)) ] && break
    sleep 0.2
done
echo "height changed without input: $idle px, after typing: $typed px"
[ "$typed" -gt $((120 * scale)) ] || fail "typing a keyword did not change the RC list ($typed px)"

import -window "$wid" "$work/window.png"
if [ -n "${QUORVEL_SMOKE_REFERENCE:-}" ]; then
    read -r ref_w ref_h < <(identify -format '%w %h\n' "$QUORVEL_SMOKE_REFERENCE")
    read -r win_w win_h < <(identify -format '%w %h\n' "$work/window.png")
    echo "window at 192 DPI: ${win_w}x${win_h} px, at 96 DPI: ${ref_w}x${ref_h} px"
    [ "$win_w" -eq $((2 * ref_w)) ] && [ "$win_h" -eq $((2 * ref_h)) ] ||
        fail "at 192 DPI the window is not drawn at twice its 96-DPI size"
fi
if [ "${QUORVEL_REFRESH_SCREENSHOT:-}" = 1 ] && [ -n "$source_dir" ]; then
    mkdir -p "$source_dir/docs"
    convert "$work/window.png" -strip "$source_dir/docs/screenshot.png"
    echo "screenshot copied to $source_dir/docs/screenshot.png"
fi

quit_by_escape "$pid"
pid=

if grep -q "fail load qt_fr.qm\|fail install qt_fr.qm" "$log"; then
    fail "the toolkit's French texts were not installed"
fi
echo "smoke test passed"
