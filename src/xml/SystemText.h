// Text between the screen and the model: Windows shows and types text in its ANSI
// code page, the model keeps UTF-8. Elsewhere the system's text is UTF-8 already and
// passes unchanged. A text that the other side cannot hold becomes '?' in that place
// rather than being cut short.
#pragma once

#include <string>

namespace PV {
namespace XML {

std::string SystemToUtf8(const std::string& text);
std::string Utf8ToSystem(const std::string& text);

// The screen's text in UTF-8 where it was shown from `shown` (UTF-8): while it reads as
// it was shown, `shown` itself, whole with the letters the code page lacks (which the
// screen shows as '?' or a look-alike); else the screen's text converted.
std::string SystemToUtf8Keeping(const std::string& screen, const std::string& shown);

}  // namespace XML
}  // namespace PV
