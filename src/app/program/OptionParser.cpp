#include "app/program/OptionParser.h"

#include "foundation/Assert.h"
#include "foundation/CommandLineWords.h"

namespace PV {
namespace Util {

namespace {
const std::string kNoArgument;
}  // namespace

std::vector<std::string> splitCommandLine(const std::string& text, bool* unclosed) {
  return CommandLine::splitArguments(text, unclosed);
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
    const int32_t index = find(word);
    if (pendingBinary >= 0) {
      const int32_t owner = pendingBinary;
      pendingBinary = -1;
      if (index < 0) {
        opts_[owner].arg = word;
        continue;
      }
    }
    if (index < 0) {
      if (i == 0) {
        fileName_ = word;
      } else {
        notUnderstood_.push_back(word);
      }
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
