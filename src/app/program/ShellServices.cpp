#include "app/program/ShellServices.h"

#include "app/program/LogoPixels.h"
#include "app/services/BoxText.h"
#include "foundation/FileNames.h"

#include <shlobj.h>

#include <cstdint>
#include <cstring>

namespace PV {
namespace App {

std::string programFolder() {
  wchar_t path[32768] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, 32767);
  const std::string text = Files::fromWide(std::wstring(path, n < 32767 ? n : 32767));
  const std::string::size_type at = text.find_last_of("\\/");
  return at == std::string::npos ? std::string() : text.substr(0, at);
}

std::string documentsFolder() {
  const std::string overridden = Files::environment("PALVERMONTINE_DOCUMENTS_DIR");
  if (!overridden.empty()) return overridden;
  wchar_t path[MAX_PATH + 1] = {};
  if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, path))) return Files::fromWide(path);
  return Files::currentFolder();
}

namespace {

// A Yes/No box has no Cancel button, so Escape would do nothing and the box would keep a
// user who presses it: Escape answers No, as leaving the question unanswered does.
LRESULT CALLBACK escapeAnswersNo(int code, WPARAM wParam, LPARAM lParam) {
  const MSG* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
    const HWND box = GetAncestor(msg->hwnd, GA_ROOT);
    if (box && GetDlgItem(box, IDNO) && !GetDlgItem(box, IDCANCEL)) {
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int showMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  // A box, above all one without an owner, leaves no window active when it goes, and the
  // keyboard would reach nothing until a click: the window that was active, and the
  // control that had the keys, take them again.
  const HWND active = GetActiveWindow();
  const HWND focus = GetFocus();
  // The texts are made before the hook goes in: nothing between the hook and its removal
  // can throw.
  const std::wstring wideText = Files::toWide(Util::flowedBoxText(text));
  const std::wstring wideCaption = Files::toWide(caption);
  const HHOOK escape = (flags & MB_TYPEMASK) == MB_YESNO
                           ? SetWindowsHookExW(WH_MSGFILTER, &escapeAnswersNo, nullptr, GetCurrentThreadId())
                           : nullptr;
  const int answer = MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(), flags);
  if (escape) UnhookWindowsHookEx(escape);
  if (active && IsWindow(active) && IsWindowVisible(active) && IsWindowEnabled(active)) {
    SetActiveWindow(active);
    if (focus && IsWindow(focus) && (focus == active || IsChild(active, focus)))
      SetFocus(focus);
    else if (!GetFocus())
      SetFocus(active);
  }
  return answer;
}

// The bitmap is read from the resource's bytes rather than through the display: a batch
// run then needs no display connection and no desktop, whose start costs more than all
// of the run's own work.
Report::ReportLogo loadReportLogo(HINSTANCE module, int resourceId) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(2));  // RT_BITMAP
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const uint8_t* bytes = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
  const uint64_t size = found ? SizeofResource(module, found) : 0;
  if (!bytes || size < sizeof(BITMAPINFOHEADER)) return Report::ReportLogo();
  BITMAPINFOHEADER header;
  std::memcpy(&header, bytes, sizeof header);
  if (header.biSize < sizeof header || header.biSize > size || header.biBitCount != 24 ||
      header.biCompression != BI_RGB || header.biWidth <= 0 || header.biHeight == 0 || header.biPlanes != 1)
    return Report::ReportLogo();
  const int64_t height = header.biHeight < 0 ? -static_cast<int64_t>(header.biHeight) : header.biHeight;
  const uint64_t stride = (static_cast<uint64_t>(header.biWidth) * 3 + 3) / 4 * 4;
  const uint64_t bitsAt = header.biSize + static_cast<uint64_t>(header.biClrUsed) * 4;
  if (bitsAt > size || stride * static_cast<uint64_t>(height) > size - bitsAt) return Report::ReportLogo();
  return GUI::logoFromDib24(bytes + bitsAt, header.biWidth, static_cast<int32_t>(height), header.biHeight > 0);
}

void writeStd(DWORD which, const std::string& text) {
  HANDLE h = GetStdHandle(which);
  if (h == nullptr || h == INVALID_HANDLE_VALUE) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    h = GetStdHandle(which);
    if (h == nullptr || h == INVALID_HANDLE_VALUE) return;
  }
  DWORD written = 0;
  WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void ConsoleUi::tell(Kind kind, const std::string& caption, const std::string& text) {
  const char* level = kind == TELL_ERROR ? "error" : kind == TELL_WARNING ? "warning" : "note";
  std::string line = text;
  for (char& c : line) {
    if (c == '\n') c = ' ';
  }
  writeStd(STD_ERROR_HANDLE, std::string("palvermontine: ") + level + ": " + caption + ": " + line + "\n");
}

void ConsoleUi::where(const std::string& line) { writeStd(STD_OUTPUT_HANDLE, line + "\n"); }

void MessageBoxUi::tell(Kind kind, const std::string& caption, const std::string& text) {
  const UINT icon = kind == TELL_ERROR ? MB_ICONERROR : kind == TELL_WARNING ? MB_ICONEXCLAMATION : MB_ICONINFORMATION;
  showMessage(nullptr, text, caption, MB_OK | icon | MB_TASKMODAL);
}

}  // namespace App
}  // namespace PV
