// Support for the bars suite: a shown frame with a menu bar (commands 578 and 579 under a
// popup) that records the commands reaching it, tool-button images drawn in code, pixel
// probes, timed pumping and a picture of a window saved as a .bmp.
#pragma once

#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "WindowImage.h"
#include "framework/controls/zMenu.h"
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
// The text height of a font on the screen.
int textHeightOf(HFONT font);
