#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, then the core and file tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz corpora.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=${MARKLOW_JOBS:-2}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARKLOW_TESTS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 300

# Sanitizers: the Qt-free modules, where the readers of outside bytes live.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMARKLOW_SANITIZE=ON \
  -DMARKLOW_GUI=OFF -DMARKLOW_BENCH=OFF -DMARKLOW_TESTS=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" --timeout 300

if [ -x scripts/fuzz.sh ]; then
  bash scripts/fuzz.sh replay
fi
