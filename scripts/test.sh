#!/usr/bin/env bash
# Builds everything from scratch with AddressSanitizer and
# UndefinedBehaviorSanitizer (installing what it needs) and runs every test
# headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=build-test
rm -rf "$build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DDUSKMOOR_SANITIZE=ON -DDUSKMOOR_WERROR=ON
cmake --build "$build" -j"$(nproc)"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
