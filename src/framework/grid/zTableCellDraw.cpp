// The drawing procedure shared by text, formatted, bitmap and self-drawing cells.
#include <cstring>

#include "framework/draw/zBitmap.h"
#include "framework/draw/zDisplay.h"
#include "framework/draw/zDrawObj.h"
#include "framework/grid/zTableAttr.h"
#include "framework/grid/zTableCell.h"
#include "framework/grid/zTableDrawAttr.h"

namespace {

constexpr int32_t kPrinterDisplay = 3;

void applyIf(ziTableEnv* env, uint32_t kind, zDisplay* d) {
  if (zTableAttr* a = env ? env->slot(kind) : nullptr) a->apply(d);
}
void restoreIf(ziTableEnv* env, uint32_t kind, zDisplay* d) {
  if (zTableAttr* a = env ? env->slot(kind) : nullptr) a->restore(d);
}

void paintCell(zTableCell* cell, const zRect& r, zDisplay* d, ziTableEnv* env) {
  if (!d) return;
  zBitmap* bitmap = cell->bitmapContent();
  auto* self = dynamic_cast<zTableDrawCell*>(cell);
  bool isBitmapCell = dynamic_cast<zTableBmpCell*>(cell) != nullptr;
  bool current = env && env->current;
  bool selected = env && env->selected;

  // 1. attributes
  if (!isBitmapCell) applyIf(env, zTableAttrTextColor, d);
  applyIf(env, zTableAttrBackColor, d);
  if (!isBitmapCell) applyIf(env, zTableAttrFont, d);

  // 2. fill, drawing the grid lines with the current pen (black for the current cell)
  zPenStock black(BLACK_PEN);
  if (current) d->pushPen(&black);
  const bool filled = selected && env->fill;
  zBrush fill(filled ? *env->fill : zColor(255, 255, 255));
  if (filled) d->pushBrush(&fill);
  d->rectangle(r);
  if (filled) d->popBrush();
  if (current) d->popPen();

  int drewItself = 0;
  if (self) {
    drewItself = self->drawContents(r, d, env);
  } else {
    // 3-6. margin, alignment, clip, content
    int32_t m = d->kind() == kPrinterDisplay ? d->pixelsPerInchX() * 3 / 100 : 3;
    const char* text = isBitmapCell ? "" : cell->shownText();
    int32_t length = static_cast<int32_t>(std::strlen(text));
    int32_t w = 0;
    if (isBitmapCell)
      w = bitmap ? bitmap->size().width() : 0;
    else if (length > 0)
      w = d->textExtent(text, length).width();
    uint32_t align = env ? env->alignment() : zTableAlignLeft;
    int32_t width = r.right() - r.left();
    int32_t x = r.left() + m;
    if (align == zTableAlignRight)
      x = r.right() - m - w;
    else if (align == zTableAlignCentre)
      x = r.left() + (width - w) / 2 + m;
    int32_t y = r.top() + m;

    // A text wider than its cell stays inside it: a right-aligned one shows its end,
    // clipped at the left margin; any other is cut at the cell's right edge (the next
    // cell would paint over it, but beyond the last column nothing does). The clip the
    // display had (a paint's) is put back afterwards.
    bool clip = w > width - m && d->hdc();
    HRGN previous = nullptr;
    int hadClip = 0;
    if (clip) {
      previous = CreateRectRgn(0, 0, 0, 0);
      hadClip = previous ? GetClipRgn(d->hdc(), previous) : 0;
      const int32_t left = align == zTableAlignRight ? r.left() + m : r.left();
      IntersectClipRect(d->hdc(), left, r.top() + m, r.right(), r.bottom());
    }
    if (isBitmapCell) {
      if (bitmap) d->drawBitmap(*bitmap, zPoint(x, y));
    } else if (length > 0) {
      d->textOut(x, y, text, length);
    }
    if (clip) {
      SelectClipRgn(d->hdc(), hadClip == 1 ? previous : nullptr);
      if (previous) DeleteObject(previous);
    }
  }

  // 7. text colour and font back
  if (!isBitmapCell) {
    restoreIf(env, zTableAttrTextColor, d);
    restoreIf(env, zTableAttrFont, d);
  }
  if (!drewItself) {
    // 8. selection, 9. the current-cell frame
    if (selected && !filled && d->hdc())
      PatBlt(d->hdc(), r.left(), r.top(), r.right() - r.left(), r.bottom() - r.top(), DSTINVERT);
    if (current) {
      d->pushPen(&black);
      d->moveTo(r.left() + 1, r.top() + 1);
      d->lineTo(r.left() + 1, r.bottom() - 2);
      d->lineTo(r.right() - 2, r.bottom() - 2);
      d->lineTo(r.right() - 2, r.top() + 1);
      d->lineTo(r.left() + 1, r.top() + 1);
      d->popPen();
    }
  }
  // 10.
  restoreIf(env, zTableAttrBackColor, d);
}

void deleteBitmap(zBitmap* bitmap) { delete bitmap; }

}  // namespace

void zTableInstallCellPainter() {
  zTableCell::setPainter(paintCell);
  zTableBmpCell::setDeleter(deleteBitmap);
}
