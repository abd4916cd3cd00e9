# Makes a delay-load import library from an ordinary one (see DelayLoad.cmake).
#   cmake -DNM=.. -DDLLTOOL=.. -DOBJCOPY=.. -DAR=.. -DIMPORT_LIB=.. -DDLL=name.dll -DPROCESSOR=.. -DOUTPUT=..
#         -P MakeDelayLib.cmake
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
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^.* T " "" name "${line}")
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

# On 32-bit x86 the linker writes the delay-load address table that dlltool puts in the
# import sections (.idata$N) as zeros: each function's slot, which must hold the address
# of its loading thunk until the first call, then sends that call to address 0. The
# tables are moved into data sections of their own, whose contents the linker keeps.
# Those sort by section name only, so the name also carries the member's place: the
# head's entry first (the table's start, which the descriptor names), then the
# functions', then the tail's terminator.
if(NOT PROCESSOR MATCHES "^(i.86|x86)$")
  return()
endif()
get_filename_component(lib "${DLL}" NAME_WE)
set(work "${OUTPUT}.members")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
execute_process(COMMAND "${AR}" t "${OUTPUT}" OUTPUT_VARIABLE members RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${AR} cannot list ${OUTPUT}")
endif()
string(REGEX MATCHALL "[^\n]+" members "${members}")
execute_process(COMMAND "${AR}" x "${OUTPUT}" WORKING_DIRECTORY "${work}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${AR} cannot unpack ${OUTPUT}")
endif()
foreach(member IN LISTS members)
  if(member MATCHES "_h\\.o$")
    set(place a)
  elseif(member MATCHES "_t\\.o$")
    set(place c)
  else()
    set(place b)
  endif()
  set(renames "")
  foreach(n 2 3 4 5 6 7)
    list(APPEND renames --rename-section ".idata$${n}=.data$pvdelay_${lib}_${n}${place}")
  endforeach()
  execute_process(COMMAND "${OBJCOPY}" ${renames} "${member}" WORKING_DIRECTORY "${work}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${OBJCOPY} cannot move the tables of ${member}")
  endif()
endforeach()
file(REMOVE "${OUTPUT}")
execute_process(COMMAND "${AR}" rcs "${OUTPUT}" ${members} WORKING_DIRECTORY "${work}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${AR} cannot write ${OUTPUT}")
endif()
file(REMOVE_RECURSE "${work}")
