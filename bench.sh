#!/usr/bin/env bash
# Installs what is missing (muparser and LAPACK are the yardsticks of the formula
# and solver benchmarks; pkgconf finds muparser),
# builds the benchmarks in release mode and runs them.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
ensure_packages libmuparser-dev liblapack-dev pkgconf
build="$VEKTUM_ROOT/build/bench"
configure_build "$build" -DCMAKE_BUILD_TYPE=Release -DVEKTUM_BUILD_TESTS=OFF -DVEKTUM_BUILD_BENCH=ON
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
status=0
for b in "$build"/bench/*/bench_*; do
    # The build also leaves bench_*_autogen folders beside the programs.
    [ -f "$b" ] && [ -x "$b" ] || continue
    "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || status=1
done
exit $status
