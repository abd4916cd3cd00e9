// Table models: the cells of one grid, the attributes its views apply, the factory that
// turns typed text into cells, and the views that show it.
//
// Every change of a cell, an attribute or the size is collected per view as one pending
// range (or "whole model") and delivered when the caller asks (notifyViews), so a batch of
// changes gives each view one redraw. Four storage strategies share the interface:
//   zTableSmallModel        dense rows of cell pointers (the program's grids);
//   zTableLargeModel        sparse blocks of 256 rows and segments of 256 columns;
//   zTableVirtualRowModel   a bounded cache of whole rows that a derived class loads;
//   zTableVirtualColModel   the same with whole columns.
// Positions outside the model are not errors: reads give null, writes, insertions and
// removals do nothing. When an array cannot grow, a write is dropped (the cell stays
// unreachable in the model) and a read gives null.
#pragma once

#include <cstdint>
#include <list>
#include <vector>

#include "framework/grid/zTableAttr.h"
#include "framework/grid/zTableCell.h"
#include "framework/grid/zTableTypes.h"

class zTableModel;

// Called as handler(view, model, range); range is null when the whole model changed.
using zTableViewHandler = void (*)(void* view, zTableModel* model, const zTableCellRange* range);

struct ziTableViewNode {
  zTableCellRange pending;
  uint32_t whole = 0;
  uint32_t isPending = 0;
  void* view = nullptr;
  zTableViewHandler handler = nullptr;
};

class zTableModel {
 public:
  zTableModel(uint32_t columns, uint32_t rows);
  virtual ~zTableModel();
  zTableModel(const zTableModel&) = delete;
  zTableModel& operator=(const zTableModel&) = delete;

  virtual void setCell(zTableCellPos pos, zTableCell* cell) = 0;
  virtual zTableCell* cell(zTableCellPos pos) = 0;
  // The cell stored at pos without loading or reordering anything (virtual models).
  virtual zTableCell* storedCell(zTableCellPos pos) { return cell(pos); }
  // Changes only the counts: cells outside them stay stored and reappear on growth.
  virtual void setSize(uint32_t columns, uint32_t rows);
  virtual zTableCellRange range() const { return zTableCellRange(1, 1, columns_, rows_); }
  virtual void removeRow(uint32_t row);
  virtual void removeColumn(uint32_t column);
  virtual void addRow(uint32_t row);
  virtual void addColumn(uint32_t column);

  uint32_t columnCount() const { return columns_; }
  uint32_t rowCount() const { return rows_; }

  zTableAttr* addAttribute(zTableAttr* attr);
  zTableAttr* removeAttribute(zTableAttr* attr);
  const std::vector<zTableAttr*>& attributes() const { return attrs_; }

  // Stores typed text: replaces an empty or replaceable cell by a new one from the
  // factory (the old cell, marked deleted-by-model, is returned for the caller to
  // delete) or hands the text to a validated cell (null returned).
  zTableCell* setCellText(zTableCellPos pos, const char* text);
  zTableCellMaker* cellMaker() const { return maker_; }
  zTableCellMaker* setCellMaker(zTableCellMaker* maker);

  void attachView(void* view, zTableViewHandler handler);
  void detachView(void* view, zTableViewHandler handler);
  void notifyRange(const zTableCellRange* range);
  void cellChanged(zTableCellPos pos);
  void notifyViews();
  void notifyOtherViews(void* view);
  int pendingRange(void* view, zTableCellRange& out) const;

 protected:
  bool inside(zTableCellPos pos) const {
    return pos.column != 0 && pos.row != 0 && pos.column <= columns_ && pos.row <= rows_;
  }
  static void deleteByModel(zTableCell* cell) {
    if (!cell) return;
    cell->markDeletedByModel();
    delete cell;
  }
  void deliver(void* skip, bool skipOne);

  uint32_t columns_;
  uint32_t rows_;

 private:
  std::vector<zTableAttr*> attrs_;
  bool hasAttrList_ = false;
  std::vector<ziTableViewNode> views_;
  zTableCellMaker* maker_;
};

using zTableCellPtrDynaArray = zTableDynaArray<zTableCell*>;

