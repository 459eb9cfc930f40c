#!/usr/bin/env bash
# Builds a Debug configuration with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitized/ and runs every test in it.
# Leak detection stays off: Qt keeps process-lifetime allocations on purpose.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-sanitized -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCASEWRIGHT_SANITIZE=ON \
    -DCASEWRIGHT_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitized -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitized --output-on-failure -j "$(nproc)" --timeout 600
