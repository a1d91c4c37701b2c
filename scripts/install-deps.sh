#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the benchmarks and the
# command-line tool need. Idempotent: does nothing when everything is there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libegl-dev libegl-mesa0 libgl1-mesa-dri libgles-dev libepoxy-dev
    libstb-dev libtinygltf-dev nlohmann-json3-dev
    assimp-testmodels
    clang libclang-rt-dev
    libassimp-dev
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
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
