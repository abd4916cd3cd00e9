#include "LimitProbe.h"
#include "model/AppOpts.h"
#include "model/Palvermontine.h"
#include "model/Limits.h"
#include "model/MdlOpts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace PV::Data;
using PV::Test::failedCheck;

std::string bytes(std::size_t n) { return std::string(n, 'x'); }

struct LimitCase {
  const char* what;
  std::function<void()> inside;  // at the limit: stored
  std::function<void()> beyond;  // one step past it: refused
  const char* check;             // the check that refuses it
};

// Every limit of every record at n and n + 1 (or just outside a range).
TEST(RecordLimits, AtLimitStoredOneBeyondRefused) {
  Item item;
  WtItem wt;
  DecisionMaker dm;
  ModelParameters mp;
  Score score;
  Solution sln;
  SolutionsVec slns;
  Moderator mod;
  DecisionModel model;
  Palvermontine root;
  GuiAppOpts gui;
  CalcAppOpts calc;
  PalvermontineAppOpts app;
  ParmMdlOpts parm;
  PalvermontineMdlOpts mdl;

  const std::vector<LimitCase> cases = {
      {"item note", [&] { item.set_note(bytes(240)); }, [&] { item.set_note(bytes(241)); },
       "note.length() <= PV_DATA_NOTES_MAX_BYTES"},
      {"item nm", [&] { item.set_nm(bytes(40)); }, [&] { item.set_nm(bytes(41)); },
       "nm.length() <= PV_DATA_NM_MAX_BYTES"},
      {"item row", [&] { item.set_row(1); }, [&] { item.set_row(0); }, "row > 0"},
      {"item row 255", [&] { item.set_row(255); }, [&] { item.set_row(0); }, "row > 0"},
      {"item uid", [&] { item.set_uid(1); }, [&] { item.set_uid(0); }, "uid > 0"},
      {"wt", [&] { wt.set_wt(9999); }, [&] { wt.set_wt(10000); }, "wt <= 9999"},
      {"dm email", [&] { dm.set_email(bytes(320)); }, [&] { dm.set_email(bytes(321)); },
       "email.length() <= PV_DATA_EMAIL_ADDR_MAX_BYTES"},
      {"params note", [&] { mp.set_note(bytes(240)); }, [&] { mp.set_note(bytes(241)); },
       "note.length() <= PV_DATA_NOTES_MAX_BYTES"},
      {"sil 5", [&] { mp.set_sil(5); }, [&] { mp.set_sil(6); }, "sil >= 1 && sil <= 5"},
      {"sil 1", [&] { mp.set_sil(1); }, [&] { mp.set_sil(0); }, "sil >= 1 && sil <= 5"},
      {"cfl 100", [&] { mp.set_cfl(100.0); }, [&] { mp.set_cfl(100.1); }, "cfl > 0.0 && cfl <= 100.0"},
      {"cfl low", [&] { mp.set_cfl(1e-9); }, [&] { mp.set_cfl(0.0); }, "cfl > 0.0 && cfl <= 100.0"},
      {"cfl nan", [&] { mp.set_cfl(50.0); }, [&] { mp.set_cfl(std::nan("")); }, "cfl > 0.0 && cfl <= 100.0"},
      {"cfi 50", [&] { mp.set_cfi(50.0); }, [&] { mp.set_cfi(50.01); }, "cfi >= 0.0 && cfi <= 50.0"},
      {"cfi 0", [&] { mp.set_cfi(0.0); }, [&] { mp.set_cfi(-0.1); }, "cfi >= 0.0 && cfi <= 50.0"},
      {"tqbww", [&] { mp.set_tqbww(11.0); }, [&] { mp.set_tqbww(11.1); }, "tqbww >= 0.0 && tqbww <= 11.0"},
      {"dbt", [&] { mp.set_dbt(20.0); }, [&] { mp.set_dbt(20.1); }, "dbt >= 0.0 && dbt <= 20.0"},
      {"score", [&] { score.set_value(bytes(241)); }, [&] { score.set_value(bytes(242)); },
       "value.length() <= PV_DATA_SCORE_MAX_BYTES"},
      {"sln note", [&] { sln.set_note(bytes(240)); }, [&] { sln.set_note(bytes(241)); },
       "note.length() <= PV_DATA_NOTES_MAX_BYTES"},
      {"sln ch", [&] { sln.set_ch(1); }, [&] { sln.set_ch(0); }, "ch > 0"},
      {"pctrank 100", [&] { sln.set_pctrank(100.0); }, [&] { sln.set_pctrank(100.1); },
       "pctrank >= 0.0 && pctrank <= 100.0"},
      {"pctrank 0", [&] { sln.set_pctrank(0.0); }, [&] { sln.set_pctrank(-0.1); },
       "pctrank >= 0.0 && pctrank <= 100.0"},
      {"slns note", [&] { slns.set_note(bytes(240)); }, [&] { slns.set_note(bytes(241)); },
       "note.length() <= PV_DATA_NOTES_MAX_BYTES"},
      {"slns timestamp", [&] { slns.set_timestamp(bytes(22)); }, [&] { slns.set_timestamp(bytes(23)); },
       "timestamp.length() <= PV_DATA_TIMESTAMP_MAX_BYTES"},
      {"moderator note", [&] { mod.set_note(bytes(240)); }, [&] { mod.set_note(bytes(241)); },
       "note.length() <= PV_DATA_NOTES_MAX_BYTES"},
      {"moderator nm", [&] { mod.set_nm(bytes(40)); }, [&] { mod.set_nm(bytes(41)); },
       "nm.length() <= PV_DATA_NM_MAX_BYTES"},
      {"moderator email", [&] { mod.set_email(bytes(320)); }, [&] { mod.set_email(bytes(321)); },
       "email.length() <= PV_DATA_EMAIL_ADDR_MAX_BYTES"},
      {"model note", [&] { model.set_note(bytes(240)); }, [&] { model.set_note(bytes(241)); },
       "note.length() <= PV_DATA_NOTES_MAX_BYTES"},
      {"model nm", [&] { model.set_nm(bytes(40)); }, [&] { model.set_nm(bytes(41)); },
       "nm.length() <= PV_DATA_NM_MAX_BYTES"},
      {"model crtime", [&] { model.set_crtime(bytes(22)); }, [&] { model.set_crtime(bytes(23)); },
       "crtime.length() <= PV_DATA_TIMESTAMP_MAX_BYTES"},
      {"model modtime", [&] { model.set_modtime(bytes(22)); }, [&] { model.set_modtime(bytes(23)); },
       "modtime.length() <= PV_DATA_TIMESTAMP_MAX_BYTES"},
      {"model dataver", [&] { model.set_dataver(1); }, [&] { model.set_dataver(0); }, "dataver > 0"},
      {"model mode", [&] { model.set_mode("moderator"); }, [&] { model.set_mode("Std"); },
       "mode.compare(\"std\") == 0 || mode.compare(\"collaborator\") == 0 || "
       "mode.compare(\"moderator\") == 0"},
      {"model mode empty", [&] { model.set_mode("collaborator"); }, [&] { model.set_mode(""); },
       "mode.compare(\"std\") == 0 || mode.compare(\"collaborator\") == 0 || "
       "mode.compare(\"moderator\") == 0"},
      {"root appver", [&] { root.set_appver(20.0); }, [&] { root.set_appver(20.5); }, "appver > 0.0 && appver <= 20.0"},
      {"root appver 0", [&] { root.set_appver(4.1); }, [&] { root.set_appver(0.0); }, "appver > 0.0 && appver <= 20.0"},
      {"cellInputAdvance", [&] { gui.set_cellInputAdvance("up"); }, [&] { gui.set_cellInputAdvance("Up"); }, nullptr},
      {"cellInputAdvance empty", [&] { gui.set_cellInputAdvance("leftRightDown"); },
       [&] { gui.set_cellInputAdvance(""); }, nullptr},
      {"decisionMakerIcon", [&] { gui.set_decisionMakerIcon("dm2"); }, [&] { gui.set_decisionMakerIcon("dm3"); },
       "decisionMakerIcon == \"dm1\" || decisionMakerIcon == \"dm2\""},
      {"exitIcon", [&] { gui.set_exitIcon("none"); }, [&] { gui.set_exitIcon("exit3"); },
       "exitIcon == \"exit1\" || exitIcon == \"exit2\" || exitIcon == \"none\""},
      {"orientation", [&] { calc.set_solutionWindowOrientation("portrait"); },
       [&] { calc.set_solutionWindowOrientation("Portrait"); }, nullptr},
      {"app appver", [&] { app.set_appver(20.0); }, [&] { app.set_appver(20.1); }, "appver > 0.0 && appver <= 20.0"},
      {"app appver 0", [&] { app.set_appver(0.1); }, [&] { app.set_appver(0.0); }, "appver > 0.0 && appver <= 20.0"},
      {"parm cfl", [&] { parm.set_cfl(100.0); }, [&] { parm.set_cfl(0.0); }, "cfl > 0.0 && cfl <= 100.0"},
      {"parm cfi", [&] { parm.set_cfi(50.0); }, [&] { parm.set_cfi(50.5); }, "cfi >= 0.0 && cfi <= 50.0"},
      {"parm cfi 0", [&] { parm.set_cfi(0.0); }, [&] { parm.set_cfi(-0.5); }, "cfi >= 0.0 && cfi <= 50.0"},
      {"parm sil 5", [&] { parm.set_sil(5); }, [&] { parm.set_sil(6); }, "sil > 0 && sil <= 5"},
      {"parm sil 1", [&] { parm.set_sil(1); }, [&] { parm.set_sil(0); }, "sil > 0 && sil <= 5"},
      {"parm mode", [&] { parm.set_mode("collaborator"); }, [&] { parm.set_mode("Std"); },
       "mode == \"std\" || mode == \"collaborator\" || mode == \"moderator\""},
      {"mdl appver", [&] { mdl.set_appver(1.0); }, [&] { mdl.set_appver(20.01); }, "appver > 0.0 && appver <= 20.0"},
  };
  for (const LimitCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(failedCheck(c.inside), "");
    const std::string check = failedCheck(c.beyond);
    if (c.check) {
      EXPECT_EQ(check, c.check);
    } else {
      EXPECT_NE(check, "");
    }
  }
}

