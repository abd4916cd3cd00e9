// Probing a setter's limit check without ending the test program: inside a checked
// scope a failed check throws instead of ending the process.
#pragma once

#include "model/LimitCheck.h"

#include <string>

namespace PV {
namespace Test {

// The text of the failed check, or "" when the call passed its checks.
template <class F>
std::string failedCheck(F call) {
  PV::Data::CheckedScope scope;
  try {
    call();
  } catch (const PV::Data::LimitError& e) {
    return e.expression();
  }
  return "";
}

}  // namespace Test
}  // namespace PV
