#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built program in a desktop session of its own (a virtual X11 screen, a D-Bus session with the
# accessibility bus, a window manager) and leads a consultation through AT-SPI with atspi_consultation.py.
#
#   tests/atspi/atspi.sh APP_DIR WORK_DIR
#
# APP_DIR is the runnable application directory (the build directory); WORK_DIR receives the logs.
# Fails, never skips, when a piece of the session is missing or does not come up.
set -euo pipefail

app_dir=$(cd "$1" && pwd)
work=$2
here=$(cd "$(dirname "$0")" && pwd)
# Debian's python3-pyatspi is for Debian's interpreter, whatever python3 comes first on the PATH.
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

missing=()
for tool in xvfb-run dbus-run-session dbus-send openbox xprop "$python" "$launcher"; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "FAIL: missing ${missing[*]:-pyatspi}: run scripts/ensure-packages.sh test" >&2
    exit 1
fi

if [ -z "${QUORVEL_ATSPI_SESSION:-}" ]; then
    export QUORVEL_ATSPI_SESSION=1
    # Without -noreset the server resets when its first client leaves, and Qt's bridge often fails to register.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" dbus-run-session -- "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
# The bridge registers without asking the session whether a screen reader runs.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_LOGGING_RULES
# As in the smoke test: the X11 platform's D-Bus plugins keep allocations that LeakSanitizer cannot attribute.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
fi

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
log=$work/quorvel.log

launcher_pid=
wm_pid=
app_pid=
stop_all() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    # The launcher runs the accessibility bus as its child: its process group holds both.
    [ -n "$launcher_pid" ] && kill -- "-$launcher_pid" 2>/dev/null
    return 0
}
trap stop_all EXIT

fail() {
    echo "FAIL: $*" >&2
    for f in "$log" "$work/at-spi.log"; do
        echo "--- $f ---" >&2
        tail -n 30 "$f" >&2 || true
    done
    exit 1
}

# wait_until SECONDS COMMAND...: polls COMMAND every tenth of a second.
wait_until() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
bus_owned() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:"$1" | grep -q true
}
# A window manager announces itself on the root window.
wm_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

setsid "$launcher" --launch-immediately >"$work/at-spi.log" 2>&1 &
launcher_pid=$!
wait_until 15 bus_owned org.a11y.Bus || fail "the accessibility bus did not come up within 15 s"
address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress)
echo "accessibility bus: ${address// /}"

openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
wait_until 15 wm_running ||
    fail "openbox did not start within 15 s"

"$app_dir/quorvel" >"$log" 2>&1 &
app_pid=$!

status=0
timeout 120 "$python" "$here/atspi_consultation.py" "$app_pid" || status=$?
kill -0 "$app_pid" 2>/dev/null || fail "the program ended during the consultation"
[ "$status" -eq 0 ] || fail "the consultation through AT-SPI failed (status $status)"
echo "AT-SPI test passed"
