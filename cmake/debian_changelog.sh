#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes CHANGELOG.md as the package's Debian changelog, compressed the reproducible way (no name, no date).
#
#   cmake/debian_changelog.sh CHANGELOG.md OUT.gz "Name <mail>"
set -euo pipefail

in=$1
out=$2
maintainer=$3

awk -v maintainer="$maintainer" '
function close_entry(   cmd, stamp) {
    if (version == "")
        return
    cmd = "date -u -R -d " date
    cmd | getline stamp
    close(cmd)
    printf "\n -- %s  %s\n", maintainer, stamp
}
/^## / {
    close_entry()
    if ($2 !~ /^[0-9]+\.[0-9]+\.[0-9]+$/ || $4 !~ /^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$/) {
        print "CHANGELOG.md: a release heading is not \"## VERSION — YYYY-MM-DD\": " $0 > "/dev/stderr"
        exit 1
    }
    if (version != "")
        print ""
    version = $2
    date = $4
    printf "quorvel (%s) unstable; urgency=medium\n\n", version
    next
}
version == "" { next }
{ gsub(/`/, "") }
/^- / { sub(/^- /, "  * "); print; next }
/^  [^ ]/ { sub(/^  /, "    "); print; next }
END { close_entry() }
' "$in" | gzip -9n >"$out.tmp"
mv "$out.tmp" "$out"
