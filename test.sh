#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test headless. Exits non-zero when a test fails.
#   ./test.sh              Qt 5, in build/
#   ./test.sh --qt6        the same suite against Qt 6, in build-qt6/ (the Debian package test stays with Qt 5)
#   ./test.sh --sanitize   AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/; any report fails
#   ./test.sh --fast       only the tests labelled fast (the inner loop), in build/
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh

preset=default
qt=qt5
filter=()
case "${1:-}" in
--qt6) preset=qt6 qt=qt6 ;;
--sanitize) preset=sanitize ;;
--fast) filter=(--preset fast) ;;
"") ;;
*) echo "usage: ./test.sh [--qt6 | --sanitize | --fast]" >&2; exit 2 ;;
esac
quorvel_ensure_packages build "$qt" test
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)"
if [ ${#filter[@]} -eq 0 ]; then
    filter=(--preset "$preset")
fi
ctest "${filter[@]}" -j"$(nproc)"
