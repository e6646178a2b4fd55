#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built program in a desktop session of its own (virtual X11 screen, D-Bus session with the
# accessibility bus, openbox) and leads a consultation through AT-SPI with atspi_consultation.py.
#   tests/atspi/atspi.sh APP_DIR WORK_DIR      (WORK_DIR receives the logs)
# Fails, never skips, when a piece of the session is missing or does not come up.
set -euo pipefail

app_dir=$(cd "$1" && pwd)
work=$2
here=$(cd "$(dirname "$0")" && pwd)
# Debian's python3-pyatspi serves Debian's interpreter, whatever python3 comes first on the PATH.
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
for tool in xvfb-run dbus-run-session dbus-send openbox xprop "$python" "$launcher"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool missing: run scripts/ensure-packages.sh test" >&2; exit 1; }
done
"$python" -c 'import pyatspi' || { echo "FAIL: no pyatspi: run scripts/ensure-packages.sh test" >&2; exit 1; }

if [ -z "${QUORVEL_ATSPI_SESSION:-}" ]; then
    export QUORVEL_ATSPI_SESSION=1
    # Without -noreset Qt's bridge often fails to register.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" dbus-run-session -- bash "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_LOGGING_RULES
# As in the smoke test: the X11 platform's D-Bus plugins keep allocations that LeakSanitizer cannot attribute.
[ -z "${ASAN_OPTIONS:-}" ] || export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
pids=()
# The launcher's process group holds the accessibility bus it starts.
trap 'for p in "${pids[@]}"; do kill -- "-$p" 2>/dev/null || kill "$p" 2>/dev/null || true; done' EXIT
fail() {
    echo "FAIL: $*" >&2
    tail -n 20 "$work"/*.log >&2 || true
    exit 1
}
wait_until() { # wait_until SECONDS COMMAND...
    for _ in $(seq $(($1 * 10))); do
        "${@:2}" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
a11y_bus_up() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q true
}
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

setsid "$launcher" --launch-immediately >"$work/at-spi.log" 2>&1 &
pids+=($!)
wait_until 15 a11y_bus_up || fail "the accessibility bus did not come up within 15 s"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_until 15 wm_up || fail "openbox did not start within 15 s"

"$app_dir/quorvel" >"$work/quorvel.log" 2>&1 &
app=$!
pids+=("$app")
status=0
timeout 120 "$python" "$here/atspi_consultation.py" "$app" || status=$?
kill -0 "$app" 2>/dev/null || fail "the program ended during the consultation"
[ "$status" -eq 0 ] || fail "the consultation through AT-SPI failed (status $status)"
