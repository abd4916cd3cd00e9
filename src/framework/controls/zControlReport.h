// How the controls report what their callers got wrong or the system refused (a native
// control that could not be created, a template item that is not there): a line on
// standard error and to the debugger, counted, so that the object can live on empty and a
// test can see that the fault was reported.
#pragma once

#include <cstdint>

// Writes "Control: " and the text as one line; the text is truncated at 255 characters.
void zReportControlFault(const char* format, ...)
#ifdef __MINGW_PRINTF_FORMAT
    __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)))
#endif
    ;
// Reports made since the process began, and the text of the last one ("" before any).
uint32_t zControlFaultCount();
const char* zLastControlFault();
