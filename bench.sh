#!/usr/bin/env bash
# Installs what is missing (muparser and LAPACK are the yardsticks of the formula
# and solver benchmarks; pkgconf finds muparser),
# builds the benchmarks in release mode and runs them.  Benchmarks compared with
# one another run in one program, their repetitions interleaved, so that a busy
# machine slows both sides alike; the run ends with one line per ratio.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
ensure_packages libmuparser-dev liblapack-dev pkgconf
build="$VEKTUM_ROOT/build/bench"
configure_build "$build" -DCMAKE_BUILD_TYPE=Release -DVEKTUM_BUILD_TESTS=OFF -DVEKTUM_BUILD_BENCH=ON
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
for b in "$build"/bench/*/bench_*; do
    # The build also leaves bench_*_autogen folders beside the programs.
    [ -f "$b" ] && [ -x "$b" ] || continue
    # pipefail (common.sh) makes the pipeline fail when the benchmark does.
    "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
         --benchmark_enable_random_interleaving=true --benchmark_color=false | tee -a "$output" || status=1
done
echo
echo "Ratios (medians of 5 interleaved repetitions):"
grep -o 'ratio: .*' "$output" | sed 's/^ratio: /  /' || echo "  none measured"
exit $status
