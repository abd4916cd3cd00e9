# Helpers for tests, fuzz targets and benchmarks.
#
#   pv_add_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [TIMEOUT s] [GUI])
#     one test program (GoogleTest with its main), one CTest entry: under Wine each
#     process costs a start-up, so a program holds many cases. GUI programs run one at a
#     time (they share the desktop's focus and foreground window). The program is compiled
#     with PV_TEST_DATA_DIR (tests/data) and PV_TEST_OUT_DIR (a folder of its own in the
#     build tree, the only place it may write to).
#     Its sources compile in unity batches (cmake/Unity.cmake); in the Windows build they
#     take GoogleTest's header and <windows.h> precompiled (cmake/Precompiled.cmake).
#   pv_add_fuzzer(name SOURCES f.cpp LIBS lib1 [CORPUS dir])   clang, PV_FUZZ=ON only;
#     the target pv_fuzzers builds them all
#   pv_add_benchmark(name SOURCES b.cpp LIBS lib1)           native only
include(${CMAKE_CURRENT_LIST_DIR}/Precompiled.cmake)

function(pv_add_test name)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(PV_FUZZ)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  pv_compile_configured_sources_alone(${name})  # unity batches (cmake/Unity.cmake)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gtest)
  # PV_TEST_OUT_DIR: a folder of the build tree for the files a test writes, so that a
  # test started by hand from anywhere (the source tree included) writes nowhere else.
  set(T_OUT_DIR "${CMAKE_CURRENT_BINARY_DIR}/${name}.out")
  file(MAKE_DIRECTORY "${T_OUT_DIR}")
  target_compile_definitions(${name} PRIVATE PV_TEST_DATA_DIR="${PV_TEST_DATA_DIR}"
                                             PV_TEST_OUT_DIR="${T_OUT_DIR}")
  if(T_GUI AND WIN32)
    set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE OFF)
  endif()
  pv_precompile_test_headers(${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set(T_ENVIRONMENT "PV_TEST_DATA_DIR=${PV_TEST_DATA_DIR}")
  if(WIN32)
    # Wine's mail library reports success while nothing is sent and hands a mailto link
    # to the desktop: every Windows test runs as on a machine without a mail library, so
    # no test can send mail.
    list(APPEND T_ENVIRONMENT "WINEDLLOVERRIDES=mapi32=d")
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
                       ENVIRONMENT "${T_ENVIRONMENT}")
  if(T_GUI AND WIN32)
    # GUI programs share one desktop: keyboard focus, the foreground window and tracked
    # menus are the desktop's, so two of them running at once take each other's keys and
    # activations. They run one at a time; the other tests still run beside them.
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK pv_desktop)
  endif()
endfunction()

function(pv_add_fuzzer name)
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(NOT PV_FUZZ)
    return()
  endif()
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  # pv_fuzzers builds every fuzz target and only the libraries they link.
  if(NOT TARGET pv_fuzzers)
    add_custom_target(pv_fuzzers)
  endif()
  add_dependencies(pv_fuzzers ${name})
  set_property(GLOBAL APPEND PROPERTY PV_FUZZERS "${name}|${F_CORPUS}")
endfunction()

function(pv_add_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT PV_BENCH OR CMAKE_CROSSCOMPILING OR PV_FUZZ)
    return()
  endif()
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
  # Benchmarks share the tests' helpers, so they know the same folders.
  set(B_OUT_DIR "${CMAKE_CURRENT_BINARY_DIR}/${name}.out")
  file(MAKE_DIRECTORY "${B_OUT_DIR}")
  target_compile_definitions(${name} PRIVATE PV_TEST_DATA_DIR="${PV_TEST_DATA_DIR}"
                                             PV_TEST_OUT_DIR="${B_OUT_DIR}")
endfunction()
