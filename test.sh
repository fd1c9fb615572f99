#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
source ./deps.sh
vantu_install_packages
cmake -S . -B build/tests -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/tests -j"$(nproc)"
cd build/tests
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
