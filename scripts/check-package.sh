#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Builds the release, installs it into a staging directory, validates the desktop entry and the
# AppStream metainfo there, and builds the .deb and checks what it holds.
# With --data-only it validates the files in data/ without building anything.
# BUILD_DIR chooses another tree configured like the release preset.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
app_id=io.github.stumpwell.Stumpwell
"$root/scripts/setup.sh" desktop-file-utils appstream

validate() { # <desktop entry> <metainfo> <icon>
    desktop-file-validate "$1"
    appstreamcli validate --no-net --explain "$2"
    grep -q '<svg' "$3" || { echo "check-package.sh: $3 is not an SVG image" >&2; exit 1; }
    # The entry must name the icon and the program that are installed beside it.
    if ! grep -qx 'Icon=stumpwell' "$1" || ! grep -qx 'Exec=stumpwell' "$1"; then
        echo "check-package.sh: $1 does not start stumpwell with its icon" >&2
        exit 1
    fi
}

if [ "${1:-}" = "--data-only" ]; then
    validate "$root/data/$app_id.desktop" "$root/data/$app_id.metainfo.xml" \
             "$root/data/stumpwell.svg"
    echo "check-package.sh: data files valid"
    exit 0
fi

cd "$root"
if [ -n "${BUILD_DIR:-}" ]; then
    build="$BUILD_DIR"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTUMPWELL_TESTS=OFF \
          >/dev/null
else
    build="$root/build/release"
    cmake --preset release >/dev/null
fi
cmake --build "$build" -j2

stage="$build/stage"
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
share="$stage/usr/share"
for file in "$stage/usr/bin/stumpwell" "$share/applications/$app_id.desktop" \
            "$share/icons/hicolor/scalable/apps/stumpwell.svg" "$share/metainfo/$app_id.metainfo.xml" \
            "$share/doc/stumpwell/copyright" "$share/doc/stumpwell/LICENSES/MIT.txt" \
            "$share/stumpwell/translations/stumpwell_de.qm"; do
    [ -f "$file" ] || { echo "check-package.sh: ${file#"$stage"} was not installed" >&2; exit 1; }
done
[ -x "$stage/usr/bin/stumpwell" ] || { echo "check-package.sh: stumpwell is not executable" >&2; exit 1; }
validate "$share/applications/$app_id.desktop" "$share/metainfo/$app_id.metainfo.xml" \
         "$share/icons/hicolor/scalable/apps/stumpwell.svg"

(cd "$build" && cpack -G DEB >/dev/null)
deb="$(find "$build" -maxdepth 1 -name 'stumpwell_*.deb' -newer "$stage" | head -n 1)"
[ -n "$deb" ] || { echo "check-package.sh: cpack made no .deb" >&2; exit 1; }
contents="$(dpkg-deb --contents "$deb")"
for path in ./usr/bin/stumpwell "./usr/share/applications/$app_id.desktop" \
            ./usr/share/icons/hicolor/scalable/apps/stumpwell.svg "./usr/share/metainfo/$app_id.metainfo.xml" \
            ./usr/share/doc/stumpwell/copyright ./usr/share/doc/stumpwell/LICENSES/MIT.txt \
            ./usr/share/stumpwell/translations/stumpwell_de.qm; do
    grep -q " $path\$" <<<"$contents" || { echo "check-package.sh: $path is not in $deb" >&2; exit 1; }
done
grep -q "^License: MIT" "$share/doc/stumpwell/copyright" \
    || { echo "check-package.sh: the copyright file names no licence" >&2; exit 1; }
depends="$(dpkg-deb --field "$deb" Depends)"
grep -q libqt6widgets6 <<<"$depends" \
    || { echo "check-package.sh: $deb does not depend on the Qt widgets library" >&2; exit 1; }
echo "check-package.sh: $(basename "$deb") installs and validates (Depends: $depends)"
