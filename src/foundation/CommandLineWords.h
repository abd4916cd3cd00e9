// A Windows command line split into its words, the way the system's programs split it,
// on UTF-8 text (every character the rules look at is ASCII, so a multi-byte letter is
// never cut). Portable: the program's start takes the wide command line from the system
// and converts it once; the options parser and the tests use the same rules.
//
// The program's own name, the first word, follows a simpler rule: a quoted name runs to
// the next quote, any other to the first blank or tab; backslashes mean nothing there.
//
// The arguments after it:
//   - words are separated by blanks and tabs outside quotes;
//   - a double quote starts or ends a quoted part, which may stand inside a word
//     (a"b c"d is one word, ab cd); a quoted part may be empty ("" is an empty word);
//   - inside a quoted part, two double quotes are one literal quote;
//   - backslashes are literal unless they stand right before a double quote: then 2n
//     of them give n backslashes and the quote keeps its meaning, 2n+1 give n
//     backslashes and a literal quote (a\"b is a"b);
//   - a quoted part left open runs to the end of the line.
// Nothing here fails: any text gives words.
#pragma once

#include <string>
#include <vector>

namespace PV {
namespace CommandLine {

// The text after the program's name and the blanks that follow it.
std::string afterProgramName(const std::string& line);

// The words of the arguments' text; unclosed, when given, tells whether a quoted part
// was left open at the end.
std::vector<std::string> splitArguments(const std::string& text, bool* unclosed = nullptr);

}  // namespace CommandLine
}  // namespace PV
