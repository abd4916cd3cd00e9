#include "framework/bars/zValueSet.h"

#include <new>

#include "framework/bars/zPaneCtrlTypes.h"
#include "framework/draw/zDisplay.h"
#include "framework/visual/zImageStrip.h"
#include "framework/visual/zVisDraw.h"

void zDrawFrame3d(HDC dc, const zRect& r, int32_t depth, bool sunken) {
  for (int32_t i = 0; i < depth; ++i) {
    const bool inner = depth > 1 && i == depth - 1;
    COLORREF topLeft = sunken ? (inner ? zvis::black : zvis::grey) : (inner ? zvis::lightGrey : zvis::white);
    COLORREF bottomRight = sunken ? (inner ? zvis::lightGrey : zvis::white) : (inner ? zvis::black : zvis::grey);
    const int32_t l = r.left() + i, t = r.top() + i, rt = r.right() - i, b = r.bottom() - i;
    {
      zvis::PenScope pen(dc, topLeft);
      MoveToEx(dc, l, b, nullptr);
      LineTo(dc, l, t);
      LineTo(dc, rt, t);
    }
    zvis::PenScope pen(dc, bottomRight);
    MoveToEx(dc, rt, t, nullptr);
    LineTo(dc, rt, b);
    LineTo(dc, l - 1, b);
  }
}

zValueSet::zValueSet(zWindow* parent, zSizer* sizer, uint32_t style, const char* className, int32_t id)
    : zPaneControl(parent, sizer, style, className ? className : "zValueSet", id),
      strip_(nullptr),
      grid_(0, 0),
      selection_(0, 0),
      showSelection_((style & zValueSetHideSelection) ? 0 : 1),
      keyboard_(1),
      bound_(nullptr),
      bevel_(2),
      margin_(0),
      gap_(3),
      frame_(2) {
  addNotifyHandler(this, &zValueSet::onKeyDown, WM_KEYDOWN);
}

zValueSet::~zValueSet() {
  removeNotifyHandler(this, &zValueSet::onKeyDown, WM_KEYDOWN);
  delete strip_;
}

zValueSetGeometry zValueSet::geometry() const {
  zValueSetGeometry g;
  if (strip_) g.image = strip_->cellSize();
  g.hasStrip = strip_ != nullptr;
  g.margin = margin_;
  g.gap = gap_;
  g.frame = frame_;
  return g;
}

ziValueSetItem& zValueSet::item(const zPoint& cell) {
  static ziValueSetItem none;
  if (items_.empty()) return none = ziValueSetItem();
  const bool inside = cell.x() >= 0 && cell.y() >= 0 && cell.x() < grid_.width() && cell.y() < grid_.height();
  return inside ? items_[static_cast<size_t>(cell.y() * grid_.width() + cell.x())] : items_[0];
}

const ziValueSetItem& zValueSet::item(const zPoint& cell) const { return const_cast<zValueSet*>(this)->item(cell); }

void zValueSet::setGridSize(const zDimension& size) {
  if (!items_.empty() && size == grid_) return;
  grid_ = zDimension(size.width() > 0 ? size.width() : 0, size.height() > 0 ? size.height() : 0);
  items_.assign(static_cast<size_t>(grid_.width()) * static_cast<size_t>(grid_.height()), ziValueSetItem());
  invalidate(nullptr, 1);
}

zImageStrip* zValueSet::setImageStrip(zImageStrip* strip) {
  zImageStrip* previous = strip_;
  strip_ = strip;
  invalidate(nullptr, 1);
  return previous;
}

void zValueSet::invalidateCell(const zPoint& cell) {
  if (!showSelection_) return;
  const zRect r = cellRect(cell);
  // The selection mark reaches one pixel outside the cell.
  const RECT rect = {r.left() - 1, r.top() - 1, r.right() + 1, r.bottom() + 1};
  invalidate(&rect, 0);
}

void zValueSet::setImageIndex(const zPoint& cell, int32_t index) {
  ziValueSetItem& it = item(cell);
  if (it.image == index) return;
  it.image = index;
  invalidateCell(cell);
}

void zValueSet::select(const zPoint& cell) {
  if (cell == selection_) return;
  invalidateCell(selection_);
  selection_ = cell;
  invalidateCell(selection_);
  notifyParent(zValueSetChanged);
}

zPoint* zValueSet::bind(zPoint* variable) {
  zPoint* previous = bound_;
  bound_ = variable;
  return previous;
}

int zValueSet::loadData() {
  select(bound_ ? *bound_ : zPoint(0, 0));
  return 1;
}

int zValueSet::storeData() {
  if (!bound_) return 0;
  *bound_ = selection_;
  return 1;
}

int zValueSet::preferredSize(zDimension* size) {
  if (!size) return 0;
  *size = geometry().preferredSize(grid_);
  return 1;
}

int zValueSet::onMouseButtonDown(zEvent* event) {
  if (keyboard_) setFocus();
  zPoint cell;
  if (event && hitTest(event->point(), &cell)) select(cell);
  return 1;
}

int zValueSet::onKeyDown(zEvent* event) {
  if (!event) return 1;
  zPoint next = selection_;
  switch (event->wParam_) {
    case VK_LEFT:
      if (next.x() > 0) --next.x();
      break;
    case VK_UP:
      if (next.y() > 0) --next.y();
      break;
    case VK_RIGHT:
      if (next.x() < grid_.width() - 1) ++next.x();
      break;
    case VK_DOWN:
      if (next.y() < grid_.height() - 1) ++next.y();
      break;
    default:
      break;
  }
  select(next);
  return 1;
}

int zValueSet::draw(zEvent*) {
  zDisplay* d = display();
  if (!d) return 1;
  d->lock();
  const HDC dc = d->hdc();
  const RECT box = zvis::paintBox(dc, handle_);
  const zValueSetGeometry g = geometry();
  for (int32_t r = 0; r < grid_.height(); ++r) {
    for (int32_t c = 0; c < grid_.width(); ++c) {
      const zRect cell = g.cellRect(c, r);
      if (cell.right() + 1 < box.left || cell.left() - 1 > box.right || cell.bottom() + 1 < box.top ||
          cell.top() - 1 > box.bottom)
        continue;
      const zPoint at(c, r);
      if (strip_ && item(at).image >= 0) strip_->draw(d, cell.left() + frame_, cell.top() + frame_, item(at).image);
      if (showSelection_ && at == selection_) {
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        // Black, white, black rings from one pixel outside the cell inward.
        Rectangle(dc, cell.left() - 1, cell.top() - 1, cell.right() + 1, cell.bottom() + 1);
        Rectangle(dc, cell.left() + 1, cell.top() + 1, cell.right() - 1, cell.bottom() - 1);
        SelectObject(dc, GetStockObject(WHITE_PEN));
        Rectangle(dc, cell.left(), cell.top(), cell.right(), cell.bottom());
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
      } else {
        zDrawFrame3d(dc, zRect(cell.left(), cell.top(), cell.right() - 1, cell.bottom() - 1), bevel_, true);
      }
    }
  }
  d->unlock();
  return 1;
}

zValueSet* zValueSet::fromDialog(zWindow* parent, int32_t id) {
  return static_cast<zValueSet*>(zPaneCtrlById(parent, id, "zValueSet"));
}

zWindow* zCreateValueSet(zWindow* parent, zSizer* sizer, uint32_t style, const char*, int32_t id) {
  return new (std::nothrow) zValueSet(parent, sizer, style, nullptr, id);
}
