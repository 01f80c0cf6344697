#!/usr/bin/env bash
# Builds the Qt-free cores (VEKTUM_CORES in CMakeLists.txt) and their
# GoogleTests with clang and its standard library, libc++ (that of macOS and
# of clang-based toolchains), and runs them through CTest, so that the cores
# stay portable beyond libstdc++.  Debian's GoogleTest library is built
# against libstdc++: GoogleTest is built once from Debian's source
# (build_googletest) with the same compiler and library into the build tree.
#
#   scripts/libcxx_cores.sh [build dir]      (default build/libcxx-cores)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages clang-14 libc++-14-dev libc++abi-14-dev googletest

build=${1:-$VEKTUM_ROOT/build/libcxx-cores}
toolchain=$VEKTUM_ROOT/cmake/clang-libcxx.cmake
jobs=${VEKTUM_JOBS:-$(nproc)}
gtest=$build/googletest

build_googletest "$gtest/build" "$gtest/install" -DCMAKE_TOOLCHAIN_FILE="$toolchain"

configure_build "$build/cores" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Debug \
    -DVEKTUM_WERROR=ON -DVEKTUM_CORES_ONLY=ON -DGTest_DIR="$gtest/install/lib/cmake/GTest"
cmake --build "$build/cores" --parallel "$jobs"
ctest --test-dir "$build/cores" --output-on-failure --parallel "$jobs"
