#!/usr/bin/env bash
# Builds the fuzz targets (in the clang sanitizer build) and runs each for a
# bounded time (FUZZ_SECONDS, 30 by default) from the seed corpus in
# fuzz/corpus, as many at once as there are cores. Fails when any finds a
# crash, leak or sanitizer report; the input that caused it is kept in
# build-asan/fuzz-artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-30}"
cmake --preset asan >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p build-asan/fuzz-artifacts

# One target a core at a time: none shares its core, so the rate each reports is its own.
fuzz() {
    local target="$1" max_len=4096
    # A record is 976 bytes; the files are read at any length.
    [ "$target" = record_forms ] && max_len=976
    mkdir -p "$work/$target"
    local status=0
    "build-asan/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 \
        -artifact_prefix="build-asan/fuzz-artifacts/$target-" "$work/$target" "fuzz/corpus/$target" \
        >"$work/$target.log" 2>&1 || status=$?
    echo "$status" >"$work/$target.status"
}

targets=(profile_file working_copy record_forms)
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do
        wait -n || true
    done
    echo "Fuzzing $target for ${seconds}s"
    fuzz "$target" &
done
wait

failed=0
for target in "${targets[@]}"; do
    status="$(cat "$work/$target.status")"
    echo "fuzz_$target:"
    grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec|ERROR|SUMMARY|Test unit written' "$work/$target.log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$work/$target.log"
        echo "fuzz_$target failed (status $status)"
        failed=1
    fi
done
exit "$failed"
