/* The smallest Windows program: it ends at once. Timed beside palvermontine.exe,
   it gives the cost of starting a process under Wine. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  (void)instance;
  (void)previous;
  (void)commandLine;
  (void)show;
  return 0;
}
