#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs every test: the normal
# build (tests and one tiny run of each benchmark), then the whole suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEZA_SANITIZE=ON -DVEZA_BENCH=OFF \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
cmake --build build-asan -j "$jobs"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
ctest --test-dir build-asan -j "$jobs" --output-on-failure || status=1
ctest --test-dir build -j "$jobs" --output-on-failure || status=1
exit $status
