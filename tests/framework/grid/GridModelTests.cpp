#include <gtest/gtest.h>

#include <string>

#include "GridTestSupport.h"
#include "framework/grid/zTableModel.h"

namespace {

TEST(GridSmallModel, BoundsAndRange) {
  zTableSmallModel m(3, 2);
  const zTableCellPos outside[] = {{1, 1}, {0, 1}, {4, 2}, {3, 3}};
  for (auto p : outside) EXPECT_EQ(m.cell(p), nullptr) << p.column << "," << p.row;
  EXPECT_EQ(m.range(), zTableCellRange(1, 1, 3, 2));
  // A cell constructed outside the model is not stored.
  zTableTextCell stray(&m, "x", zTableCellPos(4, 1));
  EXPECT_EQ(m.cell(zTableCellPos(4, 1)), nullptr);
}

TEST(GridSmallModel, RemoveRowDeletesAndRenumbers) {
  int deaths = 0;
  zTableSmallModel m(3, 2);
  new CountedCell(&m, "a", zTableCellPos(2, 1), &deaths);
  auto* b = new CountedCell(&m, "b", zTableCellPos(2, 2), &deaths);
  m.removeRow(1);
  EXPECT_EQ(deaths, 1);
  EXPECT_EQ(m.cell(zTableCellPos(2, 1)), b);
  EXPECT_EQ(b->position(), zTableCellPos(2, 1));
  EXPECT_EQ(m.rowCount(), 1u);
  m.removeRow(5);  // outside: nothing
  EXPECT_EQ(m.rowCount(), 1u);
}

TEST(GridSmallModel, AddRowAndColumnsMoveCells) {
  zTableSmallModel m(3, 3);
  auto* a = new zTableTextCell(&m, "a", zTableCellPos(1, 1));
  auto* b = new zTableTextCell(&m, "b", zTableCellPos(2, 1));
  m.addColumn(1);
  EXPECT_EQ(m.cell(zTableCellPos(1, 1)), nullptr);
  EXPECT_EQ(m.cell(zTableCellPos(2, 1)), a);
  EXPECT_EQ(m.cell(zTableCellPos(3, 1)), b);
  EXPECT_EQ(b->position(), zTableCellPos(3, 1));
  EXPECT_EQ(m.columnCount(), 4u);

  m.addRow(1);
  EXPECT_EQ(m.cell(zTableCellPos(2, 2)), a);
  EXPECT_EQ(a->position(), zTableCellPos(2, 2));
  EXPECT_EQ(m.rowCount(), 4u);

  int deaths = 0;
  new CountedCell(&m, "c", zTableCellPos(1, 2), &deaths);
  m.removeColumn(1);
  EXPECT_EQ(deaths, 1);
  EXPECT_EQ(m.cell(zTableCellPos(1, 2)), a);
  EXPECT_EQ(m.cell(zTableCellPos(2, 2)), b);
  EXPECT_EQ(b->position(), zTableCellPos(2, 2));
}

TEST(GridSmallModel, SetSizeHidesAndShowsAgain) {
  zTableSmallModel m(2, 3);
  auto* c = new zTableTextCell(&m, "c", zTableCellPos(2, 3));
  m.setSize(2, 2);
  EXPECT_EQ(m.cell(zTableCellPos(2, 3)), nullptr);
  m.setSize(2, 3);
  EXPECT_EQ(m.cell(zTableCellPos(2, 3)), c);
}

TEST(GridSmallModel, CellDeletedFromOutsideLeavesNull) {
  zTableSmallModel m(2, 2);
  auto* c = new zTableTextCell(&m, "c", zTableCellPos(1, 2));
  delete c;
  EXPECT_EQ(m.cell(zTableCellPos(1, 2)), nullptr);
}

TEST(GridLargeModel, SparseRowsAndColumnsMove) {
  int deaths = 0;
  zTableLargeModel m(600, 1000);
  auto* deep = new zTableTextCell(&m, "far", zTableCellPos(3, 600));
  auto* wide = new zTableTextCell(&m, "wide", zTableCellPos(520, 5));
  new CountedCell(&m, "gone", zTableCellPos(4, 10), &deaths);
  m.removeRow(10);
  EXPECT_EQ(deaths, 1);
  EXPECT_EQ(m.cell(zTableCellPos(3, 599)), deep);
  EXPECT_EQ(deep->position(), zTableCellPos(3, 599));
  EXPECT_EQ(m.cell(zTableCellPos(520, 5)), wide);
  EXPECT_EQ(m.rowCount(), 999u);

  m.addRow(1);
  EXPECT_EQ(m.cell(zTableCellPos(3, 600)), deep);
  EXPECT_EQ(m.cell(zTableCellPos(520, 6)), wide);
  m.addColumn(1);
  EXPECT_EQ(m.cell(zTableCellPos(521, 6)), wide);
  EXPECT_EQ(wide->position(), zTableCellPos(521, 6));
  m.removeColumn(2);
  EXPECT_EQ(m.cell(zTableCellPos(520, 6)), wide);
  EXPECT_EQ(m.cell(zTableCellPos(3, 600)), deep);
}

TEST(GridModelViews, PendingRangesAreUnitedPerView) {
  zTableSmallModel m(5, 5);
  RecordingView first, second;
  m.attachView(&first, RecordingView::handler);
  m.attachView(&second, RecordingView::handler);
  m.cellChanged(zTableCellPos(2, 3));
  m.cellChanged(zTableCellPos(4, 1));
  zTableCellRange r;
  ASSERT_EQ(m.pendingRange(&first, r), 1);
  EXPECT_EQ(r, zTableCellRange(2, 1, 4, 3));
  m.notifyOtherViews(&first);
  EXPECT_TRUE(first.calls.empty());
  ASSERT_EQ(second.calls.size(), 1u);
  EXPECT_EQ(second.calls[0].range, zTableCellRange(2, 1, 4, 3));
  EXPECT_EQ(m.pendingRange(&first, r), 0);
  EXPECT_EQ(m.pendingRange(&second, r), 0);

  // A whole-model change is not narrowed by a later range.
  m.notifyRange(nullptr);
  zTableCellRange small(1, 1, 1, 1);
  m.notifyRange(&small);
  m.notifyViews();
  ASSERT_EQ(first.calls.size(), 1u);
  EXPECT_TRUE(first.calls[0].whole);

  // Ranges given to notifyRange are united.
  zTableCellRange a(2, 2, 3, 3), b(1, 4, 2, 5);
  m.notifyRange(&a);
  m.notifyRange(&b);
  m.detachView(&second, RecordingView::handler);
  m.notifyViews();
  ASSERT_EQ(first.calls.size(), 2u);
  EXPECT_EQ(first.calls[1].range, zTableCellRange(1, 2, 3, 5));
  EXPECT_EQ(second.calls.size(), 2u);  // detached: not called again
}

TEST(GridModelViews, AttributesNotifyTheirRange) {
  zTableSmallModel m(5, 5);
  RecordingView v;
  m.attachView(&v, RecordingView::handler);
  auto* attr = m.addAttribute(new zTableReadOnlyAttr(zTableCellRange(2, 2, 3, 4)));
  zTableCellRange r;
  ASSERT_EQ(m.pendingRange(&v, r), 1);
  EXPECT_EQ(r, zTableCellRange(2, 2, 3, 4));
  m.notifyViews();
  EXPECT_EQ(m.removeAttribute(attr), attr);
  EXPECT_EQ(m.pendingRange(&v, r), 1);
  zTableReadOnlyAttr foreign(zTableCellRange(1, 1, 1, 1));
  EXPECT_EQ(m.removeAttribute(&foreign), nullptr);
  delete attr;
}

TEST(GridModelViews, ViewsAttachedLaterSeeNoOldChanges) {
  zTableSmallModel m(2, 2);
  zTableReadOnlyAttr lone(zTableCellRange(1, 1, 1, 1));
  // A model that never had attributes hands any attribute straight back.
  EXPECT_EQ(m.removeAttribute(&lone), &lone);
}

// A virtual row model over a made-up source: row r, column c holds "r:c".
struct Rows : zTableVirtualRowModel {
  Rows() : zTableVirtualRowModel(3, 100000) {}
  int loads = 0;
  int releases = 0;
  bool agree = true;
  std::vector<uint32_t> released;
  int loadRecord(uint32_t row) override {
    ++loads;
    for (uint32_t c = 1; c <= columnCount(); ++c) {
      std::string t = std::to_string(row) + ":" + std::to_string(c);
      new zTableTextCell(this, t.c_str(), zTableCellPos(c, row));
    }
    return 1;
  }
  int releaseRecord(uint32_t row) override {
    ++releases;
    released.push_back(row);
    return agree ? 1 : 0;
  }
};

TEST(GridVirtualModel, LeastRecentlyUsedRecordIsReused) {
  Rows m;
  m.setCacheLimit(2);
  m.setCacheLimit(0);  // ignored
  EXPECT_EQ(m.cacheLimit(), 2);
  EXPECT_STREQ(m.cell(zTableCellPos(1, 1))->text(), "1:1");
  EXPECT_STREQ(m.cell(zTableCellPos(2, 2))->text(), "2:2");
  EXPECT_STREQ(m.cell(zTableCellPos(3, 3))->text(), "3:3");
  EXPECT_EQ(m.loads, 3);
  ASSERT_FALSE(m.released.empty());
  EXPECT_EQ(m.released.front(), 1u);
  EXPECT_EQ(m.recordCount(), 2);
  EXPECT_STREQ(m.cell(zTableCellPos(1, 2))->text(), "2:1");
  EXPECT_EQ(m.loads, 3);

  // Row 3 is now the least recently used one and goes next.
  m.released.clear();
  m.cell(zTableCellPos(1, 7));
  EXPECT_EQ(m.released.front(), 3u);

  // When the source refuses, the cache grows beyond its limit rather than lose a row.
  m.agree = false;
  m.cell(zTableCellPos(1, 9));
  EXPECT_EQ(m.recordCount(), 3);
  m.agree = true;
  m.flush();
  EXPECT_EQ(m.recordCount(), 0);
}

TEST(GridVirtualModel, RowRemovalRenumbersCachedRows) {
  Rows m;
  zTableCell* c5 = m.cell(zTableCellPos(2, 5));
  m.cell(zTableCellPos(2, 3));
  m.removeRow(3);
  EXPECT_EQ(c5->position(), zTableCellPos(2, 4));
  EXPECT_EQ(m.cell(zTableCellPos(2, 4)), c5);
  EXPECT_EQ(m.loads, 2);
  m.addRow(1);
  EXPECT_EQ(m.cell(zTableCellPos(2, 5)), c5);
  m.removeColumn(1);  // drops every record
  EXPECT_EQ(m.recordCount(), 0);
  m.discardRecord(42);  // nothing cached: nothing happens
  EXPECT_STREQ(m.cell(zTableCellPos(1, 5))->text(), "5:1");
}

TEST(GridDynaArray, FailedGrowthTouchesNothing) {
  zTableDynaArray<int> a(4, -1);
  EXPECT_TRUE(a.set(2, 7));
  EXPECT_EQ(a.count(), 4u);
  EXPECT_EQ(a.get(3), -1);
  EXPECT_EQ(a.get(100), -1);
  // Beyond what the array may hold: the write is refused and the default is unchanged.
  EXPECT_FALSE(a.set(zTableDynaArray<int>::kMaxEntries, 5));
  EXPECT_EQ(a.defaultValue(), -1);
  EXPECT_EQ(a.get(zTableDynaArray<int>::kMaxEntries), -1);
  EXPECT_EQ(a.get(2), 7);
  EXPECT_EQ(a.count(), 4u);
}

}  // namespace
