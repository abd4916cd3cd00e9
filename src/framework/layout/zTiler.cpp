#include "framework/layout/zTiler.h"

#include <cstddef>
#include <vector>

#include "framework/layout/zSizerMath.h"

using zSizerMath::add;
using zSizerMath::known;

// ---------------------------------------------------------------- tilers

namespace {
// Sums along the main axis, the largest across it; unset sizes count as 0.
void accumulate(zDimension& total, const zDimension& d, bool row) {
  if (row) {
    total.cx() = add(total.width(), known(d.width()));
    if (known(d.height()) > total.height()) total.cy() = known(d.height());
  } else {
    total.cy() = add(total.height(), known(d.height()));
    if (known(d.width()) > total.width()) total.cx() = known(d.width());
  }
}
}  // namespace

void zTiler::measure(zSizeInfo& info, zSizerDlist* children, int32_t) {
  info.minSize = info.prefSize = info.maxSize = zDimension(0, 0);
  const bool row = orientation_ == leftToRight;
  zSizerDlistIter it(children);
  while (zSizer* child = it.next()) {
    zSizeInfo c;
    child->querySize(c);
    accumulate(info.minSize, c.minSize, row);
    accumulate(info.prefSize, c.prefSize, row);
    accumulate(info.maxSize, c.maxSize, row);
  }
}

// A column is placed as a row is, with the axes exchanged.
void zTiler::arrange(zRect& rect, zSizerDlist* children, int32_t) {
  const bool row = orientation_ == leftToRight;
  struct Tile {
    zSizer* sizer;
    zSizeInfo info;
  };
  std::vector<Tile> tiles;
  zDimension minTotal(0, 0), prefTotal(0, 0);
  zSizerDlistIter it(children);
  while (zSizer* child = it.next()) {
    Tile t{child, zSizeInfo()};
    child->querySize(t.info);
    accumulate(minTotal, t.info.minSize, row);
    accumulate(prefTotal, t.info.prefSize, row);
    tiles.push_back(t);
  }
  auto along = [row](const zDimension& d) { return known(row ? d.width() : d.height()); };
  auto across = [row](const zDimension& d) { return known(row ? d.height() : d.width()); };
  const int32_t room = row ? zSizerMath::width(rect) : zSizerMath::height(rect);
  const int32_t prefSum = along(prefTotal);
  const int32_t minSum = along(minTotal);
  float f = 0.0f;
  enum { preferred, shrunk, minimum } mode = preferred;
  if (prefSum > room) {
    if (minSum < room) {
      mode = shrunk;
      float spread = 0.0f;
      for (const Tile& t : tiles) spread += static_cast<float>(along(t.info.prefSize) - along(t.info.minSize));
      f = spread > 0.0f ? static_cast<float>(room - minSum) / spread : 0.0f;
    } else {
      mode = minimum;
    }
  }
  int32_t tallest = 0;
  std::vector<zRect> rects;
  int32_t pos = row ? rect.left() : rect.top();
  for (const Tile& t : tiles) {
    int32_t a = 0, c = 0;
    if (mode == preferred) {
      a = along(t.info.prefSize);
      c = across(t.info.prefSize);
    } else if (mode == shrunk) {
      const int32_t lo = along(t.info.minSize);
      a = lo + static_cast<int32_t>(static_cast<float>(along(t.info.prefSize) - lo) * f);
      c = across(t.info.prefSize);
    } else {
      a = along(t.info.minSize);
      c = across(t.info.minSize);
    }
    const int32_t tall = mode == preferred ? across(t.info.prefSize) : across(t.info.minSize);
    if (tall > tallest) tallest = tall;
    if (row)
      rects.push_back(zRect(pos, rect.top(), add(pos, a), add(rect.top(), c)));
    else
      rects.push_back(zRect(rect.left(), pos, add(rect.left(), c), add(pos, a)));
    pos = add(pos, a);
  }
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    zRect& r = rects[i];
    if (row && r.height() == 0 && r.width() != 0) r.bottom() = add(r.top(), tallest);
    if (!row && r.width() == 0 && r.height() != 0) r.right() = add(r.left(), tallest);
    tiles[i].sizer->place(r, 0);
  }
}

// ---------------------------------------------------------------- slot layout

