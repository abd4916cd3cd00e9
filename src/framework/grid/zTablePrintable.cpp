#include "framework/grid/zTablePrintable.h"

#include <algorithm>

#include "framework/draw/zDisplay.h"
#include "framework/draw/zDrawObj.h"
#include "framework/grid/zTableDrawAttr.h"
#include "framework/periphery/zPrinter.h"

zTablePrintable::zTablePrintable(zWindow* parent, zSizer* sizer, uint32_t style, zTableModel* model)
    : zTable(parent, sizer, style, model) {}

zTablePrintable::zTablePrintable(zWindow* parent, zSizer* sizer, uint32_t style, int flag, int32_t id)
    : zTable(parent, sizer, style, flag, id) {}

namespace {

// The printable grid child of parent with this id, or null.
zTablePrintable* printableChild(zWindow* parent, int32_t id) {
  if (!parent) return nullptr;
  zWindowDlistIter it(&parent->children());
  while (zWindow* child = it.next())
    if (child->id() == id)
      if (auto* table = dynamic_cast<zTablePrintable*>(child)) return table;
  return nullptr;
}

}  // namespace

zTablePrintable::zTablePrintable(zWindow* parent, int32_t id, zTableModel* model)
    : zTablePrintable(settingsOf(parent, id), parent, id, model) {}

zTablePrintable::Settings zTablePrintable::settingsOf(zWindow* parent, int32_t id) {
  zTablePrintable* old = printableChild(parent, id);
  return old ? old->s_ : Settings();
}

zTablePrintable::~zTablePrintable() { dropFonts(); }

zTableCellRange zTablePrintable::printRange() const {
  const uint32_t columns = model()->columnCount(), rows = model()->rowCount();
  return zTablePages::clampRange(s_.rangeSet ? s_.range : zTableCellRange(1, 1, columns, rows), columns, rows);
}

zTablePageSetup zTablePrintable::pageSetup(zDisplay* printer) const {
  zTablePageSetup s;
  s.printRange = printRange();
  s.downFirst = s_.downFirst;
  s.rowHeaders = s_.rowHeaders;
  s.columnHeaders = s_.columnHeaders;
  s.repeatRowHeaders = s_.repeatRowHeaders;
  s.repeatColumnHeaders = s_.repeatColumnHeaders;
  s.horzScale = horzScale_;
  s.vertScale = vertScale_;
  s.headerSize = layout().headerSize();
  zRect page;
  printer->size(page);
  s.pageWidth = page.width();
  s.pageHeight = page.height();
  return s;
}

bool zTablePrintable::pageRange(zDisplay* printer, zTableCellRange& range, uint32_t n) {
  if (!printing_) {
    HDC dc = GetDC(handle());
    screenPerInchX_ = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 96;
    screenPerInchY_ = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(handle(), dc);
    horzScale_ = screenPerInchX_ > 0 ? static_cast<double>(printer->pixelsPerInchX()) / screenPerInchX_ : 1.0;
    vertScale_ = screenPerInchY_ > 0 ? static_cast<double>(printer->pixelsPerInchY()) / screenPerInchY_ : 1.0;
  }
  zTablePages pages(layout().columnWidths(), layout().rowHeights(), pageSetup(printer));
  if (pages.pageCount() == 0) return false;
  range = pages.page(n).range;
  return true;
}

zRCFont zTablePrintable::printerFont(const zRCFont& screen) {
  if (!screen.isValid()) return screen;
  for (const auto& entry : fontMap_)
    if (entry.first == screen) return entry.second;
  LOGFONTA lf{};
  GetObjectA(screen.hfont(), sizeof lf, &lf);
  lf.lfHeight = static_cast<LONG>(lf.lfHeight * vertScale_);
  lf.lfWidth = static_cast<LONG>(lf.lfWidth * horzScale_);
  zRCFont printer(CreateFontIndirectA(&lf), true);
  fontMap_.emplace_back(screen, printer);
  return printer;
}

void zTablePrintable::dropFonts() {
  if (model())
    for (zTableAttr* a : model()->attributes())
      if (a->kind() == zTableAttrFont) static_cast<zTableFontAttr*>(a)->setPrinterFont(zRCFont());
  fontMap_.clear();
}

