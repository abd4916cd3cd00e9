#include <cstdio>
#include "VisualTestSupport.h"

#include "framework/draw/zBitmap.h"

RecordingFrame::RecordingFrame() : LoggingFrame("Drawn controls", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN) {
  if (!handle()) std::printf("frame not created (error %lu)\n", static_cast<unsigned long>(GetLastError()));
  SetWindowPos(handle(), nullptr, 0, 0, 520, 440, SWP_NOZORDER);
  ShowWindow(handle(), SW_SHOWNORMAL);
  UpdateWindow(handle());
}

LRESULT RecordingFrame::defProc(zEvent* event) {
  if (event && (event->message_ == WM_COMMAND || event->message_ == WM_MENUSELECT))
    seen.push_back({event->message_, event->wParam_, event->lParam_});
  return LoggingFrame::defProc(event);
}

int RecordingFrame::count(UINT message, WPARAM wParam) const {
  int n = 0;
  for (const Recorded& r : seen)
    if (r.message == message && r.wParam == wParam) ++n;
  return n;
}

zSizer* at(int x, int y, int w, int h) { return new zSizer(zPoint(x, y), zDimension(w, h), nullptr); }

COLORREF pixel(HWND window, int x, int y) {
  UpdateWindow(window);
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

void mouse(HWND window, UINT message, int x, int y, WPARAM keys) {
  SendMessageA(window, message, keys, MAKELPARAM(x, y));
}

void key(HWND window, UINT message, WPARAM vk) { SendMessageA(window, message, vk, 1); }

zBitmap* solidFrames(int n, int w, int h, const COLORREF* colors) {
  zBitmap* b = new zBitmap(n * w, h, 32, 1);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  const HGDIOBJ old = SelectObject(mem, b->hbitmap());
  for (int i = 0; i < n; ++i) {
    RECT r = {i * w, 0, (i + 1) * w, h};
    HBRUSH brush = CreateSolidBrush(colors[i]);
    FillRect(mem, &r, brush);
    DeleteObject(brush);
  }
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return b;
}
