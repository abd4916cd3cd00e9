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

namespace {
FramePaintCounter* liveCounter = nullptr;
}

FramePaintCounter::FramePaintCounter(const char* className) : className_(className) {
  liveCounter = this;
  hook_ = SetWindowsHookExA(WH_CALLWNDPROC, &FramePaintCounter::hook, nullptr, GetCurrentThreadId());
  EXPECT_NE(hook_, nullptr);
}

FramePaintCounter::~FramePaintCounter() {
  if (hook_) UnhookWindowsHookEx(hook_);
  liveCounter = nullptr;
}

int FramePaintCounter::count(HWND window) const {
  for (const auto& p : paints_)
    if (p.first == window) return p.second;
  return 0;
}

LRESULT CALLBACK FramePaintCounter::hook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
  char name[64] = {};
  if (code == HC_ACTION && liveCounter && m->message == WM_NCPAINT && GetClassNameA(m->hwnd, name, sizeof name) &&
      std::strncmp(name, liveCounter->className_.c_str(), liveCounter->className_.size()) == 0) {
    bool found = false;
    for (auto& p : liveCounter->paints_) {
      if (p.first == m->hwnd) {
        ++p.second;
        found = true;
      }
    }
    if (!found) liveCounter->paints_.emplace_back(m->hwnd, 1);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
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
