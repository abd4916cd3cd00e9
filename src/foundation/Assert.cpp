#include "foundation/Assert.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace PV {

void assertionFailed(const char* expr, const char* file, int line) noexcept {
  std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", expr, file, line);
  std::fflush(stderr);
#ifdef _WIN32
  // The runtime's abort() may show a message box in a GUI program; end quietly instead.
  ::TerminateProcess(::GetCurrentProcess(), 3);
#endif
  std::abort();
}

}  // namespace PV
