#!/usr/bin/env bash
# Regenerates docs/contact-sheet.png, the contact sheet of docs/census.md: the first
# preview page of six built-in skins as vantuskin-cli's gallery renders
# them, laid out by ImageMagick's montage (installed here if missing; the
# program and its tests do not need it).
# Argument: a built vantuskin-cli; without one it is built into build/release.
set -euo pipefail
cd "$(dirname "$0")/.."
source ./deps.sh
vantu_install_packages imagemagick

cli=${1:-}
if [ -z "$cli" ]; then
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVANTU_BUILD_TESTS=OFF -DVANTU_BUILD_TOOLS=OFF >/dev/null
    cmake --build build/release -j"$(nproc)" --target vantuskin-cli >/dev/null
    cli=build/release/src/cli/vantuskin-cli
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tiles=()
for skin in flatwhite psblack lightblue purple yellow darkblue; do
    "$cli" gallery --skin "$skin" -o "$work/$skin" >/dev/null 2>&1
    tiles+=(-label "$skin" "$work/$skin/$skin/01-widgets.png")
done
montage "${tiles[@]}" -font DejaVu-Sans -pointsize 16 -tile 3x -geometry 425x+8+8 -background white -depth 8 \
    docs/contact-sheet.png
echo "wrote docs/contact-sheet.png"
