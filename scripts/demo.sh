#!/usr/bin/env bash
# The main job on a built-in default: installs what is missing, builds in
# Release and bakes three of Debian's glTF test models (a hierarchy of many
# meshes, a textured box, a skinned and animated mesh) into bake-out/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELMORA_DEMO_BUILD_DIR:-$root/build-release}"
jobs="$(nproc 2>/dev/null || echo 2)"

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCHMARKS=OFF > /dev/null
cmake --build "$build" -j "$jobs" --target velmora-bake

# Headless GL on Mesa's software renderer wherever no GPU is there
export EGL_PLATFORM="${EGL_PLATFORM:-surfaceless}"

"$build/tools/bake/velmora-bake" --out "$root/bake-out" "$@"
echo
echo "Open $root/bake-out/preview.png, the atlas-layer-*.png beside it and report.json."
