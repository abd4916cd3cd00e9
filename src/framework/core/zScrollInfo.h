// Range, steps and position of one scroll bar (a window's own bar or a scroll-bar
// control), kept in step with the native bar. The window procedures move it on scroll
// messages.
#pragma once

#include <cstdint>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "framework/core/zRange.h"

class zWindow;

// Posted to the owner when a range changes; the owner's procedure applies it to the bar.
constexpr UINT zMsgScrollRange = 0x90A;

class zScrollInfo {
 public:
  // Range 0-100, page step 10, line step 1, position 0, the vertical bar.
  explicit zScrollInfo(zWindow* owner);
  virtual ~zScrollInfo() = default;

  int32_t low() const { return low_; }
  int32_t high() const { return high_; }
  int32_t pos() const { return pos_; }
  int32_t prevPos() const { return prevPos_; }
  int32_t lineStep() const { return lineStep_; }
  int32_t pageStep() const { return pageStep_; }
  int bar() const { return bar_; }
  void setLineStep(int32_t n) { lineStep_ = n; }
  void setPageStep(int32_t n) { pageStep_ = n; }
  void setPrevPos(int32_t n) { prevPos_ = n; }
  void setOwner(zWindow* owner) { owner_ = owner; }

  zRange range() const { return zRange(low_, high_); }
  // Applies each part that is given: the range when not null, each number when 0 or more;
  // the position goes through setPos.
  void set(const zRange* range, int32_t pos, int32_t lineStep, int32_t pageStep, int32_t prevPos);
  // Stores the range and posts it to the owner (16 bits each of low and high).
  void setRange(int32_t low, int32_t high);
  // Clamps to the range (against the high end first), remembers the old position.
  void setPos(int32_t n);
  // The same without remembering the old position. Without redraw the bar takes the
  // position but is not drawn: its owner draws it later.
  void movePos(int32_t n, bool redraw = true);

 protected:
  zScrollInfo(zWindow* owner, int bar);

 private:
  int32_t clamp(int32_t n) const;
  void applyToBar(int32_t n, bool redraw = true);

  int32_t low_;
  int32_t high_;
  int32_t pageStep_;
  int32_t lineStep_;
  int32_t pos_;
  int32_t prevPos_;
  int bar_;
  zWindow* owner_;
};

class zScrollInfoVert : public zScrollInfo {
 public:
  explicit zScrollInfoVert(zWindow* owner) : zScrollInfo(owner, SB_VERT) {}
};

class zScrollInfoHoriz : public zScrollInfo {
 public:
  explicit zScrollInfoHoriz(zWindow* owner) : zScrollInfo(owner, SB_HORZ) {}
};

class zScrollInfoCtrl : public zScrollInfo {
 public:
  explicit zScrollInfoCtrl(zWindow* owner) : zScrollInfo(owner, SB_CTL) {}
};
