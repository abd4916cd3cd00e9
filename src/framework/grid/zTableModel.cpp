#include "framework/grid/zTableModel.h"

#include <algorithm>

// ---- the base: attributes, typed text, views and their pending changes ----

zTableModel::zTableModel(uint32_t columns, uint32_t rows)
    : columns_(columns), rows_(rows), maker_(new zTableCellMaker(this)) {}

zTableModel::~zTableModel() {
  for (zTableAttr* a : attrs_) delete a;
  delete maker_;
}

void zTableModel::setSize(uint32_t columns, uint32_t rows) {
  columns_ = columns;
  rows_ = rows;
  notifyRange(nullptr);
  notifyViews();
}

void zTableModel::removeRow(uint32_t) {
  if (rows_ > 0) setSize(columns_, rows_ - 1);
}
void zTableModel::removeColumn(uint32_t) {
  if (columns_ > 0) setSize(columns_ - 1, rows_);
}
void zTableModel::addRow(uint32_t) { setSize(columns_, rows_ + 1); }
void zTableModel::addColumn(uint32_t) { setSize(columns_ + 1, rows_); }

zTableAttr* zTableModel::addAttribute(zTableAttr* attr) {
  if (!attr) return nullptr;
  attrs_.push_back(attr);
  hasAttrList_ = true;
  notifyRange(&attr->range());
  return attr;
}

zTableAttr* zTableModel::removeAttribute(zTableAttr* attr) {
  if (!hasAttrList_) return attr;
  auto it = std::find(attrs_.begin(), attrs_.end(), attr);
  if (it == attrs_.end()) return nullptr;
  attrs_.erase(it);
  notifyRange(&attr->range());
  return attr;
}

zTableCell* zTableModel::setCellText(zTableCellPos pos, const char* text) {
  if (!maker_) return nullptr;
  zTableCell* old = cell(pos);
  if (old && !old->hasKind(zTableCellReplaceable)) {
    old->setText(text);
    return nullptr;
  }
  // Marked first, so that the new cell taking the position is not undone by the old
  // cell's destructor when the caller deletes it.
  if (old) old->markDeletedByModel();
  maker_->make(maker_->kindFor(pos, text), text, pos);
  return old;
}

zTableCellMaker* zTableModel::setCellMaker(zTableCellMaker* maker) {
  zTableCellMaker* old = maker_;
  maker_ = maker;
  return old;
}

void zTableModel::attachView(void* view, zTableViewHandler handler) {
  ziTableViewNode node;
  node.view = view;
  node.handler = handler;
  views_.push_back(node);
}

void zTableModel::detachView(void* view, zTableViewHandler handler) {
  for (auto it = views_.begin(); it != views_.end(); ++it) {
    if (it->view == view && it->handler == handler) {
      views_.erase(it);
      return;
    }
  }
}

void zTableModel::notifyRange(const zTableCellRange* range) {
  for (ziTableViewNode& n : views_) {
    if (!range) {
      n.whole = 1;
      n.isPending = 1;
    } else if (!n.isPending) {
      n.pending = *range;
      n.isPending = 1;
    } else if (!n.whole) {
      n.pending.start.column = std::min(n.pending.start.column, range->start.column);
      n.pending.start.row = std::min(n.pending.start.row, range->start.row);
      n.pending.end.column = std::max(n.pending.end.column, range->end.column);
      n.pending.end.row = std::max(n.pending.end.row, range->end.row);
    }
  }
}

void zTableModel::cellChanged(zTableCellPos pos) {
  for (ziTableViewNode& n : views_) {
    if (!n.isPending || !n.pending.isValid()) {
      n.isPending = 1;
      n.pending = zTableCellRange(pos, pos);
      continue;
    }
    zTableCellRange& r = n.pending;
    if (pos.column < r.start.column) r.start.column = pos.column;
    if (pos.column > r.end.column) r.end.column = pos.column;
    if (pos.row < r.start.row) r.start.row = pos.row;
    if (pos.row > r.end.row) r.end.row = pos.row;
  }
}

