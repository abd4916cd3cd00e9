#include "framework/grid/zTableEditLine.h"

#include "framework/grid/zTable.h"

namespace {
// The style every grid edit line has: multi-line and want-return, so that Enter reaches
// it as a key, and scrolling sideways: a multi-line edit without it wraps and refuses
// whatever does not fit in its one-line height.
constexpr uint32_t kGridEditStyle = ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL;

bool shiftDown() { return GetKeyState(VK_SHIFT) < 0; }
}  // namespace

zTableEditLine::zTableEditLine(zWindow* parent, zSizer* sizer, uint32_t style, uint32_t value)
    : zFormattedEdit(parent, sizer, style | kGridEditStyle, nullptr, 0, nullptr, value),
      parentWindow_(parent),
      grid_(nullptr),
      locked_(0) {}

zTableEditLine::zTableEditLine(zWindow* parent, zSizer* sizer)
    : zFormattedEdit(parent, sizer, 0, nullptr, 0, nullptr), parentWindow_(parent), grid_(nullptr), locked_(0) {}

zTableEditLine::~zTableEditLine() {
  if (grid_) grid_->detachEditLine(this);
  releaseFormatter();
}

void zTableEditLine::useCellFormatter(zFormatter* formatter) {
  if (formatter == this->formatter()) return;
  releaseFormatter();
  setFormatter(formatter);
}

LRESULT zTableEditLine::defProc(zEvent* event) {
  if (!event) return 0;
  // Enter, Esc and Tab must reach the edit line inside a dialog as well.
  if (event->message_ == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
  if (event->message_ == WM_KEYDOWN && grid_ && gridKey(event)) return 0;
  return zFormattedEdit::defProc(event);
}

int zTableEditLine::gridKey(zEvent* event) {
  if (!grid_) return 0;
  switch (event->wParam_) {
    case VK_RETURN:
      grid_->commitAndAdvance();
      return 1;
    case VK_ESCAPE:
      grid_->reloadEditLine();
      return 1;
    case VK_UP:
      // Only the arrow key proper; the keypad's 8 without Num Lock stays a caret key.
      if (!(static_cast<uint32_t>(event->lParam_) & (1u << 24))) return 0;
      grid_->commitAndMove(0);
      return 1;
    case VK_TAB: {
      // The edit line takes every key, so it passes the focus on itself: the text is
      // stored and the dialog around the grid moves to the next (or previous) control.
      zTable* grid = grid_;
      grid->storeEdit(false);
      HWND from = (parentWindow_ == grid && grid->handle()) ? grid->handle() : handle_;
      if (HWND dialog = GetParent(from)) SendMessageA(dialog, WM_NEXTDLGCTL, shiftDown() ? 1 : 0, 0);
      return 1;
    }
    default:
      return 0;
  }
}

int zTableEditLine::onChar(zEvent* event) {
  if (grid_) {
    const uint32_t c = static_cast<uint32_t>(event->wParam_) & 0xFF;
    // The key-down has done the work of these; the edit must neither insert them nor
    // beep, nor hand Esc to the dialog as Cancel.
    if (c == '\r' || c == '\n' || c == 27 || c == '\t') return 1;
  }
  return zFormattedEdit::onChar(event);
}

void zTableEditLine::cellMoved(zTableCellPos) {}

bool zTableEditLine::editing() const { return handle_ && GetFocus() == handle_; }

void zTableEditLine::setLocked(uint32_t flag) {
  flag = flag ? 1 : 0;
  if (flag == locked_) return;
  locked_ = flag;
  if (handle_) EnableWindow(handle_, flag ? FALSE : TRUE);
}

// ---------------------------------------------------------------- in place

zTableInplaceEditLine::zTableInplaceEditLine(zTable* grid, uint32_t style, uint32_t value)
    : zTableEditLine(grid, nullptr, style, value), shown_(0), position_(1, 1) {
  if (handle_) {
    // A plain one-pixel border that fits inside the cell, rather than the sunken edge.
    exStyle_ &= ~static_cast<uint32_t>(WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE);
    SetWindowLongPtrA(handle_, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle_));
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FONT)), 0);
    SendMessageA(handle_, EM_LIMITTEXT, zTable::kEditLimit, 0);
    ShowWindow(handle_, SW_HIDE);
    style_ &= ~static_cast<uint32_t>(WS_VISIBLE);
  }
  if (grid) grid->attachEditLine(this);
}

void zTableInplaceEditLine::open() {
  if (shown_ || !grid_ || !handle_) return;
  shown_ = 1;
  const zRect r = grid_->cellRect(position_);
  SetWindowPos(handle_, HWND_TOP, r.left(), r.top(), r.right() - r.left() + 1, r.bottom() - r.top() + 1,
               SWP_FRAMECHANGED);
  ShowWindow(handle_, SW_SHOW);
  EnableWindow(handle_, locked_ ? FALSE : TRUE);
}

void zTableInplaceEditLine::close() {
  if (!shown_) return;
  // Cleared first: hiding may move the focus, and the focus handler must find it closed.
  shown_ = 0;
  if (handle_) ShowWindow(handle_, SW_HIDE);
}

void zTableInplaceEditLine::cellMoved(zTableCellPos pos) {
  if (shown_ && !(pos == position_)) close();
  position_ = pos;
}

int zTableInplaceEditLine::gridKey(zEvent* event) {
  if (!grid_) return 0;
  if (!shown_) {
    open();
    return (event->wParam_ == VK_RETURN || event->wParam_ == VK_ESCAPE) ? 1 : 0;
  }
  if (event->wParam_ == VK_ESCAPE) close();
  return zTableEditLine::gridKey(event);
}

int zTableInplaceEditLine::onFocus(zEvent* event) {
  // Focus going elsewhere ends the edit; what was typed is kept in the cell rather than
  // lost with the hidden line.
  if (event->message_ == WM_KILLFOCUS && shown_ && grid_) grid_->storeEdit(false);
  if (event->message_ == WM_KILLFOCUS) close();
  return 0;
}
