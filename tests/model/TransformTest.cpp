#include "model/Transform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace PV::Data;

struct Field {
  const char* name;
  std::shared_ptr<Functor> f;
  const char* text;  // the text form, as written
};

// Sets every field of a record from its text, then asks for the text again: once
// through the contract form and once through the checked form of the file reader.
template <class T>
void roundTrip(const std::vector<Field>& fields) {
  T viaContract;
  T viaChecked;
  for (const Field& field : fields) {
    SCOPED_TRACE(field.name);
    EXPECT_TRUE(isA(&viaContract, field.f.get()));
    field.f->setValue(&viaContract, field.text);
    EXPECT_EQ(field.f->getValue(&viaContract), field.text);
    std::string error = "stale";
    EXPECT_TRUE(field.f->setValueChecked(&viaChecked, field.text, field.name, error)) << error;
    EXPECT_EQ(error, "");
    EXPECT_EQ(field.f->getValue(&viaChecked), field.text);
  }
}

template <class T, class... A>
std::shared_ptr<Functor> acc(A... a) {
  return std::make_shared<Transform<T>>(a...);
}

TEST(TransformRoundTrip, ModelRecords) {
  roundTrip<Palvermontine>(
      {{"appver", acc<Palvermontine>(&Palvermontine::set_appver, &Palvermontine::get_appver), "4.1"}});
  roundTrip<DecisionModel>({
      {"note", acc<DecisionModel>(&DecisionModel::set_note, &DecisionModel::get_note), "a note"},
      {"id", acc<DecisionModel>(&DecisionModel::set_id, &DecisionModel::get_id), "F0E1D2C30000ABCD"},
      {"nm", acc<DecisionModel>(&DecisionModel::set_nm, &DecisionModel::get_nm), "Plan"},
      {"mode", acc<DecisionModel>(&DecisionModel::set_mode, &DecisionModel::get_mode), "collaborator"},
      {"file", acc<DecisionModel>(&DecisionModel::set_filepath, &DecisionModel::get_filepath), "C:\\m.xpv"},
      {"crtime", acc<DecisionModel>(&DecisionModel::set_crtime, &DecisionModel::get_crtime), "2010-01-10T14:03:05"},
      {"modtime", acc<DecisionModel>(&DecisionModel::set_modtime, &DecisionModel::get_modtime), "2010-01-11T14:03:05"},
      {"dataver", acc<DecisionModel>(&DecisionModel::set_dataver, &DecisionModel::get_dataver, Functor::DECIMAL),
       "-1294967296"},
  });
  roundTrip<Item>({
      {"note", acc<Item>(&Item::set_note, &Item::get_note), "n"},
      {"active", acc<Item>(&Item::set_active, &Item::get_active), "false"},
      {"nm", acc<Item>(&Item::set_nm, &Item::get_nm), "Price"},
      {"row", acc<Item>(&Item::set_row, &Item::get_row, Functor::DECIMAL), "7"},
      {"uid", acc<Item>(&Item::set_uid, &Item::get_uid, Functor::HEXADECIMAL), "ff"},
  });
  roundTrip<WtItem>({{"wt", acc<WtItem>(&WtItem::set_wt, &WtItem::get_wt, Functor::DECIMAL), "9999"}});
  roundTrip<Criterion>({
      {"commensurable", acc<Criterion>(&Criterion::set_meas, &Criterion::get_meas), "false"},
      {"row", acc<Criterion>(&Criterion::set_row, &Criterion::get_row, Functor::DECIMAL), "9"},
      {"wt", acc<Criterion>(&Criterion::set_wt, &Criterion::get_wt, Functor::DECIMAL), "0"},
  });
  roundTrip<DecisionMaker>({
      {"email", acc<DecisionMaker>(&DecisionMaker::set_email, &DecisionMaker::get_email), "a@b.c"},
      {"uid", acc<DecisionMaker>(&DecisionMaker::set_uid, &DecisionMaker::get_uid, Functor::HEXADECIMAL), "f0e1d2c3"},
  });
  roundTrip<Choice>({
      {"row", acc<Choice>(&Choice::set_row, &Choice::get_row, Functor::HEXADECIMAL), "a"},
      {"nm", acc<Choice>(&Choice::set_nm, &Choice::get_nm), "Option A"},
  });
  roundTrip<ModelParameters>({
      {"note", acc<ModelParameters>(&ModelParameters::set_note, &ModelParameters::get_note), "p"},
      {"crc", acc<ModelParameters>(&ModelParameters::set_crc, &ModelParameters::get_crc, Functor::HEXADECIMAL),
       "afee1234"},
      {"sil", acc<ModelParameters>(&ModelParameters::set_sil, &ModelParameters::get_sil, Functor::DECIMAL), "3"},
      {"cfl", acc<ModelParameters>(&ModelParameters::set_cfl, &ModelParameters::get_cfl), "90.0"},
      {"cfi", acc<ModelParameters>(&ModelParameters::set_cfi, &ModelParameters::get_cfi), "10.0"},
      {"tqbww", acc<ModelParameters>(&ModelParameters::set_tqbww, &ModelParameters::get_tqbww), "11.0"},
      {"dbt", acc<ModelParameters>(&ModelParameters::set_dbt, &ModelParameters::get_dbt), "0.5"},
  });
  roundTrip<Moderator>({
      {"note", acc<Moderator>(&Moderator::set_note, &Moderator::get_note), "m"},
      {"nm", acc<Moderator>(&Moderator::set_nm, &Moderator::get_nm), "Mo"},
      {"email", acc<Moderator>(&Moderator::set_email, &Moderator::get_email), "mo@x"},
  });
  roundTrip<Score>({{"s", acc<Score>(&Score::set_value, &Score::get_value), "0000000200c0ffee68D000"}});
  roundTrip<Solution>({
      {"note", acc<Solution>(&Solution::set_note, &Solution::get_note), "s"},
      {"ch", acc<Solution>(&Solution::set_ch, &Solution::get_ch, Functor::DECIMAL), "-1294967296"},
      {"pctrank", acc<Solution>(&Solution::set_pctrank, &Solution::get_pctrank), "33.3"},
  });
  roundTrip<SolutionsVec>({
      {"note", acc<SolutionsVec>(&SolutionsVec::set_note, &SolutionsVec::get_note), "v"},
      {"timestamp", acc<SolutionsVec>(&SolutionsVec::set_timestamp, &SolutionsVec::get_timestamp),
       "2010-01-10T14:03:05"},
      {"dirty", acc<SolutionsVec>(&SolutionsVec::set_flag, &SolutionsVec::get_flag), "true"},
  });
  roundTrip<ScaleFunctionValue>(
      {{"y", acc<ScaleFunctionValue>(&ScaleFunctionValue::set_y, &ScaleFunctionValue::get_y), "-2.5"}});
  roundTrip<Nod>({{"d", acc<Nod>(&Nod::set_value, &Nod::get_value), "nod"}});
  roundTrip<Nudge>({{"e", acc<Nudge>(&Nudge::set_value, &Nudge::get_value), "nudge"}});
  roundTrip<Wink>({{"k", acc<Wink>(&Wink::set_value, &Wink::get_value), "wink"}});
}

