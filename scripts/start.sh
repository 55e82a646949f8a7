#!/usr/bin/env bash
# Sets up a fresh machine, builds the application and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target corvandile_veza
exec ./build/app/corvandile_veza "$@"
