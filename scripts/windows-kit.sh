#!/usr/bin/env bash
# Prints the folder of the Qt kit for 64-bit Windows (MinGW-w64) that the
# windows preset builds with, unpacking or building it first when needed.
# The kit is taken, in this order, from:
#   TALMERIS_WINDOWS_KIT   an unpacked kit (a folder holding lib/cmake/Qt6) or its .tar.xz;
#   ../shared/windows-sdk/ beside the source tree (the team's prepared archive);
#   scripts/build-windows-kit.sh, which builds one from Debian's Qt source (about 15 minutes).
# Unpacked and built kits are cached outside the tree, in
# ${XDG_CACHE_HOME:-~/.cache}/talmeris/, so a clean clone reuses them.
# Exits with 3, saying why, when there is no kit and TALMERIS_WINDOWS_KIT_BUILD=0.
set -euo pipefail
cd "$(dirname "$0")/.."

archive_name=qt6.4.2-mingw-w64-x86_64.tar.xz
cache="${XDG_CACHE_HOME:-$HOME/.cache}/talmeris"
unpacked="$cache/qt6.4.2-mingw-w64"

is_kit() { [ -f "$1/lib/cmake/Qt6/qt.toolchain.cmake" ]; }

unpack() {
    local archive="$1" stamp
    stamp="$(stat -c '%s %Y' "$archive")"
    if is_kit "$unpacked/qt6-mingw" && [ "$(cat "$unpacked/.from" 2>/dev/null)" = "$archive $stamp" ]; then
        return
    fi
    rm -rf "$unpacked" && mkdir -p "$unpacked"
    tar -xJf "$archive" -C "$unpacked"
    echo "$archive $stamp" >"$unpacked/.from"
}

if [ -n "${TALMERIS_WINDOWS_KIT:-}" ]; then
    if is_kit "$TALMERIS_WINDOWS_KIT"; then
        realpath "$TALMERIS_WINDOWS_KIT"
        exit 0
    fi
    [ -f "$TALMERIS_WINDOWS_KIT" ] || { echo "windows-kit: $TALMERIS_WINDOWS_KIT is neither a kit nor its archive" >&2; exit 1; }
    unpack "$(realpath "$TALMERIS_WINDOWS_KIT")"
elif [ -f "../shared/windows-sdk/$archive_name" ]; then
    unpack "$(realpath "../shared/windows-sdk/$archive_name")"
elif [ -f "$cache/built/$archive_name" ]; then
    unpack "$cache/built/$archive_name"
elif [ "${TALMERIS_WINDOWS_KIT_BUILD:-1}" = 0 ]; then
    echo "no Qt kit for Windows: neither TALMERIS_WINDOWS_KIT nor ../shared/windows-sdk/$archive_name is there" >&2
    exit 3
else
    echo "windows-kit: building the Qt kit for Windows from source (about 15 minutes)" >&2
    scripts/build-windows-kit.sh "$cache/built" >&2
    unpack "$cache/built/$archive_name"
fi
realpath "$unpacked/qt6-mingw"
