#include "xml/SystemText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace PV {
namespace XML {

#ifdef _WIN32
namespace {

std::string convert(const std::string& text, UINT from, UINT to) {
  if (text.empty()) return text;
  const int n = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return text;
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
  const char* fallback = to == CP_UTF8 ? nullptr : "?";
  const int m = WideCharToMultiByte(to, 0, wide.data(), n, nullptr, 0, fallback, nullptr);
  if (m <= 0) return text;
  std::string out(static_cast<size_t>(m), '\0');
  WideCharToMultiByte(to, 0, wide.data(), n, &out[0], m, fallback, nullptr);
  return out;
}

}  // namespace

std::string SystemToUtf8(const std::string& text) { return convert(text, CP_ACP, CP_UTF8); }
std::string Utf8ToSystem(const std::string& text) { return convert(text, CP_UTF8, CP_ACP); }
#else
std::string SystemToUtf8(const std::string& text) { return text; }
std::string Utf8ToSystem(const std::string& text) { return text; }
#endif

std::string SystemToUtf8Keeping(const std::string& screen, const std::string& shown) {
  return screen == Utf8ToSystem(shown) ? shown : SystemToUtf8(screen);
}

}  // namespace XML
}  // namespace PV
