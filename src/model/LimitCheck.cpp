#include "model/LimitCheck.h"

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

bool isUtf8Text(const std::string& text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char c = p[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    // The shortest form only, no surrogates, nothing above U+10FFFF.
    std::size_t len = 0;
    uint32_t cp = 0;
    uint32_t least = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      len = 2;
      cp = c & 0x1Fu;
      least = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      cp = c & 0x0Fu;
      least = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      cp = c & 0x07u;
      least = 0x10000;
    } else {
      return false;
    }
    if (n - i < len) return false;
    for (std::size_t k = 1; k < len; ++k) {
      const unsigned char t = p[i + k];
      if ((t & 0xC0u) != 0x80u) return false;
      cp = (cp << 6) | (t & 0x3Fu);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += len;
  }
  return true;
}

bool hasOnlyXmlControls(const std::string& text) {
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F) return false;
  }
  return true;
}

namespace {
thread_local int storedTextDepth = 0;
}

StoredTextScope::StoredTextScope() { ++storedTextDepth; }
StoredTextScope::~StoredTextScope() { --storedTextDepth; }
bool StoredTextScope::active() { return storedTextDepth > 0; }

void checkModelText(const std::string& text, const char* name, const char* file, int line) {
  if (!isUtf8Text(text)) {
    const std::string expr = std::string(name) + " is UTF-8 text";
    limitFailed(expr.c_str(), file, line);
  }
  if (!StoredTextScope::active() && !hasOnlyXmlControls(text)) {
    const std::string expr = std::string(name) + " holds no control characters but tab, CR and LF";
    limitFailed(expr.c_str(), file, line);
  }
}

}  // namespace Data
}  // namespace PV
