// A generic command-line parser over a fixed list of option specifications.
//
// A command-line text is split into words by the system's rules
// (foundation/CommandLineWords.h): blanks and tabs separate words, quotes group, and a
// backslash before a quote makes it literal. Every word that names an option marks it
// present; a binary option takes the next word as its argument unless that word names
// an option itself (then the argument is missing, as at the end of the line, and the
// word counts as the option it names: "-input -console" with an unset name still runs
// in console mode). The first word, when it is not an option, is the leading file name;
// every other word that is neither an option nor an argument is kept as not understood.
//
// Nothing a user types can stop the program here: a repeated option keeps its last
// argument, an empty quoted word ("") is an empty word, and a binary option without its
// argument is present with an empty one, which its user refuses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace PV {
namespace Util {

struct OptionsSpec {
  enum Type : int32_t { UNARY = 0, BINARY = 1 };
  Type type = UNARY;
  const char* name = nullptr;  // as typed, with its leading "-"
  std::string arg;             // the argument of a binary option
  bool present = false;
};

class Options {
 public:
  // Copies the option descriptions (there must be at least one), then parses the text.
  Options(const std::vector<OptionsSpec>& specs, const char* commandLine);
  // Copies the option descriptions, then parses argv[1..argc-1] as whole words.
  Options(const std::vector<OptionsSpec>& specs, int argc, const char* const* argv);
  virtual ~Options() = default;

  // Whether the option is present; position, when given, receives its index in the
  // table or -1 when the name is not an option (then the answer is false).
  bool isPresent(const char* name, int32_t* position = nullptr) const;
  // The argument of a binary option ("" when absent or not binary).
  const std::string& argument(const char* name) const;

  const OptionsSpec& spec(uint32_t index) const { return opts_.at(index); }
  uint32_t size() const { return static_cast<uint32_t>(opts_.size()); }
  const std::string& leadingFileName() const { return fileName_; }
  // Options that occurred more than once (the last one counts), in the order met.
  const std::vector<std::string>& repeated() const { return repeated_; }
  // True when a quoted word had no closing quote.
  bool unclosedQuote() const { return unclosedQuote_; }
  // The words that are neither options, arguments nor the leading file name, in order.
  const std::vector<std::string>& notUnderstood() const { return notUnderstood_; }

 private:
  void parseText(const std::string& text);
  void parseWords(const std::vector<std::string>& words);
  int32_t find(const std::string& name) const;

  std::vector<OptionsSpec> opts_;
  std::string fileName_;
  std::vector<std::string> repeated_;
  std::vector<std::string> notUnderstood_;
  bool unclosedQuote_ = false;
};

// Splits a command-line text into words by the system's rules; unclosed, when given,
// tells whether a quote was left open.
std::vector<std::string> splitCommandLine(const std::string& text, bool* unclosed = nullptr);

}  // namespace Util
}  // namespace PV
