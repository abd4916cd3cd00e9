#include "framework/core/zSystemEntry.h"

#include <string>

#include "foundation/Assert.h"

namespace {

void reportByAssertion(const char* procedure, const char* text) {
  const std::string what = std::string("no exception escapes a window procedure (") + procedure + ": " + text + ")";
  PV::assertionFailed(what.c_str(), __FILE__, __LINE__);
}

ziEscapeReporter reporter = nullptr;

}  // namespace

ziEscapeReporter ziSetEscapeReporter(ziEscapeReporter next) {
  const ziEscapeReporter previous = reporter;
  reporter = next;
  return previous;
}

void ziReportEscape(const char* procedure, const char* text) noexcept {
  // Building the report may throw (no memory): the assertion's plain form is left then.
  try {
    if (reporter) {
      reporter(procedure, text ? text : "");
      return;
    }
    reportByAssertion(procedure, text ? text : "");
  } catch (...) {
    PV::assertionFailed("no exception escapes a window procedure", __FILE__, __LINE__);
  }
}