TEST(TransformRoundTrip, OptionsRecords) {
  using P = PalvermontineMdlOpts;
  using M = ParmMdlOpts;
  roundTrip<P>({
      {"crtime", acc<P>(&P::set_crtime, &P::get_crtime), "2010-01-10T14:03:05"},
      {"modtime", acc<P>(&P::set_modtime, &P::get_modtime), "2010-01-10T14:03:06"},
      {"appver", acc<P>(&P::set_appver, &P::get_appver), "1.0"},
  });
  roundTrip<M>({
      {"note", acc<M>(&M::set_note, &M::get_note), "defaults"},
      {"owner", acc<M>(&M::set_owner, &M::get_owner), "Unknown"},
      {"mode", acc<M>(&M::set_mode, &M::get_mode), "moderator"},
      {"cfl", acc<M>(&M::set_cfl, &M::get_cfl), "90.0"},
      {"cfi", acc<M>(&M::set_cfi, &M::get_cfi), "10.0"},
      {"sil", acc<M>(&M::set_sil, &M::get_sil, Functor::DECIMAL), "3"},
  });
  using A = PalvermontineAppOpts;
  roundTrip<A>({
      {"crtime", acc<A>(&A::set_crtime, &A::get_crtime), "2010-01-10T14:03:05"},
      {"modtime", acc<A>(&A::set_modtime, &A::get_modtime), "2010-01-10T14:03:05"},
      {"appver", acc<A>(&A::set_appver, &A::get_appver), "1.0"},
  });
  roundTrip<IdAppOpts>({{"owner", acc<IdAppOpts>(&IdAppOpts::set_owner, &IdAppOpts::get_owner), "ann"}});
  using D = DefaultValuesAppOpts;
  roundTrip<D>({
      {"modelPathFilenameMostRecent", acc<D>(&D::set_modelPathFilenameMostRecent, &D::get_modelPathFilenameMostRecent),
       "C:\\a.xpv"},
      {"autoSave", acc<D>(&D::set_autoSave, &D::get_autoSave), "true"},
      {"defaultDirectory", acc<D>(&D::set_defaultDirectory, &D::get_defaultDirectory), "C:\\"},
      {"loadDefaultModelOnStart", acc<D>(&D::set_loadDefaultModelOnStart, &D::get_loadDefaultModelOnStart), "true"},
      {"openMostRecentFile", acc<D>(&D::set_openMostRecentFile, &D::get_openMostRecentFile), "false"},
      {"useCrc", acc<D>(&D::set_useCrc, &D::get_useCrc), "true"},
      {"username", acc<D>(&D::set_username, &D::get_username), "ann"},
  });
  using G = GuiAppOpts;
  roundTrip<G>({
      {"showDirPathInMainWndwTitle", acc<G>(&G::set_showDirPathInMainWndwTitle, &G::get_showDirPathInMainWndwTitle),
       "true"},
      {"useFilledBgHighlightChoicePairs",
       acc<G>(&G::set_useFilledBgHighlightChoicePairs, &G::get_useFilledBgHighlightChoicePairs), "true"},
      {"rgbFilledBgHighlightChoicePairs",
       acc<G>(&G::set_rgbFilledBgHighlightChoicePairs, &G::get_rgbFilledBgHighlightChoicePairs, Functor::DECIMAL),
       "8454016"},
      {"displayScoreScaleValue", acc<G>(&G::set_displayScoreScaleValue, &G::get_displayScoreScaleValue), "false"},
      {"cellInputAdvance", acc<G>(&G::set_cellInputAdvance, &G::get_cellInputAdvance), "leftRightDown"},
      {"decisionMakerIcon", acc<G>(&G::set_decisionMakerIcon, &G::get_decisionMakerIcon), "dm2"},
      {"exitIcon", acc<G>(&G::set_exitIcon, &G::get_exitIcon), "exit2"},
  });
  using C = CalcAppOpts;
  roundTrip<C>({
      {"displaySolutionWindow", acc<C>(&C::set_displaySolutionWindow, &C::get_displaySolutionWindow), "true"},
      {"solutionWindowOrientation", acc<C>(&C::set_solutionWindowOrientation, &C::get_solutionWindowOrientation),
       "portrait"},
      {"autoUpdateSolutionWindow", acc<C>(&C::set_autoUpdateSolutionWindow, &C::get_autoUpdateSolutionWindow), "true"},
      {"generateReportFile", acc<C>(&C::set_generateReportFile, &C::get_generateReportFile), "false"},
  });
  using R = RptAppOpts;
  roundTrip<R>({
      {"appendTimestamp", acc<R>(&R::set_appendTimestamp, &R::get_appendTimestamp), "true"},
      {"displayReport", acc<R>(&R::set_displayReport, &R::get_displayReport), "true"},
      {"includeScores", acc<R>(&R::set_includeScores, &R::get_includeScores), "false"},
  });
}

