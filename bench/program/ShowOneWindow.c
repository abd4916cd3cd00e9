/* The smallest Windows program with a window: it shows one top-level window and
   ends when the window is closed. Timed beside palvermontine.exe's main window, it
   gives the cost of starting a process under Wine and mapping a first window. */
#include <windows.h>

static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  WNDCLASSA windowClass = {0};
  HWND window;
  MSG message;
  (void)previous;
  (void)commandLine;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
  windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "ShowOneWindow";
  if (!RegisterClassA(&windowClass)) return 1;
  window = CreateWindowA("ShowOneWindow", "Show One Window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                         640, 480, NULL, NULL, instance, NULL);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  while (GetMessageA(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return (int)message.wParam;
}
