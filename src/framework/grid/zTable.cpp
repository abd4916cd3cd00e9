#include "framework/grid/zTable.h"

#include <algorithm>
#include <cstring>

#include "framework/core/zControlType.h"
#include "framework/core/zProgramFrame.h"
#include "framework/draw/zDisplay.h"
#include "framework/draw/zWinDisplay.h"
#include "framework/grid/zTableDrawAttr.h"

namespace {

zColor sysColor(int index) { return zColor::fromColorRef(GetSysColor(index)); }

// Fills r with a pen and brush of one colour.
void fillSolid(zDisplay* d, const zRect& r, zColor colour) {
  zPen pen(colour, PS_SOLID, 1);
  zBrush brush(colour);
  d->pushPen(&pen);
  d->pushBrush(&brush);
  d->rectangle(r);
  d->popBrush();
  d->popPen();
}

void line(zDisplay* d, std::initializer_list<POINT> points) {
  auto it = points.begin();
  d->moveTo(it->x, it->y);
  for (++it; it != points.end(); ++it) d->lineTo(it->x, it->y);
}

}  // namespace

zTable::zTable(zWindow* parent, zSizer* sizer, uint32_t style, zTableModel* model)
    : zChildWin(parent, sizer, style, 0),
      model_(model ? model : new zTableSmallModel(100, 100)),
      ownsModel_(model == nullptr),
      layout_(model_->columnCount(), model_->rowCount()) {
  zTableInstallCellPainter();
  className_ = "zTableCL";
  makeColours();
  model_->attachView(this, &zTable::modelChanged);
  create();
}

// Posted by the edit line to its table, so the edit line is not destroyed inside its own
// window procedure: wParam 1 commit, 0 cancel.
static constexpr UINT kEditDone = WM_APP + 0x120;

zTable::zTable(zWindow* parent, zSizer* sizer, uint32_t style, int, int32_t id)
    : zChildWin(parent, sizer, style, id), model_(new zTableSmallModel(100, 100)), ownsModel_(true), layout_(100, 100) {
  zTableInstallCellPainter();
  className_ = "zTableCL";
  makeColours();
  model_->attachView(this, &zTable::modelChanged);
  create();
}

zWindow* zCreateTable(zWindow* parent, zSizer* sizer, uint32_t style, const char*, int32_t id) {
  return new zTable(parent, sizer, style | WS_CHILD, 0, id);
}

void zRegisterGridControlTypes() {
  static zControlType tableType("zTable", &zCreateTable);
  (void)tableType;
}

zTable::~zTable() {
  if (edit_) DestroyWindow(edit_);
  model_->detachView(this, &zTable::modelChanged);
  if (ownsModel_) delete model_;
  delete gridPen_;
}

WNDCLASSA* zTable::classInfo() {
  WNDCLASSA* wc = zChildWin::classInfo();
  wc->lpfnWndProc = zProgramFrameProc;
  wc->hbrBackground = nullptr;  // the table paints all of itself
  wc->hCursor = LoadCursor(nullptr, IDC_ARROW);
  return wc;
}

void zTable::makeColours() {
  face_ = sysColor(COLOR_BTNFACE);
  highlight_ = sysColor(COLOR_BTNHIGHLIGHT);
  shadow_ = sysColor(COLOR_BTNSHADOW);
  darkShadow_ = sysColor(COLOR_3DDKSHADOW);
  delete gridPen_;
  gridPen_ = new zPen(face_, PS_SOLID, 1);
}

void zTable::calcLayout() {
  zWinDisplay d(this);
  d.setDefaultFont(zRCFont(SYSTEM_FONT));
  d.lock();
  zDimension text = d.textExtent("MMM MMM M", 9);
  d.unlock();
  layout_.measure(text.width(), text.height());
  RECT client{};
  GetClientRect(handle(), &client);
  layout_.setCounts(model_->columnCount(), model_->rowCount());
  layout_.setClientSize(client.right, client.bottom);
  layout_.relayout();
}

zTableCellRange zTable::selectionRange() const {
  if (anchor_.column == 0) return zTableCellRange(current_, current_);
  return zTableCellRange(std::min(current_.column, anchor_.column), std::min(current_.row, anchor_.row),
                         std::max(current_.column, anchor_.column), std::max(current_.row, anchor_.row));
}