TEST(RecordLimits, ValuesStoredWholeAndRefusedValuesLeaveTheRecord) {
  Item item;
  item.set_nm(bytes(40));
  EXPECT_EQ(item.get_nm(), bytes(40));
  EXPECT_NE(failedCheck([&] { item.set_nm(bytes(41)); }), "");
  EXPECT_EQ(item.get_nm(), bytes(40));

  DecisionMaker dm;
  dm.set_email(bytes(320));
  EXPECT_EQ(dm.get_email().size(), 320u);

  ModelParameters mp;
  mp.set_cfl(94.06);  // stored whole, not rounded to the written decimal
  EXPECT_EQ(mp.get_cfl(), 94.06);
}

// The texts of a model are UTF-8 and hold no control characters that XML files may
// not hold: every text setter refuses the rest, and a refused text leaves the
// record as it was. The file reader stores through the same setters.
TEST(RecordTexts, SettersTakeUtf8WithoutStrayControlCharacters) {
  Item item;
  DecisionMaker dm;
  ModelParameters mp;
  Solution sln;
  SolutionsVec slns;
  Moderator mod;
  DecisionModel model;
  const std::vector<std::pair<const char*, std::function<void(const std::string&)>>> setters = {
      {"item name", [&](const std::string& t) { item.set_nm(t); }},
      {"item note", [&](const std::string& t) { item.set_note(t); }},
      {"e-mail", [&](const std::string& t) { dm.set_email(t); }},
      {"parameters note", [&](const std::string& t) { mp.set_note(t); }},
      {"solution note", [&](const std::string& t) { sln.set_note(t); }},
      {"ranking note", [&](const std::string& t) { slns.set_note(t); }},
      {"ranking time", [&](const std::string& t) { slns.set_timestamp(t); }},
      {"moderator name", [&](const std::string& t) { mod.set_nm(t); }},
      {"moderator note", [&](const std::string& t) { mod.set_note(t); }},
      {"moderator e-mail", [&](const std::string& t) { mod.set_email(t); }},
      {"model name", [&](const std::string& t) { model.set_nm(t); }},
      {"model note", [&](const std::string& t) { model.set_note(t); }},
      {"creation time", [&](const std::string& t) { model.set_crtime(t); }},
      {"change time", [&](const std::string& t) { model.set_modtime(t); }},
  };
  struct TextCase {
    const char* text;
    bool taken;
  };
  const TextCase cases[] = {
      {"Caf\xC3\xA9 \xE2\x82\xAC", true},  // "Café €" in UTF-8
      {"\xF0\x9F\x99\x82", true},          // four bytes
      {"a\tb\r\nc", true},
      {"Caf\xE9", false},           // Windows-1252
      {"\xC3", false},              // cut short
      {"\xC0\xAF", false},          // overlong
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // above U+10FFFF
      {"a\x01z", false},
      {"a\x1Bz", false},
      {"a\x7Fz", false},
  };
  for (const auto& setter : setters) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(setter.first) + " <- " + ::testing::PrintToString(std::string(c.text)));
      setter.second("kept");
      const std::string check = failedCheck([&] { setter.second(c.text); });
      EXPECT_EQ(check.empty(), c.taken) << check;
    }
  }
  EXPECT_EQ(failedCheck([&] { item.set_nm("Caf\xE9"); }), "nm is UTF-8 text");
  item.set_nm("kept");
  EXPECT_NE(failedCheck([&] { item.set_nm("a\x01"); }), "");
  EXPECT_EQ(item.get_nm(), "kept");
}

