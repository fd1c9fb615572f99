#!/usr/bin/env bash
# Builds the skin generator and vantuskin-cli into build/release (all that
# `cmake --install build/release` installs) with the default Qt (Qt 6 when
# installed, else Qt 5; VANTU_QT_MAJOR=5 ./run.sh chooses), then starts the
# generator.
set -euo pipefail
cd "$(dirname "$0")"
source ./deps.sh
vantu_install_packages
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVANTU_QT_MAJOR="${VANTU_QT_MAJOR:-}" -DVANTU_BUILD_TESTS=OFF -DVANTU_BUILD_TOOLS=OFF
cmake --build build/release -j"$(nproc)" 
# The Qt 5 build names its programs with -qt5 (installed beside Qt 6).
exec "$(find build/release/src/app -maxdepth 1 -type f -name "vantuskin*" -perm -u+x | head -n 1)" "$@"
