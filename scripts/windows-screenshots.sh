#!/usr/bin/env bash
# Draws the four windows of the Windows build under Wine, with the Windows
# style, at 100 % and 150 % display scaling, in English and German, into
# FOLDER (build-windows/screenshots unless given): FOLDER/<scale>-<language>/.
# The README's picture of the main window on Windows is the 100 % English one
# (docs/screenshots/main-window-windows.png).
# Usage: scripts/windows-screenshots.sh [FOLDER]   (after scripts/test-windows.sh or a windows build)
set -euo pipefail
cd "$(dirname "$0")/.."

out="$(realpath -m "${1:-build-windows/screenshots}")"
export TALMERIS_WINDOWS_QT="${TALMERIS_WINDOWS_QT:-$(TALMERIS_WINDOWS_KIT_BUILD=0 scripts/windows-kit.sh)}"
cmake --build --preset windows --target talmeris-screenshots >/dev/null
export WINEPREFIX="$out/wine" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64

cat >"$out.draw.sh" <<'DRAW'
set -euo pipefail
out="$1"
wine=/usr/lib/wine/wine64
# Wine has no Segoe UI, the face Qt asks Windows for: its own Tahoma stands in,
# as on the Windows versions before it. GDI text in line edits does not draw
# under Wine; DirectWrite, Qt's other Windows font engine, does.
"$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Segoe UI' /d Tahoma /f >/dev/null
for scale in 100:96 150:144; do
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${scale#*:}" /f >/dev/null
    /usr/lib/wine/wineserver -w
    for language in en de; do
        folder="$out/${scale%%:*}-$language"
        mkdir -p "$folder"
        scripts/wine-run.sh build-windows/talmeris-screenshots.exe -platform windows:fontengine=directwrite \
            "Z:${folder//\//\\}" "$language" >/dev/null
    done
done
DRAW
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1600x1200x24" bash "$out.draw.sh" "$out"
rm -f "$out.draw.sh"
ls -d "$out"/*-*
