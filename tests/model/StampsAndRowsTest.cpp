// The model layer's time texts, the options singleton of the grid's cell advance, and the
// ranked-solution rows built from a model's solutions.
#include "model/AppOptions.h"
#include "model/RankSolutionData.h"
#include "model/TimeStamp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace PV::Data;

TEST(TimeStampText, FormatAndZone) {
  std::tm t{};
  t.tm_year = 110;
  t.tm_mon = 0;
  t.tm_mday = 10;
  t.tm_hour = 14;
  t.tm_min = 3;
  t.tm_sec = 5;
  EXPECT_EQ(PV::Util::formatTimeStamp(t), "2010-01-10T14:03:05");
  // Bias in minutes (UTC minus local time), daylight saving, text.
  const struct {
    int bias;
    bool daylight;
    const char* text;
  } zones[] = {
      {0, false, "Z"},       {300, false, "-5"},      {300, true, "-4"},      {-60, false, "+1"},
      {-60, true, "+2"},     {60, true, "Z"},         {-330, false, "+5:30"}, {-345, false, "+5:45"},
      {570, false, "-9:30"}, {570, true, "-8:30"},    {-570, true, "+10:30"}, {30, false, "-0:30"},
      {-30, true, "+1:30"},  {-825, false, "+13:45"},
  };
  for (const auto& z : zones) {
    EXPECT_EQ(PV::Util::timeZoneText(z.bias, z.daylight), z.text) << z.bias << (z.daylight ? " daylight" : "");
  }

  std::string now;
  PV::Util::timeStamp(now, false);
  ASSERT_EQ(now.size(), 19u);
  EXPECT_EQ(now[4], '-');
  EXPECT_EQ(now[10], 'T');
  EXPECT_EQ(now[16], ':');
  std::string zoned;
  PV::Util::timeStamp(zoned, true);
  EXPECT_GT(zoned.size(), 19u);
}

TEST(AppOptionsSingleton, CellInputAdvanceReachesTheHandler) {
  PV::GUI::AppOptions* options = PV::GUI::AppOptions::instance();
  EXPECT_EQ(options->get_cellInputAdvance(), 0u);
  uint32_t seen = 99;
  options->setChangeHandler([&](uint32_t v) { seen = v; });
  options->set_cellInputAdvance(3);
  EXPECT_EQ(seen, 3u);
  EXPECT_EQ(options->get_cellInputAdvance(), 3u);
  PV::GUI::AppOptions::destroy();
}

DecisionModel::Choices threeChoices() {
  DecisionModel::Choices chs(3);
  const char* names[] = {"A", "B", "C"};
  for (int i = 0; i < 3; ++i) {
    chs[i].set_row(static_cast<uint8_t>(i + 1));
    chs[i].set_uid(0xA0000000u + i);
    chs[i].set_nm(names[i]);
    chs[i].set_note(std::string("note ") + names[i]);
  }
  return chs;
}

TEST(RankSolution, RowsFollowTheRankingByUniqueId) {
  const DecisionModel::Choices chs = threeChoices();
  SolutionsVec slns;
  const double ranks[] = {100.0, 62.5, 12.25};
  const uint32_t order[] = {2, 0, 1};
  for (int i = 0; i < 3; ++i) {
    Solution s;
    s.set_ch(chs[order[i]].get_uid());
    s.set_pctrank(ranks[i]);
    slns.push_back(s);
  }
  RankSolutionData data;
  data.build(slns, chs);
  data.set_name("Plan");
  EXPECT_EQ(data.numSolutions, 3u);
  ASSERT_EQ(data.rows.size(), 3u);
  EXPECT_EQ(data.rows[0].row, 3);
  EXPECT_EQ(data.rows[0].name, "C");
  EXPECT_EQ(data.rows[0].note, "note C");
  EXPECT_EQ(data.rows[0].pctRank, 100.0);
  EXPECT_EQ(data.rows[2].name, "B");
  EXPECT_EQ(data.rows[2].pctRank, 12.25);
  EXPECT_EQ(data.get_name(), "Plan");
}

TEST(RankSolutionDeathTest, EveryRowMustNameAChoice) {
  const DecisionModel::Choices chs = threeChoices();
  SolutionsVec none;
  EXPECT_DEATH(RankSolutionData(none, chs), "theSolutions.size\\(\\) > 0");
  SolutionsVec stranger;
  Solution s;
  s.set_ch(12345);
  stranger.push_back(s);
  EXPECT_DEATH(RankSolutionData(stranger, chs), "chi < theChoices.size\\(\\)");
}

}  // namespace
