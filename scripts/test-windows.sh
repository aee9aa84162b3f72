#!/usr/bin/env bash
# The Windows step of the test suite: builds both programs and the tests for
# 64-bit Windows with MinGW-w64 and the Qt kit (scripts/windows-kit.sh), runs
# the tests under Wine, says how many ran and which were skipped and why, and
# tries the installer (scripts/check-windows-installer.sh).
# Without a kit at hand it says so and skips the step; CI always has one.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh xz-utils
found=0
kit="$(TALMERIS_WINDOWS_KIT_BUILD="${TALMERIS_WINDOWS_KIT_BUILD:-0}" scripts/windows-kit.sh)" || found=$?
if [ "$found" = 3 ]; then
    echo "Skipping the Windows step: there is no Qt kit for Windows here. Name one with"
    echo "TALMERIS_WINDOWS_KIT=FOLDER-OR-ARCHIVE, or build one with scripts/build-windows-kit.sh (about 15 minutes)."
    exit 0
fi
[ "$found" = 0 ] || exit "$found"
export TALMERIS_WINDOWS_QT="$kit"
scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64 nsis fonts-wine xvfb xauth xdotool
started=$SECONDS

jobs="$(nproc)"
cmake --preset windows
cmake --build --preset windows -j "$((jobs + 1))"
# Every test program runs as a Windows user of its own, made afresh.
rm -rf build-windows/tests/home build-windows/tests/reports/*.txt
status=0
ctest --preset windows -j "$jobs" || status=$?

echo
echo "Under Wine: $(grep -c '^Totals:' build-windows/tests/reports/*.txt | awk -F: '{n += $2} END {print n}') test programs reported;" \
     "$(cat build-windows/tests/reports/*.txt | awk '/^Totals:/ {p += $2; f += $4; s += $6} END {print p " test functions passed, " f " failed, " s " skipped"}')."
echo "Skipped under Wine, and why:"
grep -h '^SKIP' build-windows/tests/reports/*.txt | sed -E 's/^SKIP +: +/  /' | sort -u
grep -h '^SKIP: ' build-windows/Testing/Temporary/LastTest.log | sed -E 's/^SKIP: /  /' | sort -u
[ "$status" = 0 ] || exit "$status"

scripts/check-windows-installer.sh build-windows
echo "The Windows step took $((SECONDS - started)) s."
