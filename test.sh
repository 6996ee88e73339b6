#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build and
# once under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build -j"$jobs" --output-on-failure

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELQUIN_SANITIZE=ON -DVELQUIN_BENCH=OFF
cmake --build build-asan -j"$jobs"
# The web engine's own process is not built with the sanitizers; leaks inside Qt's
# global caches are not ours to fix.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan -j"$jobs" --output-on-failure -L 'unit|widget'
