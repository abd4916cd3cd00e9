// The text pane's character grid: writing, wrapping, scrolling, clearing and dirty ranges,
// in both builds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/bars/zTextBuf.h"

namespace {

struct Recorder : zTextRunSink {
  void storedRun(int32_t column, int32_t row, int32_t length) override { runs.push_back({column, row, length}); }
  void scrolled(int32_t n) override { scrolls.push_back(n); }
  struct Run {
    int32_t column, row, length;
  };
  std::vector<Run> runs;
  std::vector<int32_t> scrolls;
};

std::string trimmed(const zTextBuf& b, int32_t row) {
  std::string s = b.rowText(row);
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

TEST(TextBuf, WritesWrapAndFeedLikeATerminal) {
  struct Case {
    const char* what;
    int32_t rows, columns;
    std::string text;
    std::vector<std::string> shown;  // trimmed rows from the top
    int32_t column, row;             // the cursor afterwards
  } cases[] = {
      {"line feed", 25, 80, "abc\ndef", {"abc", "def"}, 3, 1},
      {"85 on 80 columns", 25, 80, std::string(80, 'x') + "yyyyy", {std::string(80, 'x'), "yyyyy"}, 5, 1},
      {"carriage return is a blank", 5, 10, "ab\rcd", {"ab cd"}, 5, 0},
      {"exact line waits for the next character", 5, 4, "abcd", {"abcd", ""}, 4, 0},
      {"the next character wraps", 5, 4, std::string("abcd") + "e", {"abcd", "e"}, 1, 1},
      {"feed on the last row scrolls", 2, 5, "one\ntwo\nthree", {"two", "three"}, 5, 1},
      {"trailing feed", 3, 5, "ab\n", {"ab", ""}, 0, 1},
      {"many wraps scroll", 2, 3, "abcdefghi", {"def", "ghi"}, 3, 1},
  };
  for (const Case& c : cases) {
    zTextBuf b(c.rows, c.columns);
    int32_t col = 0, row = 0;
    b.write(col, row, c.text.c_str(), nullptr);
    for (size_t r = 0; r < c.shown.size(); ++r) EXPECT_EQ(trimmed(b, static_cast<int32_t>(r)), c.shown[r]) << c.what;
    EXPECT_EQ(col, c.column) << c.what;
    EXPECT_EQ(row, c.row) << c.what;
  }
}

TEST(TextBuf, ScrollingBlanksTheNewLastRowAndMarksItDirty) {
  zTextBuf b(3, 4);
  Recorder sink;
  int32_t col = 0, row = 2;
  b.write(col, row, "last\nnew", &sink);
  ASSERT_EQ(sink.scrolls.size(), 1u);
  EXPECT_EQ(sink.scrolls[0], 1);
  EXPECT_EQ(trimmed(b, 1), "last");
  EXPECT_EQ(trimmed(b, 2), "new");
  EXPECT_EQ(b.length(2), 3);
  EXPECT_EQ(b.lastDirtyRow(), 2);
  // Runs are told where they were stored: before and after the scroll.
  ASSERT_EQ(sink.runs.size(), 2u);
  EXPECT_EQ(sink.runs[0].row, 2);
  EXPECT_EQ(sink.runs[1].row, 2);
  EXPECT_EQ(sink.runs[1].length, 3);
}

TEST(TextBuf, PositionsOutsideTheGridAreClampedNeverWrittenPast) {
  zTextBuf b(2, 8);
  int32_t col = 500, row = 9;
  b.clampCursor(col, row);
  EXPECT_EQ(col, 7);
  EXPECT_EQ(row, 1);
  // A store past the end of a line is cut; a negative start is moved to column 0.
  EXPECT_EQ(b.store(6, 0, "abcdef", 6), 2);
  EXPECT_EQ(b.rowText(0), "      ab");
  EXPECT_EQ(b.store(-4, 1, "xy", 2), 2);
  EXPECT_EQ(trimmed(b, 1), "xy");
  // Lines wider than 127 columns keep their lengths.
  zTextBuf wide(1, 300);
  int32_t c = 0, r = 0;
  wide.write(c, r, std::string(200, 'w').c_str(), nullptr);
  EXPECT_EQ(wide.length(0), 200);
  EXPECT_EQ(c, 200);
}

TEST(TextBuf, ClearingCutsTheLineLengthOnlyWhereItsTextEnds) {
  struct Case {
    int32_t left, right;
    int32_t length;
    const char* shown;
  } cases[] = {
      {3, 10, 3, "abc"},     // from inside the text past its end
      {1, 3, 6, "a  def"},   // inside the text: the length stays
      {8, 10, 6, "abcdef"},  // past the text
      {0, 10, 0, ""},
  };
  for (const Case& c : cases) {
    zTextBuf b(2, 10);
    b.store(0, 0, "abcdef", 6);
    b.clear(c.left, 0, c.right, 0);
    EXPECT_EQ(b.length(0), c.length) << c.left << "-" << c.right;
    EXPECT_EQ(trimmed(b, 0), c.shown) << c.left << "-" << c.right;
    EXPECT_FALSE(b.rowDirty(0));
  }
}

TEST(TextBuf, DirtyRangesGrowAsUnionsAndReset) {
  zTextBuf b(4, 20);
  EXPECT_FALSE(b.rowDirty(1));
  EXPECT_GT(b.firstDirtyRow(), b.lastDirtyRow());
  b.markDirty(1, 5, 8);
  b.markDirty(1, 2, 6);
  b.markDirty(3, 0, 99);
  EXPECT_EQ(b.dirtyLow(1), 2);
  EXPECT_EQ(b.dirtyHigh(1), 8);
  EXPECT_EQ(b.dirtyHigh(3), 20);
  EXPECT_EQ(b.firstDirtyRow(), 1);
  EXPECT_EQ(b.lastDirtyRow(), 3);
  b.resetDirty(1);
  b.resetDirtyRows();
  EXPECT_FALSE(b.rowDirty(1));
  EXPECT_EQ(b.dirtyLow(1), zTextBuf::noDirtyLow);
  EXPECT_GT(b.firstDirtyRow(), b.lastDirtyRow());
}

}  // namespace
