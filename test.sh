#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice: a normal
# build with warnings as errors, and a build with AddressSanitizer and
# UndefinedBehaviorSanitizer that stops on the first error.  Then the Qt-free
# cores and their tests built for Windows run under Wine
# (scripts/windows_cores.sh).
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
ensure_packages
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

normal="$VEKTUM_ROOT/build/test"
configure_build "$normal" -DCMAKE_BUILD_TYPE=Debug -DVEKTUM_WERROR=ON
cmake --build "$normal" --parallel "$jobs"
ctest --test-dir "$normal" --output-on-failure --parallel "$jobs"

asan="$VEKTUM_ROOT/build/asan"
configure_build "$asan" -DCMAKE_BUILD_TYPE=Debug -DVEKTUM_WERROR=ON -DVEKTUM_SANITIZE=ON
cmake --build "$asan" --parallel "$jobs"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$VEKTUM_ROOT/tests/lsan.supp:print_suppressions=0"
ctest --test-dir "$asan" --output-on-failure --parallel "$jobs"

"$VEKTUM_ROOT/scripts/windows_cores.sh" "$VEKTUM_ROOT/build/mingw-cores"
