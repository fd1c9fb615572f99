#!/usr/bin/env bash
# Builds everything with Qt 6 and with Qt 5 (build/qt6, build/qt5) and runs
# the whole test suite headless against each; the Qt 6 build's tests also
# install both builds into one prefix (package_side_by_side); each build's
# Debian package is made and checked (package_deb), hence the prefix /usr.
set -uo pipefail
cd "$(dirname "$0")"
source ./deps.sh
vantu_install_packages || exit 1

declare -A result
build_and_test() {  # QT_MAJOR [cmake options...]
    local qt=$1; shift
    echo "=== Qt $qt: build/qt$qt"
    cmake -S . -B "build/qt$qt" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTU_QT_MAJOR="$qt" \
        -DCMAKE_INSTALL_PREFIX=/usr "$@" &&
        cmake --build "build/qt$qt" -j"$(nproc)" &&
        (cd "build/qt$qt" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
    result[$qt]=$?
    # A test skipped for want of something says why in its output.
    grep -h '^SKIPPED: ' "build/qt$qt/Testing/Temporary/LastTest.log" 2>/dev/null
}
build_and_test 5
build_and_test 6 -DVANTU_PEER_BUILD="$PWD/build/qt5"

status=0
for qt in 6 5; do
    if [ "${result[$qt]}" -eq 0 ]; then echo "Qt $qt: all tests passed"; else echo "Qt $qt: FAILED"; status=1; fi
done
exit $status
