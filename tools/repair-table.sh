#!/usr/bin/env bash
# Regenerates the table of contrast repairs in docs/census.md: for each skin of the
# menu, what `vantuskin-cli audit --fix` moves. The table stands between the
# page's lines <!-- repair-table --> and <!-- /repair-table -->.
# Argument: a built vantuskin-cli; without one it is built into build/release.
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-}
if [ -z "$cli" ]; then
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVANTU_BUILD_TESTS=OFF -DVANTU_BUILD_TOOLS=OFF >/dev/null
    cmake --build build/release -j"$(nproc)" --target vantuskin-cli >/dev/null
    cli=build/release/src/cli/vantuskin-cli
fi
default=flatwhite
page=docs/census.md

table=$(mktemp)
trap 'rm -f "$table" "$table.page"' EXIT
{
    echo "| Skin | Colour | Before | After | Worst pair before → after | Lightness moved |"
    echo "|---|---|---|---|---|---|"
    # list: style, display name ("-" outside the menu), ...
    "$cli" list | awk -F'\t' '$2 != "-" { print $1 "\t" $2 }' | while IFS=$'\t' read -r style display; do
        label="$style $display"
        [ "$style" = "$default" ] && label="$label (the default)"
        "$cli" audit --fix --skin "$style" | awk -v label="$label" '
            $1 == "moved" {
                sub(/,$/, "", $7); sub(/;$/, "", $12)
                note = (/no lightness meets every pair/) ? " (cannot meet every pair)" : ""
                printf "| %s | %s | `%s` | `%s` | %s → %s%s | %s |\n", label, $2, $3, $5, $10, $12, note, $7
                label = ""
            }
            $1 == "kept" {
                sub(/:$/, "", $6)
                printf "| %s | %s | `%s` | `%s` | %s, no lightness better | 0 |\n", label, $2, $3, $3, $6
                label = ""
            }'
    done
} > "$table"

# Only between one pair of markers: without both, the rest of the page
# would be lost.
if [ "$(grep -c '^<!-- repair-table -->$' "$page")" != 1 ] ||
    [ "$(grep -c '^<!-- /repair-table -->$' "$page")" != 1 ]; then
    echo "$page needs one <!-- repair-table --> line and one <!-- /repair-table --> line; nothing changed" >&2
    exit 1
fi
awk -v table="$table" '
    /^<!-- \/repair-table -->/ { skipping = 0 }
    !skipping { print }
    /^<!-- repair-table -->/ { while ((getline line < table) > 0) print line; skipping = 1 }
' "$page" > "$table.page"
if cmp -s "$table.page" "$page"; then
    echo "the repair table in $page is up to date"
else
    mv "$table.page" "$page"
    echo "updated the repair table in $page"
fi
