#!/usr/bin/env bash
# Draws the README's screenshots (docs/screenshots/*.png) from the real windows, offscreen,
# and the main window once more in German.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh fonts-dejavu-core
cmake --preset default
cmake --build --preset default --target talmeris-screenshots
QT_QPA_PLATFORM=offscreen build/tools/talmeris-screenshots docs/screenshots
german="$(mktemp -d)"
trap 'rm -rf "$german"' EXIT
QT_QPA_PLATFORM=offscreen build/tools/talmeris-screenshots "$german" de >/dev/null
cp "$german/main-window.png" docs/screenshots/main-window-de.png
echo docs/screenshots/main-window-de.png
