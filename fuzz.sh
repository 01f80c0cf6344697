#!/usr/bin/env bash
# ./fuzz.sh [seconds]: builds the fuzz targets of tests/fuzz with clang as
# libFuzzer programs (AddressSanitizer and UndefinedBehaviorSanitizer) in
# build/fuzz, then runs each for the given time (default 600 s), one after
# another, and prints runs and findings per target.  Each target grows its own
# corpus in build/fuzz/run/<target>/corpus from the committed seeds; findings
# (crash-, leak-, timeout-, oom- files) go to build/fuzz/run/<target>/findings.
# A finding ends that run; the target is started again while time is left.
# The exit status is 1 when any target had a finding.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
ensure_packages clang-14 libclang-rt-14-dev
seconds=${1:-600}
case $seconds in (''|*[!0-9]*) echo "usage: $0 [seconds per target]" >&2; exit 2;; esac

build="$VEKTUM_ROOT/build/fuzz"
flags="-O2 -g -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
configure_build "$build" -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_CXX_FLAGS="$flags" -DVEKTUM_LIBFUZZER=ON -DVEKTUM_WERROR=OFF -DVEKTUM_SANITIZE=OFF
targets=(formula evaluator editing lu problem)
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$VEKTUM_ROOT/tests/lsan.supp:print_suppressions=0"

declare -A max_len=([formula]=4096 [evaluator]=1024 [editing]=2048 [lu]=1024 [problem]=16384)
summary=()
status=0
for t in "${targets[@]}"; do
    work="$build/run/$t"
    mkdir -p "$work/corpus" "$work/findings"
    dict=()
    [ -f "$VEKTUM_ROOT/tests/fuzz/$t.dict" ] && dict=(-dict="$VEKTUM_ROOT/tests/fuzz/$t.dict")
    before=$(find "$work/findings" -type f | wc -l)
    runs=0 start=$SECONDS restarts=0
    while :; do
        left=$(( seconds - (SECONDS - start) ))
        [ "$left" -gt 0 ] && [ "$restarts" -lt 5 ] || break
        log="$work/log-$restarts.txt"
        echo "== $t: $left s"
        "$build/tests/fuzz/fuzz_$t" -max_total_time="$left" -timeout=20 -max_len="${max_len[$t]}" \
            "${dict[@]}" -artifact_prefix="$work/findings/" -print_final_stats=1 \
            "$work/corpus" "$VEKTUM_ROOT/tests/fuzz/corpus/$t" >"$log" 2>&1 && rc=0 || rc=$?
        n=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
        runs=$(( runs + ${n:-0} ))
        [ "$rc" -eq 0 ] && break
        echo "   finding (exit $rc), see $log"
        grep -m3 -E 'ERROR|SUMMARY|fuzz property broken|runtime error' "$log" | sed 's/^/   /' || true
        restarts=$(( restarts + 1 ))
    done
    found=$(( $(find "$work/findings" -type f | wc -l) - before ))
    [ "$found" -gt 0 ] && status=1
    summary+=("$(printf '%-10s %12d runs in %4d s, %d findings, corpus %d files' \
        "$t" "$runs" "$(( SECONDS - start ))" "$found" "$(find "$work/corpus" -type f | wc -l)")")
done
echo
printf '%s\n' "${summary[@]}"
[ "$status" -eq 0 ] || echo "findings are in $build/run/<target>/findings"
exit $status
