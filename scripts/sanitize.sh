#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize and runs
# the whole test suite there headless, the soaks at full length. Any report of a sanitizer (memory
# error, undefined behaviour, leak) ends the process that made it and fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build_dir=build-sanitize
# Assertions stay on (no NDEBUG): the engine's checks of its arguments take part. -O1 keeps the
# soaks quick and the stacks readable.
cmake -S . -B "$build_dir" -DCONJUGACIO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export CONJUGACIO_ENGINE_SOAK_OPERATIONS=${CONJUGACIO_ENGINE_SOAK_OPERATIONS:-1000000}
export CONJUGACIO_WINDOW_SOAK_EVENTS=${CONJUGACIO_WINDOW_SOAK_EVENTS:-20000}

cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
