#!/usr/bin/env bash
# Builds the cover file reader's libFuzzer target with clang (address and
# undefined-behaviour sanitizers) and runs it for a bounded time.
#   bash scripts/fuzz-cover-file.sh [SECONDS]     (default 600)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
bash scripts/install-deps.sh
if ! command -v clang++ >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCASEWRIGHT_BUILD_TESTS=OFF -DCASEWRIGHT_BUILD_BENCHMARKS=OFF -DCASEWRIGHT_FUZZ=ON >/dev/null
cmake --build build-fuzz --target read_cover_file_fuzzer
work=$(mktemp -d)
cp tests/fuzz/corpus/* "$work"/
./build-fuzz/tests/fuzz/read_cover_file_fuzzer -max_total_time="$seconds" -max_len=65536 \
    -print_final_stats=1 "$work" tests/fuzz/corpus
rm -rf "$work"
