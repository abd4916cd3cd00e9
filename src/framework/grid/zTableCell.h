// Cells of a table model, and the cell factory that turns typed text into a cell.
//
// A cell knows its model and position, keeps its own content and registers itself in the
// model when constructed; its destructor takes it out again, unless the model is the one
// deleting it (the deleted-by-model bit), so that the destructor never calls back into a
// model that is tearing the cell down. Drawing goes through a painter that the window
// part of the grid installs (zTableCellPainter): the data layer stays window-free, and
// without a painter cells draw nothing.
#pragma once

#include <cstdint>

#include "foundation/FLCString.h"
#include "foundation/Geometry.h"
#include "framework/grid/zTableTypes.h"

class zDisplay;
class zBitmap;
class zTableModel;
class ziTableEnv;
class zTableCell;

enum zTableCellKindBit : uint32_t {
  zTableCellValidated = 1,
  zTableCellReplaceable = 2,
  zTableCellFormatted = 4,
  zTableCellNumber = 8,
  zTableCellDeletedByModel = 0x80,
};

// Draws a cell's content (text or bitmap) with its environment; installed by the grid.
using zTableCellPainter = void (*)(zTableCell* cell, const zRect& rect, zDisplay* display, ziTableEnv* env);

class zTableCell {
 public:
  zTableCell(zTableModel* model, zTableCellPos pos);
  virtual ~zTableCell();
  zTableCell(const zTableCell&) = delete;
  zTableCell& operator=(const zTableCell&) = delete;

  virtual void draw(const zRect& rect, zDisplay* display, ziTableEnv* env);
  virtual const char* text() const { return ""; }
  virtual void setText(const char* text);
  // What the cell shows: the shown text of formatted cells, else the text.
  virtual const char* shownText() const { return text(); }
  // The bitmap of a bitmap cell, else null.
  virtual zBitmap* bitmapContent() const { return nullptr; }

  zTableModel* model() const { return model_; }
  zTableCellPos position() const { return pos_; }
  uint32_t kind() const { return kind_; }
  bool hasKind(uint32_t bits) const { return (kind_ & bits) != 0; }

  // Used by models: a moved cell keeps its identity and takes its new position.
  void setPosition(zTableCellPos pos) { pos_ = pos; }
  void markDeletedByModel() { kind_ |= zTableCellDeletedByModel; }

  static void setPainter(zTableCellPainter painter) { painter_ = painter; }
  static zTableCellPainter painter() { return painter_; }

 protected:
  zTableModel* model_;
  zTableCellPos pos_;
  uint32_t kind_;

  static zTableCellPainter painter_;
};

class zTableTextCell : public zTableCell {
 public:
  zTableTextCell(zTableModel* model, const char* text, zTableCellPos pos);
  const char* text() const override { return text_; }
  void setText(const char* text) override;
  void draw(const zRect& rect, zDisplay* display, ziTableEnv* env) override;

 protected:
  // For derived cells that set their text themselves once their kind is known.
  zTableTextCell(zTableModel* model, zTableCellPos pos) : zTableCell(model, pos) {}
  FLCString text_;
};

// A text cell whose raw text (exactly as set) may differ from the shown text.
class zTableFmtCellBase : public zTableTextCell {
 public:
  zTableFmtCellBase(zTableModel* model, const char* text, zTableCellPos pos);
  const char* text() const override { return raw_; }
  const char* shownText() const override { return text_; }
  void setText(const char* text) override;

 protected:
  zTableFmtCellBase(zTableModel* model, zTableCellPos pos) : zTableTextCell(model, pos) {}
  // Sets the derived kind, then the text, so the shown text follows the kind.
  void init(uint32_t kind, const char* text);
  FLCString raw_;
};

class zTableFmtTextCell : public zTableFmtCellBase {
 public:
  zTableFmtTextCell(zTableModel* model, const char* text, zTableCellPos pos);
};

class zTableFmtNumCell : public zTableFmtCellBase {
 public:
  zTableFmtNumCell(zTableModel* model, const char* text, zTableCellPos pos);
};

class zTableValidatedFmtTextCell : public zTableFmtCellBase {
 public:
  zTableValidatedFmtTextCell(zTableModel* model, const char* text, zTableCellPos pos);
};

class zTableValidatedFmtNumCell : public zTableFmtCellBase {
 public:
  zTableValidatedFmtNumCell(zTableModel* model, const char* text, zTableCellPos pos);
};

// Owns its bitmap. The bitmap's deletion is the window part's (zBitmap is a window
// object), reached through a deleter it installs; without one the bitmap is left alone.
class zTableBmpCell : public zTableCell {
 public:
  using Deleter = void (*)(zBitmap*);
  zTableBmpCell(zTableModel* model, zBitmap* bitmap, zTableCellPos pos);
  ~zTableBmpCell() override;
  zBitmap* bitmap() const { return bitmap_; }
  zBitmap* bitmapContent() const override { return bitmap_; }
  // Returns the previous bitmap, which the caller then owns.
  zBitmap* setBitmap(zBitmap* bitmap);
  void draw(const zRect& rect, zDisplay* display, ziTableEnv* env) override;
  static void setDeleter(Deleter d) { deleter_ = d; }

 private:
  zBitmap* bitmap_;
  static Deleter deleter_;
};

// A cell that draws itself: drawContents returns nonzero when it drew the selection and
// the frame itself.
class zTableDrawCell : public zTableCell {
 public:
  zTableDrawCell(zTableModel* model, zTableCellPos pos) : zTableCell(model, pos) {}
  virtual int drawContents(const zRect& rect, zDisplay* display, ziTableEnv* env) = 0;
  void draw(const zRect& rect, zDisplay* display, ziTableEnv* env) override;
};

enum zTableCellMakerKind : int {
  zTableMakeNumber = 1,
  zTableMakeText = 2,
};

class zTableCellMaker {
 public:
  explicit zTableCellMaker(zTableModel* model) : model_(model) {}
  virtual ~zTableCellMaker() = default;
  // 1 (number) for a non-empty text of digits, '.', '-' and '+' only; else 2 (text).
  virtual int kindFor(zTableCellPos pos, const char* text);
  // A zTableFmtNumCell for kind 1, a zTableFmtTextCell otherwise; it stores itself.
  virtual zTableCell* make(int kind, const char* text, zTableCellPos pos);
  zTableModel* model() const { return model_; }

 private:
  zTableModel* model_;
};
