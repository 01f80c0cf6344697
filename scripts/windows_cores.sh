#!/usr/bin/env bash
# Cross-compiles the Qt-free cores (VEKTUM_CORES in CMakeLists.txt) and their
# GoogleTests for 64-bit Windows with MinGW-w64 and runs them under Wine
# through CTest, so that the cores stay portable.  GoogleTest itself is built
# once from Debian's source (build_googletest) into the build tree.
#
#   scripts/windows_cores.sh [build dir]      (default build/mingw-cores)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages g++-mingw-w64-x86-64-posix googletest wine64 wine

build=${1:-$VEKTUM_ROOT/build/mingw-cores}
toolchain=$VEKTUM_ROOT/cmake/mingw-w64-x86_64.cmake
jobs=${VEKTUM_JOBS:-$(nproc)}
gtest=$build/googletest

# Static runtime: the test programs run under Wine without DLLs beside them.
static=(-DCMAKE_EXE_LINKER_FLAGS=-static)

build_googletest "$gtest/build" "$gtest/install" -DCMAKE_TOOLCHAIN_FILE="$toolchain" "${static[@]}"

configure_build "$build/cores" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Debug \
    -DVEKTUM_WERROR=ON -DVEKTUM_CORES_ONLY=ON "${static[@]}" \
    -DCMAKE_FIND_ROOT_PATH="$gtest/install" -DGTest_DIR="$gtest/install/lib/cmake/GTest" \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine
cmake --build "$build/cores" --parallel "$jobs"

# A Wine prefix of its own, made once, without the dialogue Wine shows at its
# first start; no display is needed.
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
[ -d "$WINEPREFIX" ] || DISPLAY= wineboot --init >/dev/null 2>&1
wineserver -p 30 || true   # one Wine server for all the tests, not one started per test
DISPLAY= wine cmd /c exit >/dev/null 2>&1 || true   # its services up before tests start side by side
# Wine now and then leaves a finished program hanging at its exit: such a run
# is cut after two minutes and made once more.
DISPLAY= ctest --test-dir "$build/cores" --output-on-failure --parallel "$jobs" --timeout 120 \
               --repeat after-timeout:2
wineserver -k 2>/dev/null || true
