#include "framework/bars/zStaticText3d.h"

#include <new>

#include "framework/bars/zPaneCtrlArith.h"
#include "framework/draw/zDisplay.h"
#include "framework/layout/zGravSizer.h"

void ziVisText3dStatic::draw(const zRect*) {
  const ziMnemonic m = ziScanMnemonic(text_);
  // Nothing to show leaves even the background alone.
  if (m.shown.empty() || !parent_) return;
  zDisplay* d = display();
  if (!d) return;
  const zRect owner = parent_->rect();
  const int32_t x = zStaticTextX(style_ & 3u, owner.width() - 2, textWidth()) + owner.left();
  // The caption sits at the top of the control, not centred.
  const int32_t y = owner.top() + 1 + lookAdjust();
  d->lock();
  d->backColor(zColor::fromColorRef(GetSysColor(COLOR_BTNFACE)));
  x_ = x;
  y_ = y;
  drawFocusFrame(false);
  drawTextAt(x, y);
  d->unlock();
}

zStaticText3d::zStaticText3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : ziCtrlBase(parent, sizer, style, text, id) {
  ziControlCompound* c = beginFace(style);
  endFace(nullptr, new ziVisText3dStatic(c, new zGravSizer(gravClient, 0, c->sizer()), style, text_));
}

zStaticText3d::zStaticText3d(zWindow* parent, int32_t id) : ziCtrlBase(parent, id) {
  if (isEmpty()) return;
  ziControlCompound* c = beginFace(style_);
  endFace(nullptr, new ziVisText3dStatic(c, new zGravSizer(gravClient, 0, c->sizer()), style_, text_));
}

zWindow* zCreateStaticText3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id) {
  return new (std::nothrow) zStaticText3d(parent, sizer, style, text, id);
}
