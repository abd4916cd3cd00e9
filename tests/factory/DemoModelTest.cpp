#include "math/MathServer.h"
#include "math/ModelCheck.h"
#include "math/model.h"
#include "factory/DemoModel.h"
#include "factory/DemoScores.h"
#include "factory/Factory.h"
#include "xml/PalvermontineAppOptsFile.h"
#include "xml/PalvermontineMdlOptsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

namespace {

using PV::Test::DEMO_CHOICES;
using PV::Test::DEMO_CRITERIA;
using PV::Test::DEMO_DMS;
using PV::Test::DEMO_PAIRS;
using PV::Test::kDemoScores;

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The ranking as text that both builds must give byte for byte: the choice's row and
// its rank as an exact hexadecimal double.
std::string rankingText(const PV::Data::RankSolutionData& ranking) {
  std::string text;
  for (const auto& row : ranking.rows) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, row.pctRank, std::chars_format::hex);
    text += std::to_string(row.row) + " " + std::string(buf, end.ptr) + "\n";
  }
  return text;
}

TEST(DemoScoreTable, HoldsEveryPairWithTheGivenEntriesAndHistogram) {
  std::map<uint32_t, int> histogram;
  for (uint32_t r = 0; r < DEMO_CRITERIA; ++r) {
    std::set<std::pair<uint32_t, uint32_t>> seen;
    for (uint32_t k = 0; k < DEMO_PAIRS; ++k) {
      const auto* e0 = kDemoScores[0][r][k];
      const auto* e1 = kDemoScores[1][r][k];
      // Both decision makers list the pairs in the same order and orientation.
      EXPECT_EQ(e0[0], e1[0]);
      EXPECT_EQ(e0[1], e1[1]);
      EXPECT_NE(e0[0], e0[1]);
      EXPECT_LT(e0[0], DEMO_CHOICES);
      EXPECT_LT(e0[1], DEMO_CHOICES);
      seen.insert({std::min(e0[0], e0[1]), std::max(e0[0], e0[1])});
      for (uint32_t d = 0; d < DEMO_DMS; ++d) ++histogram[kDemoScores[d][r][k][2]];
    }
    EXPECT_EQ(seen.size(), 45u);
  }
  const std::map<uint32_t, int> expected = {{3, 4},   {4, 24},  {5, 50},  {6, 84},  {7, 99}, {8, 101},
                                            {9, 107}, {10, 80}, {11, 54}, {12, 25}, {13, 2}};
  EXPECT_EQ(histogram, expected);
  const uint32_t first[2][4][3] = {{{2, 7, 8}, {9, 6, 7}, {3, 1, 5}, {8, 9, 10}},
                                   {{2, 7, 6}, {9, 6, 7}, {3, 1, 11}, {8, 9, 7}}};
  for (uint32_t d = 0; d < 2; ++d) {
    for (uint32_t k = 0; k < 4; ++k) {
      for (uint32_t f = 0; f < 3; ++f) EXPECT_EQ(kDemoScores[d][0][k][f], first[d][k][f]);
    }
  }
}

class DemoModel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The options files of these tests live in a folder of their own.
    const std::string dir = (std::filesystem::current_path() / "demo_config").string();
    std::filesystem::create_directories(dir);
    PV::XML::setOptionsHome({dir, "Demo Tester"});
  }
  static void TearDownTestSuite() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::current_path() / "demo_config", ignored);
  }
};

