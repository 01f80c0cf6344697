# Compiler settings of every target, for each compiler in its own spelling.
#
#   vektum_build_settings   warnings (as errors with VEKTUM_WERROR), the
#                           source character set and, with VEKTUM_SANITIZE, the
#                           sanitizers; linked into every target below the top
#                           folder through link_libraries().
#   vektum_exact_float      floating-point expressions evaluated as written:
#                           every product is rounded before it is added, no
#                           fused multiply-add on any compiler.
add_library(vektum_build_settings INTERFACE)
add_library(vektum_exact_float INTERFACE)

if(MSVC)
  # Sources are UTF-8 (Russian literals in the cores); MSVC reads them in the
  # system's code page unless told.  No sanitizers: MSVC's AddressSanitizer
  # lacks the undefined-behaviour checks the other builds rely on.
  target_compile_options(vektum_build_settings INTERFACE /W4 /utf-8 /permissive- /Zc:__cplusplus
                                                         $<$<BOOL:${VEKTUM_WERROR}>:/WX>)
  # /fp:precise contracts nothing unless /fp:contract or /fp:fast is given.
  target_compile_options(vektum_exact_float INTERFACE /fp:precise)
  if(VEKTUM_SANITIZE)
    message(WARNING "VEKTUM_SANITIZE is ignored with MSVC")
  endif()
else()
  target_compile_options(vektum_build_settings INTERFACE -Wall -Wextra -Wpedantic
                                                         $<$<BOOL:${VEKTUM_WERROR}>:-Werror>)
  target_compile_options(vektum_exact_float INTERFACE -ffp-contract=off)
  if(VEKTUM_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
    target_compile_options(vektum_build_settings INTERFACE ${sanitizers} -fno-omit-frame-pointer)
    target_link_options(vektum_build_settings INTERFACE ${sanitizers})
  endif()
endif()
