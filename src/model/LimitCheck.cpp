#include "model/LimitCheck.h"

#include "foundation/TextCodes.h"

#include <cstdint>

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

bool isUtf8Text(const std::string& text) { return PV::Text::isUtf8(text); }

bool hasOnlyXmlControls(const std::string& text) {
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F) return false;
  }
  return true;
}

void checkModelText(const std::string& text, const char* name, const char* file, int line) {
  if (!isUtf8Text(text)) {
    const std::string expr = std::string(name) + " is UTF-8 text";
    limitFailed(expr.c_str(), file, line);
  }
  if (!hasOnlyXmlControls(text)) {
    const std::string expr = std::string(name) + " holds no control characters but tab, CR and LF";
    limitFailed(expr.c_str(), file, line);
  }
}

}  // namespace Data
}  // namespace PV