void zTableModel::deliver(void* skip, bool skipOne) {
  // The due calls are taken out and every node cleared before any handler runs: a handler
  // may attach or detach views or change cells, and changes it makes stay pending.
  struct Due {
    void* view;
    zTableViewHandler handler;
    zTableCellRange range;
    bool whole;
  };
  std::vector<Due> due;
  for (ziTableViewNode& n : views_) {
    if (n.isPending && !(skipOne && n.view == skip) && n.handler)
      due.push_back(Due{n.view, n.handler, n.pending, n.whole != 0});
    n.isPending = 0;
    n.whole = 0;
  }
  for (const Due& d : due) d.handler(d.view, this, d.whole ? nullptr : &d.range);
}

void zTableModel::notifyViews() { deliver(nullptr, false); }
void zTableModel::notifyOtherViews(void* view) { deliver(view, true); }

int zTableModel::pendingRange(void* view, zTableCellRange& out) const {
  for (const ziTableViewNode& n : views_) {
    if (n.view == view && n.isPending) {
      out = n.pending;
      return 1;
    }
  }
  return 0;
}

// ---- small model: dense rows ----

namespace {

void renumberRow(zTableCellPtrDynaArray* row, uint32_t rowNumber, uint32_t fromColumn) {
  if (!row) return;
  for (uint32_t c = fromColumn; c < row->count(); ++c)
    if (zTableCell* cell = row->get(c)) cell->setPosition(zTableCellPos(c, rowNumber));
}

// Index of the last non-default entry, or 0 when there is none beyond index 0.
template <typename T>
uint32_t lastUsed(const zTableDynaArray<T>& a) {
  for (uint32_t i = a.count(); i > 1; --i)
    if (a.get(i - 1)) return i - 1;
  return 0;
}

// Opens a gap at index at by moving entries [at, last used] one place up. False when the
// array could not grow; nothing has moved then.
template <typename T>
bool openGap(zTableDynaArray<T>& a, uint32_t at) {
  uint32_t last = lastUsed(a);
  if (last < at) return true;
  if (!a.set(last + 1, a.get(last))) return false;
  for (uint32_t u = last; u > at; --u) a.set(u, a.get(u - 1));
  a.set(at, T());
  return true;
}

}  // namespace

zTableSmallModel::zTableSmallModel(uint32_t columns, uint32_t rows) : zTableModel(columns, rows) {}

zTableSmallModel::~zTableSmallModel() {
  for (uint32_t r = 0; r < rowArray_.count(); ++r) {
    zTableCellPtrDynaArray* row = rowArray_.get(r);
    if (!row) continue;
    for (uint32_t c = 0; c < row->count(); ++c) deleteByModel(row->get(c));
    delete row;
  }
}

zTableCell* zTableSmallModel::cell(zTableCellPos pos) {
  if (!inside(pos)) return nullptr;
  zTableCellPtrDynaArray* row = rowArray_.get(pos.row);
  return row ? row->get(pos.column) : nullptr;
}

void zTableSmallModel::setCell(zTableCellPos pos, zTableCell* cell) {
  if (!inside(pos)) return;
  zTableCellPtrDynaArray* row = rowArray_.get(pos.row);
  if (!row) {
    if (!cell) return;
    row = new (std::nothrow) zTableCellPtrDynaArray(16, nullptr);
    if (!row) return;
    if (!rowArray_.set(pos.row, row)) {
      delete row;
      return;
    }
  }
  row->set(pos.column, cell);
}

void zTableSmallModel::removeRow(uint32_t r) {
  if (r < 1 || r > rows_) return;
  if (zTableCellPtrDynaArray* row = rowArray_.get(r)) {
    for (uint32_t c = 0; c < row->count(); ++c) deleteByModel(row->get(c));
    delete row;
    rowArray_.set(r, nullptr);
  }
  rowArray_.shiftDown(r);
  for (uint32_t u = r; u < rowArray_.count(); ++u) renumberRow(rowArray_.get(u), u, 0);
  zTableModel::removeRow(r);
}

