#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time (FUZZ_SECONDS, 30 by
# default), all at once. The kept corpus in fuzz/corpus/<target> seeds each run; what a run
# finds goes to build/fuzz, and a crashing input is left there for fuzz/corpus. The targets
# that play (play, events) build the whole game; an input that runs over 30 s is a hang.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
out="$PWD/build/fuzz"
CC=clang CXX=clang++ cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXMOOR_FUZZ=ON \
    -DVEXMOOR_TESTS=OFF -DVEXMOOR_BENCH=OFF >/dev/null
targets="level save data_files play events script_import key_taps"
cmake --build "$out" --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)

declare -A pids max_len=([level]=65536 [save]=8192 [data_files]=100000 [play]=8192 [events]=16384 [script_import]=16384 [key_taps]=4096)
for t in $targets; do
    mkdir -p "$out/corpus/$t" "$out/artifacts"
    "$out/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len="${max_len[$t]}" -timeout=30 -print_final_stats=1 \
        -artifact_prefix="$out/artifacts/$t-" "$out/corpus/$t" "$PWD/fuzz/corpus/$t" >"$out/fuzz_$t.log" 2>&1 &
    pids[$t]=$!
done
status=0
for t in $targets; do
    if wait "${pids[$t]}"; then
        echo "fuzz_$t: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$out/fuzz_$t.log" | grep -o '[0-9]*$') runs, no fault"
    else
        status=1
        echo "fuzz_$t FAILED:"
        tail -n 40 "$out/fuzz_$t.log"
    fi
done
exit $status
