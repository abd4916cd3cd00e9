// The always-on assertion of the whole system: contract checks stay in the shipped
// program. A failure prints "Assertion failed: <expr>, file <file>, line <n>" to
// standard error and ends the process at once. It never opens a message box: a
// window waiting for a click would hang a batch run or a test.
#pragma once

namespace PV {
[[noreturn]] void assertionFailed(const char* expr, const char* file, int line) noexcept;
}

#define PV_ASSERT(expr) ((expr) ? static_cast<void>(0) : ::PV::assertionFailed(#expr, __FILE__, __LINE__))
