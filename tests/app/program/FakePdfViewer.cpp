// A stand-in PDF viewer for the program's tests: registered as the viewer in the
// test prefix, it appends its command line to the log named by PV_FAKE_VIEWER_LOG
// (or "fake_pdf_viewer.log" beside itself) and ends at once.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH + 1] = {};
  if (!GetEnvironmentVariableA("PV_FAKE_VIEWER_LOG", path, MAX_PATH)) {
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p(path);
    p = p.substr(0, p.find_last_of('\\') + 1) + "fake_pdf_viewer.log";
    lstrcpynA(path, p.c_str(), MAX_PATH);
  }
  std::FILE* log = std::fopen(path, "ab");
  if (!log) return 1;
  std::fprintf(log, "%s\n", GetCommandLineA());
  std::fclose(log);
  return 0;
}
