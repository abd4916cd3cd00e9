#include "BarsTestSupport.h"

#include <cstdio>

#include "framework/core/zTimerDev.h"

MenuFrame::MenuFrame() : LoggingFrame("Bars test frame") {
  zMenu* bar = new zMenu(this);
  popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, kOpenCmd, "&Open...");
  AppendMenuA(popup, MF_STRING, kSaveCmd, "&Save");
  AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(popup, MF_STRING, kCloseCmd, "&Close");
  AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&File");
  setMenu(bar);
  DrawMenuBar(handle());  // the bar was attached while still empty
  SetWindowPos(handle(), nullptr, 20, 20, 640, 400, SWP_NOZORDER);
}

int MenuFrame::onCommand(zEvent* e) {
  commands.push_back(LOWORD(e->wParam()));
  return 1;
}

void selectMenuItem(zWindow* frame, uint32_t id, uint32_t flags, HMENU menu) {
  SendMessageA(frame->handle(), WM_MENUSELECT, MAKEWPARAM(id, flags), reinterpret_cast<LPARAM>(menu));
}

void closeMenu(zWindow* frame) { SendMessageA(frame->handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); }

zBitmap* makeToolStrip(int count) {
  zBitmap* strip = new zBitmap(16 * count, 16, 32, 1);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, strip->hbitmap());
  const COLORREF colours[] = {RGB(0, 0, 160), RGB(0, 128, 0), RGB(160, 0, 0), RGB(128, 0, 128), RGB(0, 128, 128)};
  RECT all = {0, 0, 16 * count, 16};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
  for (int i = 0; i < count; ++i) {
    HBRUSH b = CreateSolidBrush(colours[i % 5]);
    RECT r = {16 * i + 3, 3 + (i % 2), 16 * i + 13, 13 - (i % 3)};
    FillRect(dc, &r, b);
    DeleteObject(b);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return strip;
}

COLORREF pixel(HWND window, int x, int y) {
  // A window just shown may not be on the screen yet: the first read waits for it.
  COLORREF c = CLR_INVALID;
  for (int attempt = 0; attempt < 50 && c == CLR_INVALID; ++attempt) {
    if (attempt) pumpFor(20);
    UpdateWindow(window);
    HDC dc = GetDC(window);
    c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
  }
  return c;
}

void pumpFor(unsigned ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  while (static_cast<int32_t>(end - GetTickCount()) > 0) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

int textHeightOf(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

namespace {
uint32_t testTicks = 1000;
uint32_t readTestTicks() { return testTicks; }
}  // namespace

void useTestClock() { zTheProgram->makeTimerDev()->setTickSource(&readTestTicks); }

void advanceClock(uint32_t ms) {
  for (uint32_t done = 0; done < ms; done += 50) {
    testTicks += 50;
    zTheProgram->timerDev()->tick();
  }
}

void dropTestClock() { zTheProgram->timerDev()->setTickSource(nullptr); }