TEST(TransformText, KindsAndModes) {
  Choice ch;
  Transform<Item> rowHex(&Item::set_row, &Item::get_row, Functor::HEXADECIMAL);
  rowHex.setValue(&ch, "A");  // either case on reading
  EXPECT_EQ(ch.get_row(), 10);
  EXPECT_EQ(rowHex.getValue(&ch), "a");

  Item item;
  Transform<Item> uidHex(&Item::set_uid, &Item::get_uid, Functor::HEXADECIMAL);
  uidHex.setValue(&item, "FF");
  EXPECT_EQ(uidHex.getValue(&item), "ff");
  Transform<Item> uidDec(&Item::set_uid, &Item::get_uid, Functor::DECIMAL);
  EXPECT_EQ(uidDec.getValue(&item), "255");

  DecisionModel model;
  Transform<DecisionModel> id(&DecisionModel::set_id, &DecisionModel::get_id);
  id.setValue(&model, "f0e1d2c30000abcd");  // either case on reading, upper on writing
  EXPECT_EQ(model.get_id()[0], 0xF0E1D2C3u);
  EXPECT_EQ(model.get_id()[1], 0xABCDu);
  EXPECT_EQ(id.getValue(&model), "F0E1D2C30000ABCD");

  ModelParameters mp;
  Transform<ModelParameters> sil(&ModelParameters::set_sil, &ModelParameters::get_sil, Functor::DECIMAL);
  sil.setValue(&mp, "3");
  EXPECT_EQ(mp.get_sil(), 3);
  EXPECT_EQ(sil.getValue(&mp), "3");
}

