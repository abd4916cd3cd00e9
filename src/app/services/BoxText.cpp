#include "app/services/BoxText.h"

namespace PV {
namespace Util {

std::string flowedBoxText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::string::size_type i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\n') {
      out += c;
      continue;
    }
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    const bool goesOn = (next >= 'a' && next <= 'z') || next == '(';
    const bool afterText = !out.empty() && out.back() != '\n';
    if (!goesOn || !afterText) {
      out += c;
      continue;
    }
    // One blank where the two lines meet.
    while (!out.empty() && out.back() == ' ') out.pop_back();
    out += ' ';
  }
  return out;
}

}  // namespace Util
}  // namespace PV
