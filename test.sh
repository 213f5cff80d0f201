#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# runs every test, then the bounded fuzz runs (VEXMOOR_SKIP_FUZZ=1 leaves them out). The
# Release build meanwhile takes the key cases of scripts/window_check.sh in a real window under
# Xvfb, while the tests load the machine (VEXMOOR_SKIP_WINDOW=1 leaves the window out).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
ensure_packages $GAME_PACKAGES $TEST_PACKAGES || exit 1
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXMOOR_SANITIZE=ON -DVEXMOOR_BENCH=ON >/dev/null
cmake --build build/asan
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
window=""
if [ "${VEXMOOR_SKIP_WINDOW:-0}" != 1 ]; then
    # The same Release build as play.sh's, with the window check's player folders.
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEXMOOR_TESTS=OFF -DVEXMOOR_BENCH=OFF >/dev/null
    cmake --build build/release --target vexmoor window_fixture
    # The key cases must hold on a loaded machine, so they run while the tests do. The check's
    # other part, the CPU share at rest, wants a machine at rest and is run by hand.
    scripts/window_check.sh keys >build/window_check.log 2>&1 &
    window=$!
fi
(cd build/asan && ctest --output-on-failure --timeout 300 -j "$(nproc)") || status=$?
# The whole test binary once more in one process, in a shuffled order that can be repeated.
seed=${VEXMOOR_TEST_SEED:-$(( $(date +%s) % 99999 + 1 ))}
echo "Whole test binary, shuffled with seed $seed (VEXMOOR_TEST_SEED=$seed repeats it)"
SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy build/asan/vexmoor_tests --gtest_shuffle --gtest_random_seed="$seed" \
    --gtest_brief=1 || status=1
if [ "${VEXMOOR_SKIP_FUZZ:-0}" != 1 ]; then
    scripts/fuzz.sh || status=1
fi
if [ -n "$window" ]; then
    echo "Real-window key cases (run while the tests ran):"
    wait "$window" || status=1
    cat build/window_check.log
fi
exit $status
