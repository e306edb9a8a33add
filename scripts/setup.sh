#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Installs what building, playing and testing Stumpwell needs on Debian 12 or Ubuntu.
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
          libqt6sql6-sqlite qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          fonts-liberation2 libbenchmark-dev "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