TEST(TransformTextDeathTest, ContractViolations) {
  Criterion cr;
  cr.set_row(10);
  Transform<Item> rowDec(&Item::set_row, &Item::get_row, Functor::DECIMAL);
  EXPECT_DEATH(rowDec.getValue(&cr), "0 <= c && c <= 9");
  EXPECT_DEATH(rowDec.setValue(&cr, "12"), "!s.empty\\(\\) && s.length\\(\\) == 1");
  WtItem wt;
  Transform<WtItem> weight(&WtItem::set_wt, &WtItem::get_wt, Functor::DECIMAL);
  EXPECT_DEATH(weight.setValue(&wt, "10000"), "n <= 9999");
  Item item;
  Transform<Item> active(&Item::set_active, &Item::get_active);
  EXPECT_DEATH(active.setValue(&item, "TRUE"), "s == \"false\" \\|\\| s == \"true\"");
  Transform<DecisionModel::Choices> elementOnly;
  DecisionModel::Choices chs;
  EXPECT_DEATH(elementOnly.setValue(&chs, "x"), "!isEmpty_");
  Choice ch;
  Transform<WtItem> wtForChoice(&WtItem::set_wt, &WtItem::get_wt, Functor::DECIMAL);
  EXPECT_DEATH(wtForChoice.setValue(&ch, "1"), "type_ == CHOICE \\|\\| type_ == ITEM");
}

TEST(TransformTyped, BaseAccessorsServeDerivedRecords) {
  Transform<Item> name(&Item::set_nm, &Item::get_nm);
  Transform<WtItem> weight(&WtItem::set_wt, &WtItem::get_wt, Functor::DECIMAL);
  Choice ch;
  Criterion cr;
  DecisionMaker dm;
  name.setValue(&ch, "c");
  name.setValue(&cr, "r");
  name.setValue(&dm, "d");
  weight.setValue(&cr, "25");
  weight.setValue(&dm, "75");
  EXPECT_EQ(ch.get_nm(), "c");
  EXPECT_EQ(name.getValue(&cr), "r");
  EXPECT_EQ(dm.get_nm(), "d");
  EXPECT_EQ(cr.get_wt(), 25);
  EXPECT_EQ(weight.getValue(&dm), "75");
  std::string text = "old";
  weight.getValue(&cr, text);
  EXPECT_EQ(text, "25");
}

