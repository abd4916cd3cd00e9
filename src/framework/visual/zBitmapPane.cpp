#include "framework/visual/zBitmapPane.h"

#include <new>
#include <vector>

#include "framework/controls/zControlReport.h"
#include "framework/core/zProgram.h"
#include "framework/core/zResId.h"
#include "framework/core/ziWindowMap.h"
#include "framework/draw/zBitmap.h"
#include "framework/draw/zDisplay.h"
#include "framework/layout/zSizer.h"

namespace {
// The class name dialog templates give the pane; its windows are of this class too.
constexpr const char* bitmapPaneClass = "zBitmapPane";
}  // namespace

// A window shown at its creation was erased before it had its object, with the class's
// brush: each constructor has it erased again in the pane's own colour.
zBitmapPane::zBitmapPane(zWindow* parent, uint32_t resourceId, zSizer* sizer)
    : zPaneControl(parent, sizer, WS_CHILD | WS_VISIBLE, bitmapPaneClass, 0), bitmap_(nullptr), centred_(0) {
  zBitmap* loaded = new zBitmap(zResId(resourceId));
  if (loaded->hbitmap())
    bitmap_ = loaded;
  else
    delete loaded;
  invalidate(nullptr, 1);
}

zBitmapPane::zBitmapPane(zWindow* parent, zBitmap* bitmap, zSizer* sizer)
    : zPaneControl(parent, sizer, WS_CHILD | WS_VISIBLE, bitmapPaneClass, 0), bitmap_(bitmap), centred_(0) {
  invalidate(nullptr, 1);
}

zBitmapPane::zBitmapPane(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id)
    : zPaneControl(parent, sizer, style, bitmapPaneClass, id), bitmap_(nullptr), centred_(0) {
  invalidate(nullptr, 1);
}

zBitmapPane::zBitmapPane(zWindow* parent, int32_t id) : zPaneControl(parent), bitmap_(nullptr), centred_(0) {
  className_ = bitmapPaneClass;
  id_ = id;
  takeOver(id);
}

void zBitmapPane::takeOver(int32_t id) {
  zBitmapPane* old = nullptr;
  if (parent_) {
    zWindowDlistIter it(&parent_->children());
    while (zWindow* child = it.next()) {
      if (child != this && child->id() == id && child->hasTypeBit(zTypePane) && child->className() == bitmapPaneClass) {
        old = static_cast<zBitmapPane*>(child);
        break;
      }
    }
  }
  if (!old || !old->handle_) {
    zReportControlFault("bitmap pane %d: the window has no bitmap pane with that identifier", static_cast<int>(id));
    return;
  }
  // This pane takes the old one's place among the parent's children, so that the parent
  // deletes the new pane and never the old one, which goes here.
  std::vector<zWindow*> order;
  {
    zWindowDlistIter it(&parent_->children());
    while (zWindow* child = it.next())
      if (child != this) order.push_back(child == old ? this : child);
  }
  while (parent_->children().removeFirst()) {}
  for (zWindow* child : order) parent_->children().append(child);

  handle_ = old->handle_;
  style_ = old->style_;
  exStyle_ = old->exStyle_;
  text_ = old->text_;
  backColor_ = old->backColor_;
  flags_ = static_cast<uint16_t>(flags_ | (old->flags_ & zWinShown));
  if (sizer_ && old->sizer_) {
    sizer_->setOrigin(old->sizer_->origin());
    sizer_->setExtent(old->sizer_->extent());
  }
  bitmap_ = old->bitmap_;
  centred_ = old->centred_;
  old->bitmap_ = nullptr;
  old->handle_ = nullptr;
  old->parent_ = nullptr;
  old->setFlags(zWinGone);
  if (zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->add(handle_, this);
  delete old;
  invalidate(nullptr, 1);
}

zBitmapPane::~zBitmapPane() {
  delete bitmap_;
  bitmap_ = nullptr;
}

zPoint zBitmapPane::bitmapOrigin(const zDimension& pane, const zDimension& bitmap, int centred) {
  if (!centred) return zPoint(0, 0);
  return zPoint((pane.width() - bitmap.width()) / 2, (pane.height() - bitmap.height()) / 2);
}

zBitmap* zBitmapPane::setBitmap(zBitmap* bitmap, int resize, int centred) {
  zBitmap* previous = bitmap_;
  bitmap_ = bitmap;
  centred_ = centred ? 1 : 0;
  invalidate(nullptr, 1);
  if (resize && bitmap_ && handle_) {
    const zDimension wanted = bitmap_->size();
    RECT client;
    GetClientRect(handle_, &client);
    if (wanted.width() != client.right || wanted.height() != client.bottom) {
      // The client area takes the bitmap's size, whatever border the window has.
      RECT outer = {0, 0, wanted.width(), wanted.height()};
      AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_EXSTYLE)));
      RECT r;
      GetWindowRect(handle_, &r);
      const HWND parentHandle = GetParent(handle_);
      if (parentHandle) MapWindowPoints(nullptr, parentHandle, reinterpret_cast<POINT*>(&r), 2);
      moveSize(r.left, r.top, outer.right - outer.left, outer.bottom - outer.top);
    }
  }
  return previous;
}

int zBitmapPane::onSize(zEvent*) {
  invalidate(nullptr, 1);
  return 1;
}

int zBitmapPane::draw(zEvent*) {
  zDisplay* d = display();
  if (!bitmap_ || !bitmap_->hbitmap() || !d || !handle_) return 1;
  d->lock();
  RECT client;
  GetClientRect(handle_, &client);
  const zDimension size = bitmap_->size();
  const zPoint at = bitmapOrigin(zDimension(client.right, client.bottom), size, centred_);
  const zRect b(at.x(), at.y(), at.x() + size.width(), at.y() + size.height());
  zRect u;
  d->updateRect(u);
  const int32_t left = u.left() > b.left() ? u.left() : b.left();
  const int32_t top = u.top() > b.top() ? u.top() : b.top();
  const int32_t right = u.right() < b.right() ? u.right() : b.right();
  const int32_t bottom = u.bottom() < b.bottom() ? u.bottom() : b.bottom();
  if (left < right && top < bottom) {
    HDC memory = CreateCompatibleDC(d->hdc());
    const HGDIOBJ old = SelectObject(memory, bitmap_->hbitmap());
    BitBlt(d->hdc(), left, top, right - left, bottom - top, memory, left - b.left(), top - b.top(), SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  d->unlock();
  return 1;
}

zWindow* zCreateBitmapPane(zWindow* parent, zSizer* sizer, uint32_t style, const char*, int32_t id) {
  return new (std::nothrow) zBitmapPane(parent, sizer, style, id);
}
