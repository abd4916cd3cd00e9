// Redrawing a window's frame alone: its caption, borders and scroll bars, outside the
// client area, without touching the client area or any child window. Under Wine a
// themed scroll bar costs several milliseconds to draw, so a frame that changed is
// redrawn without the client and children that did not.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Invalidates the part of the window outside its client area; with now, draws it at once,
// else with the window's next paint. Nothing for a window without such a part.
void zRedrawFrame(HWND window, bool now);
