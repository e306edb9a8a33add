#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Sets everything up, builds the game and starts it. "Basic.kdt" is read and written in the
# directory you start it from.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
cmake --preset release -S "$root" >/dev/null
cmake --build "$root/build/release"
exec "$root/build/release/src/stumpwell" "$@"
