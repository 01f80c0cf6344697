# Clang 14 with its own standard library, libc++ (Debian: clang-14,
# libc++-14-dev, libc++abi-14-dev), the library of macOS and of clang-based
# toolchains.  Used by scripts/libcxx_cores.sh for the Qt-free cores and the
# GoogleTest they link; Debian's Qt is built against libstdc++ and cannot be
# linked so.
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_CXX_FLAGS_INIT -stdlib=libc++)
set(CMAKE_EXE_LINKER_FLAGS_INIT -stdlib=libc++)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -stdlib=libc++)
