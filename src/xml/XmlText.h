// Small character and formatting helpers of the XML document (locale-free).
#pragma once

#include <cstdarg>
#include <string>

namespace PV {
namespace XML {
namespace Text {

inline bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r'; }
inline bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
inline bool IsLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }
inline char ToLower(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

// printf-style formatting into a string of the needed size (messages use %s and %d only).
std::string Format(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace Text
}  // namespace XML
}  // namespace PV