TEST_F(DemoModel, IsScoredSolvedAndCurrent) {
  PV::Data::RankSolutionData ranking;
  auto alg = PV::Test::makeDataModel(ranking, true, false);
  ASSERT_NE(alg, nullptr);
  EXPECT_TRUE(alg->isScoresTransferred());
  EXPECT_EQ(alg->getStatus(), static_cast<uint32_t>(MODEL_COMPLETED));
  EXPECT_EQ(alg->countScores(7, 2), std::make_pair(630u, 630u));
  PV::Data::DecisionModel* m = PV::Data::Factory::instance()->currDataModel(0);
  ASSERT_EQ(m->get_ss().size(), 7u);
  for (const auto& s : m->get_ss()) EXPECT_EQ(s.get_value().size(), 16u + 2u * 45u);
  EXPECT_EQ(ranking.numSolutions, 10u);
  EXPECT_EQ(ranking.rows.size(), 10u);
  EXPECT_EQ(ranking.get_name(), "2ex 7cr 10ch 45pr");
  EXPECT_DOUBLE_EQ(ranking.rows[0].pctRank, 100.0);
  std::string why;
  EXPECT_TRUE(PV::Math::checkModelData(*m, why)) << why;
  // The factory's server knows the finished model.
  auto* server = PV::Data::Factory::instance()->getMathServer(0);
  EXPECT_TRUE(server->isScoreable());
  EXPECT_TRUE(server->isComplete());
  // Making it leaves new seeds drawn from the clock as before, not fixed for every
  // model made after it.
  EXPECT_NE(model_new_seed(), model_new_seed());

  // A pair drawn one way round gets the table's score turned round.
  const auto* rps = alg->getRps(0, 0);
  for (uint32_t k = 0; k < rps->getNumPairs(); ++k) {
    const auto p = rps->getPair(k);
    if (p.i == 7 && p.j == 2) {
      EXPECT_EQ(rps->getScore(k), 0);
    }
    if (p.i == 1 && p.j == 3) {
      EXPECT_EQ(rps->getScore(k), 3);
    }
    if (p.i == 3 && p.j == 1) {
      EXPECT_EQ(rps->getScore(k), -3);
    }
  }
}

// Made, scored and solved; saved as a model file, opened through the factory and
// solved again through the math server: the same ranking, and the same in both
// builds (the golden text).
TEST_F(DemoModel, GoesThroughItsFileWithAnIdenticalRanking) {
  PV::Data::RankSolutionData first;
  auto alg = PV::Test::makeDataModel(first, false, false);
  EXPECT_EQ(alg->getStatus(), static_cast<uint32_t>(MODEL_COMPLETED));
  const std::string expected = rankingText(first);
  EXPECT_EQ(expected, readFile(std::string(PV_TEST_DATA_DIR) + "/math/demo_ranking.txt"));

  // A second run draws the same pairs and gives the same ranking.
  const std::string blocks = PV::Data::Factory::instance()->currDataModel(0)->get_ss()[3].get_value();
  PV::Data::RankSolutionData again;
  alg = PV::Test::makeDataModel(again, false, false);
  EXPECT_EQ(rankingText(again), expected);
  EXPECT_EQ(PV::Data::Factory::instance()->currDataModel(0)->get_ss()[3].get_value(), blocks);

  auto* factory = PV::Data::Factory::instance();
  const std::string path = "demo_model_test.xpv";
  ASSERT_TRUE(factory->save(path.c_str())) << factory->lastError();
  PV::Data::DecisionModel* loaded = factory->load(path, false);
  ASSERT_NE(loaded, nullptr) << factory->lastError();
  auto* server = factory->getMathServer(0);
  ASSERT_TRUE(server->isComplete());
  PV::Data::RankSolutionData reloaded;
  EXPECT_EQ(server->solve(&reloaded), static_cast<uint32_t>(MODEL_COMPLETED));
  EXPECT_EQ(rankingText(reloaded), expected);
  std::remove(path.c_str());
}

void scoreOpenPairs(PV::Data::Factory::MathServer& server, const PV::Data::DecisionModel& m) {
  for (uint32_t c = 0; c < m.get_crs().size(); ++c) {
    for (uint32_t d = 0; d < m.get_dms().size(); ++d) {
      auto* rps = server.acquireRps(c, d);
      for (uint32_t n = 0; n < rps->getNumPairs(); ++n) {
        if (rps->getScore(n) == PV::Math::UNSCORED || rps->isExceeded(n)) {
          const auto p = rps->getPair(n);
          rps->setScore(n, p.i < p.j ? 1 : -1, true);
        }
      }
      rps->saveScores();
      server.releaseRps(rps);
    }
  }
  server.transferScores();
  server.refresh();
}

