# Runs PROGRAM (through EMULATOR when set) and checks that it ended with a failure
# status and printed the exact assertion line: EXPECTED (a regular expression) when
# given, else the assertion probe's own.
set(cmd ${PROGRAM})
if(EMULATOR)
  set(cmd ${EMULATOR} ${PROGRAM})
endif()
execute_process(COMMAND ${cmd} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
string(APPEND out "${err}")
if(rc EQUAL 0 OR rc MATCHES "timeout")
  message(FATAL_ERROR "expected the program to end with a failure, got '${rc}':\n${out}")
endif()
if(NOT EXPECTED)
  set(EXPECTED "Assertion failed: argc == 0, file [^\n]*AssertProbe\\.cpp, line 7\r?\n")
endif()
if(NOT out MATCHES "${EXPECTED}")
  message(FATAL_ERROR "assertion line missing or wrong:\n${out}")
endif()
message(STATUS "ended with '${rc}': ${out}")
