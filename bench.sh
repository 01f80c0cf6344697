#!/usr/bin/env bash
# Installs what is missing (muparser and LAPACK are the yardsticks of the formula
# and solver benchmarks),
# builds the benchmarks in release mode and runs them.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
ensure_packages libmuparser-dev liblapack-dev
build="$VEKTUM_ROOT/build/bench"
configure_build "$build" -DCMAKE_BUILD_TYPE=Release -DVEKTUM_BUILD_TESTS=OFF -DVEKTUM_BUILD_BENCH=ON
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
for b in "$build"/bench/*/bench_*; do
    [ -x "$b" ] && "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
done
