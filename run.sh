#!/usr/bin/env bash
# Builds the skin generator and vantuskin-cli into build/release (all that
# `cmake --install build/release` installs), then starts the generator.
set -euo pipefail
cd "$(dirname "$0")"
source ./deps.sh
vantu_install_packages
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVANTU_BUILD_TESTS=OFF -DVANTU_BUILD_TOOLS=OFF
cmake --build build/release -j"$(nproc)"
exec ./build/release/src/app/vantuskin "$@"
