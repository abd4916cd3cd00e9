// The anchors the framework's window benchmarks are measured against: the same steps
// written in plain Win32 calls, with nothing of the framework between. A benchmark runs
// its own round and the anchor's in turn (interleaved, so that a change of the machine's
// speed touches both alike) and prints both figures and their ratio.
// Windows build only; the rounds need a running MDI frame and a message queue.
#pragma once

#include <windows.h>

namespace RawAnchor {

// An MDI child of the given size in the MDI client (CW_USEDEFAULT for the system's
// size), shown, painted with all its children, then destroyed, and the queue emptied.
void mdiChildRound(HWND mdiClient, int width, int height);
// The same steps one by one: made and shown; painted; destroyed and the queue emptied.
HWND mdiChildOpen(HWND mdiClient, int width, int height);
void mdiChildPaint(HWND child);
void mdiChildClose(HWND mdiClient, HWND child);
// A shown MDI child activated through the MDI client (its caption drawn active, the
// keyboard in it: a document window that opens for the user does so), then painted at
// once. The plain child above is neither; this is what the framework's child does beyond.
void mdiChildActivateAndPaint(HWND mdiClient, HWND child);

// What a solution-like child shows: `rows` lines of four texts each (a percentage, an
// identifier, a name, a note), in that order in `texts`.
struct TableChartContent {
  int rows;
  const char* const* texts;
};

// The solution window's structure in plain Win32 calls: an MDI child of the given size
// with a grey background on which it draws a raised split bar, holding a table window
// (header cells and text cells drawn with rectangles, lines and text, the scroll bars
// its content needs beyond its size) above a chart window (axes, tick labels, a bar of
// three faces with two labels for each line). Made with both panes in place, shown,
// activated through the MDI client with the keyboard in the table and painted at once,
// as the program's window is; then painted again with all its children (with runQueue,
// its queue run as a person's program runs it before anything closes it), destroyed, and
// the queue emptied.
void tableChartChildRound(HWND mdiClient, int width, int height, const TableChartContent& content,
                          bool runQueue = false);

// A modal dialog from the template, shown and ended from inside its own modal loop as a
// click on Cancel ends it. A class named in the template that nothing registered gets a
// plain window class, so that every control of the template is made.
void modalDialogRound(HWND owner, HINSTANCE module, int templateId, const char* const* customClasses);

// Milliseconds per move of the thumb of a plain Win32 child window's own vertical bar
// (SetScrollPos with redraw), in a window of the given size made in parent for the
// purpose: what drawing a scroll bar costs by itself.
double scrollThumbMoveMs(HWND parent, int width, int height, int moves);

// Seconds of the performance counter.
double seconds();

// "name: A ms, anchor: B ms, C times the anchor"
void printRatio(const char* name, double ms, const char* anchor, double anchorMs);

}  // namespace RawAnchor
