#include "report/WinAnsiText.h"

#include "foundation/TextCodes.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#endif

namespace PV {
namespace Report {

const char* const REPORT_TEXT_ENCODING = "WinAnsiEncoding";

namespace {

// Code page 1252 at 0x80 to 0x9F; 0 where it holds no character.
const uint16_t CP1252_HIGH[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char winAnsiOf(uint32_t cp) {
  // A name or note may hold tabs and line ends (and a text from elsewhere any other
  // control character): the fonts have no glyph for them and readers draw a mark in
  // their place, so they take the room of a blank.
  if (cp < 0x20 || cp == 0x7F) return ' ';
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int k = 0; k < 32; ++k)
    if (CP1252_HIGH[k] == cp) return static_cast<char>(0x80 + k);
  return '?';
}

}  // namespace

std::string winAnsiFromUtf8(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    size_t used = 1;
    out += winAnsiOf(PV::Text::decodeUtf8At(utf8, i, used));
    i += used;
  }
  return out;
}

std::string utf8FromSystemText(const std::string& text) {
#ifdef _WIN32
  // A text that reads as UTF-8 already is taken as such: the user's name, once saved in
  // the options file, comes back from it in UTF-8. A text in the code page that happens
  // to read as UTF-8 needs two or more letters of its upper half in an odd order.
  if (text.empty() || PV::Text::isUtf8(text)) return text;
  const int n = static_cast<int>(text.size());
  const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), n, nullptr, 0);
  if (wide <= 0) return text;
  std::wstring w(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), n, &w[0], wide);
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return text;
  std::string out(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, &out[0], bytes, nullptr, nullptr);
  return out;
#else
  return text;
#endif
}

void popUtf8Character(std::string& text) {
  if (text.empty()) return;
  // Find where the last character starts: its lead byte, at most three bytes back.
  size_t start = text.size() - 1;
  while (start > 0 && text.size() - start < 4 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
  size_t used = 1;
  PV::Text::decodeUtf8At(text, start, used);
  if (start + used == text.size()) {
    text.resize(start);
  } else {
    text.pop_back();  // a stray byte
  }
}

}  // namespace Report
}  // namespace PV
