#!/usr/bin/env bash
# The fuzz targets of every reader of outside bytes (libFuzzer, clang, ASan and UBSan).
#   scripts/fuzz.sh replay        run each target once over its committed corpus (CI)
#   scripts/fuzz.sh run SECONDS   fuzz each target for SECONDS; new inputs stay in build-fuzz
#   scripts/fuzz.sh seeds         write the seed corpora in fuzz/corpus again
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-fuzz
targets=(gradebook category_file letter_file student_block paste paste_names roster settings)
mode=${1:-}

configure() {
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMARKLOW_FUZZ=ON -DMARKLOW_TESTS=OFF -DMARKLOW_GUI=OFF -DMARKLOW_BENCH=OFF >/dev/null
  cmake --build "$build" -j"${MARKLOW_JOBS:-2}" >/dev/null
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

case "$mode" in
  replay)
    configure
    for t in "${targets[@]}"; do
      "$build/fuzz/fuzz_$t" -runs=0 -timeout=10 "fuzz/corpus/$t" 2>&1 | tail -1
    done
    ;;
  run)
    seconds=${2:?usage: scripts/fuzz.sh run SECONDS}
    configure
    mkdir -p "$build/artifacts"
    for t in "${targets[@]}"; do
      mkdir -p "$build/corpus/$t"
      echo "== fuzz_$t for ${seconds}s"
      "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" \
        "$build/corpus/$t" "fuzz/corpus/$t" 2>&1 |
        grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb|ERROR|SUMMARY|Done" || true
    done
    ls "$build/artifacts"
    ;;
  seeds)
    configure
    rm -rf fuzz/corpus
    "$build/fuzz/make_seeds" fuzz/corpus
    cp data/sample-class.gbd fuzz/corpus/gradebook/
    ;;
  *)
    echo "usage: scripts/fuzz.sh replay | run SECONDS | seeds" >&2
    exit 1
    ;;
esac
