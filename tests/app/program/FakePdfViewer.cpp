// A stand-in PDF viewer for the program's tests: registered as the viewer in the
// test prefix, it appends its command line to the log named by PV_FAKE_VIEWER_LOG
// (or "fake_pdf_viewer.log" beside itself), in UTF-8 so that any file name it was given
// reads back exactly, and ends at once: with success, or given "/fail" with the failure
// code of a viewer that could not show the file (as Wine's stand-in ends when no viewer
// stands behind it). Given "/linger MS" it first stays busy that long without
// taking input, as a viewer slow to start does. Built also as a console program
// (PV_CONSOLE_VIEWER), which the shell hands a document without waiting for it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::wstring args = GetCommandLineW();
  const std::wstring::size_type linger = args.find(L" /linger ");
  if (linger != std::wstring::npos) Sleep(static_cast<DWORD>(_wtoi(args.c_str() + linger + 9)));
  char path[MAX_PATH + 1] = {};
  if (!GetEnvironmentVariableA("PV_FAKE_VIEWER_LOG", path, MAX_PATH)) {
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p(path);
    p = p.substr(0, p.find_last_of('\\') + 1) + "fake_pdf_viewer.log";
    lstrcpynA(path, p.c_str(), MAX_PATH);
  }
  std::FILE* log = std::fopen(path, "ab");
  if (!log) return 1;
  const wchar_t* line = GetCommandLineW();
  const int n = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
  std::string text(n > 0 ? static_cast<size_t>(n) : 1, '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, line, -1, &text[0], n, nullptr, nullptr);
  std::fprintf(log, "%s\n", text.c_str());
  std::fclose(log);
  return std::wstring(line).find(L" /fail ") != std::wstring::npos ? 1 : 0;
}

#ifdef PV_CONSOLE_VIEWER
int main() { return WinMain(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL); }
#endif
