#include "framework/grid/zTableCell.h"

#include "framework/format/zFormatter.h"
#include "framework/format/zNumFormatter.h"
#include "framework/grid/zTableAttr.h"
#include "framework/grid/zTableModel.h"

zTableCellPainter zTableCell::painter_ = nullptr;
zTableBmpCell::Deleter zTableBmpCell::deleter_ = nullptr;

zTableCell::zTableCell(zTableModel* model, zTableCellPos pos) : model_(model), pos_(pos), kind_(zTableCellReplaceable) {
  if (model_) model_->setCell(pos_, this);
}

zTableCell::~zTableCell() {
  // Only clear the position while it still holds this cell: a cell that was replaced at
  // its position must not take the newer cell out of the model.
  if (!(kind_ & zTableCellDeletedByModel) && model_ && model_->storedCell(pos_) == this) model_->setCell(pos_, nullptr);
}

void zTableCell::draw(const zRect&, zDisplay*, ziTableEnv*) {}

void zTableCell::setText(const char*) {
  if (model_) model_->cellChanged(pos_);
}

zTableTextCell::zTableTextCell(zTableModel* model, const char* text, zTableCellPos pos) : zTableCell(model, pos) {
  if (text) text_ = text;
}

void zTableTextCell::setText(const char* text) {
  if (model_) model_->cellChanged(pos_);
  text_ = text ? text : "";
}

void zTableTextCell::draw(const zRect& rect, zDisplay* display, ziTableEnv* env) {
  if (painter_) painter_(this, rect, display, env);
}

zTableFmtCellBase::zTableFmtCellBase(zTableModel* model, const char* text, zTableCellPos pos)
    : zTableTextCell(model, pos) {
  if (text) setText(text);
}

void zTableFmtCellBase::init(uint32_t kind, const char* text) {
  kind_ = kind;
  if (text) setText(text);
}

void zTableFmtCellBase::setText(const char* text) {
  if (model_) model_->cellChanged(pos_);
  raw_ = text ? text : "";
  zFormatter* formatter = nullptr;
  if (kind_ & zTableCellFormatted) {
    ziTableEnv env(model_);
    env.collect(pos_);
    formatter = (kind_ & zTableCellNumber) ? static_cast<zFormatter*>(env.numFormatter()) : env.formatter();
  }
  // A formatter's pending sign is cleared so the next edit starts afresh; the shown text
  // is the text as set either way.
  if (formatter && text) formatter->takeNegative();
  text_ = text ? text : "";
}

zTableFmtTextCell::zTableFmtTextCell(zTableModel* model, const char* text, zTableCellPos pos)
    : zTableFmtCellBase(model, pos) {
  init(zTableCellFormatted | zTableCellReplaceable, text);
}

zTableFmtNumCell::zTableFmtNumCell(zTableModel* model, const char* text, zTableCellPos pos)
    : zTableFmtCellBase(model, pos) {
  init(zTableCellNumber | zTableCellFormatted | zTableCellReplaceable, text);
}

zTableValidatedFmtTextCell::zTableValidatedFmtTextCell(zTableModel* model, const char* text, zTableCellPos pos)
    : zTableFmtCellBase(model, pos) {
  init(zTableCellFormatted | zTableCellValidated, text);
}

zTableValidatedFmtNumCell::zTableValidatedFmtNumCell(zTableModel* model, const char* text, zTableCellPos pos)
    : zTableFmtCellBase(model, pos) {
  init(zTableCellNumber | zTableCellFormatted | zTableCellValidated, text);
}

zTableBmpCell::zTableBmpCell(zTableModel* model, zBitmap* bitmap, zTableCellPos pos)
    : zTableCell(model, pos), bitmap_(bitmap) {}

zTableBmpCell::~zTableBmpCell() {
  if (bitmap_ && deleter_) deleter_(bitmap_);
}

zBitmap* zTableBmpCell::setBitmap(zBitmap* bitmap) {
  zBitmap* old = bitmap_;
  bitmap_ = bitmap;
  return old;
}

void zTableBmpCell::draw(const zRect& rect, zDisplay* display, ziTableEnv* env) {
  if (painter_) painter_(this, rect, display, env);
}

void zTableDrawCell::draw(const zRect& rect, zDisplay* display, ziTableEnv* env) {
  if (painter_) painter_(this, rect, display, env);
}

int zTableCellMaker::kindFor(zTableCellPos, const char* text) {
  if (!text || !*text) return zTableMakeText;
  for (const char* p = text; *p; ++p) {
    char c = *p;
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+')) return zTableMakeText;
  }
  return zTableMakeNumber;
}

zTableCell* zTableCellMaker::make(int kind, const char* text, zTableCellPos pos) {
  if (kind == zTableMakeNumber) return new zTableFmtNumCell(model_, text, pos);
  return new zTableFmtTextCell(model_, text, pos);
}