void zTableSmallModel::addRow(uint32_t r) {
  if (r < 1 || r > rows_ + 1) return;
  if (openGap(rowArray_, r))
    for (uint32_t u = r + 1; u < rowArray_.count(); ++u) renumberRow(rowArray_.get(u), u, 0);
  zTableModel::addRow(r);
}

void zTableSmallModel::removeColumn(uint32_t k) {
  if (k < 1 || k > columns_) return;
  for (uint32_t u = 1; u < rowArray_.count(); ++u) {
    zTableCellPtrDynaArray* row = rowArray_.get(u);
    if (!row || row->count() <= k) continue;
    deleteByModel(row->get(k));
    row->set(k, nullptr);
    row->shiftDown(k);
    renumberRow(row, u, k);
  }
  zTableModel::removeColumn(k);
}

void zTableSmallModel::addColumn(uint32_t k) {
  if (k < 1 || k > columns_ + 1) return;
  for (uint32_t u = 1; u < rowArray_.count(); ++u) {
    zTableCellPtrDynaArray* row = rowArray_.get(u);
    if (!row || row->count() <= k) continue;
    if (openGap(*row, k)) renumberRow(row, u, k);
  }
  zTableModel::addColumn(k);
}

// ---- large model: blocks of 256 rows, segments of 256 columns ----

zTableLargeModel::zTableLargeModel(uint32_t columns, uint32_t rows) : zTableModel(columns, rows) {}

zTableLargeModel::~zTableLargeModel() {
  for (uint32_t b = 0; b < blocks_.count(); ++b) {
    Block* block = blocks_.get(b);
    if (!block) continue;
    for (Segments* segs : block->rows) {
      if (!segs) continue;
      for (uint32_t s = 0; s < segs->count(); ++s) {
        zTableCellPtrDynaArray* seg = segs->get(s);
        if (!seg) continue;
        for (uint32_t c = 0; c < seg->count(); ++c) deleteByModel(seg->get(c));
        delete seg;
      }
      delete segs;
    }
    delete block;
  }
}

zTableCell* zTableLargeModel::at(zTableCellPos pos) const {
  Block* block = blocks_.get(pos.row >> 8);
  if (!block) return nullptr;
  Segments* segs = block->rows[pos.row & 255];
  if (!segs) return nullptr;
  zTableCellPtrDynaArray* seg = segs->get(pos.column >> 8);
  return seg ? seg->get(pos.column & 255) : nullptr;
}

zTableCell* zTableLargeModel::cell(zTableCellPos pos) { return inside(pos) ? at(pos) : nullptr; }

void zTableLargeModel::setCell(zTableCellPos pos, zTableCell* cell) {
  if (!inside(pos)) return;
  Block* block = blocks_.get(pos.row >> 8);
  if (!block) {
    if (!cell) return;
    block = new (std::nothrow) Block();
    if (!block) return;
    if (!blocks_.set(pos.row >> 8, block)) {
      delete block;
      return;
    }
  }
  Segments*& segs = block->rows[pos.row & 255];
  if (!segs) {
    if (!cell) return;
    segs = new (std::nothrow) Segments(1, nullptr);
    if (!segs) return;
  }
  zTableCellPtrDynaArray* seg = segs->get(pos.column >> 8);
  if (!seg) {
    if (!cell) return;
    seg = new (std::nothrow) zTableCellPtrDynaArray(8, nullptr);
    if (!seg) return;
    if (!segs->set(pos.column >> 8, seg)) {
      delete seg;
      return;
    }
  }
  seg->set(pos.column & 255, cell);
}

void zTableLargeModel::move(zTableCellPos from, zTableCellPos to) {
  zTableCell* c = cell(from);
  setCell(to, c);
  setCell(from, nullptr);
  if (c) c->setPosition(to);
}

