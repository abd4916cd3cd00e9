// Cell attributes: a text colour, a background colour, a font, a read-only mark, a text
// formatter, a number formatter or a text alignment laid over a range of cells. A model
// keeps its attributes in one list, in the order they were added, and owns them. For one
// cell the attributes that cover it are gathered into a ziTableEnv, one per kind, the one
// added last winning; there are no separate table, row and cell levels.
//
// This file holds the window-free part: the base, the kinds that act outside drawing and
// the environment. The kinds that change a display (text colour, back colour, font) derive
// from zTableAttr in zTableDrawAttr.h and override apply and restore.
#pragma once

#include <cstdint>

#include "framework/grid/zTableTypes.h"

class zDisplay;
struct zColor;
class zFormatter;
class zNumFormatter;
class zTableModel;

enum zTableAttrKind : uint32_t {
  zTableAttrTextColor = 1,
  zTableAttrBackColor = 2,
  zTableAttrFont = 3,
  zTableAttrReadOnly = 4,
  zTableAttrFormatter = 5,
  zTableAttrNumFormatter = 6,
  zTableAttrAlignment = 7,
};

enum zTableAlignment : uint32_t {
  zTableAlignLeft = 1,
  zTableAlignRight = 2,
  zTableAlignCentre = 4,  // any other value draws as left
};

class zTableAttr {
 public:
  zTableAttr(uint32_t kind, const zTableCellRange& range) : kind_(kind), range_(range) {}
  virtual ~zTableAttr() = default;
  zTableAttr(const zTableAttr&) = delete;
  zTableAttr& operator=(const zTableAttr&) = delete;

  // Every apply is paired with one restore on the same display before the next apply:
  // an attribute remembers only what its own last apply replaced.
  virtual void apply(zDisplay* display) { (void)display; }
  virtual void restore(zDisplay* display) { (void)display; }

  uint32_t kind() const { return kind_; }
  const zTableCellRange& range() const { return range_; }

 protected:
  uint32_t kind_;
  zTableCellRange range_;
};

class zTableReadOnlyAttr : public zTableAttr {
 public:
  explicit zTableReadOnlyAttr(const zTableCellRange& range) : zTableAttr(zTableAttrReadOnly, range) {}
};

// Owns its formatter: deleted with the attribute.
class zTableFormatterAttr : public zTableAttr {
 public:
  explicit zTableFormatterAttr(const zTableCellRange& range, zFormatter* formatter = nullptr)
      : zTableAttr(zTableAttrFormatter, range), formatter_(formatter) {}
  ~zTableFormatterAttr() override;
  zFormatter* formatter() const { return formatter_; }
  // Returns the previous formatter, which the caller then owns.
  zFormatter* setFormatter(zFormatter* formatter) {
    zFormatter* old = formatter_;
    formatter_ = formatter;
    return old;
  }

 private:
  zFormatter* formatter_;
};

// Does not own its number formatter: several attributes may share one.
class zTableNumFormatterAttr : public zTableAttr {
 public:
  explicit zTableNumFormatterAttr(const zTableCellRange& range, zNumFormatter* formatter = nullptr)
      : zTableAttr(zTableAttrNumFormatter, range), formatter_(formatter) {}
  zNumFormatter* numFormatter() const { return formatter_; }
  zNumFormatter* setFormatter(zNumFormatter* formatter) {
    zNumFormatter* old = formatter_;
    formatter_ = formatter;
    return old;
  }

 private:
  zNumFormatter* formatter_;
};

class zTableTextAlignmentAttr : public zTableAttr {
 public:
  zTableTextAlignmentAttr(uint32_t alignment, const zTableCellRange& range)
      : zTableAttr(zTableAttrAlignment, range), alignment_(alignment) {}
  uint32_t alignment() const { return alignment_; }

 private:
  uint32_t alignment_;
};

// The drawing environment of one cell: per kind, the covering attribute added last.
class ziTableEnv {
 public:
  static constexpr uint32_t kSlots = 10;

  explicit ziTableEnv(const zTableModel* model);

  // Fills the slots for the cell at pos.
  void collect(zTableCellPos pos);

  zTableAttr* slot(uint32_t kind) const { return kind < kSlots ? slots_[kind] : nullptr; }
  // The alignment of the covering alignment attribute, or left when none covers the cell.
  uint32_t alignment() const;
  zFormatter* formatter() const;
  zNumFormatter* numFormatter() const;
  bool readOnly() const { return slots_[zTableAttrReadOnly] != nullptr; }

  uint32_t selected = 0;         // the cell is drawn inverted, or filled when fill is set
  const zColor* fill = nullptr;  // the selection's fill colour, null to invert
  uint32_t current = 0;          // the cell gets the current-cell frame

 private:
  const zTableModel* model_;
  zTableAttr* slots_[kSlots] = {};
};
