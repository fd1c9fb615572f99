#!/bin/sh
# Exports skins as bundles and builds and runs the consumer project with
# each, applying the skin with the lines of the bundle's README.txt. The
# first case is the project README's example: its command, CMake lines and
# C++ lines must appear there as they are.
# Usage: run.sh CLI CONSUMER_SOURCE WORK_DIR README.md CMAKE Qt5_DIR
set -eu
cli=$1 source=$2 work=$3 readme=$4 cmake=$5 qtdir=$6
colors='#E0E0E0,#2B2B2B,#555555,#3A3A3A,#333333,#4A4A4A,#404040,#FFB000'
export QT_QPA_PLATFORM=offscreen
rm -rf "$work"

run_case() {
    case=$1 folder=$2; shift 2
    dir="$work/$case"
    mkdir -p "$dir"
    cp "$source/CMakeLists.txt" "$source/main.cpp" "$dir/"
    (cd "$dir" && "$cli" export "$@")
    name=$(basename "$dir/$folder"/*.qrc .qrc)
    "$cli" check "$dir/$folder/$name.css" --qrc "$dir/$folder/$name.qrc"
    if [ -f "$dir/$folder/$name.rcc" ]; then
        "$cli" check "$dir/$folder/$name.css" --rcc "$dir/$folder/$name.rcc"
    fi
    # The README.txt's first indented block is CMake, the second C++.
    awk -v cm="$dir/readme-lines.cmake" -v cpp="$dir/readme-lines.inc" '
        /^    / { if (!inside) blocks++; inside = 1; print substr($0, 5) > (blocks == 1 ? cm : cpp); next }
        { inside = 0 }' "$dir/$folder/README.txt"
    "$cmake" -S "$dir" -B "$dir/build" -DQt5_DIR="$qtdir" >/dev/null
    "$cmake" --build "$dir/build" -j2 >/dev/null
    "$dir/build/myapp"
    echo "$case: ok"
}

run_case template-recolor flatblack --skin flatblack -o flatblack --recolor
for part in "vantuskin-cli export --skin flatblack -o flatblack --recolor" \
            "$(cat "$work/template-recolor/readme-lines.cmake")" \
            "$(cat "$work/template-recolor/readme-lines.inc")"; do
    case $(cat "$readme") in
        *"$part"*) ;;
        *) echo "README.md lacks these lines of the example:"; echo "$part"; exit 1 ;;
    esac
done
run_case template skin --skin flatblack -o skin
run_case classic skin --skin black -o skin --name classic --prefix /themes/classic
run_case classic-recolor skin --skin black -o skin --recolor
run_case colors skin --colors "$colors" -o skin --rcc
run_case colors-recolor skin --colors "$colors" -o skin --recolor
