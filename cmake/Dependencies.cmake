# zlib, TNT, GoogleTest and Google Benchmark for the build in hand.

if(CMAKE_CROSSCOMPILING)
  set(ZLIB_USE_STATIC_LIBS ON)  # the programs link statically
endif()
find_package(ZLIB REQUIRED)

# TNT is headers only. Its headers include <tnt/...>; in the cross build the include
# path must not be /usr/include itself (the host's C headers would shadow mingw's),
# so point it at a folder that holds only a link named tnt.
add_library(pv_tnt INTERFACE)
if(CMAKE_CROSSCOMPILING)
  set(PV_TNT_DIR "${CMAKE_BINARY_DIR}/tnt-include")
  file(MAKE_DIRECTORY "${PV_TNT_DIR}")
  if(NOT EXISTS "${PV_TNT_DIR}/tnt")
    file(CREATE_LINK /usr/include/tnt "${PV_TNT_DIR}/tnt" SYMBOLIC)
  endif()
  target_include_directories(pv_tnt SYSTEM INTERFACE "${PV_TNT_DIR}")
endif()

include(CTest)
if(BUILD_TESTING)
  if(CMAKE_CROSSCOMPILING)
    # GoogleTest compiled from Debian's sources with the cross compiler.
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

if(PV_BENCH AND NOT CMAKE_CROSSCOMPILING AND NOT PV_FUZZ)
  find_package(benchmark QUIET)
  if(NOT benchmark_FOUND)
    set(PV_BENCH OFF)
  endif()
endif()
