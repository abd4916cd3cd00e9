// Opens and closes an MDI child and a modal dialog from a template 200 times and prints
// the time per round and the process's handle, window-object and GDI-object counts before
// and after; run under Wine by hand:  wine64 framework_frames_bench.exe
#include <cstdio>

#include "frames_test_resources.h"
#include "framework/core/zProgram.h"
#include "framework/core/zResId.h"
#include "framework/core/zSizer.h"
#include "framework/frames/zFormDialog.h"
#include "framework/frames/zMDIAppFrame.h"

namespace {

struct Counts {
  DWORD handles;
  DWORD user;
  DWORD gdi;
};

Counts counts() {
  Counts c;
  GetProcessHandleCount(GetCurrentProcess(), &c.handles);
  c.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  c.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  return c;
}

void CALLBACK endDialog(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (ziCurrentModelessDialog) PostMessageA(ziCurrentModelessDialog, WM_COMMAND, IDCANCEL, 0);
}

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void round(zMDIAppFrame* frame) {
  zMDIChildFrame* child = new zMDIChildFrame(frame, nullptr, WS_OVERLAPPEDWINDOW, "child");
  child->show(SW_SHOWNORMAL);
  zFormDialog* form = new zFormDialog(frame, zResId(kFormTemplate));
  form->show(SW_SHOWNORMAL);
  SetTimer(nullptr, 0, 0, &endDialog);
  form->runModal();
  delete form;
  delete child;
  pump();
}

}  // namespace

int main() {
  static char commandLine[] = "";
  zProgram* app = new zProgram(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
  zTheProgram = app;
  zMDIAppFrame* frame = new zMDIAppFrame(
      nullptr, new zSizer(zPoint(0, 0), zDimension(800, 600), nullptr), 0, "bench", nullptr, 1000);
  frame->show(SW_SHOWNORMAL);
  for (int i = 0; i < 5; ++i) round(frame);  // warm-up: classes, fonts, caches
  const Counts before = counts();
  const int rounds = 200;
  LARGE_INTEGER f, t0, t1;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t0);
  for (int i = 0; i < rounds; ++i) round(frame);
  QueryPerformanceCounter(&t1);
  const Counts after = counts();
  const double ms = 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(f.QuadPart);
  std::printf("rounds: %d, time per round (MDI child and modal dialog, open and close): %.3f ms\n",
              rounds, ms / rounds);
  std::printf("handles: %lu -> %lu\nuser objects: %lu -> %lu\nGDI objects: %lu -> %lu\n",
              static_cast<unsigned long>(before.handles), static_cast<unsigned long>(after.handles),
              static_cast<unsigned long>(before.user), static_cast<unsigned long>(after.user),
              static_cast<unsigned long>(before.gdi), static_cast<unsigned long>(after.gdi));
  delete frame;
  delete app;
  return 0;
}