void zTableLargeModel::removeRow(uint32_t r) {
  if (r < 1 || r > rows_) return;
  for (uint32_t c = 1; c <= columns_; ++c) {
    zTableCellPos p(c, r);
    zTableCell* old = cell(p);
    setCell(p, nullptr);
    deleteByModel(old);
  }
  for (uint32_t u = r; u < rows_; ++u)
    for (uint32_t c = 1; c <= columns_; ++c) move(zTableCellPos(c, u + 1), zTableCellPos(c, u));
  zTableModel::removeRow(r);
}

void zTableLargeModel::removeColumn(uint32_t k) {
  if (k < 1 || k > columns_) return;
  for (uint32_t r = 1; r <= rows_; ++r) {
    zTableCellPos p(k, r);
    zTableCell* old = cell(p);
    setCell(p, nullptr);
    deleteByModel(old);
  }
  for (uint32_t u = k; u < columns_; ++u)
    for (uint32_t r = 1; r <= rows_; ++r) move(zTableCellPos(u + 1, r), zTableCellPos(u, r));
  zTableModel::removeColumn(k);
}

void zTableLargeModel::addRow(uint32_t r) {
  if (r < 1 || r > rows_ + 1) return;
  ++rows_;
  for (uint32_t u = rows_; u > r; --u)
    for (uint32_t c = 1; c <= columns_; ++c) move(zTableCellPos(c, u - 1), zTableCellPos(c, u));
  --rows_;
  zTableModel::addRow(r);
}

void zTableLargeModel::addColumn(uint32_t k) {
  if (k < 1 || k > columns_ + 1) return;
  ++columns_;
  for (uint32_t u = columns_; u > k; --u)
    for (uint32_t r = 1; r <= rows_; ++r) move(zTableCellPos(u - 1, r), zTableCellPos(u, r));
  --columns_;
  zTableModel::addColumn(k);
}

// ---- virtual models: a cache of whole rows (columns), least recently used first ----

ziTableVirtualModel::ziTableVirtualModel(uint32_t columns, uint32_t rows, bool byRow)
    : zTableModel(columns, rows), byRow_(byRow) {}

ziTableVirtualModel::~ziTableVirtualModel() {
  for (Record& r : records_) freeCells(r);
}

ziTableVirtualModel::RecordList::iterator ziTableVirtualModel::find(uint32_t key) {
  for (auto it = records_.begin(); it != records_.end(); ++it)
    if (it->key == key) return it;
  return records_.end();
}

void ziTableVirtualModel::freeCells(Record& r) {
  if (!r.cells) return;
  for (uint32_t i = 0; i < r.cells->count(); ++i) deleteByModel(r.cells->get(i));
  delete r.cells;
  r.cells = nullptr;
}

zTableCell* ziTableVirtualModel::storedCell(zTableCellPos pos) {
  if (!inside(pos)) return nullptr;
  auto it = find(keyOf(pos));
  return (it != records_.end() && it->cells) ? it->cells->get(indexOf(pos)) : nullptr;
}

zTableCell* ziTableVirtualModel::cell(zTableCellPos pos) {
  if (!inside(pos)) return nullptr;
  uint32_t key = keyOf(pos);
  auto it = find(key);
  if (it == records_.end()) {
    if (!loadRecord(key)) return nullptr;
    it = find(key);
    if (it == records_.end()) return nullptr;
  }
  if (!it->cells) return nullptr;
  if (!busy_) records_.splice(records_.end(), records_, it);
  return it->cells->get(indexOf(pos));
}

ziTableVirtualModel::RecordList::iterator ziTableVirtualModel::obtain() {
  if (count_ >= limit_) {
    busy_ = 1;
    for (auto it = records_.begin(); it != records_.end(); ++it) {
      if (releaseRecord(it->key)) {
        freeCells(*it);
        it->key = 0;
        records_.splice(records_.end(), records_, it);
        busy_ = 0;
        return std::prev(records_.end());
      }
    }
    busy_ = 0;
  }
  records_.push_back(Record());
  ++count_;
  return std::prev(records_.end());
}

