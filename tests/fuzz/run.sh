#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time, first
# over every input that ever crashed it, then over its seed corpus.
# Usage: tests/fuzz/run.sh [seconds per target]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
seconds=${1:-60}
build=${KAVREL_FUZZ_BUILD:-$here/../../build-fuzz}

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2 >/dev/null

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
# A picture header may ask for an impossible size; the loader must then
# see a failed allocation, as it would outside the sanitizer.
export ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=1

# Runs one target and leaves its verdict in $work.verdict.
fuzz_one() {
    local target=$1 work=$2
    local binary="$build/fuzz_$target"
    local regressions=("$here"/regressions/$target/*)
    cp -R "$here/corpus/$target/." "$work/" 2>/dev/null || true
    local ok=1
    if [ -e "${regressions[0]}" ]; then
        "$binary" "${regressions[@]}" >"$work.log" 2>&1 || ok=0
    fi
    if [ $ok = 1 ]; then
        "$binary" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=1024 \
            -artifact_prefix="$work/" "$work" >"$work.log" 2>&1 || ok=0
    fi
    echo $ok >"$work.verdict"
}

# The targets are independent and each fuzzer uses one core, so they run
# side by side.
targets=()
works=()
for target in obx_loader highscore; do
    [ -x "$build/fuzz_$target" ] || continue
    work=$(mktemp -d)
    targets+=("$target")
    works+=("$work")
    fuzz_one "$target" "$work" &
done
wait

passed=0
failed=0
for i in "${!targets[@]}"; do
    target=${targets[$i]}
    work=${works[$i]}
    if [ "$(cat "$work.verdict" 2>/dev/null)" = 1 ]; then
        echo "fuzz $target: $(grep -o 'Done [0-9]* runs' "$work.log" | tail -1)"
        passed=$((passed + 1))
    else
        echo "fuzz $target: FAILED; crashing input kept in $work/ (copy it to tests/fuzz/regressions/$target/)"
        tail -40 "$work.log"
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ $failed = 0 ]
