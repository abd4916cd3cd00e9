// The report's texts in the Windows character set. Inside the report every text is
// UTF-8 (model texts are stored so, system texts are converted on entry); the text
// fonts are declared with the Windows character set encoding, and the device converts
// each text to it as it measures or draws it. A character that set cannot hold is
// shown as "?"; bytes that are no UTF-8 each count as one such character. Tabs, line
// ends and other control characters are drawn as blanks.
#pragma once

#include <string>

namespace PV {
namespace Report {

// The PDF writer's name of the encoding the report's text fonts use.
extern const char* const REPORT_TEXT_ENCODING;

// UTF-8 to the Windows character set (code page 1252).
std::string winAnsiFromUtf8(const std::string& utf8);

// A text from the system (the user's name, a folder or file name) as UTF-8: on
// Windows it comes in the system code page (unless it reads as UTF-8 already, as a
// name kept in the options file does), elsewhere it is UTF-8 already.
std::string utf8FromSystemText(const std::string& text);

// Removes the last UTF-8 character of the text (a stray byte counts as one).
void popUtf8Character(std::string& text);

}  // namespace Report
}  // namespace PV
