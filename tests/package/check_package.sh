#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a finished build directory and checks what a practice would install:
# the application directory under /opt/quorvel, its configuration under /etc/opt, the /usr/bin links, the
# menu launcher and icons, the dependencies, the kept config.ini, the checker's command line, and what
# lintian and appstreamcli say; then runs the unpacked program as an ordinary user, and where an X server can be
# faked, on a real screen.
#
#   tests/package/check_package.sh BUILD_DIR WORK_DIR VERSION [SMOKE_SCRIPT]
#
# Nothing is installed on the system: the package is only unpacked into WORK_DIR.
set -euo pipefail

build=$(cd "$1" && pwd)
work=$2
version=$3
smoke=${4:-}

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)

failures=0
check() { # check DESCRIPTION COMMAND...: runs COMMAND, reports and counts a failure without stopping
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAIL: $what" >&2
        failures=$((failures + 1))
    fi
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
}

deb=$work/out/quorvel_${version}_amd64.deb
[ -f "$deb" ] || {
    ls "$work/out" >&2
    echo "FAIL: no $(basename "$deb") was written" >&2
    exit 1
}
echo "package: $deb"

dpkg-deb -c "$deb" >"$work/contents.txt"
# Entries as "MODE PATH[ -> TARGET]", without owner, size and date.
awk '{ mode = $1; $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print mode " " $0 }' "$work/contents.txt" \
    >"$work/entries.txt"
has_entry() { grep -qxF -- "$1" "$work/entries.txt"; }

check "the program, executable" has_entry "-rwxr-xr-x ./opt/quorvel/quorvel"
check "config.ini beside it, a link to /etc/opt" has_entry "lrwxrwxrwx ./opt/quorvel/config.ini -> /etc/opt/quorvel/config.ini"
check "config.ini under /etc/opt" has_entry "-rw-r--r-- ./etc/opt/quorvel/config.ini"
check "the sample dictionary" has_entry "-rw-r--r-- ./opt/quorvel/quorvel.sqlite"
check "the publisher picture" has_entry "-rw-r--r-- ./opt/quorvel/images/p_halvane.png"
if [ -x "$build/quorvel-check" ]; then
    check "quorvel-check beside the program" has_entry "-rwxr-xr-x ./opt/quorvel/quorvel-check"
fi
check "the /usr/bin link to the program" has_entry "lrwxrwxrwx ./usr/bin/quorvel -> /opt/quorvel/quorvel"
check "the /usr/bin link to the checker" has_entry "lrwxrwxrwx ./usr/bin/quorvel-check -> /opt/quorvel/quorvel-check"
check "the menu launcher" has_entry "-rw-r--r-- ./usr/share/applications/quorvel.desktop"
for size in 48 128 256; do
    check "the ${size}px icon" has_entry "-rw-r--r-- ./usr/share/icons/hicolor/${size}x${size}/apps/quorvel.png"
done
check "every file owned by root" test -z "$(awk '$2 != "root/root"' "$work/contents.txt")"
# Anything else (a build path, a stray directory) would be laid on the doctor's machine for nothing.
strays=$(grep -v -E ' \./(etc/(opt/(quorvel/(config\.ini)?)?)?|opt/|opt/quorvel/.*|usr/|usr/bin/|usr/bin/quorvel(-check)?( -> .*)?|usr/share/|usr/share/(applications|doc|icons|lintian|man|metainfo)/.*)$' \
    "$work/entries.txt" || true)
check "no file outside the application directory, /etc/opt and the system's shared directories" test -z "$strays"
[ -z "$strays" ] || echo "$strays" >&2

field() { dpkg-deb -f "$deb" "$1"; }
check "package name" test "$(field Package)" = quorvel
check "version" test "$(field Version)" = "$version"
check "architecture" test "$(field Architecture)" = amd64
depends=$(field Depends)
echo "Depends: $depends"
# Package names alone, alternatives included, without their version constraints.
tr ',|' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' >"$work/depends.txt"
for dependency in libqt5sql5-sqlite libqt5widgets5 libqt5gui5 libqt5sql5 libqt5core5a libc6 libstdc++6; do
    check "depends on $dependency" grep -qxF "$dependency" "$work/depends.txt"
done

dpkg-deb -e "$deb" "$work/control"
check "config.ini kept on upgrade (conffile)" grep -qxF /etc/opt/quorvel/config.ini "$work/control/conffiles"

root=$work/root
dpkg-deb -x "$deb" "$root"
app=$root/opt/quorvel
check "config.ini as built" cmp -s "$root/etc/opt/quorvel/config.ini" "$build/config.ini"
check "the dictionary as built" cmp -s "$app/quorvel.sqlite" "$build/quorvel.sqlite"
check "a stripped program" bash -c "file -L '$app/quorvel' | grep -q ', stripped'"