void zSlotLayout::arrange(zRect& rect, zSizerDlist* children, int32_t) {
  const bool horizontal = orientation_ != 0;
  int32_t x = add(rect.left(), margin_.width());
  const int32_t rightLimit = add(rect.right(), -margin_.width());
  int32_t y = add(rect.top(), margin_.height());
  const int32_t bottomLimit = add(rect.bottom(), -margin_.height());
  zDimension used(0, 0);
  int32_t highest = 0;
  struct Item {
    zSizer* sizer;
    zSizeInfo info;
    zRect rect;
    bool slotted;
    bool placed;
  };
  std::vector<Item> items;
  zSizerDlistIter it(children);
  while (zSizer* child = it.next()) {
    Item item{child, zSizeInfo(), zRect(0, 0, 0, 0), false, false};
    child->querySize(item.info);
    if (zSlotSizer* slot = static_cast<zSlotSizer*>(child->asKind(zKindSlot))) {
      item.slotted = true;
      if (slot->slot() > highest) highest = slot->slot();
    } else {
      const zPoint& o = item.info.origin;
      const zDimension& p = item.info.prefSize;
      item.rect = zRect(o.x(), o.y(), p.width() == sizerUnset ? rightLimit : add(o.x(), p.width()),
                        p.height() == sizerUnset ? bottomLimit : add(o.y(), p.height()));
    }
    items.push_back(item);
  }
  for (int32_t k = 1; k <= highest; ++k) {
    Item* taker = nullptr;
    for (Item& item : items) {
      if (item.slotted && !item.placed && static_cast<zSlotSizer*>(item.sizer->asKind(zKindSlot))->slot() == k) {
        taker = &item;
        break;
      }
    }
    if (!taker) {
      if (horizontal) {
        x = add(x, gap_.width());
        used.cx() = add(used.width(), gap_.width());
      } else {
        y = add(y, gap_.height());
        used.cy() = add(used.height(), gap_.height());
      }
      continue;
    }
    taker->placed = true;
    const zSizeInfo& info = taker->info;
    const bool combo = info.gravity == gravRight;
    int32_t w = info.prefSize.width();
    if (w == 0)
      w = rightLimit - x;
    else if (w == -1)
      w = gap_.width();
    int32_t h = (combo && !horizontal) ? info.origin.y() : info.prefSize.height();
    if (h == 0)
      h = bottomLimit - y;
    else if (h == -1)
      h = gap_.height();
    zRect r(x, y, add(x, w), add(y, h));
    if (!horizontal) {
      if (r.right() != rightLimit) {
        const int32_t dx = (rightLimit - r.right()) / 2;
        r.left() = add(r.left(), dx);
        r.right() = add(r.right(), dx);
      }
      used.cy() = add(used.height(), h);
      y = r.bottom();
    } else {
      if (r.bottom() != bottomLimit) {
        if (combo) {
          r.top() = info.origin.y();
        } else {
          const int32_t dy = (bottomLimit - r.bottom()) / 2;
          r.top() = add(r.top(), dy);
          r.bottom() = add(r.bottom(), dy);
        }
      }
      used.cx() = add(used.width(), w);
      x = r.right();
    }
    taker->rect = r;
  }
  // A slot number of 0 or below, or one already taken, gets no slot: such a child is given
  // an empty rectangle at the start of the inner area rather than an undefined one.
  for (Item& item : items) {
    if (item.slotted && !item.placed)
      item.rect = zRect(add(rect.left(), margin_.width()), add(rect.top(), margin_.height()),
                        add(rect.left(), margin_.width()), add(rect.top(), margin_.height()));
    item.sizer->place(item.rect, 0);
  }
  rect.right() = add(rect.left(), used.width());
  rect.bottom() = add(rect.top(), used.height());
}

void zSlotLayout::measure(zSizeInfo& info, zSizerDlist* children, int32_t) {
  int32_t right = 0, bottom = 0;
  zSizerDlistIter it(children);
  while (zSizer* child = it.next()) {
    if (child->gravity() != gravNone) continue;
    zSizeInfo c;
    child->querySize(c);
    const int32_t r = add(known(c.origin.x()), known(c.prefSize.width()));
    const int32_t b = add(known(c.origin.y()), known(c.prefSize.height()));
    if (r > right) right = r;
    if (b > bottom) bottom = b;
  }
  if (right > info.prefSize.width()) {
    info.prefSize.cx() = right;
    if (info.maxSize.width() < right) info.maxSize.cx() = right;
  }
  if (bottom > info.prefSize.height()) {
    info.prefSize.cy() = bottom;
    if (info.maxSize.height() < bottom) info.maxSize.cy() = bottom;
  }
}

// ---------------------------------------------------------------- slot sizers

zSlotSizer::zSlotSizer(int32_t slot, int32_t cx, int32_t cy, zSizer* parent)
    : zSizer(parent), slot_(slot), slotSize_(cx, cy) {
  gravity_ = gravLeft;
  extent_ = zDimension(cx, cy);
}

zSlotSizer::zSlotSizer(int32_t slot, zSizer* parent) : zSizer(parent), slot_(slot), slotSize_(-1, -1) {
  gravity_ = gravLeft;
}

void zSlotSizer::querySize(zSizeInfo& info) {
  info.reset();
  info.setAll(slotSize_);
  info.gravity = gravity_;
  info.origin = origin_;
  info.owner = this;
}

zSizer* zSlotSizer::asKind(int32_t kind) { return kind == zKindSlot ? this : zSizer::asKind(kind); }

zSlotSizerForComboBox::zSlotSizerForComboBox(int32_t slot, const zPoint& point, int32_t cx, int32_t cy, zSizer* parent)
    : zSlotSizer(slot, cx, cy, parent), comboPoint_(point) {
  gravity_ = gravRight;
}

void zSlotSizerForComboBox::querySize(zSizeInfo& info) {
  zSlotSizer::querySize(info);
  info.origin = comboPoint_;
}

zSizer* zSlotSizerForComboBox::asKind(int32_t kind) { return kind == zKindSlotCombo ? this : zSlotSizer::asKind(kind); }
