#!/usr/bin/env bash
# Plants each fault of scripts/mutants/faults.txt, one at a time, in a scratch
# clone of the committed tree; rebuilds it with the released preset, runs the
# released suite and prints the faults no test caught and the share caught.
# Slow (a rebuild and a suite run per fault), so it is run by hand, not in CI.
#   scripts/mutants.sh [FAULT-LIST]     MUTANTS_DIR=folder keeps the scratch clone there
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
list="$root/${1:-scripts/mutants/faults.txt}"
jobs="$(nproc)"

scratch="${MUTANTS_DIR:-}"
if [ -z "$scratch" ]; then
    scratch="$(mktemp -d)"
    trap 'rm -rf "$scratch"' EXIT
fi
# A kept clone is brought to the committed tree, so its build is reused.
if [ -d "$scratch/src/.git" ]; then
    git -C "$scratch/src" fetch -q "$root" HEAD
    git -C "$scratch/src" reset -q --hard FETCH_HEAD
else
    rm -rf "$scratch/src"
    git clone -q "$root" "$scratch/src"
fi
cd "$scratch/src"

configure=(cmake --preset default)
if command -v ccache >/dev/null; then
    configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
"${configure[@]}" >"$scratch/configure.log"
cmake --build --preset default -j "$jobs" >"$scratch/build.log" 2>&1 || { echo "the clean tree does not build"; exit 2; }
ctest --preset default -j "$jobs" >"$scratch/test.log" 2>&1 || { echo "the suite fails without any fault"; exit 2; }

count() { FROM="$2" perl -0ne '$n = () = /\Q$ENV{FROM}\E/g; print $n' "$1"; }

total=0
caught=0
broken=0
survivors=()
while IFS= read -r line; do
    case "$line" in '' | '#'*) continue ;; esac
    file="$(awk -F' @@ ' '{print $1}' <<<"$line")"
    from="$(awk -F' @@ ' '{print $2}' <<<"$line")"
    to="$(awk -F' @@ ' '{print $3}' <<<"$line")"
    what="$(awk -F' @@ ' '{print $4}' <<<"$line")"
    total=$((total + 1))
    if [ ! -f "$file" ] || [ "$(count "$file" "$from")" != 1 ]; then
        echo "NOT PLANTED  $file: $what (text not found exactly once)"
        broken=$((broken + 1))
        continue
    fi
    FROM="$from" TO="$to" perl -0pi -e 's/\Q$ENV{FROM}\E/$ENV{TO}/' "$file"
    if ! cmake --build --preset default -j "$jobs" >"$scratch/build.log" 2>&1; then
        echo "NOT BUILT    $file: $what"
        broken=$((broken + 1))
    elif ctest --preset default -j "$jobs" --stop-on-failure >"$scratch/test.log" 2>&1; then
        echo "SURVIVED     $file: $what"
        survivors+=("$file: $what")
    else
        failed="$(grep -E '^\s+[0-9]+ - ' "$scratch/test.log" | head -n 1 | sed -E 's/^\s+[0-9]+ - //')"
        echo "caught       $file: $what  [$failed]"
        caught=$((caught + 1))
    fi
    git checkout -q -- "$file"
done <"$list"

planted=$((total - broken))
echo
echo "$caught of $planted planted faults caught ($((planted > 0 ? 100 * caught / planted : 0)) %); ${#survivors[@]} survived, $broken not planted or not built"
for survivor in "${survivors[@]}"; do
    echo "  survived: $survivor"
done
[ "${#survivors[@]}" -eq 0 ] && [ "$broken" -eq 0 ]
