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
# The window holds the terminal until it is closed. The Qt 5 build names its
# programs with -qt5 (installed beside Qt 6).
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are unset); run it in a desktop session, or in a virtual display: xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec "$(cat build/release/program-path.txt)" "$@"
