#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built program natively on Wayland, as a GNOME desktop of today runs it, and uses it as a doctor
# would: weston, with its X11 back end on a virtual X screen, is the compositor, so that xdotool's keys and clicks
# reach it as a real seat's and a screenshot of the X screen shows what weston shows. The program gets no X
# display: it runs on Wayland or not at all. Checks:
#   - the window maps and is drawn;
#   - a box (the warning of a recording without a position) stays above the window after a click on the
#     window, and its Return closes it;
#   - a row recorded by keys and copied with Ctrl+Shift+C reaches the Wayland clipboard (wl-paste).
#
#   tests/smoke/wayland.sh APP_DIR WORK_DIR
set -euo pipefail

if [ -z "${QUORVEL_WAYLAND_ON_XVFB:-}" ]; then
    export QUORVEL_WAYLAND_ON_XVFB=1
    exec xvfb-run -a -s "-screen 0 1400x800x24 -dpi 96" "$0" "$@"
fi

# As on X11: the platform's plugins keep allocations until exit that LeakSanitizer cannot attribute.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
fi
app_dir=$(cd "$1" && pwd)
work=$2
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
log=$work/quorvel.log

compositor=
program=
stop_all() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    [ -n "$compositor" ] && kill "$compositor" 2>/dev/null || true
}
trap stop_all EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "--- program log ($log) ---" >&2
    tail -n 30 "$log" >&2 || true
    echo "--- weston log ---" >&2
    tail -n 30 "$work/weston.log" >&2 || true
    exit 1
}

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=quorvel-smoke
# No screen lock; the panel's one launcher runs nothing (its default is a terminal, which would take the focus).
printf '[core]\nidle-time=0\n[shell]\nlocking=false\n[launcher]\nicon=/usr/share/weston/icon_window.png\npath=/bin/true\n' >"$work/weston.ini"
weston --config="$work/weston.ini" --backend=x11-backend.so --use-pixman --width=1366 --height=768 \
    --socket="$socket" --log="$work/weston.log" &
compositor=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not start"
output=$(timeout 20 xdotool search --sync --onlyvisible --class weston | head -n 1) ||
    fail "weston's output window did not appear"
xdotool windowfocus "$output"

source "$(dirname "${BASH_SOURCE[0]}")/screen.sh"
# Waits until the screen differs from the screenshot FROM by more than MIN pixels of height, into shot INTO.
wait_change() {
    local from=$1 into=$2 min=$3
    for _ in $(seq 50); do
        shot "$into"
        [ "$(changed_height "$from" "$into")" -gt "$min" ] && return 0
        sleep 0.2
    done
    return 1
}
# Waits until two screenshots in a row differ by the blinking cursor at most, into shot INTO.
wait_still() {
    local into=$1
    shot "$into"
    for _ in $(seq 25); do
        sleep 0.3
        mv "$work/$into.png" "$work/still.png"
        shot "$into"
        [ "$(changed_height still "$into")" -lt 40 ] && return 0
    done
    return 1
}
# Keys and clicks go through the XTEST extension, as a real keyboard's, to weston's window, which holds the X
# input focus; weston hands them to the surface it has focused. Its output lies at the X screen's top left.
key() {
    xdotool key --delay 150 "$@"
    sleep 0.5
}
# weston follows the X pointer only once it has entered its window: the X screen is larger than weston's
# output, and each click comes in from outside it.
point() {
    xdotool mousemove 1390 790
    sleep 0.3
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool mousemove "$(($1 + 1))" "$2"
    sleep 0.3
}
click() {
    point "$1" "$2"
    xdotool click 1
    sleep 0.5
}

# The desktop shell's panel and background drawn, before the program starts.
wait_still desktop || fail "weston's desktop does not settle"

(cd "$work" && env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket" QT_LOGGING_RULES= \
    "$app_dir/quorvel") 2>"$log" &
program=$!
wait_change desktop mapped 400 || fail "no window was drawn on Wayland within 10 s"
kill -0 "$program" 2>/dev/null || fail "the program ended on Wayland"
wait_still window || fail "the window does not settle"
echo "window mapped on Wayland: $(changed_height desktop window) px high drawn"

# Recording with no position chosen: the program's warning box. A click on the window's heading gives it
# weston's keyboard focus.
click 683 90
wait_still window || fail "the window does not settle"
key ctrl+Return
wait_change window box 60 || fail "no box appeared for a recording without a position"
# The pointer over the window, far left of the box, where the RC list is, before the screenshot: the click
# below moves nothing but what it changes.
point 60 500
wait_still box || fail "the box does not settle"
area=$(changed_box window box)
echo "the box appeared within $area"
xdotool click 1
sleep 1
shot clicked
covered=$(compare -metric AE -crop "${area%+*+*}+$(($(cut -d+ -f2 <<<"$area") - 1))+$(($(cut -d+ -f3 <<<"$area") - 1))" \
    "$work/box.png" "$work/clicked.png" null: 2>&1) || true
echo "after a click on the window, $covered pixels of the box changed"
[ "$covered" = 0 ] || fail "a click on the window changed $covered pixels where the box was: the box went behind it"
key Return
wait_change clicked closed 60 || fail "Return did not close the box: it was not above the window, or had no focus"

# The first RC of the sample (C and D offered, one coding rule: no choice asked), position C, follow-up P,
# recorded; then the report copied from anywhere in the window.
key alt+c alt+p ctrl+Return
wait_still recorded || fail "the screen does not settle after the recording"
key ctrl+shift+c
pasted=$(WAYLAND_DISPLAY=$socket timeout 10 wl-paste --no-newline 2>"$work/wl-paste.log") ||
    fail "wl-paste read nothing: $(cat "$work/wl-paste.log")"
printf '%s\n' "$pasted" >"$work/clipboard.txt"
echo "clipboard: $(head -n 1 "$work/clipboard.txt")"
grep -q "(C, P)" "$work/clipboard.txt" || fail "the Wayland clipboard does not hold the report of the recorded row"

# wl-paste took weston's keyboard focus for its read: the window gets it back by a click.
click 683 90
quit_by_escape "$program"
program=
echo "Wayland smoke test passed"
