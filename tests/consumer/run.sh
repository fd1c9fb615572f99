#!/bin/sh
# Exports skins and builds and runs the consumer project with each bundle,
# which applies the skin with the lines of the bundle's README.txt. The first
# bundle is the example of the CLI's page (docs/cli.md): its export command,
# CMake lines and C++ lines must appear there as they are.
# Usage: run.sh CLI CONSUMER_SOURCE WORK_DIR docs/cli.md CMAKE QT_MAJOR
set -eu
cli=$1 source=$2 work=$3 page=$4 cmake=$5 qt=$6
colors='#E0E0E0,#2B2B2B,#555555,#3A3A3A,#333333,#4A4A4A,#404040,#FFB000'
export QT_QPA_PLATFORM=offscreen
rm -rf "$work"

bundle() {  # NAME FOLDER EXPORT-ARGUMENTS...
    dir=$work/$1 folder=$work/$1/$2; shift 2
    mkdir -p "$dir" && cp "$source/CMakeLists.txt" "$source/main.cpp" "$dir/"
    (cd "$dir" && "$cli" export "$@")
    name=$(basename "$folder"/*.qrc .qrc)
    "$cli" check "$folder/$name.css" --qrc "$folder/$name.qrc"
    [ ! -f "$folder/$name.rcc" ] || "$cli" check "$folder/$name.css" --rcc "$folder/$name.rcc"
    # The README.txt's first indented block is CMake, the second C++.
    awk -v cm="$dir/readme-lines.cmake" -v cpp="$dir/readme-lines.inc" '/^    / {
        if (!inside) blocks++; inside = 1; print substr($0, 5) > (blocks == 1 ? cm : cpp); next } { inside = 0 }' \
        "$folder/README.txt"
    "$cmake" -S "$dir" -B "$dir/build" -DQT_MAJOR="$qt" >/dev/null
    "$cmake" --build "$dir/build" -j2 >/dev/null
    "$dir/build/myapp"
}

bundle example flatblack --skin flatblack -o flatblack --recolor
for part in "vantuskin-cli export --skin flatblack -o flatblack --recolor" \
    "$(cat "$work/example/readme-lines.cmake")" "$(cat "$work/example/readme-lines.inc")"; do
    case $(cat "$page") in *"$part"*) ;; *) printf '%s lacks:\n%s\n' "$page" "$part"; exit 1 ;; esac
done
bundle template skin --skin flatblack -o skin
bundle classic skin --skin black -o skin --name classic --prefix /themes/classic
bundle classic-recolor skin --skin black -o skin --recolor --complete
bundle colors skin --colors "$colors" -o skin --rcc
bundle colors-recolor skin --colors "$colors" -o skin --recolor --complete
