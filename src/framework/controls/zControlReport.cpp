#include "framework/controls/zControlReport.h"

#include <cstdarg>
#include <cstdio>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {
uint32_t faultCount = 0;
char lastFault[256] = "";
}  // namespace

void zReportControlFault(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vsnprintf(lastFault, sizeof lastFault, format, args);
  va_end(args);
  ++faultCount;
  std::fprintf(stderr, "Control: %s\n", lastFault);
  OutputDebugStringA("Control: ");
  OutputDebugStringA(lastFault);
  OutputDebugStringA("\r\n");
}

uint32_t zControlFaultCount() { return faultCount; }
const char* zLastControlFault() { return lastFault; }
