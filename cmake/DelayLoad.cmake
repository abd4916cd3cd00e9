# Delay-loaded system libraries for a Windows program.
#
#   pv_delay_load(TARGET LIB...)
#
# Links TARGET so that each LIB (a system library named as the link line names it,
# e.g. comctl32) is loaded at the first call into it rather than when the process
# starts. Under Wine, starting a DLL costs far more than on Windows: the common
# controls register their classes and start the theme library, the common dialogs
# bring the print spooler, OLE its runtime; a batch run that never opens a window
# would pay for all of them before its first line. Only the program is linked so:
# its tests keep the ordinary imports.
#
# For each LIB a delay-load import library is made from the toolchain's own import
# library (every function it names, so a function the program starts to use later
# needs no list kept here) and put in a folder searched before the system one, under
# the same name: every -lLIB on the program's link line, its libraries' included,
# then takes the delay-load form. The helper that loads the DLL at the first call
# comes with the toolchain's runtime.
set(PV_DELAY_LOAD_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/MakeDelayLib.cmake")

function(pv_delay_load target)
  if(NOT WIN32)
    return()
  endif()
  get_filename_component(tool_dir "${CMAKE_C_COMPILER}" DIRECTORY)
  string(REGEX REPLACE "-gcc(-posix|-win32)?$" "" tool_prefix "${CMAKE_C_COMPILER}")
  set(dlltool "${tool_prefix}-dlltool")
  set(nm "${tool_prefix}-nm")
  set(objcopy "${tool_prefix}-objcopy")
  set(ar "${tool_prefix}-ar")
  set(dir "${CMAKE_CURRENT_BINARY_DIR}/delayload")
  set(outputs "")
  foreach(lib IN LISTS ARGN)
    find_library(PV_IMPORT_LIB_${lib} NAMES ${lib} REQUIRED)
    set(out "${dir}/lib${lib}.a")
    add_custom_command(
      OUTPUT "${out}"
      COMMAND "${CMAKE_COMMAND}" -DNM=${nm} -DDLLTOOL=${dlltool} -DOBJCOPY=${objcopy} -DAR=${ar}
              "-DIMPORT_LIB=${PV_IMPORT_LIB_${lib}}"
              -DDLL=${lib}.dll -DPROCESSOR=${CMAKE_SYSTEM_PROCESSOR} "-DOUTPUT=${out}" -P "${PV_DELAY_LOAD_SCRIPT}"
      DEPENDS "${PV_IMPORT_LIB_${lib}}" "${PV_DELAY_LOAD_SCRIPT}"
      COMMENT "Delay-load import library for ${lib}.dll"
      VERBATIM)
    list(APPEND outputs "${out}")
  endforeach()
  add_custom_target(${target}_delayload DEPENDS ${outputs})
  add_dependencies(${target} ${target}_delayload)
  target_link_directories(${target} PRIVATE "${dir}")
  # The link must also be redone when a delay-load library is.
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${outputs})
endfunction()