TEST(RecordDefaults, FreshRecords) {
  Item item;
  EXPECT_TRUE(item.get_active());
  Criterion cr;
  EXPECT_TRUE(cr.get_meas());
  EXPECT_EQ(cr.get_wt(), 0);
  DecisionMaker dm;
  EXPECT_EQ(dm.get_email(), "");
  DecisionModel model;
  EXPECT_EQ(model.get_mode(), "std");
  EXPECT_EQ(model.get_id()[0], 0u);
  EXPECT_EQ(model.get_id()[1], 0u);
  EXPECT_TRUE(model.get_dms().empty() && model.get_crs().empty() && model.get_chs().empty());
  GuiAppOpts gui;
  EXPECT_EQ(gui.get_decisionMakerIcon(), "dm1");
  EXPECT_EQ(gui.get_exitIcon(), "exit1");
  EXPECT_EQ(gui.get_rgbFilledBgHighlightChoicePairs(), 0u);
  ParmMdlOpts parm;
  EXPECT_EQ(parm.get_mode(), "std");
}

// Checking getters on values never set end the program, as a programming error.
TEST(RecordDefaultsDeathTest, CheckingGettersBeforeTheValueIsSet) {
  EXPECT_DEATH(Item().get_row(), "Assertion failed: row_ > 0, file .*Item");
  EXPECT_DEATH(Item().get_uid(), "uid_ > 0");
  EXPECT_DEATH(DecisionModel().get_dataver(), "dataver_ > 0");
  EXPECT_DEATH(ModelParameters().get_sil(), "sil_ >= 1 && sil_ <= 5");
  EXPECT_DEATH(PalvermontineAppOpts().get_appver(), "appver_ > 0.0 && appver_ <= 20.0");
  EXPECT_DEATH(ParmMdlOpts().get_sil(), "sil_ > 0 && sil_ <= 5");
}

