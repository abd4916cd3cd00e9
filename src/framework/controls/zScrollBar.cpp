#include "framework/controls/zScrollBar.h"

#include "framework/core/zScrollInfo.h"

zScrollBarBase::zScrollBarBase(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zControl(parent, sizer, style, text, id, "scrollbar"), info_(nullptr) {
  setTypeBit(zTypeScrollBarBase);
  kind_ = zKindScrollBar;
  style_ |= WS_CHILD | WS_VISIBLE;
  info_ = new zScrollInfoCtrl(this);
}

zScrollBarBase::zScrollBarBase(zWindow* parent, int32_t id) : zControl(parent, id), info_(nullptr) {
  setTypeBit(zTypeScrollBarBase);
  if (!isEmpty()) kind_ = zKindScrollBar;
  info_ = new zScrollInfoCtrl(this);
}

zScrollBarBase::~zScrollBarBase() { delete info_; }

zScrollBarVert::zScrollBarVert(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zScrollBarBase(parent, sizer, style, text, id) {
  setTypeBit(zTypeScrollBarVert);
  style_ |= SBS_VERT;
  delete info_;
  info_ = new zScrollInfoVert(this);
  create();
}

zScrollBarVert::zScrollBarVert(zWindow* parent, int32_t id) : zScrollBarBase(parent, id) {
  setTypeBit(zTypeScrollBarVert);
  delete info_;
  info_ = new zScrollInfoVert(this);
}

zScrollBarHorz::zScrollBarHorz(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zScrollBarBase(parent, sizer, style, text, id) {
  setTypeBit(zTypeScrollBarHorz);
  style_ |= SBS_HORZ;
  delete info_;
  info_ = new zScrollInfoHoriz(this);
  create();
}

zScrollBarHorz::zScrollBarHorz(zWindow* parent, int32_t id) : zScrollBarBase(parent, id) {
  setTypeBit(zTypeScrollBarHorz);
  delete info_;
  info_ = new zScrollInfoHoriz(this);
}

zScrollBarCtrl::zScrollBarCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zScrollBarBase(parent, sizer, style, text, id) {
  setTypeBit(zTypeScrollBarCtrl);
  create();
}

zScrollBarCtrl::zScrollBarCtrl(zWindow* parent, int32_t id) : zScrollBarBase(parent, id) {
  setTypeBit(zTypeScrollBarCtrl);
}
