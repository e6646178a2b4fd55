#!/usr/bin/env bash
# Installs the Debian packages Quorvel needs to build, test and run, when any is missing.
# Sourced by run.sh and test.sh; usable alone: tools/ensure-packages.sh [--qt6] [extra packages...]
set -euo pipefail

QUORVEL_PACKAGES=(
    cmake make g++ pkg-config
    qtbase5-dev qtbase5-dev-tools libqt5sql5-sqlite qttranslations5-l10n
    sqlite3 libsqlite3-dev
    xvfb xauth
    dpkg-dev file desktop-file-utils xdotool x11-utils x11-xserver-utils imagemagick
    lintian appstream
)

# Only for the build against Qt 6 (--qt6); the default build and the Debian package use Qt 5.
QUORVEL_QT6_PACKAGES=(qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-translations-l10n)

quorvel_ensure_packages() {
    local wanted=("${QUORVEL_PACKAGES[@]}") missing=() pkg arg
    for arg in "$@"; do
        if [ "$arg" = --qt6 ]; then
            wanted+=("${QUORVEL_QT6_PACKAGES[@]}")
        else
            wanted+=("$arg")
        fi
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
