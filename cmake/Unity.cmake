# Unity builds: every library and test program compiles its C++ sources in batches of
# eight, so that the headers a target's sources share are read once per batch instead of
# once per source; most of a source's compile time here is headers (measured: the Windows
# test build spent two thirds of its time on test sources of a few hundred lines each).
# The sources of one target keep their file-local helpers' names apart for it: two files
# of a target that both define a helper of the same name in an unnamed namespace would
# clash in a batch, so a helper several files need lives once, in a header.
# A source that defines a macro before its first include compiles alone
# (pv_compile_configured_sources_alone, cmake/Precompiled.cmake).
# PV_UNITY=OFF compiles every source alone, e.g. to check that a source includes what it
# uses.
option(PV_UNITY "Compile each target's sources in batches (unity build)" ON)
set(CMAKE_UNITY_BUILD ${PV_UNITY})

# Called once all libraries are defined: their configured sources compile alone.
function(pv_unity_libraries)
  if(NOT PV_UNITY)
    return()
  endif()
  pv_libraries_below(${CMAKE_SOURCE_DIR} libs)
  foreach(lib ${libs})
    pv_compile_configured_sources_alone(${lib})
  endforeach()
endfunction()
