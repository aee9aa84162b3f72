#!/usr/bin/env bash
# Configures and builds the tool and its tests in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default
cmake --build --preset default -j "$(nproc)"
