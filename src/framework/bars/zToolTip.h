// Tool tips: a short help text in a small pale-yellow popup next to the pointer while it
// rests on one of a set of windows (toolbar buttons, dialog controls). The tool tip is not a
// window but an event handler that watches the tools' mouse messages through handler nodes
// and times the popup with framework timers: it shows 600 ms after the pointer came to rest
// (at once when moving from one tool to another while a tip is up), checks every 250 ms
// that the pointer is still there, and takes the tip down after 5.5 s; that tool then gets
// no tip again until the pointer moves. Texts come from a status message table by the
// tool's id, else from toolText, which a program may replace.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "foundation/FLCString.h"
#include "foundation/Geometry.h"
#include "framework/bars/zStatusMessageTable.h"
#include "framework/core/zWindow.h"
#include "framework/frames/zPane.h"

class zTimer;
class zToolTipCtrl;

// The popup: a bordered WS_POPUP pane that shows the text at (2, 1).
class ziToolHelper : public zPane {
 public:
  ziToolHelper(zToolTipCtrl* owner, zWindow* parent);
  // Tells the owner that the popup is gone.
  ~ziToolHelper() override;
  int draw(zEvent* event) override;
  // Sizes the popup to its text and moves it to (x, y), to the left of x near the screen's
  // right edge.
  void place(int32_t x, int32_t y);
  void setText(const char* text) { text_ = text ? text : ""; }
  const FLCString& text() const { return text_; }
  void ownerGone() { owner_ = nullptr; }

 private:
  FLCString text_;
  zToolTipCtrl* owner_;
};

class zToolTipCtrl : public zEvH {
 public:
  enum Watch { watchGiven, watchNearestFrame };
  // Follows the activation of the window (watchGiven; may be null) or of the nearest frame
  // at or above it (watchNearestFrame).
  explicit zToolTipCtrl(zWindow* window, Watch watch = watchGiven);
  ~zToolTipCtrl() override;

  // The text for a tool the message table does not cover; the empty text by default.
  virtual void toolText(zWindow* tool, FLCString& text);

  void addTool(zWindow* tool);
  void removeTool(zWindow* tool);
  void setEnabled(int enabled);
  void setMessageTable(const zStatusMessage* entries) { table_.set(entries); }
  zStatusMessageTable& messageTable() { return table_; }
  void hide();
  void show(const zPoint& point);

  // Handlers on the tools and the watched window; each answers 0.
  int onMouseMove(zEvent* event);
  int onButtonDown(zEvent* event);
  int onActivate(zEvent* event);
  // Timer handlers.
  int delayDone(zEvent*);
  int poll(zEvent*);
  int showTimeOver(zEvent*);

  // The popup, made at the first call (a tip's first show): a window made with its frame
  // would cost the frame's start and show. 0 once it has gone with the frame.
  ziToolHelper* popup();
  zWindow* currentTool() const { return current_; }
  zWindow* expiredTool() const { return expired_; }
  zWindow* watchedWindow() const { return watched_; }
  const FLCString& text() const { return text_; }
  int isEnabled() const { return enabled_; }
  int isShown() const;
  bool delayPending() const { return delayTimer_ != nullptr; }
  bool hideTimerRunning() const { return hideTimer_ != nullptr; }
  void popupGone() {
    popup_ = nullptr;
    popupGone_ = true;
  }

 protected:
  // The window under the pointer, and whether the active window is one of this
  // application's: what the timing asks of the system (tests put their answers in).
  virtual HWND windowUnderCursor();
  virtual int applicationActive();

 private:
  zWindow* findTool(HWND handle);
  // The current tool is set and its window still lives.
  bool currentLive() const;
  void deleteTimer(zTimer*& timer);

  zPoint showPoint_;
  zPoint lastMouse_;
  HWND lastMouseWindow_;
  zWindow* watched_;
  HWND watchedHandle_;
  zWindowDlist tools_;
  // The tools with their windows, to tell at the end which of them still live.
  struct ToolEntry {
    zWindow* tool;
    HWND handle;
  };
  std::vector<ToolEntry> toolHandles_;
  FLCString text_;
  zWindow* current_;
  zWindow* expired_;
  ziToolHelper* popup_;
  bool popupGone_;
  int32_t enabled_;
  zTimer* pollTimer_;
  zTimer* delayTimer_;
  zTimer* hideTimer_;
  zStatusMessageTable table_;
};
