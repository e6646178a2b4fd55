#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that the given purposes need, when any is missing:
#   build   the toolchain and SQLite: configure and compile the project, build the sample dictionary
#   qt5     Qt 5, the default and packaged build
#   qt6     Qt 6, for the build against it (./test.sh --qt6)
#   test    the suite's desktop checks (Xvfb, xdotool, the package tools, lintian, and for the screen-reader test
#           the accessibility bus, pyatspi, a D-Bus session and openbox, weston and its clipboard tools for the
#           Wayland run), the format check, and setpriv
#           (util-linux) for the runs as an ordinary user
#   shots   the window manager the screenshots are taken under, and the GTK theme of the dark one
# Sourced by run.sh, test.sh, bench.sh and scripts/screenshots.sh; usable alone:
#   scripts/ensure-packages.sh PURPOSE... [package...]
set -euo pipefail

QUORVEL_PACKAGES_build=(cmake make g++ pkg-config sqlite3 libsqlite3-dev)
QUORVEL_PACKAGES_qt5=(qtbase5-dev qtbase5-dev-tools libqt5sql5-sqlite qttranslations5-l10n)
QUORVEL_PACKAGES_qt6=(qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-translations-l10n)
QUORVEL_PACKAGES_test=(xvfb xauth dpkg-dev file desktop-file-utils xdotool x11-utils x11-xserver-utils imagemagick
                       lintian appstream clang-format util-linux at-spi2-core python3-pyatspi dbus-daemon dbus-bin
                       openbox weston wl-clipboard qtwayland5)
QUORVEL_PACKAGES_shots=(openbox qt5-gtk-platformtheme gnome-themes-extra)

quorvel_ensure_packages() {
    local wanted=() missing=() pkg arg
    for arg in "$@"; do
        case "$arg" in
        build | qt5 | qt6 | test | shots)
            local -n group="QUORVEL_PACKAGES_$arg"
            wanted+=("${group[@]}")
            unset -n group
            ;;
        *) wanted+=("$arg") ;;
        esac
    done
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    quorvel_ensure_packages "$@"
fi
