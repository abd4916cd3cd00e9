#include "GuiTestSupport.h"

#include <cstring>

int LoggingFrame::destroyed = 0;

namespace {
void CALLBACK deadlineReached(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(kDeadlineExitCode); }
}  // namespace

void FrameworkTest::SetUp() {
  pump();
  takeQuit();
  static char commandLine[] = "-test";
  app_ = new zProgram(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
  zTheProgram = app_;
  LoggingFrame::destroyed = 0;
}

void FrameworkTest::TearDown() {
  delete app_;
  app_ = nullptr;
  EXPECT_EQ(zTheProgram, nullptr);
  pump();
  takeQuit();
}

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Keep it for takeQuit.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool takeQuit(int* code) {
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
  if (code) *code = static_cast<int>(msg.wParam);
  return true;
}

int FrameworkTest::runLoopWithDeadline(unsigned ms) {
  const UINT_PTR timer = SetTimer(nullptr, 0, ms, &deadlineReached);
  app_->runMessageLoop();
  KillTimer(nullptr, timer);
  return app_->exitCode();
}

bool putOnClipboard(const std::string& text, HWND owner) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
  return true;
}