// Outside the file reader a failed limit is the always-on assertion.
TEST(RecordLimitsDeathTest, SetterOutsideItsLimitEndsTheProgram) {
  EXPECT_DEATH(Item().set_nm(bytes(41)), "Assertion failed: nm.length\\(\\) <= PV_DATA_NM_MAX_BYTES, file .*Item");
  EXPECT_DEATH(WtItem().set_wt(10000), "Assertion failed: wt <= 9999");
}

TEST(RecordEquality, ItemsCompareEveryField) {
  Criterion a;
  a.set_nm("cost");
  a.set_row(1);
  a.set_uid(7);
  a.set_wt(10);
  Criterion b = a;
  EXPECT_EQ(a, b);
  b.set_note("x");
  EXPECT_NE(a, b);
  b = a;
  b.set_active(false);
  EXPECT_NE(a, b);
  b = a;
  b.set_meas(false);
  EXPECT_NE(a, b);
  b = a;
  b.set_wt(11);
  EXPECT_NE(a, b);

  DecisionMaker d1, d2;
  d2.set_email("a@b");
  EXPECT_NE(d1, d2);
  Choice c1, c2;
  c2.set_nm("Std");
  EXPECT_NE(c1, c2);
  c1.set_nm("Std");
  EXPECT_EQ(c1, c2);
}

TEST(RecordEquality, RanksCompareAtOneDecimal) {
  struct Case {
    double a, b;
    bool equal;
  } cases[] = {
      {33.34, 33.36, false}, {33.34, 33.26, true}, {50.04, 49.96, true},
      {50.04, 50.06, false}, {0.0, -0.0, true},    {100.0, 99.96, true},
  };
  for (const Case& c : cases) {
    Solution x, y;
    x.set_ch(3);
    y.set_ch(3);
    x.set_pctrank(c.a);
    if (c.b >= 0.0) y.set_pctrank(c.b);
    EXPECT_EQ(x == y, c.equal) << c.a << " vs " << c.b;
    EXPECT_EQ(x != y, !c.equal);
  }
  Solution x, y;
  x.set_ch(3);
  y.set_ch(4);
  EXPECT_NE(x, y);
}