void ziTableVirtualModel::setCell(zTableCellPos pos, zTableCell* cell) {
  if (!inside(pos)) return;
  uint32_t key = keyOf(pos);
  auto it = find(key);
  if (it == records_.end()) {
    if (!cell) return;  // nothing to forget for a line that is not cached
    it = obtain();
    it->key = key;
  } else {
    records_.splice(records_.end(), records_, it);
  }
  if (!it->cells) {
    it->cells = new (std::nothrow) zTableCellPtrDynaArray(16, nullptr);
    if (!it->cells) return;
  }
  it->cells->set(indexOf(pos), cell);
}

void ziTableVirtualModel::renumber(Record& r, uint32_t key) {
  r.key = key;
  for (uint32_t i = 0; i < r.cells->count(); ++i)
    if (zTableCell* c = r.cells->get(i)) c->setPosition(byRow_ ? zTableCellPos(i, key) : zTableCellPos(key, i));
}

void ziTableVirtualModel::removeKeyed(uint32_t key) {
  auto it = find(key);
  if (it != records_.end()) {
    busy_ = 1;
    releaseRecord(key);  // told, not asked: the line is going
    busy_ = 0;
    freeCells(*it);
    records_.erase(it);
    --count_;
  }
  for (Record& r : records_)
    if (r.key > key && r.cells) renumber(r, r.key - 1);
}

void ziTableVirtualModel::addKeyed(uint32_t key) {
  for (Record& r : records_)
    if (r.key >= key && r.cells) renumber(r, r.key + 1);
}

void ziTableVirtualModel::dropAll() {
  busy_ = 1;
  for (Record& r : records_) {
    releaseRecord(r.key);
    freeCells(r);
  }
  busy_ = 0;
  records_.clear();
  count_ = 0;
}

void ziTableVirtualModel::discardRecord(uint32_t key) {
  auto it = find(key);
  if (it == records_.end()) return;
  freeCells(*it);
  records_.erase(it);
  --count_;
}

void ziTableVirtualModel::flush() {
  busy_ = 1;
  for (auto it = records_.begin(); it != records_.end();) {
    if (releaseRecord(it->key)) {
      freeCells(*it);
      it = records_.erase(it);
      --count_;
    } else {
      ++it;
    }
  }
  busy_ = 0;
}

void zTableVirtualRowModel::removeRow(uint32_t row) {
  if (row < 1 || row > rows_) return;
  removeKeyed(row);
  zTableModel::removeRow(row);
}
void zTableVirtualRowModel::addRow(uint32_t row) {
  if (row < 1 || row > rows_ + 1) return;
  addKeyed(row);
  zTableModel::addRow(row);
}
void zTableVirtualRowModel::removeColumn(uint32_t column) {
  if (column < 1 || column > columns_) return;
  dropAll();
  zTableModel::removeColumn(column);
}
void zTableVirtualRowModel::addColumn(uint32_t column) {
  if (column < 1 || column > columns_ + 1) return;
  dropAll();
  zTableModel::addColumn(column);
}

void zTableVirtualColModel::removeColumn(uint32_t column) {
  if (column < 1 || column > columns_) return;
  removeKeyed(column);
  zTableModel::removeColumn(column);
}
void zTableVirtualColModel::addColumn(uint32_t column) {
  if (column < 1 || column > columns_ + 1) return;
  addKeyed(column);
  zTableModel::addColumn(column);
}
void zTableVirtualColModel::removeRow(uint32_t row) {
  if (row < 1 || row > rows_) return;
  dropAll();
  zTableModel::removeRow(row);
}
void zTableVirtualColModel::addRow(uint32_t row) {
  if (row < 1 || row > rows_ + 1) return;
  dropAll();
  zTableModel::addRow(row);
}
