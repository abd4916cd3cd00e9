// The limit checks of the record setters.
//
// A setter's limit is a contract: outside a checked scope a failed check is exactly
// PV_ASSERT (the message "Assertion failed: <expr>, file <f>, line <n>" and the end of
// the program). The file reader validates what it reads through the same setters by
// opening a CheckedScope: while one is open on the thread, a failed check throws a
// LimitError carrying the check's text instead, and nothing is stored, since every
// setter checks before it stores.
#pragma once

#include "foundation/Assert.h"

#include <stdexcept>
#include <string>

namespace PV {
namespace Data {

class LimitError : public std::runtime_error {
 public:
  explicit LimitError(const char* expression) : std::runtime_error(expression), expression_(expression) {}
  const std::string& expression() const { return expression_; }

 private:
  std::string expression_;
};

class CheckedScope {
 public:
  CheckedScope();
  ~CheckedScope();
  CheckedScope(const CheckedScope&) = delete;
  CheckedScope& operator=(const CheckedScope&) = delete;
  static bool active();
};

[[noreturn]] void limitFailed(const char* expr, const char* file, int line);

// The texts of a model are UTF-8: a text that is not (a text in a code page such as
// Windows-1252, whose "Caf\xE9" a reader would take for other characters) cannot be
// stored, nor can control characters other than tab, carriage return and line feed,
// which XML files may not hold, nor DEL. Both are limits of the setters
// (PV_TEXT_ASSERT), and so the file reader, which stores through the setters, refuses
// a file holding them: every conforming XML reader refuses such a file, and a model
// opened from it would be saved as one again.
bool isUtf8Text(const std::string& text);
bool hasOnlyXmlControls(const std::string& text);

void checkModelText(const std::string& text, const char* name, const char* file, int line);

}  // namespace Data
}  // namespace PV

#define PV_LIMIT_ASSERT(expr) ((expr) ? static_cast<void>(0) : ::PV::Data::limitFailed(#expr, __FILE__, __LINE__))

// The text limits of a setter's argument (see isUtf8Text).
#define PV_TEXT_ASSERT(text) ::PV::Data::checkModelText((text), #text, __FILE__, __LINE__)
