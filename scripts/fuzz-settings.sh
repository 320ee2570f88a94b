#!/usr/bin/env bash
# Builds the settings fuzzer with clang-14 in build/fuzz (the plug-in's core
# only, no tests) and runs it for a bounded time (FUZZ_SECONDS, default 60),
# starting from the seed files in fuzz/corpus/settings.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$KELVORAN_ROOT"

seconds="${FUZZ_SECONDS:-60}"
jobs="${FUZZ_JOBS:-$(nproc)}"
build=build/fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DKELVORAN_BUILD_TESTS=OFF -DKELVORAN_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_settings -j "$jobs"

# The seeds stay as they are; what the fuzzer finds goes to a working corpus.
work="$build/corpus-settings"
mkdir -p "$work"
echo "== fuzzing the settings loader for ${seconds}s"
"$build/fuzz/fuzz_settings" "$work" fuzz/corpus/settings \
  -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$build/"
