#!/usr/bin/env bash
# Builds Marklow and opens the sample class.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"${MARKLOW_JOBS:-2}" --target marklow
exec ./build/src/app/marklow "$@" data/sample-class.gbd
