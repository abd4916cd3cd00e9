# Precompiled headers: the headers that were most of a source's compile time, parsed once.
#
#   Test programs of the Windows build (pv_add_test calls pv_precompile_test_headers):
#     GoogleTest's header and <windows.h> (which GoogleTest's header includes there), with
#     NOMINMAX as the framework has it, from a header precompiled once for all of them.
#   Window libraries (pv_precompile_window_libraries, after all libraries are defined):
#     every library that links the window framework and has a few C++ sources takes
#     <windows.h> from the header precompiled for the framework itself.
# A new suite or library gets them without a line of its own. A source that defines a macro
# before its first include (such as OEMRESOURCE for <windows.h>) keeps compiling its headers
# itself, since the macro is meant for them. PV_PCH=OFF compiles every header in every
# source again, e.g. to check that a source includes what it uses.
# Under ccache (the developers' builds) they are off by default: ccache caches no compile
# that reads a precompiled header unless told to be sloppy about it, and its cache already
# spares the headers' cost; the test command builds from nothing, without ccache.
if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
  set(pv_pch_default OFF)
else()
  set(pv_pch_default ON)
endif()
option(PV_PCH "Precompile the headers that test programs and window libraries all include"
       ${pv_pch_default})

# Marks TARGET's C++ sources that define a macro before their first include: they compile
# their headers themselves, since the macro is meant for them, and alone, since in a unity
# batch a source before them would have included those headers already.
function(pv_compile_configured_sources_alone target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(dir ${target} SOURCE_DIR)
  foreach(src ${sources})
    if(NOT src MATCHES "\\.(cpp|cc|cxx)$")
      continue()
    endif()
    get_filename_component(path "${src}" ABSOLUTE BASE_DIR "${dir}")
    if(NOT EXISTS "${path}")
      continue()
    endif()
    file(READ "${path}" text LIMIT 4096)
    string(FIND "${text}" "#include" first_include)
    string(FIND "${text}" "#define" first_define)
    if(first_define GREATER_EQUAL 0 AND (first_include LESS 0 OR first_define LESS first_include))
      set_source_files_properties("${path}" TARGET_DIRECTORY ${target}
                                  PROPERTIES SKIP_PRECOMPILE_HEADERS ON
                                             SKIP_UNITY_BUILD_INCLUSION ON)
    endif()
  endforeach()
endfunction()

# The owner of a precompiled header that test programs reuse: an object library of one
# empty source, compiled with the flags every test program has (GoogleTest's included).
function(pv_test_pch_owner owner)
  if(TARGET ${owner})
    return()
  endif()
  set(src "${CMAKE_BINARY_DIR}/${owner}.cpp")
  if(NOT EXISTS "${src}")
    file(WRITE "${src}" "// The precompiled header's owner; it compiles nothing of its own.\n")
  endif()
  add_library(${owner} OBJECT "${src}")
  target_link_libraries(${owner} PRIVATE GTest::gtest)
  target_precompile_headers(${owner} PRIVATE ${ARGN})
endfunction()

# Test program NAME, in the Windows build, reuses the test programs' precompiled header.
function(pv_precompile_test_headers name)
  # Only in the Windows build: elsewhere GoogleTest's header alone costs a test source too
  # little for a precompiled one to pay off (measured: no gain); under mingw it includes
  # <windows.h>, which costs a source about half its time.
  if(NOT PV_PCH OR NOT WIN32)
    return()
  endif()
  if(NOT TARGET pv_test_pch_win)
    pv_test_pch_owner(pv_test_pch_win <gtest/gtest.h> <windows.h>)
    target_compile_definitions(pv_test_pch_win PRIVATE NOMINMAX)
  endif()
  target_compile_definitions(${name} PRIVATE NOMINMAX)
  target_precompile_headers(${name} REUSE_FROM pv_test_pch_win)
endfunction()

# True in OUT when TARGET links pv_framework, directly or through its libraries.
function(pv_links_framework target out)
  set(seen "")
  set(todo ${target})
  set(found FALSE)
  while(todo)
    list(POP_FRONT todo t)
    if(t IN_LIST seen OR NOT TARGET ${t})
      continue()
    endif()
    list(APPEND seen ${t})
    if(t STREQUAL "pv_framework")
      set(found TRUE)
      break()
    endif()
    get_target_property(imported ${t} IMPORTED)
    if(imported)
      continue()
    endif()
    get_target_property(libs ${t} LINK_LIBRARIES)
    if(libs)
      foreach(lib ${libs})
        string(REGEX REPLACE "^\\$<\\$<TARGET_EXISTS:([^>]+)>:([^>]+)>$" "\\2" lib "${lib}")
        list(APPEND todo ${lib})
      endforeach()
    endif()
  endwhile()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# The static and object libraries defined in DIR and the folders below it.
function(pv_libraries_below dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  set(libs "")
  foreach(t ${targets})
    get_target_property(type ${t} TYPE)
    if(type STREQUAL "STATIC_LIBRARY" OR type STREQUAL "OBJECT_LIBRARY")
      list(APPEND libs ${t})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    pv_libraries_below(${sub} more)
    list(APPEND libs ${more})
  endforeach()
  set(${out} ${libs} PARENT_SCOPE)
endfunction()

# Called once all libraries are defined, before the tests.
function(pv_precompile_window_libraries)
  if(NOT PV_PCH OR NOT WIN32 OR NOT TARGET pv_framework)
    return()
  endif()
  pv_libraries_below(${CMAKE_SOURCE_DIR} libs)
  # The framework owns the header: its flags are those of every library that links it
  # (NOMINMAX; the include folders don't change what <windows.h> means).
  target_precompile_headers(pv_framework PRIVATE <windows.h>)
  pv_compile_configured_sources_alone(pv_framework)
  foreach(lib ${libs})
    get_target_property(sources ${lib} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    list(LENGTH sources count)
    if(lib STREQUAL "pv_framework" OR count LESS 4)
      continue()
    endif()
    pv_links_framework(${lib} windowed)
    if(windowed)
      target_precompile_headers(${lib} REUSE_FROM pv_framework)
      pv_compile_configured_sources_alone(${lib})
    endif()
  endforeach()
endfunction()
