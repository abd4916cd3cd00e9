# Compiler flags shared by both builds.
# -ffp-contract=off (and never -ffast-math) keeps the solver's arithmetic identical
# in both builds; the i686 build adds SSE2 maths in the toolchain file, since x87
# arithmetic would change the last bits of the rankings.
add_compile_options(-Wall -Wextra -ffp-contract=off)

if(PV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(PV_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "PV_FUZZ needs clang")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
