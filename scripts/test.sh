#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Sets everything up, builds and runs the whole test suite (headless). With "asan" as the
# argument it does the same under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
preset="${1:-default}"
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
cd "$root"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
