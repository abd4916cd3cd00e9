// The text of a message box as the box lays it out: the program's texts break their
// lines where a screen of its day wrapped them, and a box that wraps at its own width
// wraps each such line again, leaving a ragged edge. Within a paragraph a line break
// before a word that goes on the sentence (a lowercase letter, an opening parenthesis)
// becomes a space; a break before a new sentence, a blank line and every line of a
// list stay as they are, and so do a line that begins with a path (its first word holds a
// separator) and the line after one that ends with a colon.
#pragma once

#include <string>

namespace PV {
namespace Util {

std::string flowedBoxText(const std::string& text);

}  // namespace Util
}  // namespace PV
