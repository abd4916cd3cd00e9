#include "app/program/OptionParser.h"

#include "foundation/Assert.h"

namespace PV {
namespace Util {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
const std::string kNoArgument;
}  // namespace

std::vector<std::string> splitCommandLine(const std::string& text, bool* unclosed) {
  std::vector<std::string> words;
  bool open = false;
  size_t at = 0;
  const size_t n = text.size();
  while (at < n) {
    while (at < n && isBlank(text[at])) ++at;
    if (at >= n) break;
    if (text[at] == '"') {
      const size_t close = text.find('"', at + 1);
      if (close == std::string::npos) {
        // An open quote runs to the end of the line rather than losing the word.
        words.push_back(text.substr(at + 1));
        open = true;
        at = n;
      } else {
        words.push_back(text.substr(at + 1, close - at - 1));
        at = close + 1;
      }
    } else {
      size_t end = at;
      while (end < n && !isBlank(text[end])) ++end;
      words.push_back(text.substr(at, end - at));
      at = end;
    }
  }
  if (unclosed) *unclosed = open;
  return words;
}

Options::Options(const std::vector<OptionsSpec>& specs, const char* commandLine) : opts_(specs) {
  PV_ASSERT(!opts_.empty());
  if (commandLine && *commandLine) parseText(commandLine);
}

Options::Options(const std::vector<OptionsSpec>& specs, int argc, const char* const* argv) : opts_(specs) {
  PV_ASSERT(!opts_.empty());
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) words.emplace_back(argv[i] ? argv[i] : "");
  parseWords(words);
}

void Options::parseText(const std::string& text) { parseWords(splitCommandLine(text, &unclosedQuote_)); }

void Options::parseWords(const std::vector<std::string>& words) {
  int32_t pendingBinary = -1;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (pendingBinary >= 0) {
      opts_[pendingBinary].arg = word;
      pendingBinary = -1;
      continue;
    }
    const int32_t index = find(word);
    if (index < 0) {
      if (i == 0) fileName_ = word;
      continue;
    }
    OptionsSpec& spec = opts_[index];
    if (spec.present) repeated_.push_back(word);
    spec.present = true;
    if (spec.type == OptionsSpec::BINARY) {
      spec.arg.clear();  // a repeated option takes its last argument
      pendingBinary = index;
    }
  }
}

int32_t Options::find(const std::string& name) const {
  if (name.empty()) return -1;
  for (size_t i = 0; i < opts_.size(); ++i) {
    if (name == opts_[i].name) return static_cast<int32_t>(i);
  }
  return -1;
}

bool Options::isPresent(const char* name, int32_t* position) const {
  const int32_t index = name ? find(name) : -1;
  if (position) *position = index;
  return index >= 0 && opts_[index].present;
}

const std::string& Options::argument(const char* name) const {
  const int32_t index = find(name ? name : "");
  if (index < 0 || opts_[index].type != OptionsSpec::BINARY) return kNoArgument;
  return opts_[index].arg;
}

}  // namespace Util
}  // namespace PV
