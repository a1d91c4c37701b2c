#!/usr/bin/env bash
# Builds the glTF importer's libFuzzer target with clang and runs it for a
# given number of seconds, seeded with Debian's glTF test models and the
# written files in fuzz/seeds/. New crashes land in fuzz/crashers/, where
# GltfImporterTest replays them.
#   scripts/fuzz.sh [seconds] [extra libFuzzer options...]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELMORA_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-600}"
shift || true

"$root/scripts/install-deps.sh"

CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target GltfImporterFuzzer -j "${VELMORA_FUZZ_JOBS:-1}"

# The corpus grows between runs; the seeds are the Debian files
corpus="$build/corpus"
seeds="$build/seeds"
mkdir -p "$corpus" "$seeds" "$root/fuzz/crashers"
models="$(dpkg -L assimp-testmodels | grep -m1 '/glTF2$' || true)"
if [ -n "$models" ]; then
    find "$models" -type f \( -name '*.gltf' -o -name '*.glb' \) -exec cp -n {} "$seeds/" \;
fi
# Written files for what the Debian ones lack (CUBICSPLINE animations)
cp -n "$root"/fuzz/seeds/* "$seeds/"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:intercept_tls_get_addr=0:allocator_may_return_null=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
"$build/GltfImporterFuzzer" "$corpus" "$seeds" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=262144 \
    -artifact_prefix="$root/fuzz/crashers/" -print_final_stats=1 "$@"
