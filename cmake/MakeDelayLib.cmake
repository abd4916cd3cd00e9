# Makes a delay-load import library from an ordinary one (see DelayLoad.cmake).
#   cmake -DNM=.. -DDLLTOOL=.. -DIMPORT_LIB=.. -DDLL=name.dll -DPROCESSOR=.. -DOUTPUT=.. -P MakeDelayLib.cmake
execute_process(COMMAND "${NM}" --defined-only -g "${IMPORT_LIB}" OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} cannot read ${IMPORT_LIB}")
endif()
# Every call thunk of the import library names one function (its __imp_ pointer is
# the data symbol beside it). On 32-bit x86 a C name carries a leading underscore
# and the stdcall size (_Name@8): the definition file takes the name without the
# underscore, and dlltool's --kill-at imports it from the DLL without the size.
string(REGEX MATCHALL "[^\n]+ T [^\n]+" lines "${symbols}")
set(names "")
set(thunks "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^.* T " "" name "${line}")
  list(APPEND thunks "${name}")
  if(PROCESSOR MATCHES "^(i.86|x86)$" AND name MATCHES "^_")
    # One underscore only: a function may have one of its own (_TrackMouseEvent).
    string(SUBSTRING "${name}" 1 -1 name)
  endif()
  list(APPEND names "${name}")
endforeach()
list(REMOVE_DUPLICATES names)
list(LENGTH names count)
if(count EQUAL 0)
  message(FATAL_ERROR "${IMPORT_LIB} names no functions")
endif()
list(JOIN names "\n  " exports)
get_filename_component(dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
set(def "${OUTPUT}.def")
file(WRITE "${def}" "LIBRARY ${DLL}\nEXPORTS\n  ${exports}\n")
set(kill_at "")
if(PROCESSOR MATCHES "^(i.86|x86)$")
  set(kill_at --kill-at)
endif()
execute_process(COMMAND "${DLLTOOL}" ${kill_at} --input-def "${def}" --dllname "${DLL}" --output-delaylib "${OUTPUT}"
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${DLLTOOL} cannot make ${OUTPUT}")
endif()
# The 32-bit linker drops the call thunk of an import that the program reaches only
# through its __imp_ pointer, as every call declared for import does, and leaves the
# pointer 0. A delay-load pointer starts at its thunk, which loads the DLL: without it
# the first call jumps to 0. The script the program links (OUTPUT.keep.ld) names every
# thunk as needed, so each stays.
if(PROCESSOR MATCHES "^(i.86|x86)$")
  list(REMOVE_DUPLICATES thunks)
  list(TRANSFORM thunks PREPEND "\"")
  list(TRANSFORM thunks APPEND "\"")
  list(JOIN thunks "\n  " needed)
  file(WRITE "${OUTPUT}.keep.ld" "EXTERN(\n  ${needed}\n)\n")
endif()
