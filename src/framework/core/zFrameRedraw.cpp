#include "framework/core/zFrameRedraw.h"

void zRedrawFrame(HWND window, bool now) {
  if (!IsWindow(window)) return;
  // The window's rectangle in client coordinates, less the client area: the frame.
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&outer), 2);
  GetClientRect(window, &client);
  HRGN frame = CreateRectRgnIndirect(&outer);
  HRGN inside = CreateRectRgnIndirect(&client);
  if (frame && inside && CombineRgn(frame, frame, inside, RGN_DIFF) != NULLREGION)
    RedrawWindow(window, nullptr, frame, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN | (now ? RDW_UPDATENOW : 0));
  if (inside) DeleteObject(inside);
  if (frame) DeleteObject(frame);
}
