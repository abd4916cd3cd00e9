// The scroller that a window may own: it lays out after a size change and answers scroll
// events. The scrollers of the controls library derive from it.
#pragma once

#include "framework/core/zEvH.h"

class zScrollerBase : public zEvH {
 public:
  zScrollerBase() = default;
  ~zScrollerBase() override = default;
  // After a size change of the window.
  virtual void layoutAfterSize() {}
  // A scroll event; nonzero when handled.
  virtual int scroll(zEvent*) { return 0; }
};
