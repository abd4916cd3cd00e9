#include "foundation/CommandLineWords.h"

namespace PV {
namespace CommandLine {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string afterProgramName(const std::string& line) {
  size_t at = 0;
  const size_t n = line.size();
  if (n > 0 && line[0] == '"') {
    at = line.find('"', 1);
    at = at == std::string::npos ? n : at + 1;
  } else {
    while (at < n && !isBlank(line[at])) ++at;
  }
  while (at < n && isBlank(line[at])) ++at;
  return line.substr(at);
}

std::vector<std::string> splitArguments(const std::string& text, bool* unclosed) {
  std::vector<std::string> words;
  const size_t n = text.size();
  size_t at = 0;
  bool quoted = false;
  while (true) {
    while (at < n && isBlank(text[at])) ++at;
    if (at >= n) break;
    // A word has begun: it ends at a blank outside quotes or at the end of the text.
    std::string word;
    while (at < n && (quoted || !isBlank(text[at]))) {
      size_t slashes = 0;
      while (at < n && text[at] == '\\') {
        ++slashes;
        ++at;
      }
      if (at < n && text[at] == '"') {
        word.append(slashes / 2, '\\');
        if (slashes % 2 == 1) {
          word += '"';
        } else if (quoted && at + 1 < n && text[at + 1] == '"') {
          word += '"';
          ++at;
        } else {
          quoted = !quoted;
        }
        ++at;
      } else {
        word.append(slashes, '\\');
        if (at < n && (quoted || !isBlank(text[at]))) word += text[at++];
      }
    }
    words.push_back(word);
  }
  if (unclosed) *unclosed = quoted;
  return words;
}

}  // namespace CommandLine
}  // namespace PV
