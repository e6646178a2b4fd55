# SPDX-License-Identifier: GPL-3.0-or-later
# What the desktop smoke runs share, sourced by them: screenshots of the whole screen into $work, what changed
# between two of them, and the program's end by Escape. The sourcing script defines work and fail.

# shot NAME: screenshot of the whole screen into $work/NAME.png
shot() {
    import -window root "$work/$1.png"
}
# The box around the pixels that differ between shots A and B, as WxH+X+Y (0x0 when none differ). The black
# border makes the unchanged pixels the background, however much changed.
changed_box() {
    convert "$work/$1.png" "$work/$2.png" -compose difference -composite -colorspace gray -threshold 0 \
        -bordercolor black -border 1 -format '%@' info: 2>/dev/null
}
# The height of that box.
changed_height() {
    local box
    box=$(changed_box "$1" "$2")
    box=${box%%+*}
    echo "${box#*x}"
}
# quit_by_escape PID: Escape ends the program within 10 s, with status 0.
quit_by_escape() {
    local status=0
    xdotool key Escape
    for _ in $(seq 50); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$1" 2>/dev/null && fail "the program is still running 10 s after Escape"
    wait "$1" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