void zTable::invalidateCell(zTableCellPos pos) {
  if (!handle() || !layout_.visibleRange().contains(pos)) return;
  zRect r = layout_.cellRect(pos);
  RECT rc{r.left(), r.top(), r.right(), r.bottom()};
  InvalidateRect(handle(), &rc, FALSE);
}

void zTable::setAnchor(zTableCellPos pos) {
  anchor_ = pos;
  if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

void zTable::setCurrentCell(zTableCellPos pos) {
  if (pos.column < 1 || pos.row < 1 || pos.column > model_->columnCount() || pos.row > model_->rowCount()) return;
  // Moving away keeps what was typed.
  storeEdit();
  bool hadSelection = anchor_.column != 0;
  invalidateCell(current_);
  current_ = pos;
  anchor_ = zTableCellPos(0, 0);
  if (hadSelection && handle()) InvalidateRect(handle(), nullptr, FALSE);
  // Bring the new current cell into view when it lies outside the laid-out cells.
  const zTableCellRange& v = layout_.visibleRange();
  if (layout_.ready() &&
      (pos.column < v.start.column || pos.column >= v.end.column || pos.row < v.start.row || pos.row >= v.end.row)) {
    uint32_t fc = layout_.firstColumn(), fr = layout_.firstRow();
    if (pos.column < v.start.column || v.end.column <= v.start.column)
      fc = pos.column;
    else if (pos.column >= v.end.column)
      fc += pos.column - v.end.column + 1;
    if (pos.row < v.start.row || v.end.row <= v.start.row)
      fr = pos.row;
    else if (pos.row >= v.end.row)
      fr += pos.row - v.end.row + 1;
    if (fc != layout_.firstColumn() || fr != layout_.firstRow()) {
      layout_.setFirst(fc, fr);
      layout_.relayout();
      if (handle()) InvalidateRect(handle(), nullptr, FALSE);
    }
  }
  invalidateCell(current_);
}

void zTable::moveLeft() {
  if (current_.column > 1) setCurrentCell(zTableCellPos(current_.column - 1, current_.row));
}
void zTable::moveRight() {
  if (current_.column < model_->columnCount()) setCurrentCell(zTableCellPos(current_.column + 1, current_.row));
}
void zTable::moveUp() {
  if (current_.row > 1) setCurrentCell(zTableCellPos(current_.column, current_.row - 1));
}
void zTable::moveDown() {
  if (current_.row < model_->rowCount()) setCurrentCell(zTableCellPos(current_.column, current_.row + 1));
}

void zTable::modelChanged(void* view, zTableModel* model, const zTableCellRange* range) {
  auto* self = static_cast<zTable*>(view);
  self->layout_.setCounts(model->columnCount(), model->rowCount());
  if (!range) {
    if (self->layout_.ready()) self->layout_.relayout();
    if (self->handle()) InvalidateRect(self->handle(), nullptr, FALSE);
    return;
  }
  for (uint32_t r = range->start.row; r <= range->end.row; ++r)
    for (uint32_t c = range->start.column; c <= range->end.column; ++c) {
      self->invalidateCell(zTableCellPos(c, r));
      if (c == range->end.column && r == range->end.row) break;
    }
}

LRESULT zTable::defProc(zEvent* event) {
  switch (event->message_) {
    case WM_PAINT: {
      zWinDisplay d(this);
      d.setDefaultFont(zRCFont(SYSTEM_FONT));
      d.setPainting(true);
      d.lock();
      zRect update;
      d.updateRect(update);
      if (!layout_.ready()) {
        zDimension text = d.textExtent("MMM MMM M", 9);
        layout_.measure(text.width(), text.height());
        RECT client{};
        GetClientRect(handle(), &client);
        layout_.setClientSize(client.right, client.bottom);
        layout_.relayout();
      }
      draw(&d, update);
      d.unlock();
      d.setPainting(false);
      return 0;
    }
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_CHAR: {
      unsigned char ch = static_cast<unsigned char>(event->wParam_);
      if (ch >= 32 && ch != 127 && !edit_) {
        char text[2] = {static_cast<char>(ch), 0};
        beginEdit(text);
        return 0;
      }
      break;
    }
    case kEditDone:
      if (event->wParam_)
        commitEdit();
      else
        cancelEdit();
      return 0;
    case WM_KEYDOWN:
      switch (event->wParam_) {
        case VK_LEFT:
          moveLeft();
          return 0;
        case VK_RIGHT:
          moveRight();
          return 0;
        case VK_UP:
          moveUp();
          return 0;
        case VK_DOWN:
          moveDown();
          return 0;
        default:
          break;
      }
      break;
    case WM_SYSCOLORCHANGE:
      makeColours();
      InvalidateRect(handle(), nullptr, TRUE);
      break;
    default:
      break;
  }
  return zChildWin::defProc(event);
}

int zTable::onSize(zEvent* event) {
  zDimension size = event->size();
  layout_.setClientSize(size.width(), size.height());
  if (layout_.ready()) layout_.relayout();
  InvalidateRect(handle(), nullptr, FALSE);
  return 1;
}

int zTable::onMouseButtonDown(zEvent* event) {
  if (!event->isMouseButton(1)) return 0;
  SetFocus(handle());
  zPoint p = event->point();
  uint32_t index = 0, area = 0;
  if (layout_.headerHit(p, index, area) != zTableHitNone) return 1;
  zTableCellRange at = layout_.cellRangeAt(zRect(p.x(), p.y(), p.x(), p.y()));
  setCurrentCell(at.start);
  return 1;
}

void zTable::fillBackground(zDisplay* d, const zRect& r) {
  if (r.right() <= r.left() || r.bottom() <= r.top()) return;
  fillSolid(d, r, sysColor(COLOR_APPWORKSPACE));
}

void zTable::draw(zDisplay* d, const zRect& update) {
  ziTableEnv env(model_);
  const zTableLayout& L = layout_;
  zTableCellRange range = L.cellRangeAt(update);
  d->pushPen(gridPen_);
  d->backMode(TRANSPARENT);

  const uint32_t columns = model_->columnCount(), rows = model_->rowCount();
  const bool headers = L.headersShown();
  const int32_t hw = L.headerSize().width(), hh = L.headerSize().height();
  // Beyond the last column and below the last row: the window's background.
  int32_t gridRight = L.originX(), gridBottom = L.originY();
  if (columns >= L.firstColumn()) {
    uint32_t last = std::min(columns, L.firstColumn() + L.visibleColumns() - 1);
    if (L.visibleColumns()) gridRight = L.columnLeft(last) + static_cast<int32_t>(L.columnWidth(last));
  }
  if (rows >= L.firstRow()) {
    uint32_t last = std::min(rows, L.firstRow() + L.visibleRows() - 1);
    if (L.visibleRows()) gridBottom = L.rowTop(last) + static_cast<int32_t>(L.rowHeight(last));
  }
  fillBackground(d, zRect(std::max(gridRight, update.left()), update.top(), update.right(), update.bottom()));
  fillBackground(d, zRect(update.left(), std::max(gridBottom, update.top()), update.right(), update.bottom()));

  if (headers && update.left() < hw && update.top() < hh) drawHeaderCell(d, zRect(0, 0, hw, hh), 0, zTableHeaderCorner);

  zTableCellRange sel = selectionRange();
  uint32_t lastColumn = std::min(range.end.column, std::min(columns, L.firstColumn() + L.visibleColumns() - 1));
  uint32_t lastRow = std::min(range.end.row, std::min(rows, L.firstRow() + L.visibleRows() - 1));
  if (headers)
    for (uint32_t c = range.start.column; c <= lastColumn && c >= 1; ++c) {
      int32_t left = L.columnLeft(c);
      drawHeaderCell(d, zRect(left, 0, left + static_cast<int32_t>(L.columnWidth(c)), hh), c, zTableHeaderColumns);
    }
  for (uint32_t r = range.start.row; r <= lastRow && r >= 1; ++r) {
    int32_t top = L.rowTop(r);
    int32_t bottom = top + static_cast<int32_t>(L.rowHeight(r));
    if (headers) drawHeaderCell(d, zRect(0, top, hw, bottom), r, zTableHeaderRows);
    for (uint32_t c = range.start.column; c <= lastColumn && c >= 1; ++c) {
      zTableCellPos pos(c, r);
      env.current = pos == current_;
      env.selected = !env.current && anchor_.column != 0 && sel.contains(pos);
      env.collect(pos);
      int32_t left = L.columnLeft(c);
      zRect cr(left, top, left + static_cast<int32_t>(L.columnWidth(c)), bottom);
      if (zTableCell* cell = model_->cell(pos))
        cell->draw(cr, d, &env);
      else
        drawEmptyCell(d, cr, env);
    }
  }
  d->popPen();
}

void zTable::drawEmptyCell(zDisplay* d, const zRect& r, ziTableEnv& env) {
  for (uint32_t k : {zTableAttrTextColor, zTableAttrBackColor, zTableAttrFont})
    if (zTableAttr* a = env.slot(k)) a->apply(d);
  zPenStock black(BLACK_PEN);
  if (env.current) d->pushPen(&black);
  d->rectangle(r);
  if (env.current) d->popPen();
  for (uint32_t k : {zTableAttrTextColor, zTableAttrFont})
    if (zTableAttr* a = env.slot(k)) a->restore(d);
  if (env.selected && d->hdc())
    PatBlt(d->hdc(), r.left(), r.top(), r.right() - r.left(), r.bottom() - r.top(), DSTINVERT);
  if (env.current) {
    d->pushPen(&black);
    line(d, {{r.left() + 1, r.top() + 1},
             {r.left() + 1, r.bottom() - 2},
             {r.right() - 2, r.bottom() - 2},
             {r.right() - 2, r.top() + 1},
             {r.left() + 1, r.top() + 1}});
    d->popPen();
  }
  if (zTableAttr* a = env.slot(zTableAttrBackColor)) a->restore(d);
}

void zTable::drawHeaderCell(zDisplay* d, const zRect& r, uint32_t index, uint32_t part) {
  const bool pressed = part == highPart_ && index >= highFirst_ && index <= highLast_;
  if ((part == zTableHeaderColumns && index > model_->columnCount()) ||
      (part == zTableHeaderRows && index > model_->rowCount())) {
    fillSolid(d, r, zColor(255, 255, 255));
    return;
  }
  FLCString text =
      zTableHeaderLabel(headerTextMode(part), index, part == zTableHeaderRows ? &rowTexts_ : &columnTexts_);
  const int32_t L = r.left(), T = r.top(), R = r.right(), B = r.bottom();
  HDC dc = d->hdc();
  int saved = dc ? SaveDC(dc) : 0;
  if (dc) IntersectClipRect(dc, L, T, R, B);
  zDimension ext = text.length() ? d->textExtent(text, static_cast<int>(text.length())) : zDimension(0, 0);
  int32_t tx = L + (R - L - ext.width()) / 2, ty = T + (B - T - ext.height()) / 2;

  zPen highlightPen(highlight_, PS_SOLID, 0), shadowPen(shadow_, PS_SOLID, 0), darkPen(darkShadow_, PS_SOLID, 0),
      nullPen(zColor(), PS_NULL, 0);
  zPenStock blackPen(BLACK_PEN);
  zBrush faceBrush(face_), shadowBrush(shadow_), highlightBrush(highlight_);
  zBrushStock blackBrush(BLACK_BRUSH), whiteBrush(WHITE_BRUSH);
  auto box = [&](zPen* pen, zBrush* brush) {
    d->pushPen(pen);
    d->pushBrush(brush);
    d->rectangle(r);
    d->popBrush();
    d->popPen();
  };
  auto lines = [&](zPen* pen, std::initializer_list<POINT> pts) {
    d->pushPen(pen);
    line(d, pts);
    d->popPen();
  };
  auto textIn = [&](bool white) {
    if (!text.length()) return;
    zColor old = white ? d->textColor(zColor(255, 255, 255)) : zColor();
    d->textOut(tx, ty, text, static_cast<int>(text.length()));
    if (white) d->textColor(old);
  };
  switch (headerStyle_) {
    case zTableHeaderFlat:
      box(&blackPen, pressed ? static_cast<zBrush*>(&blackBrush) : &whiteBrush);
      textIn(pressed);
      break;
    case zTableHeaderRaised:
      if (part == zTableHeaderCorner) {
        box(&highlightPen, &faceBrush);
        lines(&highlightPen, {{R - 2, T + 1}, {L + 1, T + 1}, {L + 1, B - 2}});
        lines(&shadowPen, {{L, B - 1}, {R - 1, B - 1}, {R - 1, T}});
        lines(&shadowPen, {{L + 1, B - 2}, {R - 2, B - 2}, {R - 2, T + 1}});
        textIn(false);
      } else if (pressed) {
        box(&darkPen, &shadowBrush);
        lines(&highlightPen, {{L, B - 1}, {R - 1, B - 1}, {R - 1, T}});
        textIn(true);
      } else {
        box(&highlightPen, &faceBrush);
        lines(&shadowPen, {{L, B - 1}, {R - 1, B - 1}, {R - 1, T}});
        textIn(false);
      }
      break;
    case zTableHeaderFramed: {
      box(&darkPen, &faceBrush);
      d->pushPen(&nullPen);
      d->pushBrush(pressed ? &highlightBrush : &shadowBrush);
      d->rectangle(zRect(R - 3, T + 1, R + 1, B + 1));
      d->rectangle(zRect(L + 2, B - 2, R - 3 + 1, B + 1));
      d->popBrush();
      d->pushBrush(pressed ? &shadowBrush : &highlightBrush);
      d->rectangle(zRect(L + 1, T + 1, L + 4 + 1, B - 2 + 1));
      d->rectangle(zRect(L + 1, T + 1, R - 1 + 1, T + 4 + 1));
      d->popBrush();
      d->popPen();
      textIn(false);
      break;
    }
    default:
      break;
  }
  if (dc) RestoreDC(dc, saved);
}

LRESULT CALLBACK zTable::editLineProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* table = reinterpret_cast<zTable*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!table) return DefWindowProcA(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (wp == VK_RETURN || wp == VK_ESCAPE) {
        PostMessageA(table->handle(), kEditDone, wp == VK_RETURN ? 1 : 0, 0);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wp == '\r' || wp == 27) return 0;  // no beep: the key-down has done the work
      break;
    default:
      break;
  }
  return CallWindowProcA(table->editProc_, hwnd, msg, wp, lp);
}

