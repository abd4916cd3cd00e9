// Panes: child windows whose contents the program draws itself through a display. A pane
// keeps a stack of displays (its window display at the bottom, a printer display on top
// while printing), paints through draw() inside BeginPaint, scrolls its contents by moving
// the display's origin, and serves the printing protocol. zPaneControl is a pane used as
// a custom control in dialogs (it wants arrow keys and characters).
#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/zChildWin.h"

class zBitmap;
class zDisplay;
class zWinDisplay;

// The caret of a pane: the system has one caret per thread, so the caret exists only while
// its owner has the focus (focus() creates and destroys the system caret); position, shape,
// blink time and the show count live here in between.
class zCaret {
 public:
  // A solid (gray 0) or gray (gray 1) block of the size, or the bitmap's shape when given
  // (the caller keeps the bitmap).
  zCaret(zWindow* owner, const zDimension& size, zBitmap* bitmap = nullptr, int gray = 0);
  zCaret(const zCaret&) = delete;
  zCaret& operator=(const zCaret&) = delete;
  // Destroys the system caret while this one holds it.
  ~zCaret();

  // The owner gained (true) or lost the focus.
  void focus(bool gained);
  // Shows and hides are counted: the caret shows while more shows than hides were made.
  void show();
  void hide();
  void setPos(const zPoint& pos);
  const zPoint& pos() const { return pos_; }
  const zDimension& size() const { return size_; }
  // Milliseconds between blinks while the owner has the focus; 0 keeps the system's.
  void setBlinkTime(uint16_t ms);
  int showCount() const { return showCount_; }
  bool hasFocus() const { return hasFocus_ != 0; }
  void setOwner(zWindow* owner) { owner_ = owner; }

 private:
  zWindow* owner_;
  zBitmap* bitmap_;
  int gray_;
  zDimension size_;
  zPoint pos_;
  int32_t showCount_;
  uint16_t blinkTime_;
  int32_t hasFocus_;
  uint16_t savedBlinkTime_;
};

// How a pane comes to its window: it takes over the parent's child with an identifier
// (a placeholder made from a dialog template), or wraps a native window that exists.
enum class zPaneFromId : int32_t {};
struct zPaneSubclass {
  HWND handle;
};

class zPane : public zChildWin {
 public:
  zPane(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id = 0);
  explicit zPane(zWindow* parent);
  // Takes the place of the parent's child with the identifier: its place among the
  // children, geometry, native window, styles, scroll states, scroller, font, displays and
  // caret. The emptied placeholder stays with the pane (sibling()) and goes with it. With
  // no such child the pane stays without a window.
  zPane(zWindow* parent, zPaneFromId id);
  // Wraps a native window that exists: the pane's procedure replaces the window's, which
  // keeps serving what the pane leaves to default processing.
  zPane(zWindow* parent, zPaneSubclass native);
  ~zPane() override;

  WNDCLASSA* classInfo() override;
  void create() override;
  int onScroll(zEvent* event) override;
  int onFocus(zEvent* event) override;
  LRESULT defProc(zEvent* event) override;

  // Draws the contents on the current display; nonzero when it drew.
  virtual int draw(zEvent* event);
  // The current display changed (pushed or popped).
  virtual void displayChanged();
  // Printing: once at the start, per page, whether another page follows, once at the end.
  virtual int beginPrint();
  virtual int printPage();
  virtual int nextPage();
  virtual int endPrint();

  // Moves the pixels of the area (null: the whole client area) by (dx, dy), clipped to
  // the same area; what is uncovered is invalidated. Scrollers move a pane's contents
  // through it, so a pane that draws fixed parts or scrolls otherwise overrides it.
  virtual void scroll(int32_t dx, int32_t dy, const RECT* area);

  zDisplay* display() const { return displays_.empty() ? nullptr : displays_.back(); }
  zWinDisplay* windowDisplay() const { return windowDisplay_; }
  // Makes the display current (the caller keeps it and pops it before deleting it).
  void pushDisplay(zDisplay* display);
  zDisplay* popDisplay();

  LRESULT route(zEvent* event);

  // The remembered sibling, or the first other child of the parent with the identifier
  // (then remembered); null when none.
  zWindow* findSibling(int32_t id);
  zWindow* sibling() const { return sibling_; }
  zCaret* caret() const { return caret_; }
  // The pane takes the caret (the previous one is deleted); null removes it.
  void setCaret(zCaret* caret);

 private:
  void initPane();
  void adoptWindowProc();
  LRESULT paint(zEvent* event);

  zWinDisplay* windowDisplay_;
  std::vector<zDisplay*> displays_;
  zWindow* sibling_;
  bool ownsSibling_;
  zCaret* caret_;
  // The procedure that the pane's procedure replaced on a window it took over or wrapped.
  WNDPROC classProc_;
};

// Converts a point from the client coordinates of one window to those of another through
// the screen; a null window stands for the screen itself.
void mapPoint(zPoint& point, zWindow* from, zWindow* to);

class zPaneControl : public zPane {
 public:
  zPaneControl(zWindow* parent, zSizer* sizer, uint32_t style, const char* className, int32_t id);
  // Takes over the dialog's child with the identifier (see zPane).
  zPaneControl(zWindow* parent, zPaneFromId id);
  LRESULT defProc(zEvent* event) override;
  // WM_COMMAND to the parent with the pane's id and the code: posted, or sent.
  void notifyParent(uint16_t code);
  LRESULT sendNotify(uint16_t code);
  virtual int onEnable(WPARAM enabled);

 protected:
  // No window: for a control that takes over one a dialog template made.
  explicit zPaneControl(zWindow* parent);
};

// Makes the pane control a dialog template names ("zPaneControl"); the template's title
// is no class name, so the pane keeps its own class.
zWindow* zCreatePaneControl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
