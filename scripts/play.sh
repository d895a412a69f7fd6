#!/usr/bin/env bash
# Builds the game (installing what it needs) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DDUSKMOOR_TESTS=OFF
cmake --build build -j"$(nproc)" --target duskmoor
exec ./build/duskmoor