TEST(RecordEquality, ParameterEditsAloneChangeTheModel) {
  Palvermontine a;
  a.set_appver(4.1);
  a.get_model().get_params().set_sil(3);
  a.get_model().get_params().set_cfl(90.0);
  a.get_model().get_params().set_cfi(10.0);
  const Palvermontine snapshot = a;
  EXPECT_EQ(a, snapshot);

  const std::vector<std::function<void(ModelParameters&)>> edits = {
      [](ModelParameters& p) { p.set_sil(4); },   [](ModelParameters& p) { p.set_cfl(95.0); },
      [](ModelParameters& p) { p.set_cfi(5.0); }, [](ModelParameters& p) { p.set_note("n"); },
      [](ModelParameters& p) { p.set_crc(1); },
  };
  for (const auto& edit : edits) {
    Palvermontine b = snapshot;
    edit(b.get_model().get_params());
    EXPECT_NE(b, snapshot);
  }
}

TEST(RecordEquality, ModelEqualityIgnoresOnlyTheFilePath) {
  DecisionModel a;
  a.get_dms().resize(2);
  DecisionModel b = a;
  b.set_filepath("C:\\other.xpv");
  EXPECT_EQ(a, b);
  b = a;
  b.set_modtime("2010-01-10T14:03:05");
  EXPECT_NE(a, b);
  b = a;
  b.get_dms()[1].set_note("n");
  EXPECT_NE(a, b);
  b = a;
  const uint32_t id[2] = {0xF0E1D2C3u, 1u};
  b.set_id(id);
  EXPECT_NE(a, b);
  b = a;
  b.get_slns().set_flag(true);
  EXPECT_NE(a, b);
  b = a;
  b.get_moderator().set_nm("m");
  EXPECT_NE(a, b);
  b = a;
  b.get_wk().resize(1);
  EXPECT_NE(a, b);

  Palvermontine r1, r2;
  r1.set_appver(4.1);
  r2.set_appver(4.0);
  EXPECT_NE(r1, r2);
}

TEST(RecordCopy, OptionsCopyEverySection) {
  PalvermontineAppOpts a;
  a.get_idAppOpts().set_owner("ann");
  a.get_guiAppOpts().set_exitIcon("none");
  a.get_calcAppOpts().set_solutionWindowOrientation("landscape");
  a.get_rptAppOpts().set_includeScores(true);
  a.get_defaultValuesAppOpts().set_autoSave(true);
  a.set_crtime("c");
  a.set_modtime("m");
  a.set_appver(1.0);
  const PalvermontineAppOpts b = a;
  EXPECT_EQ(b.get_idAppOpts().get_owner(), "ann");
  EXPECT_EQ(b.get_guiAppOpts().get_exitIcon(), "none");
  EXPECT_EQ(b.get_calcAppOpts().get_solutionWindowOrientation(), "landscape");
  EXPECT_TRUE(b.get_rptAppOpts().get_includeScores());
  EXPECT_TRUE(b.get_defaultValuesAppOpts().get_autoSave());
  EXPECT_EQ(b.get_crtime(), "c");
  EXPECT_EQ(b.get_modtime(), "m");
  EXPECT_EQ(b.get_appver(), 1.0);

  SolutionsVec empty1, empty2;
  empty1.set_note("n");
  empty2 = empty1;
  EXPECT_EQ(empty2.get_note(), "n");
  EXPECT_TRUE(empty2.empty());
}

// Copying a ranking copies its texts and flag and every entry, which the copy checks
// against its source; a longer ranking copied over a shorter one and back.
TEST(RecordCopy, ARankingCopiesItsEntriesAndChecksThem) {
  SolutionsVec ranked;
  ranked.set_note("ranked");
  ranked.set_timestamp("2026-12-10T09:05:00");
  ranked.set_flag(true);
  for (uint32_t k = 1; k <= 3; ++k) {
    Solution s;
    s.set_ch(k);
    s.set_pctrank(100.0 / k);
    s.set_note("entry " + std::to_string(k));
    ranked.push_back(s);
  }
  SolutionsVec copy;
  copy = ranked;
  EXPECT_TRUE(copy == ranked);
  EXPECT_EQ(copy.size(), 3u);
  EXPECT_EQ(copy[2].get_note(), "entry 3");
  EXPECT_EQ(copy.get_timestamp(), "2026-12-10T09:05:00");
  EXPECT_TRUE(copy.get_flag());

  SolutionsVec none;
  copy = none;  // an empty ranking over a full one empties it
  EXPECT_TRUE(copy.empty());
  EXPECT_TRUE(copy == none);
  copy = copy;
  EXPECT_TRUE(copy == none);
}

}  // namespace