int zTablePrintable::beginPrint(zPrinterDisplay* printer, zPrintJob*) {
  if (!printer) return 0;
  zTableCellRange first;
  bool any = pageRange(printer, first, 1);
  printing_ = true;
  printer_ = printer;
  preparePrint(printer, true);
  zTablePages pages(layout().columnWidths(), layout().rowHeights(), pageSetup(printer));
  pageCount_ = any ? pages.pageCount() : 0;
  for (zTableAttr* a : model()->attributes())
    if (a->kind() == zTableAttrFont) {
      auto* font = static_cast<zTableFontAttr*>(a);
      font->setPrinterFont(printerFont(font->screenFont()));
    }
  page_ = std::max<int32_t>(1, printer->fromPage());
  lastPage_ = std::min<int32_t>(printer->toPage(), static_cast<int32_t>(pageCount_));
  printer->setPage(page_);
  return pageCount_ > 0 && page_ <= lastPage_ ? 1 : 0;
}

int zTablePrintable::nextPage() {
  if (!printing_ || page_ >= lastPage_) return 0;
  ++page_;
  return 1;
}

void zTablePrintable::endPrint(zPrinterDisplay*, zPrintJob*) {
  printing_ = false;
  printer_ = nullptr;
  dropFonts();
  current_ = zTablePage();
}

int zTablePrintable::printPage(zPrinterDisplay* d, zRect&) {
  if (!printing_ || !d) return 0;
  preparePrint(d, false);
  zTablePages pages(layout().columnWidths(), layout().rowHeights(), pageSetup(d));
  const uint32_t n = static_cast<uint32_t>(std::max<int32_t>(1, d->page()));
  current_ = pages.page(n);
  const zTablePage& p = current_;
  if (p.columnX.size() < 2 || p.rowY.size() < 2) return 0;

  d->lock();
  zRCFont text = printerFont(zRCFont(SYSTEM_FONT));
  zRCFont saved = d->replaceDefaultFont(text);
  d->backMode(TRANSPARENT);
  zPen grid(zColor(0, 0, 0), PS_SOLID, 0);
  d->pushPen(&grid);
  ziTableEnv env(model());
  const int32_t hw = p.headerWidth, hh = p.headerHeight;
  if (p.rowHeaders && p.columnHeaders) drawHeaderCell(d, zRect(0, 0, hw, hh), 0, zTableHeaderCorner);
  for (uint32_t r = p.range.start.row; r <= p.range.end.row; ++r) {
    const size_t ri = r - p.range.start.row;
    const int32_t top = p.rowY[ri], bottom = p.rowY[ri + 1];
    if (p.rowHeaders) drawHeaderCell(d, zRect(0, top, hw, bottom), r, zTableHeaderRows);
    for (uint32_t c = p.range.start.column; c <= p.range.end.column; ++c) {
      const size_t ci = c - p.range.start.column;
      const int32_t left = p.columnX[ci], right = p.columnX[ci + 1];
      if (r == p.range.start.row && p.columnHeaders)
        drawHeaderCell(d, zRect(left, 0, right, hh), c, zTableHeaderColumns);
      zTableCellPos pos(c, r);
      env.current = env.selected = 0;
      env.collect(pos);
      zRect cr(left, top, right, bottom);
      if (zTableCell* cell = model()->cell(pos))
        cell->draw(cr, d, &env);
      else
        drawEmptyCell(d, cr, env);
    }
  }
  d->popPen();
  d->replaceDefaultFont(saved);
  d->unlock();
  return 1;
}

void zTablePrintable::drawHeaderCell(zDisplay* d, const zRect& r, uint32_t index, uint32_t part) {
  if (!printing_ || d->kind() == zDisplay::windowKind) {
    zTable::drawHeaderCell(d, r, index, part);
    return;
  }
  if (headerStyle() > zTableHeaderFramed) return;
  FLCString text =
      zTableHeaderLabel(headerTextMode(part), index, part == zTableHeaderRows ? &rowTexts() : &columnTexts());
  const int32_t width = s_.wideLines ? std::max(1, d->pixelsPerInchX() * 18 / 1000) : 0;
  zPen pen(zColor(0, 0, 0), PS_SOLID, width);
  zBrushStock white(WHITE_BRUSH);
  d->pushPen(&pen);
  d->pushBrush(&white);
  d->rectangle(r);
  d->popBrush();
  d->popPen();
  if (text.length()) {
    zDimension ext = d->textExtent(text, static_cast<int>(text.length()));
    d->textOut(r.left() + r.width() / 2 - ext.width() / 2, r.top() + r.height() / 2 - ext.height() / 2, text,
               static_cast<int>(text.length()));
  }
}