void zTable::beginEdit(const char* text) {
  if (edit_ || !handle()) return;
  ziTableEnv env(model_);
  env.collect(current_);
  if (env.readOnly()) return;
  zRect r = layout_.cellRect(current_);
  edit_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, r.left(), r.top(),
                          r.right() - r.left() + 1, r.bottom() - r.top() + 1, handle(), nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  if (!edit_) return;
  SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FONT)), 0);
  SendMessageA(edit_, EM_LIMITTEXT, kEditLimit, 0);
  SetWindowLongPtrA(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  editProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&zTable::editLineProc)));
  // The text goes in through the limit like typed text, so it is bounded as well.
  SendMessageA(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text ? text : ""));
  SetFocus(edit_);
}

void zTable::cancelEdit() {
  if (!edit_) return;
  HWND e = edit_;
  edit_ = nullptr;
  DestroyWindow(e);
  SetFocus(handle());
  invalidateCell(current_);
}

void zTable::storeEdit() {
  if (!edit_) return;
  char text[kEditLimit + 1] = {};
  GetWindowTextA(edit_, text, sizeof text);
  cancelEdit();
  delete model_->setCellText(current_, text);
  model_->notifyViews();
}

void zTable::commitEdit() {
  if (!edit_) return;
  storeEdit();
  switch (direction_) {
    case ZTDIR_GOLEFT:
      moveLeft();
      break;
    case ZTDIR_GORIGHT:
      moveRight();
      break;
    case ZTDIR_GOUP:
      moveUp();
      break;
    case ZTDIR_GODOWN:
      moveDown();
      break;
    default:
      break;
  }
}
