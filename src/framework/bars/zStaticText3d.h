// A drawn caption: one line of text in the 3-D looks of the caption visual (plain, etched,
// sunken, raised, embossed), aligned left, centred or right (style & 3; the unused value 3
// is drawn as left) at the top of the control. Passive: it never keeps the focus and takes
// no mouse or key input. Dialog templates name it "zStatTxt3dClass".
#pragma once

#include <cstdint>

#include "framework/visual/zCtrl3d.h"

class ziVisText3dStatic : public ziVisText3d {
 public:
  using ziVisText3d::ziVisText3d;
  void draw(const zRect* clip) override;
};

class zStaticText3d : public ziCtrlBase {
 public:
  zStaticText3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  // Takes over the dialog-template control with the identifier.
  zStaticText3d(zWindow* parent, int32_t id);
};

zWindow* zCreateStaticText3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
