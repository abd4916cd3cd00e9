// A palette of picture cells: a pane control showing a grid of images from an image strip,
// each in a sunken 3-D frame, one cell selected (framed black-white-black). The user picks
// a cell with the mouse or the arrow keys; a change of selection is reported to the parent
// as control notification code 1, and the selection can be bound to a point. A cell outside
// the grid addresses cell (0, 0). Without an image strip the cells are laid out as 10 x 10
// images but none can be clicked, and only their frames are drawn.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/Geometry.h"
#include "framework/bars/zPaneCtrlArith.h"
#include "framework/frames/zPane.h"

class zImageStrip;

constexpr uint32_t zValueSetHideSelection = 0x01;  // style: the selection is not shown
constexpr uint16_t zValueSetChanged = 1;

struct ziValueSetItem {
  int32_t data = 0;
  int32_t image = -1;
};

class zValueSet : public zPaneControl {
 public:
  zValueSet(zWindow* parent, zSizer* sizer, uint32_t style, const char* className, int32_t id);
  ~zValueSet() override;
  // The value set that a dialog template made with the identifier (its creator built the
  // object already); null when the parent has none.
  static zValueSet* fromDialog(zWindow* parent, int32_t id);

  int onMouseButtonDown(zEvent* event) override;
  int storeData() override;
  int loadData() override;
  int draw(zEvent* event) override;
  int preferredSize(zDimension* size) override;

  void setGridSize(const zDimension& size);
  const zDimension& gridSize() const { return grid_; }
  // Takes the strip; the previous one goes back to the caller.
  zImageStrip* setImageStrip(zImageStrip* strip);
  zImageStrip* imageStrip() const { return strip_; }
  int32_t imageIndex(const zPoint& cell) const { return item(cell).image; }
  void setImageIndex(const zPoint& cell, int32_t index);
  int32_t itemData(const zPoint& cell) const { return item(cell).data; }
  void setItemData(const zPoint& cell, int32_t data) { item(cell).data = data; }
  const zPoint& selection() const { return selection_; }
  void select(const zPoint& cell);
  zPoint* bind(zPoint* variable);
  template <class T, class C>
  void onSelectionChange(T* object, int (C::*member)(zEvent*)) {
    addCtrlNotify(zEventHandler(object, member), zValueSetChanged);
  }
  template <class T, class C>
  void removeSelectionChange(T* object, int (C::*member)(zEvent*)) {
    removeCtrlNotify(zEventHandler(object, member), zValueSetChanged);
  }

  zValueSetGeometry geometry() const;
  zRect cellRect(const zPoint& cell) const { return geometry().cellRect(cell.x(), cell.y()); }
  bool hitTest(const zPoint& p, zPoint* cell) const { return geometry().hitTest(p, grid_, cell); }
  bool showsSelection() const { return showSelection_ != 0; }

 private:
  ziValueSetItem& item(const zPoint& cell);
  const ziValueSetItem& item(const zPoint& cell) const;
  void invalidateCell(const zPoint& cell);
  int onKeyDown(zEvent* event);

  zImageStrip* strip_;
  zDimension grid_;
  zPoint selection_;
  std::vector<ziValueSetItem> items_;
  int32_t showSelection_;
  int32_t keyboard_;
  zPoint* bound_;
  int32_t bevel_;
  int32_t margin_;
  int32_t gap_;
  int32_t frame_;
};

// A 3-D frame of depth d around [left, right] x [top, bottom], sunken or raised, in fixed
// colours (outer and inner rings differ when d > 1).
void zDrawFrame3d(HDC dc, const zRect& rect, int32_t depth, bool sunken);

zWindow* zCreateValueSet(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
