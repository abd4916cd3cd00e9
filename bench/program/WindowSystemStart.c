/* A Windows program that does what every program of the window framework does at
   start (the screen's device context, OLE, the common controls) and ends. Timed
   beside palvermontine.exe, it separates the window system's set-up under Wine
   from the program's own work. */
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  (void)instance;
  (void)previous;
  (void)commandLine;
  (void)show;
  HDC dc = GetDC(NULL);
  ReleaseDC(NULL, dc);
  OleInitialize(NULL);
  InitCommonControls();
  OleUninitialize();
  return 0;
}