desktop=$root/usr/share/applications/quorvel.desktop
for line in "Type=Application" "Name=Quorvel" "Exec=quorvel" "Icon=quorvel" "Terminal=false" \
    "Categories=Office;MedicalSoftware;"; do
    check "launcher line $line" grep -qxF -- "$line" "$desktop"
done
check "launcher comment in French" grep -qE '^Comment=.*(é|è|à)' "$desktop"
if command -v desktop-file-validate >/dev/null; then
    # Hints (suggestions of further categories) are not errors; anything else is.
    check "launcher valid for the desktop" bash -c "! desktop-file-validate '$desktop' | grep -v ': hint: '"
fi
if command -v identify >/dev/null; then
    for size in 48 128 256; do
        icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/quorvel.png
        check "the ${size}px icon measures ${size}x${size}" test "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x${size}"
    done
fi

# Overridden tags (the /opt layout) are not printed. Errors and warnings fail; so does any information tag
# but one: lintian's English word list takes the window's French label « Persistant (P) » for a typo.
lintian_status=0
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.txt" 2>"$work/lintian.err" || lintian_status=$?
cat "$work/lintian.txt"
check "lintian finds no error or warning" test "$lintian_status" -eq 0
check "lintian prints no tag but the French label" test -z "$(grep -E '^[EWIX]: ' "$work/lintian.txt" |
    grep -vxF 'I: quorvel: spelling-error-in-binary Persistant Persistent [opt/quorvel/quorvel]')"
check "AppStream data valid" appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

checker=$app/quorvel-check
check "quorvel-check --version prints the package version" test "$("$checker" --version)" = "quorvel-check $version"
check "quorvel-check --help prints its usage" bash -c '"$1" --help | grep -q "^Usage : quorvel-check "' _ "$checker"
help=$("$checker" --help || true)
# The page's words, one a line, with roff's escaped hyphens.
zcat "$root/usr/share/man/man1/quorvel-check.1.gz" | tr -s ' "' '\n\n' >"$work/page-words.txt"
documents() { grep -qxF -- "${1//-/\\-}" "$work/page-words.txt"; }
for option in $(grep -oE -- '(^| )--?[a-z]+' <<<"$help" | sort -u); do
    check "quorvel-check's manual page documents $option" documents "$option"
done
status=0
"$checker" --bogus >/dev/null 2>"$work/bogus.err" || status=$?
check "an unknown option exits with 2" test "$status" -eq 2
check "an unknown option is named in French on stderr" grep -qF "option inconnue « --bogus »" "$work/bogus.err"

# The unpacked program, run as the installed one would be (through a link, from its own directory).
# Nothing is installed here, so the configuration link is pointed at the unpacked /etc/opt.
ln -sfn "$root/etc/opt/quorvel/config.ini" "$app/config.ini"
if [ -n "$smoke" ] && command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
    check "the unpacked program runs" bash "$smoke" "$app" "$work/smoke"
fi

# The unpacked program started once as an ordinary user, as each doctor of a practice starts the installed one,
# headless, from a copy of the application directory that user can read but not write (the work directory may lie
# where that user cannot go); then again on the same sample left in WAL mode, as dictionary tools often leave it.
# Loading the first RC's criteria is logged (quorvel.trace) only when the RC list was filled; a failed statement is
# logged under quorvel.sql; the program is still running when stopped, and nothing is written beside the dictionary.
as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    place=$(mktemp -d /tmp/quorvel-package-XXXXXX)
    cp -a "$app/." "$place/"
    cp --remove-destination "$root/etc/opt/quorvel/config.ini" "$place/config.ini"
    chmod -R u=rwX,go=rX "$place"
    dictionary=$place/$(sed -n 's/^bdName=//p' "$place/config.ini")
    for mode in delete wal; do
        [ "$mode" = wal ] && sqlite3 "$dictionary" 'PRAGMA journal_mode=WAL;' >/dev/null
        before=$(ls -A "$place")
        status=0
        env QT_QPA_PLATFORM=offscreen QT_MESSAGE_PATTERN='%{category}: %{message}' HOME=/nonexistent \
            timeout 10 "${as_user[@]}" "$place/quorvel" >"$work/as-user-$mode.log" 2>&1 || status=$?
        check "as nobody ($mode mode) the program runs until stopped" test "$status" -eq 124
        check "as nobody ($mode mode) the first RC of the list is loaded" \
            grep -q '^quorvel.trace: SELECT .* FROM ref_definition WHERE' "$work/as-user-$mode.log"
        check "as nobody ($mode mode) no statement fails" bash -c "! grep '^quorvel.sql: ' '$work/as-user-$mode.log'"
        check "as nobody ($mode mode) quorvel-check exits 0" "${as_user[@]}" "$place/quorvel-check" "$dictionary"
        check "as nobody ($mode mode) nothing is written beside the dictionary" test "$(ls -A "$place")" = "$before"
    done
    rm -rf "$place"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed; package contents in $work/contents.txt" >&2
    exit 1
fi
echo "package checks passed"
