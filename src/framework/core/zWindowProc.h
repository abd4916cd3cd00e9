// The routing that every framework window procedure shares: handlers registered at run
// time have the first word, then the window's virtual handler for the kind of event, and
// last its default processing (slot 1, defProc). The procedures of the other window kinds
// call it for the messages they do not treat differently.
#pragma once

#include "framework/core/zWindow.h"

// Routes one event of a window that the window map gave for the event's handle.
LRESULT ziRouteEvent(zWindow* window, zEvent* event);
// WM_NCDESTROY: the native window is gone; the object leaves the window map and, when it
// deletes itself, is deleted. Returns 0.
LRESULT ziNcDestroy(zWindow* window);
// WM_CTLCOLOR*: the colours of the child control that lParam names; 0 for default processing.
LRESULT ziControlColors(zWindow* window, zEvent* event);
// WM_HSCROLL, WM_VSCROLL, WM_MOUSEWHEEL: moves the scroll information that applies. Returns
// false when the sender is a window that is no scroll-bar control: the event then goes to
// the handler lists instead of the scroll slot.
bool ziApplyScroll(zWindow* window, zEvent* event);