// Text from a file that does not convert, or gives a value outside the record's
// limits, is refused with an error naming the field; the record keeps its value.
TEST(TransformChecked, RefusesWithTheFieldNamed) {
  struct Case {
    std::shared_ptr<Functor> f;
    const char* field;
    const char* text;
  };
  const std::vector<Case> cases = {
      {acc<Item>(&Item::set_row, &Item::get_row, Functor::DECIMAL), "row", "10"},
      {acc<Item>(&Item::set_row, &Item::get_row, Functor::DECIMAL), "row", ":"},
      {acc<Item>(&Item::set_row, &Item::get_row, Functor::DECIMAL), "row", "0"},
      {acc<Item>(&Item::set_row, &Item::get_row, Functor::HEXADECIMAL), "row", "g"},
      {acc<Item>(&Item::set_row, &Item::get_row, Functor::DECIMAL), "row", ""},
      {acc<Item>(&Item::set_uid, &Item::get_uid, Functor::HEXADECIMAL), "uid", "0"},
      {acc<Item>(&Item::set_uid, &Item::get_uid, Functor::HEXADECIMAL), "uid", "00"},
      {acc<Item>(&Item::set_uid, &Item::get_uid, Functor::HEXADECIMAL), "uid", "12xyz"},
      {acc<Item>(&Item::set_uid, &Item::get_uid, Functor::HEXADECIMAL), "uid", "123456789"},
      {acc<Item>(&Item::set_nm, &Item::get_nm), "nm", ""},
      {acc<Item>(&Item::set_nm, &Item::get_nm), "nm", "12345678901234567890123456789012345678901"},
      {acc<Item>(&Item::set_active, &Item::get_active), "active", "TRUE"},
      {acc<Item>(&Item::set_active, &Item::get_active), "active", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Choice ch;
    ch.set_row(3);
    ch.set_uid(5);
    ch.set_nm("keep");
    const Choice before = ch;
    std::string error;
    EXPECT_FALSE(c.f->setValueChecked(&ch, c.text, c.field, error));
    EXPECT_NE(error.find(std::string("\"") + c.field + "\""), std::string::npos) << error;
    EXPECT_EQ(ch, before);
  }

  struct Case2 {
    std::shared_ptr<Functor> f;
    const char* text;
  };
  const std::vector<Case2> params = {
      {acc<ModelParameters>(&ModelParameters::set_sil, &ModelParameters::get_sil, Functor::DECIMAL), "6"},
      {acc<ModelParameters>(&ModelParameters::set_sil, &ModelParameters::get_sil, Functor::DECIMAL), "3.0"},
      {acc<ModelParameters>(&ModelParameters::set_cfl, &ModelParameters::get_cfl), "nan"},
      {acc<ModelParameters>(&ModelParameters::set_cfl, &ModelParameters::get_cfl), "0.0"},
      {acc<ModelParameters>(&ModelParameters::set_cfl, &ModelParameters::get_cfl), "90,0"},
      {acc<ModelParameters>(&ModelParameters::set_cfi, &ModelParameters::get_cfi), "50.5"},
  };
  for (const Case2& c : params) {
    ModelParameters mp;
    std::string error;
    EXPECT_FALSE(c.f->setValueChecked(&mp, c.text, "params", error)) << c.text;
    EXPECT_NE(error.find("\"params\""), std::string::npos);
  }

  DecisionModel model;
  std::string error;
  Transform<DecisionModel> id(&DecisionModel::set_id, &DecisionModel::get_id);
  EXPECT_FALSE(id.setValueChecked(&model, "F0E1D2C3", "id", error));
  EXPECT_EQ(error, "invalid value \"F0E1D2C3\" for \"id\": not 16 hexadecimal digits");
  Transform<DecisionModel> mode(&DecisionModel::set_mode, &DecisionModel::get_mode);
  EXPECT_FALSE(mode.setValueChecked(&model, "Std", "mode", error));
  EXPECT_EQ(model.get_mode(), "std");
  Transform<DecisionModel> dataver(&DecisionModel::set_dataver, &DecisionModel::get_dataver, Functor::DECIMAL);
  EXPECT_FALSE(dataver.setValueChecked(&model, "4294967296", "dataver", error));
  WtItem wt;
  Transform<WtItem> weight(&WtItem::set_wt, &WtItem::get_wt, Functor::DECIMAL);
  EXPECT_FALSE(weight.setValueChecked(&wt, "10000", "wt", error));
  EXPECT_TRUE(weight.setValueChecked(&wt, "9999", "wt", error));
  EXPECT_EQ(wt.get_wt(), 9999);
}

TEST(IsA, TypeCodeTable) {
  const Transform<Item> item;
  const Transform<WtItem> wtItem;
  const Transform<Criterion> criterion;
  const Transform<Choice> choice;
  const Transform<SolutionsVec> slns;
  const Transform<GuiAppOpts> gui;
  const Item* i = nullptr;
  const WtItem* w = nullptr;
  const Choice* c = nullptr;
  const Criterion* r = nullptr;
  const DecisionMaker* d = nullptr;
  const DecisionModel::Solutions* s = nullptr;
  const DecisionModel* m = nullptr;
  const GuiAppOpts* g = nullptr;
  const CalcAppOpts* k = nullptr;

  EXPECT_TRUE(isA(c, &item));
  EXPECT_TRUE(isA(r, &item));
  EXPECT_TRUE(isA(d, &item));
  EXPECT_TRUE(isA(i, &item));
  EXPECT_TRUE(isA(w, &item));
  EXPECT_FALSE(isA(c, &wtItem));
  EXPECT_FALSE(isA(i, &wtItem));
  EXPECT_TRUE(isA(r, &wtItem));
  EXPECT_TRUE(isA(d, &wtItem));
  EXPECT_FALSE(isA(w, &criterion));
  EXPECT_FALSE(isA(d, &criterion));
  EXPECT_TRUE(isA(r, &criterion));
  EXPECT_FALSE(isA(i, &choice));  // the static class decides
  EXPECT_TRUE(isA(s, &slns));
  EXPECT_TRUE(isA(g, &gui));
  EXPECT_FALSE(isA(k, &gui));
  EXPECT_FALSE(isA(m, &gui));
  EXPECT_FALSE(isA(g, &item));
  EXPECT_EQ(item.type(), 2u);
  EXPECT_EQ(gui.type(), 25u);
  EXPECT_TRUE(item.isEmpty());
}

TEST(IsADeathTest, NullAccessor) {
  const Choice* c = nullptr;
  EXPECT_DEATH(isA(c, static_cast<const Functor*>(nullptr)), "Assertion failed: f != 0");
}

}  // namespace