class zTableSmallModel : public zTableModel {
 public:
  zTableSmallModel(uint32_t columns, uint32_t rows);
  ~zTableSmallModel() override;
  void setCell(zTableCellPos pos, zTableCell* cell) override;
  zTableCell* cell(zTableCellPos pos) override;
  void removeRow(uint32_t row) override;
  void removeColumn(uint32_t column) override;
  void addRow(uint32_t row) override;
  void addColumn(uint32_t column) override;

 private:
  zTableDynaArray<zTableCellPtrDynaArray*> rowArray_{100, nullptr};
};

class zTableLargeModel : public zTableModel {
 public:
  zTableLargeModel(uint32_t columns, uint32_t rows);
  ~zTableLargeModel() override;
  void setCell(zTableCellPos pos, zTableCell* cell) override;
  zTableCell* cell(zTableCellPos pos) override;
  void removeRow(uint32_t row) override;
  void removeColumn(uint32_t column) override;
  void addRow(uint32_t row) override;
  void addColumn(uint32_t column) override;

 private:
  using Segments = zTableDynaArray<zTableCellPtrDynaArray*>;
  struct Block {
    Segments* rows[256] = {};
  };
  zTableCell* at(zTableCellPos pos) const;
  // Moves the cell at from to to (cleared at from), giving it its new position.
  void move(zTableCellPos from, zTableCellPos to);
  zTableDynaArray<Block*> blocks_{100, nullptr};
};

// The cache shared by the two virtual models; byRow selects what a record holds.
class ziTableVirtualModel : public zTableModel {
 public:
  ~ziTableVirtualModel() override;
  void setCell(zTableCellPos pos, zTableCell* cell) override;
  zTableCell* cell(zTableCellPos pos) override;
  zTableCell* storedCell(zTableCellPos pos) override;

  // Called before a cached record is discarded; nonzero when it may go now.
  virtual int releaseRecord(uint32_t key) = 0;
  // Called for a row (column) that is not cached: creates its cells through setCell and
  // returns nonzero when it did.
  virtual int loadRecord(uint32_t key) = 0;

  void setCacheLimit(int32_t n) {
    if (n > 0) limit_ = n;
  }
  int32_t cacheLimit() const { return limit_; }
  int32_t recordCount() const { return count_; }
  void discardRecord(uint32_t key);
  void flush();

 protected:
  ziTableVirtualModel(uint32_t columns, uint32_t rows, bool byRow);
  struct Record {
    zTableCellPtrDynaArray* cells = nullptr;
    uint32_t key = 0;
  };
  using RecordList = std::list<Record>;  // least recently used first

  uint32_t keyOf(zTableCellPos p) const { return byRow_ ? p.row : p.column; }
  uint32_t indexOf(zTableCellPos p) const { return byRow_ ? p.column : p.row; }
  RecordList::iterator find(uint32_t key);
  RecordList::iterator obtain();
  void freeCells(Record& r);
  void dropAll();
  // Removing (delta -1) or inserting (+1) a keyed line renumbers the later records.
  void removeKeyed(uint32_t key);
  void addKeyed(uint32_t key);
  void renumber(Record& r, uint32_t key);

  bool byRow_;
  RecordList records_;
  int32_t limit_ = 100;
  uint32_t unused_ = 0;
  int32_t count_ = 0;
  uint32_t busy_ = 0;
};

class zTableVirtualRowModel : public ziTableVirtualModel {
 public:
  zTableVirtualRowModel(uint32_t columns, uint32_t rows) : ziTableVirtualModel(columns, rows, true) {}
  void removeRow(uint32_t row) override;
  void addRow(uint32_t row) override;
  void removeColumn(uint32_t column) override;
  void addColumn(uint32_t column) override;
};

class zTableVirtualColModel : public ziTableVirtualModel {
 public:
  zTableVirtualColModel(uint32_t columns, uint32_t rows) : ziTableVirtualModel(columns, rows, false) {}
  void removeRow(uint32_t row) override;
  void addRow(uint32_t row) override;
  void removeColumn(uint32_t column) override;
  void addColumn(uint32_t column) override;
};
