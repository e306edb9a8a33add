#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang in their own tree and runs each for the given number
# of seconds (default 60): the player file from the seeds in fuzz/corpus, the stored match log
# and its replay from fuzz/matchlog-corpus, and the messages of a network match from
# fuzz/netmessage-corpus. Exits non-zero if a fuzzer finds anything; the input that broke it is
# kept in the build tree.
# BUILD_DIR chooses the tree (default build/fuzz).
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build/fuzz}"
"$root/scripts/setup.sh" clang libclang-rt-14-dev

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DSTUMPWELL_FUZZ=ON -DSTUMPWELL_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_playerfile fuzz_matchlog fuzz_netmessage -j2

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# New inputs go to a corpus in the build tree, so the seeds in the repository stay as they are.
for target in playerfile:corpus matchlog:matchlog-corpus netmessage:netmessage-corpus; do
    name="fuzz_${target%%:*}"
    mkdir -p "$build/fuzz/$name-found" "$build/fuzz/artifacts"
    "$build/fuzz/$name" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/fuzz/artifacts/" \
        "$build/fuzz/$name-found" "$root/fuzz/${target#*:}"
done
echo "fuzz.sh: nothing found in $seconds s per target"
