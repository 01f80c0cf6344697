#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice: a normal
# build with warnings as errors, and a build with AddressSanitizer and
# UndefinedBehaviorSanitizer that stops on the first error.  Then the Qt-free
# cores and their tests are built with clang and libc++ and run
# (scripts/libcxx_cores.sh), and built for Windows and run under Wine
# (scripts/windows_cores.sh).
#
#   ./test.sh                  both builds, the cores with libc++ and under Wine (what CI runs)
#   ./test.sh --quick [REGEX]  the normal build only, for the edit-test loop;
#                              with REGEX, only the tests whose names match it
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

quick=false
filter=()
case "${1:-}" in
    --quick)
        quick=true
        [ -n "${2:-}" ] && filter=(-R "$2" --no-tests=error)
        [ $# -le 2 ] || { echo "usage: $0 [--quick [REGEX]]" >&2; exit 2; }
        ;;
    "") ;;
    -h|--help) sed -n '2,11s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"; exit 0 ;;
    *) echo "usage: $0 [--quick [REGEX]]" >&2; exit 2 ;;
esac

ensure_packages
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

normal="$VEKTUM_ROOT/build/test"
configure_build "$normal" -DCMAKE_BUILD_TYPE=Debug -DVEKTUM_WERROR=ON
cmake --build "$normal" --parallel "$jobs"
ctest --test-dir "$normal" --output-on-failure --parallel "$jobs" "${filter[@]}"
$quick && exit 0

asan="$VEKTUM_ROOT/build/asan"
configure_build "$asan" -DCMAKE_BUILD_TYPE=Debug -DVEKTUM_WERROR=ON -DVEKTUM_SANITIZE=ON
cmake --build "$asan" --parallel "$jobs"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$VEKTUM_ROOT/tests/lsan.supp:print_suppressions=0"
ctest --test-dir "$asan" --output-on-failure --parallel "$jobs"

"$VEKTUM_ROOT/scripts/libcxx_cores.sh" "$VEKTUM_ROOT/build/libcxx-cores"

"$VEKTUM_ROOT/scripts/windows_cores.sh" "$VEKTUM_ROOT/build/mingw-cores"
