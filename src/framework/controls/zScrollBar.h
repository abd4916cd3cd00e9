// Scroll-bar controls over the system class "scrollbar". Each owns the scroll information
// that the window procedures move on WM_HSCROLL and WM_VSCROLL: the control's own bar
// (SB_CTL) for zScrollBarBase and zScrollBarCtrl, bar 1 for zScrollBarVert and bar 0 for
// zScrollBarHorz. The range can also be set with the message zMsgScrollRange (0x90A).
#pragma once

#include "framework/controls/zControl.h"

class zScrollBarBase : public zControl {
 public:
  zScrollBarBase(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zScrollBarBase(zWindow* parent, int32_t id);
  ~zScrollBarBase() override;

  zScrollInfo* scrollInfo() override { return info_; }
  // Replaces the pointer; the old object is the caller's to free.
  void setScrollInfo(zScrollInfo* info) { info_ = info; }

 protected:
  zScrollInfo* info_;
};

class zScrollBarVert : public zScrollBarBase {
 public:
  zScrollBarVert(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zScrollBarVert(zWindow* parent, int32_t id);
};

class zScrollBarHorz : public zScrollBarBase {
 public:
  zScrollBarHorz(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zScrollBarHorz(zWindow* parent, int32_t id);
};

class zScrollBarCtrl : public zScrollBarBase {
 public:
  zScrollBarCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zScrollBarCtrl(zWindow* parent, int32_t id);
};
