#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Renders the README screenshots (docs/screenshots/) from the real program under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" xvfb xauth
cmake -S "$root" -B "$root/build/tools" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DSTUMPWELL_TESTS=OFF -DSTUMPWELL_TOOLS=ON >/dev/null
cmake --build "$root/build/tools" --target stumpwell-screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
    "$root/build/tools/tools/stumpwell-screenshots" "$root/docs/screenshots"
