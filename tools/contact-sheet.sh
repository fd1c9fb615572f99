#!/usr/bin/env bash
# Regenerates docs/contact-sheet.png, the contact sheet of docs/census.md: the first
# preview page of six built-in skins as vantuskin-cli's gallery renders
# them, laid out by ImageMagick's montage (installed here if missing; the
# program and its tests do not need it).
set -euo pipefail
cd "$(dirname "$0")/.."
source ./deps.sh
vantu_install_packages imagemagick

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVANTU_BUILD_TESTS=OFF -DVANTU_BUILD_TOOLS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target vantuskin-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tiles=()
for skin in flatwhite psblack lightblue purple yellow darkblue; do
    build/release/src/cli/vantuskin-cli gallery --skin "$skin" -o "$work/$skin" 2>/dev/null
    tiles+=(-label "$skin" "$work/$skin/$skin/01-widgets.png")
done
montage "${tiles[@]}" -font DejaVu-Sans -pointsize 16 -tile 3x -geometry 425x+8+8 -background white -depth 8 \
    docs/contact-sheet.png
echo "wrote docs/contact-sheet.png"
