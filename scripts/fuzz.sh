#!/usr/bin/env bash
# Fuzzes the character-file and saved-game loaders with libFuzzer.
#
#   bash scripts/fuzz.sh [SECONDS]     # default: 60 seconds per target
#
# Installs clang and libFuzzer (libclang-rt-14-dev) if they are missing, builds
# the targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer into
# build-fuzz, and runs each one, starting from the committed corpus in
# tests/data/corpus. New inputs the fuzzer finds are kept in build-fuzz/corpus;
# a crash leaves its input in build-fuzz as crash-* and stops the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/install-deps.sh clang libclang-rt-14-dev
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUSKMOOR_FUZZ=ON \
  -DDUSKMOOR_TESTS=OFF
cmake --build "$build" -j"$(nproc)" --target fuzz_character_file fuzz_saved_game
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in character_file:chr saved_game:dms; do
  name="${target%%:*}"
  samples="${target##*:}"
  mkdir -p "$build/corpus/$samples"
  echo "== fuzz_$name for $seconds s"
  (cd "$build" && "./fuzz_$name" -max_total_time="$seconds" -max_len=8192 \
    "corpus/$samples" "../tests/data/corpus/$samples")
done
