#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, as ctest's emulator
# (CMAKE_CROSSCOMPILING_EMULATOR) and by hand:
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
# The Qt and MinGW DLLs are found through WINEPATH: TALMERIS_WINDOWS_QT names
# the kit (see windows-kit.sh). WINEPREFIX defaults to one beside the program.
# With TALMERIS_WINE_TEMPLATE naming a prefix, a missing WINEPREFIX is made as
# its copy in a second (linked files, its own registry), so that each test has
# a Windows user of its own: Wine takes APPDATA and TEMP from the prefix, not
# from the environment.
# TALMERIS_WINE_CARD_READERS adds removable drives (see below).
# A QtTest report does not reach standard output under Wine, so a test run
# with "-o FILE,txt" has that file printed after it; the exit status is the
# program's.
set -euo pipefail

program="$1"
shift
kit="${TALMERIS_WINDOWS_QT:?TALMERIS_WINDOWS_QT names the Qt kit for Windows}"
wine="$(command -v wine64 || true)"
[ -n "$wine" ] || wine=/usr/lib/wine/wine64

export WINEPREFIX="${WINEPREFIX:-$(dirname "$(realpath "$program")")/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Wine's view of a Unix path.
windows_path() { local path="$1"; echo "Z:${path//\//\\}"; }
runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
WINEPATH="$(windows_path "$kit/bin");$(windows_path "$runtime");$(windows_path /usr/x86_64-w64-mingw32/lib)"
export WINEPATH

report=""
previous=""
for argument in "$@"; do
    if [ "$previous" = "-o" ] && [[ "$argument" == *,txt ]]; then
        report="${argument%,txt}"
    fi
    previous="$argument"
done
[ -z "$report" ] || rm -f "$report"

# A new prefix is made once, and marked made only when Wine has written it
# whole; two tests starting at once wait for each other.
make_prefix() {
    local prefix="$1"
    [ -f "$prefix/.made" ] && return
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -f "$prefix/.made" ]; then
            WINEPREFIX="$prefix" "$wine" wineboot --init >/dev/null 2>&1
            WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w
            touch "$prefix/.made"
        fi
    ) 9>"$prefix.lock"
}
if [ -n "${TALMERIS_WINE_TEMPLATE:-}" ] && [ ! -f "$WINEPREFIX/.made" ]; then
    make_prefix "$TALMERIS_WINE_TEMPLATE"
    rm -rf "$WINEPREFIX" && mkdir -p "$(dirname "$WINEPREFIX")"
    cp -al "$TALMERIS_WINE_TEMPLATE" "$WINEPREFIX"
    for registry in "$TALMERIS_WINE_TEMPLATE"/*.reg; do
        cp --remove-destination "$registry" "$WINEPREFIX/$(basename "$registry")"
    done
fi
make_prefix "$WINEPREFIX"

# TALMERIS_WINE_CARD_READERS="e:card f:empty" gives the Windows user card readers
# (removable drives): E: with a card in it, F: without one.
if [ -n "${TALMERIS_WINE_CARD_READERS:-}" ]; then
    for reader in $TALMERIS_WINE_CARD_READERS; do
        letter="${reader%%:*}"
        medium="$WINEPREFIX/reader-$letter"
        rm -rf "$medium"
        [ "${reader#*:}" = card ] && mkdir -p "$medium"
        ln -sfn "$medium" "$WINEPREFIX/dosdevices/$letter:"
        "$wine" reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d floppy /f >/dev/null
    done
    # The drives' kinds are read when Wine starts.
    /usr/lib/wine/wineserver -w
fi

status=0
"$wine" "$program" "$@" || status=$?
if [ -n "$report" ] && [ -f "$report" ]; then
    cat "$report"
fi
exit "$status"
