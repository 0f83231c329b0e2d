#!/usr/bin/env bash
# Builds the fuzz targets in build-fuzz and runs each for a fixed time.
#   fuzz/run.sh [SECONDS]    seconds per target, 20 by default
# Fails when a target finds a crash, a leak, a sanitizer report or a broken invariant;
# the input that did it is kept as build-fuzz/artifacts/<target>-crash-<hash>. New
# inputs go to build-fuzz/corpus/<target>; the committed seeds in fuzz/corpus are only read.
set -euo pipefail

seconds="${1:-20}"
case "$seconds" in
    '' | *[!0-9]*)
        echo "usage: $0 [SECONDS]" >&2
        exit 2
        ;;
esac
cd "$(dirname "$0")/.."

scripts/install-packages.sh clang libclang-rt-14-dev cmake ninja-build

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKELVANE_BUILD_UI=OFF -DKELVANE_BUILD_TESTS=OFF -DKELVANE_BUILD_FUZZERS=ON \
    -DKELVANE_SANITIZE=ON -DKELVANE_WERROR=ON >/dev/null
cmake --build build-fuzz

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
for target in number_entry density_table dimension calculator quote_csv; do
    work="build-fuzz/corpus/$target"
    mkdir -p "$work" build-fuzz/artifacts
    echo "== fuzz_$target for ${seconds} s"
    if ! "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target-" \
        "$work" "fuzz/corpus/$target" 2>"build-fuzz/fuzz_$target.log"; then
        tail -n 40 "build-fuzz/fuzz_$target.log" >&2
        failed+=("$target")
        continue
    fi
    grep -E '^(Done|#[0-9]+[[:space:]]+DONE)' "build-fuzz/fuzz_$target.log"
done

if ((${#failed[@]})); then
    echo "Fuzzing failed: ${failed[*]} (inputs in build-fuzz/artifacts)" >&2
    exit 1
fi
echo "All fuzz targets ran ${seconds} s each without a finding."
