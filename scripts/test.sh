#!/usr/bin/env bash
# Installs what is missing, builds the library, its tests and benchmarks in
# Debug with AddressSanitizer and UndefinedBehaviorSanitizer, runs the tests.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"
jobs="$(nproc 2>/dev/null || echo 2)"

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build" \
    -DCMAKE_BUILD_TYPE=Debug \
    -DVELMORA_SANITIZE=ON \
    "$@"
cmake --build "$build" -j "$jobs"

# Headless GL tests run on Mesa's software rasterizer
export EGL_PLATFORM="${EGL_PLATFORM:-surfaceless}"
export LIBGL_ALWAYS_SOFTWARE="${LIBGL_ALWAYS_SOFTWARE:-1}"
# Death tests fork; leak checking in the forked children only adds noise.
# LeakSanitizer's tracking of dynamic TLS breaks on Mesa's dlopen()ed driver
# and crashes at exit ("Tracer caught signal 11"), so it stays off.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:intercept_tls_get_addr=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

cd "$build"
ctest --output-on-failure -j "$jobs"
