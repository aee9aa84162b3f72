#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice,
# as released (g++) and under the address and undefined-behaviour sanitizers
# (clang), and runs each fuzz target, built with the latter, for a bounded time.
# The released build is also packaged and the package checked, and the tool is
# built for Windows, tested under Wine and its installer tried there.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh clang lld libclang-rt-14-dev dosfstools fusefat dpkg-dev lintian appstream man-db python3-jsonschema

jobs="$(nproc)"
# Compiles wait on the disk as well as the processor: one more keeps both busy.
build_jobs="$((jobs + 1))"
# The released build compiles the libraries in batches; the sanitizer build
# compiles every file alone, so that each still includes all it uses.
cmake --preset default -DTALMERIS_UNITY_BUILD=ON
cmake --build --preset default -j "$build_jobs"
ctest --preset default -j "$jobs"
scripts/check-package.sh build

# Built for Windows and tested under Wine, installer included.
scripts/test-windows.sh

cmake --preset asan
cmake --build --preset asan -j "$build_jobs"
ctest --preset asan -j "$jobs"

scripts/fuzz.sh
