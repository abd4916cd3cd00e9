#include "app/shared/ModelTextField.h"

#include "xml/SystemText.h"

#include <utility>

namespace PV {
namespace GUI {

namespace {

std::string fieldText(HWND window) {
  const int n = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(n) + 1, '\0');
  GetWindowTextA(window, &text[0], n + 1);
  text.resize(static_cast<size_t>(n));
  return text;
}

// The field's text without its selection: what a typed or pasted text joins.
std::string textOutsideSelection(HWND field) {
  const std::string text = fieldText(field);
  DWORD from = 0, to = 0;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  if (from > to) std::swap(from, to);
  if (to > text.size()) to = static_cast<DWORD>(text.size());
  if (from > to) from = to;
  return text.substr(0, from) + text.substr(to);
}

}  // namespace

std::string clipboardTextFor(HWND owner) {
  std::string text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::string fittingText(const std::string& kept, const std::string& added, size_t maxBytes) {
  size_t used = XML::SystemToUtf8(kept).size();
  size_t taken = 0;
  while (taken < added.size()) {
    // A character of a double-byte code page is its lead byte and the next.
    size_t width = 1;
#ifdef _WIN32
    if (IsDBCSLeadByte(static_cast<BYTE>(added[taken])) && taken + 1 < added.size()) width = 2;
#endif
    // A line break is whole too: half of one would leave a lone carriage return.
    if (added.compare(taken, 2, "\r\n") == 0) width = 2;
    const size_t bytes = XML::SystemToUtf8(added.substr(taken, width)).size();
    if (used + bytes > maxBytes) break;
    used += bytes;
    taken += width;
  }
  return added.substr(0, taken);
}

bool refuseTypedCharacter(HWND field, char typed, size_t maxBytes) {
  // Enter (or Ctrl+Enter) in a field of several lines puts in a line break, which is two
  // characters and two bytes in the model.
  const bool lineBreak = (typed == '\r' || typed == '\n') && (GetWindowLongA(field, GWL_STYLE) & ES_MULTILINE) != 0;
  if (static_cast<unsigned char>(typed) < 32 && !lineBreak) return false;
  const std::string added = lineBreak ? std::string("\r\n") : std::string(1, typed);
  if (fittingText(textOutsideSelection(field), added, maxBytes).size() == added.size()) return false;
  MessageBeep(MB_OK);
  return true;
}

bool pasteFitting(HWND field, size_t maxBytes, const char* what) {
  std::string pasted = clipboardTextFor(field);
  // A line field keeps one line: the paste ends where the first line does.
  const size_t lineEnd = pasted.find_first_of("\r\n");
  const bool multiLine = (GetWindowLongA(field, GWL_STYLE) & ES_MULTILINE) != 0;
  if (!multiLine && lineEnd != std::string::npos) pasted.resize(lineEnd);
  if (pasted.empty()) return false;
  const std::string kept = fittingText(textOutsideSelection(field), pasted, maxBytes);
  // The control's own character limit holds as well.
  const size_t limit = static_cast<size_t>(SendMessageA(field, EM_GETLIMITTEXT, 0, 0));
  const size_t room = limit > textOutsideSelection(field).size() ? limit - textOutsideSelection(field).size() : 0;
  const std::string inserted = kept.substr(0, room);
  SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(inserted.c_str()));
  if (inserted.size() < pasted.size()) {
    const std::string text = std::string("The pasted text was cut to ") + std::to_string(inserted.size()) + " of its " +
                             std::to_string(pasted.size()) + " characters: the " + what + " may hold " +
                             std::to_string(maxBytes) + " bytes, and letters such as accented ones take two or three.";
    HWND owner = GetParent(field);
    MessageBoxA(owner ? owner : field, text.c_str(), "Pasted Text Cut", MB_OK | MB_ICONINFORMATION);
  }
  return true;
}

}  // namespace GUI
}  // namespace PV
