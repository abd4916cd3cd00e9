#include "app/services/BoxText.h"

namespace PV {
namespace Util {

namespace {

// A line that begins with a path or a file name ("c:\\models\\plan.xpv", "/home/a/b.xpv")
// is a line of its own, whatever its first letter: its first word holds a separator.
bool startsWithPath(const std::string& text, std::string::size_type at) {
  for (; at < text.size() && text[at] != ' ' && text[at] != '\n'; ++at) {
    const char c = text[at];
    if (c == '\\' || c == '/' || c == ':') return true;
  }
  return false;
}

}  // namespace

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
    const bool goesOn = ((next >= 'a' && next <= 'z') || next == '(') && !startsWithPath(text, i + 1);
    // A colon at the end of a line announces what follows on its own line.
    std::string::size_type last = out.find_last_not_of(' ');
    const bool announces = last != std::string::npos && out[last] == ':';
    const bool afterText = !out.empty() && out.back() != '\n' && !announces;
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
