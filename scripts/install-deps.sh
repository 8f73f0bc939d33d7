#!/usr/bin/env bash
# Installs the Debian packages Pictorb needs to build, run and test, skipping those present.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qtbase5-dev libqt5svg5-dev qttools5-dev qttools5-dev-tools
    qt5-image-formats-plugins libqt5svg5
    libdeflate-dev libjpeg-dev libwebp-dev zlib1g-dev
    libbenchmark-dev libkf5archive-dev
    # The API key of a transcription service goes to the system's secret store.
    qtkeychain-qt5-dev
    clang libclang-rt-dev clang-format
    libmpv-dev ffmpeg xvfb xauth x11-apps xdotool libxtst-dev
    fonts-dejavu-core fonts-noto-cjk
    imagemagick libvips-tools librsvg2-bin time
    # Icons and man pages made at build time; the validators of the installed tree and the
    # .deb's computed dependencies; the Windows resource compiler and NSIS that check the
    # Windows resources and installer script here.
    icoutils help2man gzip
    desktop-file-utils appstream shared-mime-info man-db libxml2-utils dpkg-dev
    binutils-mingw-w64-x86-64 nsis
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
