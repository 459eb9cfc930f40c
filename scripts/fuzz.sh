#!/usr/bin/env bash
# Builds one libFuzzer target with clang (address and undefined-behaviour
# sanitizers) and runs it for a bounded time on a copy of its seed corpus,
# with its dictionary.
#   bash scripts/fuzz.sh TARGET [SECONDS]     (default 600 seconds)
# Targets: cover-file (the cover file reader), image-file (the image reader:
# a name, a NUL byte and the file's bytes) and track-text (the track listing
# importers of text and cue sheets). TARGET names the executable
# TARGET_fuzzer (dashes as underscores) in build-fuzz/tests/fuzz/, the seeds
# in tests/fuzz/corpus/TARGET/ and the dictionary tests/fuzz/TARGET.dict.
# New inputs that reach new code are kept in build-fuzz/corpus/TARGET/;
# crashes land in build-fuzz/findings/. To run a finding again:
#   ./build-fuzz/tests/fuzz/TARGET_fuzzer build-fuzz/findings/TARGET/crash-...
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ]; then
    sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
fi
target="$1"
seconds="${2:-600}"
executable="${target//-/_}_fuzzer"
seeds="tests/fuzz/corpus/$target"
if [ ! -d "$seeds" ]; then
    echo "fuzz.sh: unknown target '$target' (no $seeds)" >&2
    exit 2
fi

bash scripts/install-deps.sh
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then
        SUDO="sudo"
    fi
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq clang libclang-rt-14-dev
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCASEWRIGHT_BUILD_TESTS=OFF -DCASEWRIGHT_BUILD_BENCHMARKS=OFF -DCASEWRIGHT_FUZZ=ON >/dev/null
cmake --build build-fuzz --target "$executable"

corpus="build-fuzz/corpus/$target"
findings="build-fuzz/findings/$target"
mkdir -p "$corpus" "$findings"
cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
dictionary=()
if [ -f "tests/fuzz/$target.dict" ]; then
    dictionary=(-dict="tests/fuzz/$target.dict")
fi
# A track listing far longer than any album's finds nothing a shorter one
# does not, and costs in proportion.
max_len=65536
if [ "$target" = track-text ]; then
    max_len=16384
fi
export QT_QPA_PLATFORM=offscreen
# Recording where each block was allocated and freed costs more than a third
# of the time of small inputs and finds nothing more; to see those stacks for
# a finding, run it again with ASAN_OPTIONS=malloc_context_size=30.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0}"
"./build-fuzz/tests/fuzz/$executable" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$findings/" "${dictionary[@]}" "$corpus"
