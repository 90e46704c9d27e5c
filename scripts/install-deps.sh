#!/usr/bin/env bash
# Installs the Debian packages Brennick needs to build, run and test, when missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config dpkg-dev file python3
    qt6-base-dev libgl-dev libjpeg62-turbo-dev
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth x11-apps xdotool imagemagick fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
