# What the toolchain can do, found by building and running small programs,
# never by its name.  Each result is a cached yes/no; the formula library
# turns the yes ones into macros of the same name.
#
#   VEKTUM_HAVE_DOUBLE_FROM_CHARS        std::from_chars reads a double, correctly rounded
#   VEKTUM_HAVE_LONG_DOUBLE_FROM_CHARS   std::from_chars reads a long double to its full
#                                        precision and range
#   VEKTUM_EXACT_POW                     std::pow gives the correctly rounded double where
#                                        large exponents magnify its error
#
# A value already in the cache (-D on the command line, or the toolchain file)
# is taken as it is and nothing is checked.  A cross build without an emulator
# cannot run the programs: its toolchain file has to give all three
# (cmake/mingw-w64-x86_64.cmake does).

# vektum_check_capability(<variable> <description> <program>)
# <variable> is ON when <program> compiles, links and exits with 0.
function(vektum_check_capability variable description program)
  if(DEFINED CACHE{${variable}})
    return()
  endif()
  if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    message(FATAL_ERROR "${variable} (${description}) cannot be checked by running a program in this "
                        "cross build: give it in the toolchain file or with -D${variable}=ON|OFF")
  endif()
  set(source ${CMAKE_BINARY_DIR}/CMakeFiles/VektumCapabilities/${variable}.cpp)
  file(WRITE ${source} "${program}")
  try_run(exit_code compiled ${CMAKE_BINARY_DIR}/CMakeFiles/VektumCapabilities/${variable} ${source}
          CXX_STANDARD ${CMAKE_CXX_STANDARD} CXX_STANDARD_REQUIRED ON CXX_EXTENSIONS OFF)
  if(compiled AND exit_code EQUAL 0)
    set(value ON)
  else()
    set(value OFF)
  endif()
  message(STATUS "${description}: ${value}")
  set(${variable} ${value} CACHE BOOL "${description} (found by a check)")
endfunction()

vektum_check_capability(VEKTUM_HAVE_DOUBLE_FROM_CHARS "std::from_chars reads double" [[
#include <charconv>
#include <cstring>
int main()
{
    const char* const texts[] = {"0.1", "2.2250738585072011e-308", "1.7976931348623157e308"};
    const double values[] = {0.1, 2.2250738585072011e-308, 1.7976931348623157e308};
    for (int i = 0; i < 3; ++i) {
        double v = 0;
        const auto r = std::from_chars(texts[i], texts[i] + std::strlen(texts[i]), v);
        if (r.ec != std::errc() || v != values[i])
            return 1;
    }
    return 0;
}
]])

# "0.1" read only to a double's precision differs from 0.1L wherever a long
# double is wider; the largest power of ten is beyond a double's range there.
vektum_check_capability(VEKTUM_HAVE_LONG_DOUBLE_FROM_CHARS "std::from_chars reads long double fully" [[
#include <cfloat>
#include <charconv>
#include <cstdio>
#include <cstring>
int main()
{
    char texts[2][64] = {"0.1", ""};
    const long double values[] = {0.1L, LDBL_MAX};
    std::snprintf(texts[1], sizeof texts[1], "%.*Le", LDBL_DECIMAL_DIG - 1, LDBL_MAX);
    for (int i = 0; i < 2; ++i) {
        long double v = 0;
        const auto r = std::from_chars(texts[i], texts[i] + std::strlen(texts[i]), v);
        if (r.ec != std::errc() || v != values[i])
            return 1;
    }
    return 0;
}
]])

# Correctly rounded results (written exactly, in hexadecimal) of powers whose
# large exponents magnify an error in the logarithm pow works with.
vektum_check_capability(VEKTUM_EXACT_POW "std::pow is correctly rounded for large exponents" [[
#include <cmath>
int main()
{
    volatile double cases[][3] = {{1.0000001, 1e8, 0x1.5829d1d3f9926p+14},
                                  {0.9999999, 1e8, 0x1.7cd78efd2d22ap-15},
                                  {1.0001, 7000.5, 0x1.01c3a375b0699p+1}};
    for (const auto& c : cases)
        if (std::pow(c[0], c[1]) != c[2])
            return 1;
    return 0;
}
]])
