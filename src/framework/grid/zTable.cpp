#include "framework/grid/zTable.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/core/zControlType.h"
#include "framework/core/zFrameRedraw.h"
#include "framework/core/zProgramFrame.h"
#include "framework/draw/zDisplay.h"
#include "framework/core/zWinDisplay.h"
#include "framework/grid/zTableDrawAttr.h"
#include "framework/grid/zTableScroller.h"
#include "framework/core/zScrollInfo.h"

namespace {

zColor sysColor(int index) { return zColor::fromColorRef(GetSysColor(index)); }

// Posted to the table itself: draw the scroll bars whose thumbs moved.
constexpr UINT kMsgDrawThumbs = 0x90B;

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

// Whether a frame paint of this update region (1: the whole window; else a region in
// screen coordinates) draws the whole of each bar the window shows.
bool paintCoversBars(HWND window, WPARAM update) {
  if (update == 1) return true;
  const HRGN region = reinterpret_cast<HRGN>(update);
  for (LONG bar : {static_cast<LONG>(OBJID_HSCROLL), static_cast<LONG>(OBJID_VSCROLL)}) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(window, bar, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) continue;
    HRGN left = CreateRectRgnIndirect(&info.rcScrollBar);
    const bool covered = left && CombineRgn(left, left, region, RGN_DIFF) == NULLREGION;
    if (left) DeleteObject(left);
    if (!covered) return false;
  }
  return true;
}