// Edits after scoring (remove a choice, add a criterion, change the confidence
// settings) keep the surviving scores; once the new pairs are scored the model
// solves, and the file it is saved to opens again with the same pairs and ranking.
TEST_F(DemoModel, AnEditAfterScoringSavesAFileThatReopens) {
  PV::Data::RankSolutionData ranking;
  PV::Test::makeDataModel(ranking, false, false);
  auto* factory = PV::Data::Factory::instance();
  PV::Data::DecisionModel* m = factory->currDataModel(0);
  auto* server = factory->getMathServer(0);
  ASSERT_TRUE(server->isComplete());
  const std::string log = "2ex 7cr 10ch 45pr.log";
  std::remove(log.c_str());

  auto chs = m->get_chs();
  chs.erase(chs.begin() + 4);
  ASSERT_TRUE(server->setChoices(chs));
  auto crs = m->get_crs();
  crs.push_back(crs[0]);
  crs.back().set_uid(0x5EED);
  crs.back().set_nm("Criteria 8");
  // The model file holds 7 criteria: one goes before another comes.
  crs.erase(crs.begin() + 1);
  ASSERT_TRUE(server->setCriteria(crs));
  auto params = m->get_params();
  params.set_cfl(95.0);
  params.set_cfi(5.0);
  ASSERT_TRUE(server->setParams(params));
  EXPECT_TRUE(server->isInStep());
  EXPECT_FALSE(server->isComplete());
  EXPECT_EQ(server->solve(), PV::Math::MODEL_SCORES_INCOMPLETE);
  EXPECT_EQ(m->get_dataver(), 4u);

  scoreOpenPairs(*server, *m);
  PV::Data::RankSolutionData solved;
  ASSERT_EQ(server->solve(&solved), static_cast<uint32_t>(MODEL_COMPLETED));
  EXPECT_EQ(solved.rows.size(), 9u);
  std::vector<std::string> blocks;
  for (const auto& b : m->get_ss()) blocks.push_back(b.get_value());

  const std::string path = "demo_edited_test.xpv";
  ASSERT_TRUE(factory->save(path.c_str())) << factory->lastError();
  PV::Data::DecisionModel* loaded = factory->load(path, false);
  ASSERT_NE(loaded, nullptr) << factory->lastError();
  auto* reopened = factory->getMathServer(0);
  ASSERT_TRUE(reopened->isComplete());
  ASSERT_EQ(loaded->get_ss().size(), blocks.size());
  for (std::size_t k = 0; k < blocks.size(); ++k) EXPECT_EQ(loaded->get_ss()[k].get_value(), blocks[k]);
  PV::Data::RankSolutionData again;
  ASSERT_EQ(reopened->solve(&again), static_cast<uint32_t>(MODEL_COMPLETED));
  EXPECT_EQ(rankingText(again), rankingText(solved));

  const std::string report = readFile(log);
  EXPECT_NE(report.find("Deleted 1 Choice:"), std::string::npos);
  EXPECT_NE(report.find("New Criteria \"Criteria 8\""), std::string::npos);
  EXPECT_NE(report.find("CFI/CFL change deleted "), std::string::npos);
  std::remove(log.c_str());
  std::remove(path.c_str());
}

TEST_F(DemoModel, DumpsTheOptionsRecords) {
  PV::Test::dumpAppOpts();
  PV::Test::dumpMdlOpts();
  const std::string app = readFile("appoptstestfile.log");
  const std::string mdl = readFile("mdloptstestfile.log");
  EXPECT_EQ(app.rfind("app ver = ", 0), 0u);
  EXPECT_NE(app.find("\ndef.get_openMostRecentFile() = 0\n"), std::string::npos);
  EXPECT_NE(app.find("\ndef.get_modelPathFilenameMostRecent() =\n"), std::string::npos);
  EXPECT_NE(app.find("\n-----------------------------------------------\nid owner = "), std::string::npos);
  EXPECT_NE(app.find("\nrpt.get_includeScores() = "), std::string::npos);
  EXPECT_EQ(std::count(app.begin(), app.end(), '\n'), 24);
  EXPECT_EQ(app.find('\r'), std::string::npos);
  EXPECT_EQ(mdl.rfind("appver = ", 0), 0u);
  EXPECT_NE(mdl.find("\n-----------------------------------------\nStarting parms \ncfi = "), std::string::npos);
  EXPECT_NE(mdl.find("\nsil = "), std::string::npos);
  EXPECT_EQ(std::count(mdl.begin(), mdl.end(), '\n'), 10);
  EXPECT_EQ(PV::XML::PalvermontineAppOptsFile::instance()->options().get_appver(), 0.2);
  EXPECT_EQ(PV::XML::PalvermontineMdlOptsFile::instance()->options().get_appver(), 0.3);
  EXPECT_EQ(PV::XML::PalvermontineMdlOptsFile::instance()->options().get_parmMdlOpts().get_cfl(), 85.0);
  std::remove("appoptstestfile.log");
  std::remove("mdloptstestfile.log");
}

}  // namespace
