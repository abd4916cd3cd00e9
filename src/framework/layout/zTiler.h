// Two further layouts. A tiler puts its children side by side in one row (or column) and
// shrinks them toward their minimum sizes when the row is too short. The slot layout
// places children in numbered slots along a row or a column, with margins, a gap for each
// empty slot number and centring across the row; a child takes part by carrying a slot
// sizer that names its slot, any other child is placed at its own origin.
#pragma once

#include "framework/layout/zSizer.h"

class zTiler : public zLayout {
 public:
  enum Orientation : int32_t { leftToRight = 1, topToBottom = 2 };
  explicit zTiler(int32_t orientation) : orientation_(orientation) {}
  void arrange(zRect& rect, zSizerDlist* children, int32_t count) override;
  void measure(zSizeInfo& info, zSizerDlist* children, int32_t count) override;
  int32_t orientation() const { return orientation_; }

 private:
  int32_t orientation_;
};

class zLRtiler : public zTiler {
 public:
  zLRtiler() : zTiler(leftToRight) {}
};

class zTBtiler : public zTiler {
 public:
  zTBtiler() : zTiler(topToBottom) {}
};

class zSlotLayout : public zLayout {
 public:
  zSlotLayout() : orientation_(1), margin_(0, 0), gap_(0, 0) {}
  // Writes back the area the slots used (margins not included).
  void arrange(zRect& rect, zSizerDlist* children, int32_t count) override;
  void measure(zSizeInfo& info, zSizerDlist* children, int32_t count) override;
  // 0 vertical, anything else horizontal.
  int32_t orientation() const { return orientation_; }
  void setOrientation(int32_t orientation) { orientation_ = orientation; }
  zDimension margin() const { return margin_; }
  void setMargin(const zDimension& margin) { margin_ = margin; }
  zDimension gap() const { return gap_; }
  void setGap(const zDimension& gap) { gap_ = gap; }

 private:
  int32_t orientation_;
  zDimension margin_;
  zDimension gap_;
};

// Names the slot (1 for the first) its owner takes in a slot layout. In each coordinate of
// the slot size, 0 means fill to the end of the row or column and -1 the layout's gap.
class zSlotSizer : public zSizer {
 public:
  zSlotSizer(int32_t slot, int32_t cx, int32_t cy, zSizer* parent);
  zSlotSizer(int32_t slot, zSizer* parent);
  void querySize(zSizeInfo& info) override;
  zSizer* asKind(int32_t kind) override;
  int32_t slot() const { return slot_; }
  void setSlot(int32_t slot) { slot_ = slot; }
  zDimension slotSize() const { return slotSize_; }
  void setSlotSize(int32_t cx, int32_t cy) { slotSize_ = zDimension(cx, cy); }

 protected:
  int32_t slot_;
  zDimension slotSize_;
};

// A combo box in a slot: reports its point as its origin, and a bar keeps its top there.
class zSlotSizerForComboBox : public zSlotSizer {
 public:
  zSlotSizerForComboBox(int32_t slot, const zPoint& point, int32_t cx, int32_t cy, zSizer* parent);
  void querySize(zSizeInfo& info) override;
  zSizer* asKind(int32_t kind) override;
  zPoint comboPoint() const { return comboPoint_; }

 private:
  zPoint comboPoint_;
};
