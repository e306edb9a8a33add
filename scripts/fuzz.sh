#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Builds the libFuzzer target of the player file with clang in its own tree and runs it for the
# given number of seconds (default 60), starting from the seed corpus in fuzz/corpus. Exits
# non-zero if the fuzzer finds anything; the input that broke it is kept in the build tree.
# BUILD_DIR chooses the tree (default build/fuzz).
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build/fuzz}"
"$root/scripts/setup.sh" clang libclang-rt-14-dev

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DSTUMPWELL_FUZZ=ON -DSTUMPWELL_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_playerfile -j2

# New inputs go to a corpus in the build tree, so the seeds in the repository stay as they are.
mkdir -p "$build/fuzz/found" "$build/fuzz/artifacts"
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$build/fuzz/fuzz_playerfile" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/fuzz/artifacts/" \
    "$build/fuzz/found" "$root/fuzz/corpus"
echo "fuzz.sh: nothing found in $seconds s"
