// Support for the bars suite: a shown frame with a menu bar (commands 578 and 579 under a
// popup) that records the commands reaching it, tool-button images drawn in code, pixel
// probes, timed pumping and a picture of a window saved as a .bmp.
#pragma once

#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "WindowImage.h"
#include "framework/core/zMenu.h"
#include "framework/draw/zBitmap.h"
#include "framework/layout/zGravSizer.h"

constexpr uint32_t kOpenCmd = 578;
constexpr uint32_t kSaveCmd = 579;
constexpr uint32_t kCloseCmd = 580;

class MenuFrame : public LoggingFrame {
 public:
  MenuFrame();
  int onCommand(zEvent* e) override;
  std::vector<uint32_t> commands;
  HMENU popup = nullptr;
};

// A WM_MENUSELECT as the system sends it for an item of the popup.
void selectMenuItem(zWindow* frame, uint32_t id, uint32_t flags, HMENU menu);
void closeMenu(zWindow* frame);

// A strip of count 16 x 16 cells, each a small picture in its own colour.
zBitmap* makeToolStrip(int count);
COLORREF pixel(HWND window, int x, int y);
void pumpFor(unsigned ms);
// The timers' clock, moved on by the test rather than by time: useTestClock makes it the
// timers' tick source, advanceClock moves it on by ms in steps of 50 with the timers firing as
// they fall due, and dropTestClock gives the timers the system's clock back. It never runs
// backwards, from one test to the next either.
void useTestClock();
void advanceClock(uint32_t ms);
void dropTestClock();
// The text height of a font on the screen.
int textHeightOf(HFONT font);
