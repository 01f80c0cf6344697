# Compiler settings of every target, in the spelling of GCC and Clang (the
# compilers the project is built with: GCC, Clang, MinGW-w64's GCC).
#
#   vektum_build_settings   warnings (as errors with VEKTUM_WERROR) and, with
#                           VEKTUM_SANITIZE, the sanitizers; linked into every
#                           target below the top folder through link_libraries().
#   vektum_exact_float      floating-point expressions evaluated as written:
#                           every product is rounded before it is added, no
#                           fused multiply-add.
add_library(vektum_build_settings INTERFACE)
add_library(vektum_exact_float INTERFACE)

target_compile_options(vektum_build_settings INTERFACE -Wall -Wextra -Wpedantic
                                                       $<$<BOOL:${VEKTUM_WERROR}>:-Werror>)
target_compile_options(vektum_exact_float INTERFACE -ffp-contract=off)
if(VEKTUM_SANITIZE)
  set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
  target_compile_options(vektum_build_settings INTERFACE ${sanitizers} -fno-omit-frame-pointer)
  target_link_options(vektum_build_settings INTERFACE ${sanitizers})
endif()
