#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "framework/format/zNumFormatter.h"
#include "framework/grid/zTableAttr.h"
#include "framework/grid/zTableCell.h"
#include "framework/grid/zTableModel.h"

namespace {

TEST(GridCellMaker, ClassifiesTypedText) {
  struct Case {
    const char* text;
    int kind;
  };
  const Case cases[] = {
      {"12.5", zTableMakeNumber}, {"-3", zTableMakeNumber},  {"+", zTableMakeNumber},
      {"007", zTableMakeNumber},  {"1e3", zTableMakeText},   {"12 ", zTableMakeText},
      {"", zTableMakeText},       {nullptr, zTableMakeText}, {"abc", zTableMakeText},
  };
  zTableSmallModel m(2, 2);
  for (const Case& c : cases)
    EXPECT_EQ(m.cellMaker()->kindFor(zTableCellPos(1, 1), c.text), c.kind) << (c.text ? c.text : "(null)");
}

TEST(GridCells, KindWordsOfEveryClass) {
  zTableSmallModel m(8, 1);
  struct Case {
    zTableCell* cell;
    uint32_t kind;
  };
  const Case cases[] = {
      {new zTableTextCell(&m, "t", {1, 1}), 2},
      {new zTableFmtTextCell(&m, "t", {2, 1}), 6},
      {new zTableFmtNumCell(&m, "1", {3, 1}), 14},
      {new zTableValidatedFmtTextCell(&m, "t", {4, 1}), 5},
      {new zTableValidatedFmtNumCell(&m, "1", {5, 1}), 13},
      {new zTableBmpCell(&m, nullptr, {6, 1}), 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.cell->kind(), c.kind);
    EXPECT_EQ(m.cell(c.cell->position()), c.cell);
  }
  zTableTextCell nullText(&m, nullptr, {7, 1});
  EXPECT_STREQ(nullText.text(), "");
  nullText.setText(nullptr);
  EXPECT_STREQ(nullText.text(), "");
}

TEST(GridCells, TypingReplacesOrKeepsTheCell) {
  zTableSmallModel m(3, 3);
  // Empty position with digits: a number cell.
  EXPECT_EQ(m.setCellText({1, 1}, "42"), nullptr);
  ASSERT_NE(m.cell({1, 1}), nullptr);
  EXPECT_EQ(m.cell({1, 1})->kind(), 14u);

  // A replaceable cell is replaced and handed back, marked, for the caller to delete.
  zTableCell* old = m.cell({1, 1});
  zTableCell* returned = m.setCellText({1, 1}, "word");
  EXPECT_EQ(returned, old);
  EXPECT_TRUE(returned->hasKind(zTableCellDeletedByModel));
  zTableCell* fresh = m.cell({1, 1});
  EXPECT_NE(fresh, old);
  EXPECT_EQ(fresh->kind(), 6u);
  delete returned;
  EXPECT_EQ(m.cell({1, 1}), fresh);

  // A validated cell keeps its identity and takes the text.
  auto* v = new zTableValidatedFmtNumCell(&m, "1", {2, 2});
  EXPECT_EQ(m.setCellText({2, 2}, "77"), nullptr);
  EXPECT_EQ(m.cell({2, 2}), v);
  EXPECT_STREQ(v->text(), "77");

  // Without a factory nothing happens.
  zTableCellMaker* maker = m.setCellMaker(nullptr);
  EXPECT_EQ(m.setCellText({3, 3}, "x"), nullptr);
  EXPECT_EQ(m.cell({3, 3}), nullptr);
  delete m.setCellMaker(maker);
}

TEST(GridCells, SetTextReportsTheChange) {
  zTableSmallModel m(4, 4);
  RecordingView view;
  auto* c = new zTableTextCell(&m, "a", {3, 2});
  m.attachView(&view, RecordingView::handler);
  c->setText("b");
  zTableCellRange r;
  ASSERT_EQ(m.pendingRange(&view, r), 1);
  EXPECT_EQ(r, zTableCellRange(3, 2, 3, 2));
}

// Counts how often the formatted setText clears the formatter's pending sign, and how
// often a formatter is deleted.
struct CountingFormatter : zNumFormatter {
  CountingFormatter(int* taken, int* deaths) : zNumFormatter(0, "####"), taken_(taken), deaths_(deaths) {}
  ~CountingFormatter() override { ++*deaths_; }
  int takeNegative() override {
    ++*taken_;
    return zNumFormatter::takeNegative();
  }
  int* taken_;
  int* deaths_;
};

TEST(GridCells, FormattedSetTextUsesTheCoveringFormatter) {
  int taken = 0, deaths = 0;
  CountingFormatter num(&taken, &deaths);
  {
    zTableSmallModel m(3, 3);
    m.addAttribute(new zTableNumFormatterAttr(zTableCellRange(1, 1, 1, 3), &num));
    auto* cell = new zTableValidatedFmtNumCell(&m, " 007 ", {1, 2});
    EXPECT_EQ(taken, 1);
    EXPECT_STREQ(cell->text(), " 007 ");
    EXPECT_STREQ(cell->shownText(), " 007 ");
    cell->setText(nullptr);
    EXPECT_EQ(taken, 1);  // no text: the formatter is not consulted
    EXPECT_STREQ(cell->text(), "");
    // A text cell does not reach the number formatter; nor does a number cell outside it.
    new zTableValidatedFmtTextCell(&m, "x", {1, 3});
    new zTableValidatedFmtNumCell(&m, "5", {2, 2});
    EXPECT_EQ(taken, 1);
  }
  // The number formatter is not the attribute's: it survives the model.
  EXPECT_EQ(deaths, 0);

  int ownedTaken = 0, ownedDeaths = 0;
  {
    zTableSmallModel m(2, 2);
    m.addAttribute(
        new zTableFormatterAttr(zTableCellRange(1, 1, 2, 2), new CountingFormatter(&ownedTaken, &ownedDeaths)));
    new zTableValidatedFmtTextCell(&m, "abc", {2, 1});
    EXPECT_EQ(ownedTaken, 1);
  }
  EXPECT_EQ(ownedDeaths, 1);
}

TEST(GridAttributes, LastAddedWinsAndRemovalRestores) {
  zTableSmallModel m(5, 5);
  m.addAttribute(new zTableTextAlignmentAttr(zTableAlignRight, zTableCellRange(1, 1, 5, 5)));
  auto* centre = m.addAttribute(new zTableTextAlignmentAttr(zTableAlignCentre, zTableCellRange(2, 2, 2, 2)));
  m.addAttribute(new zTableReadOnlyAttr(zTableCellRange(1, 1, 1, 5)));
  ziTableEnv env(&m);
  env.collect({2, 2});
  EXPECT_EQ(env.alignment(), static_cast<uint32_t>(zTableAlignCentre));
  EXPECT_FALSE(env.readOnly());
  env.collect({1, 3});
  EXPECT_EQ(env.alignment(), static_cast<uint32_t>(zTableAlignRight));
  EXPECT_TRUE(env.readOnly());
  EXPECT_EQ(env.slot(zTableAttrTextColor), nullptr);

  delete m.removeAttribute(centre);
  env.collect({2, 2});
  EXPECT_EQ(env.alignment(), static_cast<uint32_t>(zTableAlignRight));

  zTableSmallModel bare(2, 2);
  ziTableEnv none(&bare);
  none.collect({1, 1});
  EXPECT_EQ(none.alignment(), static_cast<uint32_t>(zTableAlignLeft));
  EXPECT_EQ(none.formatter(), nullptr);
  EXPECT_EQ(none.numFormatter(), nullptr);
}

TEST(GridAttributes, SetFormatterHandsBackThePrevious) {
  int taken = 0, deaths = 0;
  auto* first = new CountingFormatter(&taken, &deaths);
  auto* second = new CountingFormatter(&taken, &deaths);
  {
    zTableFormatterAttr attr(zTableCellRange(1, 1, 1, 1), first);
    EXPECT_EQ(attr.setFormatter(second), first);
    delete first;
    EXPECT_EQ(deaths, 1);
  }
  EXPECT_EQ(deaths, 2);
}

}  // namespace
