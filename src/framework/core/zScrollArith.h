// The decisions of the scrollers that need no window: which handler a scroll key runs and
// where it puts the position, how far a line, page, top, bottom or thumb scroll moves the
// contents in pixels, the range that lets contents of a given size be scrolled through,
// and the drawing origin that follows a position. The scrollers feed these with the state
// of their window's scroll bars; both builds compile and test them.
//
// Every step and size that a division or a multiplication takes is guarded: a step or a
// line size of 0 counts as 1, so no input divides by zero.
#pragma once

#include <cstdint>

// One scroll bar as the scrollers see it: range, position after the window procedure
// moved it, the position before, and the bar's own steps in scroll units.
struct zScrollState {
  int32_t low = 0;
  int32_t high = 0;
  int32_t pos = 0;
  int32_t prevPos = 0;
  int32_t lineStep = 1;
  int32_t pageStep = 10;

  bool emptyRange() const { return low == high; }
};

// Keys of the keyboard scroller (virtual-key codes).
constexpr uint32_t zKeyPageUp = 0x21;
constexpr uint32_t zKeyPageDown = 0x22;
constexpr uint32_t zKeyEnd = 0x23;
constexpr uint32_t zKeyHome = 0x24;

// What a key does: nothing, or one handler after the position was set to newPos.
enum zKeyScrollAction {
  zKeyScrollNone,
  zKeyScrollVertTop,
  zKeyScrollVertBottom,
  zKeyScrollVertPage,
  zKeyScrollHorzLeft,
  zKeyScrollHorzRight,
  zKeyScrollHorzPage,
};

struct zKeyScroll {
  zKeyScrollAction action = zKeyScrollNone;
  int32_t newPos = 0;
};

// Page Up and Page Down without Ctrl, Ctrl+Home and Ctrl+End scroll vertically;
// Ctrl+Page Up and Ctrl+Page Down horizontally. A null state stands for a window without
// that bar. Each direction is decided on its own bar: an empty vertical range stops the
// vertical keys only, never the horizontal ones.
zKeyScroll zDecideKeyScroll(uint32_t key, bool ctrl, const zScrollState* vert, const zScrollState* horz);

// What a line or page scroll of a pane does.
enum zScrollMoveKind {
  zScrollMoveNone,    // nothing moved
  zScrollMoveBy,      // scroll the contents by `pixels`
  zScrollMoveToLow,   // go to the range's low end (top, left)
  zScrollMoveToHigh,  // go to the range's high end (bottom, right)
};

struct zScrollMove {
  zScrollMoveKind kind = zScrollMoveNone;
  int32_t pixels = 0;
};

// A line scroll: forward by −lineSize while the range's high end is not passed, else to
// the high end; backward by +lineSize, or to the low end when it was passed or the
// previous position was at the start.
zScrollMove zLineMove(const zScrollState& s, int32_t lineSize);
// A page scroll: by ∓pageSize when the position moved by exactly the bar's page step and
// the previous position was not at the end already; otherwise (the range cut the step
// short) to the end it went towards.
zScrollMove zPageMove(const zScrollState& s, int32_t pageSize);
// Pixels that going to the low (high) end from the previous position scrolls by.
int32_t zToLowPixels(const zScrollState& s, int32_t lineSize);
int32_t zToHighPixels(const zScrollState& s, int32_t lineSize);
// Pixels of a thumb drop: lineSize × (previous − position).
int32_t zThumbPixels(const zScrollState& s, int32_t lineSize);

// The drawing origin of a position: (pos ÷ the bar's line step) × lineSize.
int32_t zOriginOfPos(int32_t pos, int32_t barLineStep, int32_t lineSize);
// The high end of the range that scrolls contents through a client extent:
// ceil((contents − client) ÷ lineSize); 0 when the contents fit.
int32_t zRangeHighFor(int32_t contents, int32_t client, int32_t lineSize);
// The position kept in proportion when the range's high end changes from oldHigh to
// newHigh, clamped to [low, newHigh].
int32_t zScaledPos(int32_t pos, int32_t low, int32_t oldHigh, int32_t newHigh);
// Page size in pixels when none is given: (bar page step ÷ bar line step) × lineSize for a
// window with that bar and a nonzero line step, 10 otherwise.
int32_t zDefaultPageSize(bool hasBar, int32_t barPageStep, int32_t barLineStep, int32_t lineSize);
