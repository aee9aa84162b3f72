#!/usr/bin/env bash
# Draws the README's screenshots (docs/screenshots/*.png) from the real windows, offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh fonts-dejavu-core
cmake --preset default
cmake --build --preset default --target talmeris-screenshots
QT_QPA_PLATFORM=offscreen build/tools/talmeris-screenshots docs/screenshots
