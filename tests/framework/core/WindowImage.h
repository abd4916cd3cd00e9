// A picture of a window as it shows on the screen, for the documentation's screenshots.
#pragma once

#include <windows.h>

// Writes the window's screen area into a 24-bit .bmp file; false where it could not be written.
bool saveWindowImage(HWND window, const char* path);
