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

// The width a window needs to show its caption whole: the text in the caption font,
// the close button (and the room of an icon), the frame and a margin on each side.
int captionWidth(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return 0;
  std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(window, &caption[0], length + 1);
  caption.resize(static_cast<size_t>(length));
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return 0;
  const HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
  const HDC dc = GetDC(window);
  const HGDIOBJ old = SelectObject(dc, font);
  SIZE text = {0, 0};
  GetTextExtentPoint32W(dc, caption.c_str(), length, &text);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  DeleteObject(font);
  return text.cx + 2 * metrics.iCaptionWidth + 2 * GetSystemMetrics(SM_CXFIXEDFRAME) + 24;
}

struct Shift {
  HWND parent;
  int dx;
};

BOOL CALLBACK shiftChild(HWND child, LPARAM lParam) {
  const Shift* shift = reinterpret_cast<const Shift*>(lParam);
  if (GetParent(child) != shift->parent) return TRUE;
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, shift->parent, reinterpret_cast<POINT*>(&r), 2);
  SetWindowPos(child, nullptr, r.left + shift->dx, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

// A message box: a dialog holding the box's text control (0xFFFF).
bool isMessageBox(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return lstrcmpW(name, L"#32770") == 0 && GetDlgItem(window, 0xFFFF) != nullptr;
}

void fitCaption(HWND box) {
  // Called at each activation; once widened, the box is wide enough.
  RECT frame;
  GetWindowRect(box, &frame);
  const int width = frame.right - frame.left;
  RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  int wanted = captionWidth(box);
  if (wanted > work.right - work.left) wanted = work.right - work.left;
  if (wanted <= width) return;
  const int grow = wanted - width;
  int left = frame.left - grow / 2;
  if (left + wanted > work.right) left = work.right - wanted;
  if (left < work.left) left = work.left;
  SetWindowPos(box, nullptr, left, frame.top, wanted, frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  Shift shift = {box, grow / 2};
  EnumChildWindows(box, &shiftChild, reinterpret_cast<LPARAM>(&shift));
}

const wchar_t kBoxProcedure[] = L"PV.BoxProcedure";

// The box lays itself out at WM_INITDIALOG, and may be activated while it does: it is
// fitted again as it is shown, when its layout is done.
LRESULT CALLBACK fitAfterLayout(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC original = reinterpret_cast<WNDPROC>(GetPropW(box, kBoxProcedure));
  if (!original) return DefWindowProcW(box, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropW(box, kBoxProcedure);
    return CallWindowProcW(original, box, message, wParam, lParam);
  }
  const LRESULT result = CallWindowProcW(original, box, message, wParam, lParam);
  if (message == WM_SHOWWINDOW && wParam) fitCaption(box);
  return result;
}

LRESULT CALLBACK fitBoxCaptions(int code, WPARAM wParam, LPARAM lParam) {
  const HWND box = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && isMessageBox(box)) {
    if (!GetPropW(box, kBoxProcedure)) {
      const LONG_PTR original = GetWindowLongPtrW(box, GWLP_WNDPROC);
      if (original && SetPropW(box, kBoxProcedure, reinterpret_cast<HANDLE>(original)))
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&fitAfterLayout));
    }
    fitCaption(box);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

WholeBoxCaptions::WholeBoxCaptions()
    : hook_(SetWindowsHookExW(WH_CBT, &fitBoxCaptions, nullptr, GetCurrentThreadId())) {}

WholeBoxCaptions::~WholeBoxCaptions() {
  if (hook_) UnhookWindowsHookEx(hook_);
}

EscapeAnswersNo::EscapeAnswersNo()
    : hook_(SetWindowsHookExW(WH_MSGFILTER, &escapeAnswersNo, nullptr, GetCurrentThreadId())) {}

EscapeAnswersNo::~EscapeAnswersNo() {
  if (hook_) UnhookWindowsHookEx(hook_);
}

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
