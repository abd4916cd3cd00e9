// The bars' window-free rules: the message table, the clock's text, field widths, the
// progress fill and the tip's place at the screen's edge.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "framework/bars/zBarsArith.h"
#include "framework/bars/zStatusMessageTable.h"

namespace {

struct Strings {
  std::vector<const char*> items;
  size_t next = 0;
  static const char* take(void* self) {
    Strings* s = static_cast<Strings*>(self);
    return s->next < s->items.size() ? s->items[s->next++] : nullptr;
  }
};

TEST(StatusMessageTable, BuildsFromIdTextStringsAndSkipsThoseWithoutABlank) {
  Strings block{{"578 Opens a model", "nonsense", "579 Saves the model under a new name", "0 Zero is an id too"}};
  zStatusMessageTable table;
  table.build(&Strings::take, &block);
  EXPECT_TRUE(table.isOwned());
  EXPECT_EQ(table.count(), 3u);
  EXPECT_STREQ(table.lookup(579), "Saves the model under a new name");
  EXPECT_STREQ(table.lookup(578), "Opens a model");
  EXPECT_EQ(table.lookup(580), nullptr);
  // An entry of id 0 (or a string not starting with a number) does not end the table.
  EXPECT_STREQ(table.lookup(0), "Zero is an id too");
  EXPECT_FALSE(table.isEmpty());
}

TEST(StatusMessageTable, OnlyANullTextEndsATable) {
  static const zStatusMessage firstIsZero[] = {{0, "zero"}, {7, "seven"}, {0, nullptr}, {9, "past the end"}};
  static const zStatusMessage empty[] = {{5, nullptr}};
  zStatusMessageTable table(firstIsZero);
  EXPECT_FALSE(table.isEmpty());
  EXPECT_STREQ(table.lookup(7), "seven");
  EXPECT_EQ(table.lookup(9), nullptr);
  EXPECT_EQ(table.count(), 2u);
  table.set(empty);
  EXPECT_TRUE(table.isEmpty());
  EXPECT_EQ(table.lookup(5), nullptr);
  table.set(nullptr);
  EXPECT_TRUE(table.isEmpty());
  EXPECT_EQ(table.lookup(0), nullptr);
}

TEST(StatusMessageTable, ACallersArrayIsNeverFreedAndABuiltOneIsReplacedCleanly) {
  static const zStatusMessage callers[] = {{1, "one"}, {0, nullptr}};
  Strings block{{"2 two"}};
  zStatusMessageTable table;
  table.build(&Strings::take, &block);
  table.set(callers);  // frees the built array (the sanitizer build checks)
  EXPECT_FALSE(table.isOwned());
  EXPECT_STREQ(table.lookup(1), "one");
  Strings none{{}};
  table.build(&Strings::take, &none);
  EXPECT_TRUE(table.isEmpty());
  EXPECT_STREQ(callers[0].text, "one");
}

TEST(ClockText, FollowsTheProfileFormat) {
  struct Case {
    int hour, minute, use24;
    const char* sep;
    const char* expected;
  } cases[] = {
      {9, 5, 1, ".", "09.05"},     {9, 5, 0, ":", "9:05 AM"},    {12, 30, 0, ":", "12:30 PM"},
      {0, 30, 0, ":", "12:30 AM"}, {23, 59, 0, ":", "11:59 PM"}, {0, 0, 1, ":", "00:00"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(zbars::clockText(c.hour, c.minute, c.use24, c.sep, "AM", "PM"), c.expected)
        << c.hour << ":" << c.minute << " use24 " << c.use24;
  EXPECT_EQ(zbars::clockSample(1, "."), "MM.MM");
  EXPECT_EQ(zbars::clockSample(0, ":"), "M:MM MM");
}

TEST(FieldWidths, OnOffSampleIsTheWiderTextInMs) {
  EXPECT_EQ(zbars::onOffSample(nullptr, nullptr), "MMM");
  EXPECT_EQ(zbars::onOffSample("SCO", "SLV"), "MMM");
  EXPECT_EQ(zbars::onOffSample("on", "offline"), "MMMMMMM");
  EXPECT_EQ(zbars::onOffSample("", nullptr), "");
}

TEST(StatusLineHeight, IsTextHeightPlusEightAndGrowsWithTheMargins) {
  EXPECT_EQ(zbars::statusLineHeight(16, 2, 0), 16 + 8);
  // Margins (3, 1): top 1 + 2, bottom 1.
  EXPECT_EQ(zbars::statusLineHeight(16, 3, 1), 16 + 10);
}

TEST(ProgressFill, PartsForEachDirectionAndClampedPercentages) {
  const zRect frame(0, 0, 102, 20);  // 101 pixels inside the frame's left column
  struct Case {
    uint32_t style;
    float percent;
    int32_t fill;
    zRect filled;
    zRect rest;
  } cases[] = {
      {zbars::fillFromLeft, 50.f, 50, zRect(1, 1, 51, 20), zRect(51, 1, 102, 20)},
      {zbars::fillFromLeft, 0.f, 0, zRect(1, 1, 1, 20), zRect(1, 1, 102, 20)},
      {zbars::fillFromLeft, 100.f, 101, zRect(1, 1, 102, 20), zRect(102, 1, 102, 20)},
      {zbars::fillFromLeft, 250.f, 101, zRect(1, 1, 102, 20), zRect(102, 1, 102, 20)},
      {zbars::fillFromLeft, -20.f, 0, zRect(1, 1, 1, 20), zRect(1, 1, 102, 20)},
      {zbars::fillFromLeft, std::numeric_limits<float>::quiet_NaN(), 0, zRect(1, 1, 1, 20), zRect(1, 1, 102, 20)},
      {zbars::fillFromRight, 50.f, 50, zRect(52, 1, 102, 20), zRect(1, 1, 52, 20)},
      {zbars::fillFromTop, 50.f, 9, zRect(1, 1, 102, 10), zRect(1, 10, 102, 20)},
      {zbars::fillFromBottom, 50.f, 9, zRect(1, 11, 102, 20), zRect(1, 1, 102, 11)},
  };
  for (const Case& c : cases) {
    const zbars::ProgressParts p = zbars::progressParts(frame, c.style, c.percent);
    EXPECT_EQ(p.fill, c.fill) << c.style << " " << c.percent;
    EXPECT_EQ(p.filled, c.filled) << c.style << " " << c.percent;
    EXPECT_EQ(p.rest, c.rest) << c.style << " " << c.percent;
  }
}

TEST(ProgressStyle, DirectionAndFrameAreReplacedInTheirOrder) {
  using namespace zbars;
  EXPECT_EQ(fillDirection(fillFromLeft | fillFromRight), fillFromRight);
  EXPECT_EQ(fillDirection(frameSunken), 0u);
  EXPECT_EQ(setFillDirection(fillFromLeft | frameSunken, fillFromTop), fillFromTop | frameSunken);
  EXPECT_EQ(frameStyle(framePlain | frameNone), frameNone);
  EXPECT_EQ(setFrameStyle(frameSunken | fillFromLeft, frameNone), frameNone | fillFromLeft);
  EXPECT_EQ(setFrameStyle(fillFromLeft, framePlain), framePlain | fillFromLeft);
}

TEST(TipPlace, OpensToTheLeftNearTheRightEdge) {
  EXPECT_EQ(zbars::tipLeft(100, 50, 1024), 100);
  EXPECT_EQ(zbars::tipLeft(1000, 50, 1024), 1000 - 53);
  EXPECT_EQ(zbars::tipLeft(966, 50, 1024), 966);  // 966 + 58 reaches the edge exactly
}

}  // namespace
