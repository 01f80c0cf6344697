# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# so std::thread and std::mutex work).  Used by windows.sh for the minimal Qt
# and the program, and by test.sh for the Qt-free cores.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VEKTUM_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VEKTUM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VEKTUM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VEKTUM_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW sysroot (and from whatever the
# caller adds to CMAKE_FIND_ROOT_PATH, such as the cross-built Qt); programs
# run on the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VEKTUM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# What the standard library can do (cmake/VektumCapabilities.cmake), which a
# cross build cannot find out by running a program.  MinGW-w64's from_chars
# reads a double correctly but a long double only to a double's precision and
# range; its pow goes astray for large exponents (1.0000001^1e8 comes out
# 5.6e-10 too small, ten thousand units in the last place).  -D on the command
# line overrides these defaults.
set(VEKTUM_HAVE_DOUBLE_FROM_CHARS ON CACHE BOOL "std::from_chars reads double (MinGW-w64: yes)")
set(VEKTUM_HAVE_LONG_DOUBLE_FROM_CHARS OFF CACHE BOOL "std::from_chars reads long double fully (MinGW-w64: no)")
set(VEKTUM_EXACT_POW OFF CACHE BOOL "std::pow is correctly rounded for large exponents (MinGW-w64: no)")