// The thumb of the window's own bar (SB_HORZ or SB_VERT) in the window's client
// coordinates, as the bar's position places it in pixels; empty without a shown bar.
RECT thumbPlace(HWND window, int bar) {
  RECT place{};
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  const LONG object = bar == SB_VERT ? static_cast<LONG>(OBJID_VSCROLL) : static_cast<LONG>(OBJID_HSCROLL);
  if (!GetScrollBarInfo(window, object, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return place;
  const RECT& r = info.rcScrollBar;
  place = bar == SB_VERT ? RECT{r.left, r.top + info.xyThumbTop, r.right, r.top + info.xyThumbBottom}
                         : RECT{r.left + info.xyThumbTop, r.top, r.left + info.xyThumbBottom, r.bottom};
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void line(zDisplay* d, std::initializer_list<POINT> points) {
  auto it = points.begin();
  d->moveTo(it->x, it->y);
  for (++it; it != points.end(); ++it) d->lineTo(it->x, it->y);
}

}  // namespace

// A new table's layout is not measured yet: its first pass over the scroll bars finds
// that every line fits and hides both. Every table is made without them (the one that
// takes a template's place too, whose bars are its own), rather than with bars that that
// pass takes away again (each a change of the window's frame).
zTable::zTable(zWindow* parent, zSizer* sizer, uint32_t style, zTableModel* model)
    : zChildWin(parent, sizer, style, 0),
      model_(model ? model : new zTableSmallModel(100, 100)),
      ownsModel_(model == nullptr),
      layout_(model_->columnCount(), model_->rowCount()) {
  initTable();
}

zTable::zTable(zWindow* parent, zSizer* sizer, uint32_t style, int, int32_t id)
    : zChildWin(parent, sizer, style, id), model_(new zTableSmallModel(100, 100)), ownsModel_(true), layout_(100, 100) {
  initTable();
}

namespace {

// The table child of parent with this id, or null.
zTable* tableChild(zWindow* parent, int32_t id) {
  if (!parent) return nullptr;
  zWindowDlistIter it(&parent->children());
  while (zWindow* child = it.next())
    if (child->id() == id)
      if (auto* table = dynamic_cast<zTable*>(child)) return table;
  return nullptr;
}

// The old table's place in its parent's client area and its style.
zSizer* placeOf(zTable* old, uint32_t& style) {
  style = WS_CHILD | WS_VISIBLE;
  if (!old || !old->handle()) return new zSizer(zPoint(0, 0), zDimension(0, 0), nullptr);
  RECT r{};
  GetWindowRect(old->handle(), &r);
  MapWindowPoints(nullptr, GetParent(old->handle()), reinterpret_cast<POINT*>(&r), 2);
  style = static_cast<uint32_t>(GetWindowLongPtrA(old->handle(), GWL_STYLE)) & ~(WS_HSCROLL | WS_VSCROLL);
  return new zSizer(zPoint(r.left, r.top), zDimension(r.right - r.left, r.bottom - r.top), nullptr);
}

uint32_t placeStyle(zWindow* parent, int32_t id) {
  uint32_t style = 0;
  delete placeOf(tableChild(parent, id), style);
  return style;
}

zSizer* placeSizer(zWindow* parent, int32_t id) {
  uint32_t style = 0;
  return placeOf(tableChild(parent, id), style);
}

}  // namespace

zTable::zTable(zWindow* parent, int32_t id, zTableModel* model)
    : zChildWin(parent, placeSizer(parent, id), placeStyle(parent, id), id),
      model_(nullptr),
      ownsModel_(false),
      layout_(0, 0) {
  zTable* old = tableChild(parent, id);
  if (old == this) old = nullptr;
  if (old) {
    old->model_->detachView(old, &zTable::modelChanged);
    if (model) {
      model_ = model;
      if (old->ownsModel_) delete old->model_;
    } else {
      model_ = old->model_;
      ownsModel_ = old->ownsModel_;
    }
    old->model_ = nullptr;
    old->ownsModel_ = false;
    // Settings.
    current_ = old->current_;
    anchor_ = old->anchor_;
    headerStyle_ = old->headerStyle_;
    for (int i = 0; i < 3; ++i) textModes_[i] = old->textModes_[i];
    highFirst_ = old->highFirst_;
    highLast_ = old->highLast_;
    highPart_ = old->highPart_;
    direction_ = old->direction_;
    multiSel_ = old->multiSel_;
    headerSel_ = old->headerSel_;
    headerRangeSel_ = old->headerRangeSel_;
    rowsResizable_ = old->rowsResizable_;
    columnsResizable_ = old->columnsResizable_;
    cellHook_ = old->cellHook_;
    cellHookData_ = old->cellHookData_;
    selectionHook_ = old->selectionHook_;
    selectionHookData_ = old->selectionHookData_;
    layout_.takeSettings(old->layout_);
    rowTexts_.swap(old->rowTexts_);
    columnTexts_.swap(old->columnTexts_);
  } else {
    model_ = model ? model : new zTableSmallModel(100, 100);
    ownsModel_ = model == nullptr;
  }
  layout_.setCounts(model_->columnCount(), model_->rowCount());
  delete old;
  initTable();
  if (layout_.ready()) calcLayout();
}

void zTable::initTable() {
  zTableInstallCellPainter();
  className_ = "zTableCL";
  makeColours();
  model_->attachView(this, &zTable::modelChanged);
  create();
  setHorzScroll(new zScrollInfoHoriz(this));
  setVertScroll(new zScrollInfoVert(this));
  scroller_ = new ziTableScroller(this);
  setScroller(scroller_);
  syncScrollBars();
}

zWindow* zCreateTable(zWindow* parent, zSizer* sizer, uint32_t style, const char*, int32_t id) {
  return new zTable(parent, sizer, style | WS_CHILD, 0, id);
}

namespace {
zControlType* gridTableType = nullptr;
}

void zRegisterGridControlTypes() {
  if (!gridTableType) gridTableType = new zControlType("zTable", &zCreateTable);
}

zTable::~zTable() {
  if (captured_) {
    ReleaseCapture();
    ClipCursor(nullptr);
  }
  releaseEditLines();
  setScroller(nullptr);
  delete scroller_;
  if (model_) model_->detachView(this, &zTable::modelChanged);
  if (ownsModel_) delete model_;
  delete gridPen_;
}

WNDCLASSA* zTable::classInfo() {
  WNDCLASSA* wc = zChildWin::classInfo();
  wc->lpfnWndProc = zProgramFrameProc;
  wc->hbrBackground = nullptr;  // the table paints all of itself
  wc->hCursor = zArrowCursor();
  return wc;
}

void zTable::makeColours() {
  face_ = sysColor(COLOR_BTNFACE);
  highlight_ = sysColor(COLOR_BTNHIGHLIGHT);
  shadow_ = sysColor(COLOR_BTNSHADOW);
  darkShadow_ = sysColor(COLOR_3DDKSHADOW);
  if (!gridColourSet_) gridColour_ = face_;
  delete gridPen_;
  gridPen_ = new zPen(gridColour_, PS_SOLID, 1);
}

void zTable::setSelectionFill(const zColor& colour) {
  selectionFill_ = colour;
  selectionFilled_ = true;
  if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

void zTable::setGridColour(const zColor& colour) {
  gridColour_ = colour;
  gridColourSet_ = true;
  makeColours();
  if (handle()) InvalidateRect(handle(), nullptr, FALSE);
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
  syncScrollBars();
}

void zTable::syncScrollBars() {
  if (syncing_ || !handle() || !horzScroll() || !vertScroll()) return;
  // Showing or hiding a bar resizes the client area, which comes back here through
  // onSize; that pass only lays out. The bars are applied at once rather than when the
  // posted ranges arrive, so that the table's first paint already has the bars it needs
  // and none it does not; a bar that came or went changes what fits, so the ranges are
  // set again until the client area stays as it is.
  syncing_ = true;
  for (int pass = 0; pass < 3; ++pass) {
    RECT before{};
    GetClientRect(handle(), &before);
    struct Bar {
      zScrollInfo* info;
      uint32_t count, fit, first, pageOn;
    } bars[2] = {
        {horzScroll(), layout_.columnCount(), layout_.trailingColumnsFit(), layout_.firstColumn(),
         layout_.pageOnColumn()},
        {vertScroll(), layout_.rowCount(), layout_.trailingRowsFit(), layout_.firstRow(), layout_.pageOnRow()},
    };
    for (const Bar& b : bars) {
      uint32_t shift = zTableLayout::scrollShift(b.count);
      int32_t high = static_cast<int32_t>(zTableLayout::scrollRangeMax(b.count, b.fit));
      if (b.info->low() != 1 || b.info->high() != high) b.info->setRange(1, high);
      b.info->setLineStep(1);
      // The bar's page step is the page the scroller takes, in thumb positions, so that the
      // bar's own move on a page down already lands on the thumb of the new first line.
      const int32_t pos = zTableLayout::thumbFromFirst(b.first, shift);
      b.info->setPageStep(std::max(1, zTableLayout::thumbFromFirst(b.pageOn, shift) - pos));
      // Drawing a bar costs more than the rest of a scroll: only a thumb that moves is
      // set, and drawn after the cells, only where its pixels moved (many lines share a
      // thumb's place in a long table). A hidden table draws nothing: its first show
      // draws its frame, bars and thumbs included.
      if (pos != b.info->pos()) {
        if (thumbsPending_ || !IsWindowVisible(handle())) {
          b.info->movePos(pos, false);
        } else {
          // A range posted before is applied first (it draws the bar): the thumb's place
          // is then measured as the screen shows it.
          MSG msg;
          while (PeekMessageA(&msg, handle(), zMsgScrollRange, zMsgScrollRange, PM_REMOVE)) DispatchMessageA(&msg);
          const RECT from = thumbPlace(handle(), b.info->bar());
          b.info->movePos(pos, false);
          const RECT to = thumbPlace(handle(), b.info->bar());
          if (!EqualRect(&from, &to) && PostMessageA(handle(), kMsgDrawThumbs, 0, 0)) thumbsPending_ = true;
        }
      }
      b.info->setPrevPos(b.info->pos());
    }
    MSG msg;
    while (PeekMessageA(&msg, handle(), zMsgScrollRange, zMsgScrollRange, PM_REMOVE)) DispatchMessageA(&msg);
    RECT after{};
    GetClientRect(handle(), &after);
    if (after.right == before.right && after.bottom == before.bottom) break;
  }
  syncing_ = false;
}

void zTable::drawMovedThumbs() {
  // A frame drawn since the thumb moved (the window's show, a bar that came or went) has
  // drawn the thumb where it now stands.
  if (!thumbsPending_) return;
  thumbsPending_ = false;
  zRedrawFrame(handle(), true);
}

bool zTable::onDialog() const {
  const zWindow* p = parent();
  if (!p) return false;
  const char* name = p->className();
  // Dialog frames may append their address to the class name.
  return name && (std::strncmp(name, "DialogFrameCL", 13) == 0 || std::strncmp(name, "MDIdialogCL", 11) == 0);
}

void zTable::scrollTo(uint32_t firstColumn, uint32_t firstRow) {
  storeEdit();
  const uint32_t oldColumn = layout_.firstColumn(), oldRow = layout_.firstRow();
  const int32_t oldColumnWidth = static_cast<int32_t>(layout_.columnWidth(oldColumn));
  const int32_t oldRowHeight = static_cast<int32_t>(layout_.rowHeight(oldRow));
  layout_.setFirst(firstColumn, firstRow);
  layout_.relayout();
  const uint32_t column = layout_.firstColumn(), row = layout_.firstRow();
  if (handle() && (column != oldColumn || row != oldRow)) {
    // One line either way moves the pixels and repaints only the strip it uncovers;
    // anything else repaints the table. On a dialog the whole table is repainted and
    // erased (the dialog's background shows through the strips beyond the table).
    const int32_t w = layout_.clientWidth(), h = layout_.clientHeight();
    if (onDialog()) {
      InvalidateRect(handle(), nullptr, TRUE);
    } else if (row == oldRow && (column + 1 == oldColumn || column == oldColumn + 1)) {
      int32_t dx = column < oldColumn ? static_cast<int32_t>(layout_.columnWidth(column)) : -oldColumnWidth;
      RECT area{layout_.originX(), 0, w, h};
      ScrollWindowEx(handle(), dx, 0, &area, &area, nullptr, nullptr, SW_INVALIDATE);
    } else if (column == oldColumn && (row + 1 == oldRow || row == oldRow + 1)) {
      int32_t dy = row < oldRow ? static_cast<int32_t>(layout_.rowHeight(row)) : -oldRowHeight;
      RECT area{0, layout_.originY(), w, h};
      ScrollWindowEx(handle(), 0, dy, &area, &area, nullptr, nullptr, SW_INVALIDATE);
    } else {
      InvalidateRect(handle(), nullptr, FALSE);
    }
  }
  syncScrollBars();
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

void zTable::invalidateRange(const zTableCellRange& range) {
  const zTableCellRange& v = layout_.visibleRange();
  zTableCellRange r(std::max(range.start.column, v.start.column), std::max(range.start.row, v.start.row),
                    std::min(range.end.column, v.end.column), std::min(range.end.row, v.end.row));
  if (!handle() || !r.isValid()) return;
  zRect a = layout_.cellRect(r.start), b = layout_.cellRect(r.end);
  RECT rc{a.left(), a.top(), b.right(), b.bottom()};
  InvalidateRect(handle(), &rc, FALSE);
}

void zTable::invalidateHeaders(uint32_t part, uint32_t first, uint32_t last) {
  if (!handle() || !layout_.headersShown()) return;
  const int32_t hw = layout_.headerSize().width(), hh = layout_.headerSize().height();
  RECT rc{0, 0, hw, hh};
  if (part == zTableHeaderRows) {
    zRect a = layout_.cellRect(zTableCellPos(1, first)), b = layout_.cellRect(zTableCellPos(1, last));
    rc = RECT{0, a.top(), hw, b.bottom()};
  } else if (part == zTableHeaderColumns) {
    zRect a = layout_.cellRect(zTableCellPos(first, 1)), b = layout_.cellRect(zTableCellPos(last, 1));
    rc = RECT{a.left(), 0, b.right(), hh};
  }
  InvalidateRect(handle(), &rc, FALSE);
}

void zTable::setAnchor(zTableCellPos pos) {
  anchor_ = pos;
  if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

void zTable::bringIntoView(zTableCellPos pos) {
  const zTableCellRange& v = layout_.visibleRange();
  if (!layout_.ready()) return;
  if (pos.column >= v.start.column && pos.column < v.end.column && pos.row >= v.start.row && pos.row < v.end.row)
    return;
  uint32_t fc = layout_.firstColumn(), fr = layout_.firstRow();
  if (pos.column < v.start.column || v.end.column <= v.start.column)
    fc = pos.column;
  else if (pos.column >= v.end.column)
    fc += pos.column - v.end.column + 1;
  if (pos.row < v.start.row || v.end.row <= v.start.row)
    fr = pos.row;
  else if (pos.row >= v.end.row)
    fr += pos.row - v.end.row + 1;
  if (fc != layout_.firstColumn() || fr != layout_.firstRow()) scrollTo(fc, fr);
}

void zTable::setCurrent(zTableCellPos pos, bool force) {
  if (pos.column < 1 || pos.row < 1 || model_->columnCount() == 0 || model_->rowCount() == 0) return;
  pos.column = std::min(pos.column, model_->columnCount());
  pos.row = std::min(pos.row, model_->rowCount());
  if (pos == current_ && !force) return;
  // Moving away keeps what was typed.
  storeEdit();
  if (anchor_.column != 0) {
    invalidateRange(selectionRange());
    anchor_ = zTableCellPos(0, 0);
  }
  clearHeaderHighlight();
  invalidateCell(current_);
  current_ = pos;
  bringIntoView(pos);
  invalidateCell(current_);
  // The hooks run before the edit line is loaded and the table paints: one that moves
  // the current cell on (an editor's entry turning at a row's end) would otherwise have
  // the line loaded with the cell it leaves, and that cell painted as the current one.
  lineBehind_ = true;
  callHook(cellHook_, cellHookData_);
  callHook(selectionHook_, selectionHookData_);
  if (lineBehind_) {
    lineBehind_ = false;
    followEditLine();
  }
  if (handle()) UpdateWindow(handle());
}

void zTable::clearHeaderHighlight() {
  if (!headersHighlighted()) return;
  uint32_t part = highPart_, first = highFirst_, last = highLast_;
  highFirst_ = highLast_ = 2;
  highPart_ = zTableHeaderCorner;
  invalidateHeaders(part, first, last);
}

void zTable::moveAnchorTo(zTableCellPos pos) {
  zTableCellRange before = selectionRange();
  anchor_ = pos;
  zTableCellRange after = selectionRange();
  invalidateRange(
      zTableCellRange(std::min(before.start.column, after.start.column), std::min(before.start.row, after.start.row),
                      std::max(before.end.column, after.end.column), std::max(before.end.row, after.end.row)));
}

void zTable::extendSelection(int32_t columnStep, int32_t rowStep, bool notify) {
  if (columnStep == 0 && rowStep == 0) return;
  zTableCellPos from = anchor_.column ? anchor_ : current_;
  int64_t c = static_cast<int64_t>(from.column) + columnStep, r = static_cast<int64_t>(from.row) + rowStep;
  if (c < 1 || r < 1 || c > model_->columnCount() || r > model_->rowCount()) return;
  moveAnchorTo(zTableCellPos(static_cast<uint32_t>(c), static_cast<uint32_t>(r)));
  if (notify) {
    if (handle()) UpdateWindow(handle());
    callHook(selectionHook_, selectionHookData_);
  }
}

void zTable::selectRange(const zTableCellRange& range) {
  if (range.start.column < 1 || range.start.row < 1) return;
  setCurrent(range.start, range.start == current_);
  if (range.start == range.end || !multiSel_) return;
  zTableCellPos end(std::max<uint32_t>(1, std::min(range.end.column, model_->columnCount())),
                    std::max<uint32_t>(1, std::min(range.end.row, model_->rowCount())));
  moveAnchorTo(end);
  if (handle()) UpdateWindow(handle());
  callHook(selectionHook_, selectionHookData_);
}

void zTable::selectHeaderLines(uint32_t part, uint32_t first, uint32_t last) {
  if (!headerSel_) return;
  if (first > last) std::swap(first, last);
  const uint32_t columns = model_->columnCount(), rows = model_->rowCount();
  if (part == zTableHeaderRows && (first < 1 || last > rows || columns == 0)) return;
  if (part == zTableHeaderColumns && (first < 1 || last > columns || rows == 0)) return;
  if (part > zTableHeaderCorner || (part == zTableHeaderCorner && (rows == 0 || columns == 0))) return;
  clearHeaderHighlight();
  headerDragStart_ = first;
  if (part == zTableHeaderRows) {
    setCurrent(zTableCellPos(1, first), true);
    anchor_ = zTableCellPos(columns, last);
    highFirst_ = first, highLast_ = last, highPart_ = part;
    invalidateRange(zTableCellRange(1, first, columns, last));
    invalidateHeaders(part, first, last);
  } else if (part == zTableHeaderColumns) {
    setCurrent(zTableCellPos(first, 1), true);
    anchor_ = zTableCellPos(last, rows);
    highFirst_ = first, highLast_ = last, highPart_ = part;
    invalidateRange(zTableCellRange(first, 1, last, rows));
    invalidateHeaders(part, first, last);
  } else {
    setCurrent(zTableCellPos(1, 1), true);
    anchor_ = zTableCellPos(columns, rows);
    highFirst_ = highLast_ = 0, highPart_ = zTableHeaderCorner;
    if (handle()) InvalidateRect(handle(), nullptr, FALSE);
  }
  if (handle()) UpdateWindow(handle());
  callHook(selectionHook_, selectionHookData_);
}

void zTable::setColumnWidths(uint32_t first, uint32_t last, uint16_t width) {
  layout_.columnWidths().setSizes(first, last, width);
  layout_.relayout();
  syncScrollBars();
  if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

void zTable::setRowHeights(uint32_t first, uint32_t last, uint16_t height) {
  layout_.rowHeights().setSizes(first, last, height);
  layout_.relayout();
  syncScrollBars();
  if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

void zTable::moveLeft() {
  if (current_.column > 1) setCurrent(zTableCellPos(current_.column - 1, current_.row), false);
}
void zTable::moveRight() {
  if (current_.column < model_->columnCount()) setCurrent(zTableCellPos(current_.column + 1, current_.row), false);
}
void zTable::moveUp() {
  if (current_.row > 1) setCurrent(zTableCellPos(current_.column, current_.row - 1), false);
}
void zTable::moveDown() {
  if (current_.row < model_->rowCount()) setCurrent(zTableCellPos(current_.column, current_.row + 1), false);
}

void zTable::modelChanged(void* view, zTableModel* model, const zTableCellRange* range) {
  auto* self = static_cast<zTable*>(view);
  if (!range) {
    bool counts = self->layout_.columnCount() != model->columnCount() || self->layout_.rowCount() != model->rowCount();
    self->layout_.setCounts(model->columnCount(), model->rowCount());
    if (counts) {
      self->layout_.setFirst(1, 1);
      // A current cell or anchor the table no longer has moves onto its last line.
      auto clamp = [model](zTableCellPos& p) {
        if (p.column > model->columnCount()) p.column = model->columnCount();
        if (p.row > model->rowCount()) p.row = model->rowCount();
      };
      clamp(self->current_);
      if (self->anchor_.column) clamp(self->anchor_);
    }
    if (self->layout_.ready()) self->layout_.relayout();
    self->syncScrollBars();
    if (self->handle()) InvalidateRect(self->handle(), nullptr, FALSE);
    self->refreshEditLine();
    return;
  }
  self->invalidateRange(*range);
  if (range->contains(self->current_)) self->refreshEditLine();
}

namespace {

// The pointer of a mouse message, with coordinates left of or above the window negative
// (a captured drag reports them so).
zPoint mousePoint(zEvent* event) {
  return zPoint(static_cast<int16_t>(LOWORD(event->lParam_)), static_cast<int16_t>(HIWORD(event->lParam_)));
}

}  // namespace

LRESULT zTable::defProc(zEvent* event) {
  switch (event->message_) {
    case WM_PAINT: {
      // A table that nobody laid out is laid out before its first paint begins, with its
      // bars: a bar that comes or goes then is part of this paint, where measuring inside
      // the paint left the bars as they were before the table knew what fits (a table of
      // many rows showed no bar until its first scroll, which then drew it).
      if (!layout_.ready()) calcLayout();
      zWinDisplay d(this);
      d.setDefaultFont(zRCFont(SYSTEM_FONT));
      d.setPainting(true);
      d.lock();
      zRect update;
      d.updateRect(update);
      draw(&d, update);
      d.unlock();
      d.setPainting(false);
      return 0;
    }
    case kMsgDrawThumbs:
      drawMovedThumbs();
      return 0;
    case WM_NCPAINT:
      if (thumbsPending_ && paintCoversBars(handle(), event->wParam_)) thumbsPending_ = false;
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETCURSOR:
      if (LOWORD(event->lParam_) == HTCLIENT && cursorState_ != 0) {
        SetCursor(LoadCursor(nullptr, cursorState_ == 1 ? IDC_SIZENS : IDC_SIZEWE));
        return TRUE;
      }
      break;
    case WM_CHAR: {
      unsigned char ch = static_cast<unsigned char>(event->wParam_);
      if (ch == '\t') {
        if (HWND parent = GetParent(handle()))
          SendMessageA(parent, WM_NEXTDLGCTL, (GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0, 0);
        return 0;
      }
      if (ch >= 32 && ch != 127 && !editing() && !(GetKeyState(VK_CONTROL) & 0x8000)) {
        char text[2] = {static_cast<char>(ch), 0};
        beginEdit(text);
        return 0;
      }
      break;
    }
    case WM_KEYDOWN: {
      const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0 && multiSel_;
      const zTableCellRange& v = layout_.visibleRange();
      switch (event->wParam_) {
        case VK_HOME:
          setCurrent(v.start, false);
          return 0;
        case VK_END:
          setCurrent(v.end, false);
          return 0;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: {
          const WPARAM key = event->wParam_;
          if (shift) {
            extendSelection(key == VK_LEFT    ? -1
                            : key == VK_RIGHT ? 1
                                              : 0,
                            key == VK_UP     ? -1
                            : key == VK_DOWN ? 1
                                             : 0,
                            true);
            if (anchor_.column) bringIntoView(anchor_);
          } else if (key == VK_LEFT) {
            moveLeft();
          } else if (key == VK_RIGHT) {
            moveRight();
          } else if (key == VK_UP) {
            moveUp();
          } else {
            moveDown();
          }
          return 0;
        }
        default:
          break;
      }
      break;
    }
    case WM_CAPTURECHANGED:
      // Another window took the mouse in the middle of a drag: the drag ends here.
      if (captured_ && reinterpret_cast<HWND>(event->lParam_) != handle()) {
        captured_ = false;
        if (dragMode_ == 1) {
          drawResizeLine(lastLine_);
          endResize();
        }
        dragMode_ = 0;
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
  syncScrollBars();
  InvalidateRect(handle(), nullptr, FALSE);
  return 1;
}

int zTable::onMouseButtonDown(zEvent* event) {
  if (editLineHasFocus()) storeEdit();
  SetFocus(handle());
  if (!event->isMouseButton(1) || event->isDoubleClick()) return 1;
  SetCapture(handle());
  captured_ = true;
  dragMode_ = 0;
  const zPoint p = mousePoint(event);
  uint32_t index = 0, area = 0;
  const int hit = layout_.headerHit(p, index, area);
  if (hit == zTableHitNone) {
    zTableCellRange at = layout_.cellRangeAt(zRect(p.x(), p.y(), p.x(), p.y()));
    const bool onCell = p.x() >= layout_.originX() && p.y() >= layout_.originY() &&
                        at.start.column <= model_->columnCount() && at.start.row <= model_->rowCount();
    if (onCell)
      setCurrent(at.start, headersHighlighted() && at.start == current_);
    else
      setCurrent(current_, true);
    return 1;
  }
  const bool resizable = area == zTableHeaderRows ? rowsResizable_ : area == zTableHeaderColumns && columnsResizable_;
  if (hit == zTableHitResize && resizable) {
    dragMode_ = 1;
    resizePart_ = area;
    resizeIndex_ = index;
    // The pointer stays in the header strip, right of (below) the line's own start.
    zRect cell = layout_.cellRect(area == zTableHeaderRows ? zTableCellPos(layout_.firstColumn(), index)
                                                           : zTableCellPos(index, layout_.firstRow()));
    RECT clip = area == zTableHeaderRows ? RECT{0, cell.top(), layout_.originX(), layout_.clientHeight()}
                                         : RECT{cell.left(), 0, layout_.clientWidth(), layout_.originY()};
    MapWindowPoints(handle(), nullptr, reinterpret_cast<POINT*>(&clip), 2);
    ClipCursor(&clip);
    lastLine_ = p;
    drawResizeLine(p);
    return 1;
  }
  selectHeader(index, area);
  return 1;
}

void zTable::drawResizeLine(zPoint p) {
  HDC dc = GetDC(handle());
  if (!dc) return;
  HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
  HGDIOBJ old = SelectObject(dc, pen);
  int oldRop = SetROP2(dc, R2_NOTXORPEN);
  if (resizePart_ == zTableHeaderRows) {
    MoveToEx(dc, layout_.originX(), p.y(), nullptr);
    LineTo(dc, layout_.clientWidth(), p.y());
  } else {
    MoveToEx(dc, p.x(), layout_.originY(), nullptr);
    LineTo(dc, p.x(), layout_.clientHeight());
  }
  SetROP2(dc, oldRop);
  SelectObject(dc, old);
  DeleteObject(pen);
  ReleaseDC(handle(), dc);
}

void zTable::selectHeader(uint32_t index, uint32_t part) {
  if (!headerSel_) return;
  dragMode_ = 2;
  headerDragStart_ = index;
  if (part == zTableHeaderCorner && highPart_ == zTableHeaderCorner && highFirst_ == 0) return;
  if (part != zTableHeaderCorner && highPart_ == part && highFirst_ == index && highLast_ == index) return;
  selectHeaderLines(part, index, index);
  dragMode_ = 2;
}

void zTable::dragHeaders(uint32_t index) {
  if (!headerRangeSel_) {
    selectHeader(index, highPart_);
    return;
  }
  uint32_t first = std::min(headerDragStart_, index), last = std::max(headerDragStart_, index);
  if (highFirst_ == first && highLast_ == last) return;
  uint32_t start = headerDragStart_;
  uint32_t part = highPart_;
  const uint32_t columns = model_->columnCount(), rows = model_->rowCount();
  zTableCellRange before = selectionRange();
  invalidateHeaders(part, highFirst_, highLast_);
  if (part == zTableHeaderRows) {
    current_ = zTableCellPos(1, start);
    anchor_ = zTableCellPos(columns, index);
  } else {
    current_ = zTableCellPos(start, 1);
    anchor_ = zTableCellPos(index, rows);
  }
  highFirst_ = first;
  highLast_ = last;
  invalidateHeaders(part, first, last);
  invalidateRange(before);
  invalidateRange(selectionRange());
  if (handle()) UpdateWindow(handle());
}

int zTable::onMouseMove(zEvent* event) {
  const zPoint p = mousePoint(event);
  if (!captured_) {
    int state = 0;
    uint32_t index = 0, area = 0;
    if (layout_.headerHit(p, index, area) == zTableHitResize) {
      if (area == zTableHeaderRows && rowsResizable_) state = 1;
      if (area == zTableHeaderColumns && columnsResizable_) state = 2;
    }
    if (state != cursorState_) {
      cursorState_ = state;
      SetCursor(state == 0 ? zArrowCursor() : LoadCursor(nullptr, state == 1 ? IDC_SIZENS : IDC_SIZEWE));
    }
    return 0;
  }
  if (dragMode_ == 1) {
    drawResizeLine(lastLine_);
    drawResizeLine(p);
    lastLine_ = p;
    return 1;
  }
  const int32_t ox = layout_.originX(), oy = layout_.originY();
  if (dragMode_ == 2) {
    uint32_t part = highPart_;
    if (part == zTableHeaderCorner) return 1;
    // The header under the pointer, counted along the strip even when the pointer leaves it.
    int32_t x = part == zTableHeaderColumns ? std::max(p.x(), ox) : ox;
    int32_t y = part == zTableHeaderRows ? std::max(p.y(), oy) : oy;
    zTableCellRange at = layout_.cellRangeAt(zRect(x, y, x, y));
    uint32_t index = part == zTableHeaderRows ? std::min(at.start.row, model_->rowCount())
                                              : std::min(at.start.column, model_->columnCount());
    if (index >= 1) dragHeaders(index);
    return 1;
  }
  // Selecting cells; outside the cells the table scrolls one line towards the pointer.
  int32_t x = p.x(), y = p.y();
  if (!headerSel_ && ((x >= 0 && x < ox) || (y >= 0 && y < oy))) return 1;
  const int32_t w = layout_.clientWidth(), h = layout_.clientHeight();
  if (x < ox) {
    x = ox + 1;
    if (layout_.firstColumn() > 1) scrollTo(layout_.firstColumn() - 1, layout_.firstRow());
  } else if (x >= w) {
    x = w - 1;
    if (layout_.visibleRange().end.column < model_->columnCount())
      scrollTo(layout_.firstColumn() + 1, layout_.firstRow());
  }
  if (y < oy) {
    y = oy + 1;
    if (layout_.firstRow() > 1) scrollTo(layout_.firstColumn(), layout_.firstRow() - 1);
  } else if (y >= h) {
    y = h - 1;
    if (layout_.visibleRange().end.row < model_->rowCount()) scrollTo(layout_.firstColumn(), layout_.firstRow() + 1);
  }
  zTableCellRange at = layout_.cellRangeAt(zRect(x, y, x, y));
  zTableCellPos cell(std::min(at.start.column, model_->columnCount()), std::min(at.start.row, model_->rowCount()));
  if (cell.column < 1 || cell.row < 1) return 1;
  if (!multiSel_) {
    setCurrent(cell, false);
  } else if (cell != (anchor_.column ? anchor_ : current_)) {
    moveAnchorTo(cell);
    if (handle()) UpdateWindow(handle());
  }
  return 1;
}

void zTable::endResize() {
  ClipCursor(nullptr);
  dragMode_ = 0;
  cursorState_ = 0;
  SetCursor(zArrowCursor());
}

int zTable::onMouseButtonUp(zEvent* event) {
  if (!event->isMouseButton(1)) return 0;
  const bool wasCaptured = captured_;
  captured_ = false;
  if (GetCapture() == handle()) ReleaseCapture();
  const zPoint p = mousePoint(event);
  if (dragMode_ == 1) {
    drawResizeLine(lastLine_);
    zRect cell = layout_.cellRect(resizePart_ == zTableHeaderRows ? zTableCellPos(layout_.firstColumn(), resizeIndex_)
                                                                  : zTableCellPos(resizeIndex_, layout_.firstRow()));
    int32_t size = resizePart_ == zTableHeaderRows ? p.y() - cell.top() : p.x() - cell.left();
    // A drag above (left of) the line's start is dropped; sizes are 16-bit.
    if (size >= 0) {
      uint16_t s = static_cast<uint16_t>(std::min(size, 0x7FFF));
      if (resizePart_ == zTableHeaderRows)
        setRowHeight(resizeIndex_, s);
      else
        setColumnWidth(resizeIndex_, s);
      InvalidateRect(handle(), nullptr, TRUE);
    }
    endResize();
    return 1;
  }
  dragMode_ = 0;
  if (wasCaptured) callHook(selectionHook_, selectionHookData_);
  return 1;
}

uint32_t zTable::setBackgroundColor(const zColor& color) {
  backgroundSet_ = true;
  const uint32_t value = zWindow::setBackgroundColor(color);
  if (handle()) InvalidateRect(handle(), nullptr, FALSE);
  return value;
}

void zTable::fillBackground(zDisplay* d, const zRect& r) {
  if (r.right() <= r.left() || r.bottom() <= r.top()) return;
  fillSolid(d, r, backgroundSet_ ? zColor::fromColorRef(backColorRef()) : sysColor(COLOR_APPWORKSPACE));
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
      env.fill = selectionFilled_ ? &selectionFill_ : nullptr;
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
  zBrush fill(env.fill ? *env.fill : zColor(255, 255, 255));
  const bool filled = env.selected && env.fill;
  if (filled) d->pushBrush(&fill);
  d->rectangle(r);
  if (filled) d->popBrush();
  if (env.current) d->popPen();
  for (uint32_t k : {zTableAttrTextColor, zTableAttrFont})
    if (zTableAttr* a = env.slot(k)) a->restore(d);
  if (env.selected && !env.fill && d->hdc())
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
