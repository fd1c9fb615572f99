#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need, if any is
# missing. Sourced by run.sh and test.sh; needs root or sudo for apt-get.
VANTU_PACKAGES=(
    cmake g++ make
    qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libgl-dev
    libqt6opengl6-dev
    fonts-wqy-microhei fonts-font-awesome
    desktop-file-utils appstream
    python3 python3-pyqt6 python3-pyqt5 python3-pyside2.qtwidgets
    help2man bash-completion pkg-config file dpkg-dev
    qt5ct qt6ct
)

vantu_install_packages() {
    local missing=()
    for p in "${VANTU_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
