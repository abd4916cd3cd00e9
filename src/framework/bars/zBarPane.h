// What the frame's bars (status line, toolbar) share in their message handling.
#pragma once

#include <windows.h>

class zEvent;
class zWindow;

// A bar takes the system's new button face colour, and passes commands and menu selections
// from its fields on to its frame. Returns 1 with *result set where the frame answered the
// message; 0 where the bar's own default handling goes on.
int zBarPassOn(zWindow* bar, zWindow* frame, zEvent* event, LRESULT* result);
