#!/usr/bin/env bash
# Installs what is missing, builds and starts TalmerisSetup.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    scripts/install-deps.sh xvfb xauth
    scripts/build.sh
    echo "No display found: starting the tool on a virtual one (xvfb-run)."
    exec xvfb-run -a build/app/TalmerisSetup
fi

scripts/install-deps.sh
scripts/build.sh
exec build/app/TalmerisSetup
