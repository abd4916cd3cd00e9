#include "model/LimitCheck.h"

namespace PV {
namespace Data {

namespace {
thread_local int checkedDepth = 0;
}

CheckedScope::CheckedScope() { ++checkedDepth; }
CheckedScope::~CheckedScope() { --checkedDepth; }
bool CheckedScope::active() { return checkedDepth > 0; }

void limitFailed(const char* expr, const char* file, int line) {
  if (CheckedScope::active()) throw LimitError(expr);
  ::PV::assertionFailed(expr, file, line);
}

}  // namespace Data
}  // namespace PV
