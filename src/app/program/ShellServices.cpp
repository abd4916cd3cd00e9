#include "app/program/ShellServices.h"

#include "app/program/LogoPixels.h"

namespace PV {
namespace App {

std::string programFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text(path, n < MAX_PATH ? n : MAX_PATH);
  const std::string::size_type at = text.find_last_of("\\/");
  return at == std::string::npos ? std::string() : text.substr(0, at);
}

Report::ReportLogo loadReportLogo(HINSTANCE module, int resourceId) {
  HANDLE image = LoadImageA(module, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  if (!image) return Report::ReportLogo();
  DIBSECTION dib = {};
  Report::ReportLogo logo;
  if (GetObjectA(image, sizeof dib, &dib) == sizeof dib && dib.dsBm.bmBitsPixel == 24 && dib.dsBm.bmBits) {
    const LONG height = dib.dsBmih.biHeight;
    logo = GUI::logoFromDib24(static_cast<const uint8_t*>(dib.dsBm.bmBits), dib.dsBm.bmWidth,
                              height < 0 ? -height : height, height > 0);
  }
  DeleteObject(image);
  return logo;
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
  MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | icon | MB_TASKMODAL);
}

}  // namespace App
}  // namespace PV
