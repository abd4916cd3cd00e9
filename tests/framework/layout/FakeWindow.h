// A window for sizers without Windows: it records where the sizer moved it.
#pragma once

#include <ostream>
#include <vector>

#include "framework/layout/zSizer.h"

class FakeWindow : public zSizerWindow {
 public:
  explicit FakeWindow(zDimension client = zDimension(0, 0)) : client_(client) {}
  bool sizerWindowLive() const override { return live_; }
  zDimension sizerClientSize() const override { return client_; }
  void sizerMoveSize(int32_t x, int32_t y, int32_t w, int32_t h) override {
    moves_.push_back(zRect(x, y, x + w, y + h));
    client_ = zDimension(w, h);
  }
  bool sizerIsComboBox() const override { return combo_; }

  zDimension client_;
  bool live_ = true;
  bool combo_ = false;
  std::vector<zRect> moves_;
};

inline void PrintTo(const zRect& r, std::ostream* os) {
  *os << "(" << r.left() << "," << r.top() << ")-(" << r.right() << "," << r.bottom() << ")";
}
inline void PrintTo(const zDimension& d, std::ostream* os) { *os << d.width() << "x" << d.height(); }
inline void PrintTo(const zPoint& p, std::ostream* os) { *os << "(" << p.x() << "," << p.y() << ")"; }
