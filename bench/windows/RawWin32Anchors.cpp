#include "RawWin32Anchors.h"

#include <cstdio>

namespace RawAnchor {

namespace {

const char kChildClass[] = "RawAnchorMDIChild";

LRESULT CALLBACK childProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
  }
  return DefMDIChildProcA(window, message, wParam, lParam);
}

void registerChildClass() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &childProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kChildClass;
  RegisterClassA(&windowClass);
}

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      // Shown and painted at once, as the framework's dialog is by its show. Left to the
      // dialog manager, the window would show only once the queue is empty, and the
      // Cancel posted below would end the dialog before it ever showed.
      ShowWindow(dialog, SW_SHOWNORMAL);
      UpdateWindow(dialog);
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

HWND mdiChildOpen(HWND mdiClient, int width, int height) {
  registerChildClass();
  MDICREATESTRUCTA create = {};
  create.szClass = kChildClass;
  create.szTitle = "raw";
  create.hOwner = GetModuleHandleA(nullptr);
  create.x = width == CW_USEDEFAULT ? CW_USEDEFAULT : 10;
  create.y = width == CW_USEDEFAULT ? CW_USEDEFAULT : 10;
  create.cx = width;
  create.cy = height;
  create.style = WS_OVERLAPPEDWINDOW;
  HWND child = reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  if (child) ShowWindow(child, SW_SHOWNORMAL);
  return child;
}

void mdiChildPaint(HWND child) {
  RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void mdiChildActivateAndPaint(HWND mdiClient, HWND child) {
  if (!child) return;
  SendMessageA(mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
  UpdateWindow(child);
}

void mdiChildClose(HWND mdiClient, HWND child) {
  if (child) SendMessageA(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  pump();
}

void mdiChildRound(HWND mdiClient, int width, int height) {
  HWND child = mdiChildOpen(mdiClient, width, height);
  mdiChildPaint(child);
  mdiChildClose(mdiClient, child);
}

void modalDialogRound(HWND owner, HINSTANCE module, int templateId, const char* const* customClasses) {
  static bool registered = false;
  if (!registered) {
    registered = true;
    for (const char* const* name = customClasses; name && *name; ++name) {
      WNDCLASSA windowClass = {};
      if (GetClassInfoA(module, *name, &windowClass) || GetClassInfoA(nullptr, *name, &windowClass)) continue;
      windowClass.lpfnWndProc = &DefWindowProcA;
      windowClass.hInstance = module;
      windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
      windowClass.lpszClassName = *name;
      RegisterClassA(&windowClass);
    }
  }
  DialogBoxParamA(module, MAKEINTRESOURCEA(templateId), owner, &dialogProc, 0);
  pump();
}

double scrollThumbMoveMs(HWND parent, int width, int height, int moves) {
  static bool registered = false;
  const char kPaneClass[] = "RawAnchorScrolledPane";
  if (!registered) {
    registered = true;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kPaneClass;
    RegisterClassA(&windowClass);
  }
  HWND pane = CreateWindowExA(0, kPaneClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, width, height, parent,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!pane) return 0.0;
  SetScrollRange(pane, SB_VERT, 1, 50, TRUE);
  UpdateWindow(pane);
  pump();
  const double start = seconds();
  for (int i = 0; i < moves; ++i) SetScrollPos(pane, SB_VERT, 1 + i % 40, TRUE);
  const double ms = moves > 0 ? (seconds() - start) * 1000.0 / moves : 0.0;
  DestroyWindow(pane);
  pump();
  return ms;
}

double seconds() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void printRatio(const char* name, double ms, const char* anchor, double anchorMs) {
  std::printf("%s: %.3f ms, %s: %.3f ms, %.2f times the anchor\n", name, ms, anchor, anchorMs,
              anchorMs > 0 ? ms / anchorMs : 0.0);
}

}  // namespace RawAnchor
