#include <windows.h>

#include <filesystem>

#include "DialogsTestSupport.h"
#include "app/dialogs/DModelProperties.h"
#include "app/dialogs/DNewModel.h"
#include "factory/DemoModel.h"
#include "factory/Factory.h"
#include "math/MathServer.h"

namespace {

using PV::Data::Factory;

class ModelProperties : public ModelDialogTest {
 protected:
  // The model the tests show, with the name and note they look for.
  static PV::Data::DecisionModel* makeModel(double level, double interval, int scale) {
    return ModelDialogTest::makeModel(level, interval, scale, "Holiday", "Where to go");
  }
};

TEST_F(ModelProperties, ShowsTheModelAndStoresEditsThroughTheServer) {
  PV::Data::DecisionModel* model = makeModel(95.0, 5.0, 4);
  HostFrame host;
  DModelProperties dialog(&host);
  EXPECT_EQ(textOf(dialog.handle()), "Model Properties");
  EXPECT_EQ(textOf(item(dialog, 116)), "Holiday");
  EXPECT_EQ(textOf(item(dialog, 117)), "Where to go");
  EXPECT_EQ(selectedOf(item(dialog, 121)), "95.0");
  EXPECT_EQ(selectedOf(item(dialog, 122)), "5.0");
  EXPECT_EQ(selectedOf(item(dialog, 123)), "4");
  EXPECT_EQ(SendMessageA(item(dialog, 121), CB_GETCOUNT, 0, 0), 4) << "the resource's fill is replaced";
  EXPECT_TRUE(IsWindowEnabled(item(dialog, 121)));
  EXPECT_EQ(SendMessageA(item(dialog, 118), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_FALSE(IsWindowEnabled(item(dialog, 119)));
  SetWindowTextA(item(dialog, 117), std::string(198, 'x').c_str());
  typeInto(item(dialog, 117), "xxx");
  EXPECT_EQ(textOf(item(dialog, 117)).size(), 200u) << "notes stop at 200 characters";

  ASSERT_TRUE(runModalWith(&dialog, [&] {
    SetWindowTextA(item(dialog, 116), "Summer holiday");
    SetWindowTextA(item(dialog, 117), "");
    chooseIn(item(dialog, 121), "99.0");
    chooseIn(item(dialog, 122), "0.0");
    chooseIn(item(dialog, 123), "2");
    PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
  }));
  EXPECT_EQ(dialog.completed(), 1);
  EXPECT_EQ(model->get_nm(), "Summer holiday");
  EXPECT_EQ(model->get_note(), "");
  EXPECT_DOUBLE_EQ(model->get_params().get_cfl(), 99.0);
  EXPECT_DOUBLE_EQ(model->get_params().get_cfi(), 0.0);
  EXPECT_EQ(model->get_params().get_sil(), 2);
  EXPECT_EQ(host.statusRefreshes, 1);
  EXPECT_FALSE(Factory::instance()->isUnmodified());
}

TEST_F(ModelProperties, CancelLeavesTheModelAsItWas) {
  PV::Data::DecisionModel* model = makeModel(90.0, 10.0, 3);
  HostFrame host;
  DModelProperties dialog(&host);
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    SetWindowTextA(item(dialog, 116), "Changed");
    chooseIn(item(dialog, 121), "100.0");
    PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
  }));
  EXPECT_EQ(dialog.completed(), 0);
  EXPECT_EQ(model->get_nm(), "Holiday");
  EXPECT_DOUBLE_EQ(model->get_params().get_cfl(), 90.0);
  EXPECT_EQ(host.statusRefreshes, 0);
}

// A value that none of the fixed choices is (from an older or edited file) is shown
// and kept, not replaced by an unselected list.
TEST_F(ModelProperties, AValueOutsideTheChoicesIsShownAndKept) {
  PV::Data::DecisionModel* model = makeModel(80.0, 7.5, 3);
  HostFrame host;
  DModelProperties dialog(&host);
  EXPECT_EQ(selectedOf(item(dialog, 121)), "80.0");
  EXPECT_EQ(selectedOf(item(dialog, 122)), "7.5");
  ASSERT_TRUE(runModalWith(&dialog, [&] { PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0); }));
  EXPECT_EQ(dialog.completed(), 1);
  EXPECT_DOUBLE_EQ(model->get_params().get_cfl(), 80.0);
  EXPECT_DOUBLE_EQ(model->get_params().get_cfi(), 7.5);
}

TEST_F(ModelProperties, DrawnPairsLockTheParametersButNotTheTexts) {
  PV::Data::RankSolutionData ranking;
  auto algorithm = PV::Test::makeDataModel(ranking, false, false);
  PV::Data::DecisionModel* model = Factory::instance()->currDataModel(0);
  ASSERT_TRUE(Factory::instance()->getMathServer(0)->hasAlgorithm());
  const PV::Data::ModelParameters before = model->get_params();
  HostFrame host;
  DModelProperties dialog(&host);
  EXPECT_TRUE(dialog.parametersLocked());
  for (int id : {121, 122, 123}) EXPECT_FALSE(IsWindowEnabled(item(dialog, id))) << id;
  EXPECT_TRUE(IsWindowEnabled(item(dialog, 116)));
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    SetWindowTextA(item(dialog, 116), "Renamed");
    SetWindowTextA(item(dialog, 117), "New notes");
    PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
  }));
  EXPECT_EQ(dialog.completed(), 1);
  EXPECT_EQ(model->get_nm(), "Renamed");
  EXPECT_EQ(model->get_note(), "New notes");
  EXPECT_TRUE(model->get_params() == before);
  EXPECT_TRUE(Factory::instance()->getMathServer(0)->hasAlgorithm());
}

// A name with an accent typed in a dialog (the screen's code page) is UTF-8 in the
// model file and shows as typed again when the file is opened.
TEST_F(ModelProperties, AnAccentedNameRoundTripsThroughTheModelFile) {
  if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
  const std::string typed = "Caf\xe9 choice";
  const std::string utf8 = "Caf\xc3\xa9 choice";
  HostFrame host;
  {
    DNewModel dialog(&host);
    ASSERT_TRUE(runModalWith(&dialog, [&] {
      typeInto(GetDlgItem(dialog.handle(), 116), typed);
      typeInto(GetDlgItem(dialog.handle(), 117), "cr\xe8me");
      PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
    }));
    ASSERT_EQ(dialog.completed(), 1);
  }
  ASSERT_EQ(host.captions.size(), 1u);
  EXPECT_EQ(host.captions[0], "New Model: " + typed + " - Palvermontine");
  EXPECT_EQ(Factory::instance()->currDataModel(0)->get_nm(), utf8);
  const std::string path = configPath("cafe.xpv");
  ASSERT_TRUE(Factory::instance()->save(path.c_str())) << Factory::instance()->lastError();

  Factory::destroy();
  ASSERT_NE(Factory::instance()->load(path, false), nullptr) << Factory::instance()->lastError();
  EXPECT_EQ(Factory::instance()->currDataModel(0)->get_nm(), utf8);
  EXPECT_EQ(Factory::instance()->currDataModel(0)->get_note(), "cr\xc3\xa8me");
  DModelProperties dialog(&host);
  EXPECT_EQ(textOf(GetDlgItem(dialog.handle(), 116)), typed);
  EXPECT_EQ(textOf(GetDlgItem(dialog.handle(), 117)), "cr\xe8me");
  ASSERT_TRUE(runModalWith(&dialog, [&] { PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0); }));
  EXPECT_EQ(Factory::instance()->currDataModel(0)->get_nm(), utf8) << "stored back unchanged";
}

// Letters the screen's code page lacks (Greek here) show as '?': a field left as it was
// filled keeps the model's own text, and a field the user changed is stored as typed.
TEST_F(ModelProperties, UntouchedTextsKeepLettersTheScreenCannotShow) {
  if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
  const std::string name = "\xce\x91\xce\xbb\xcf\x86\xce\xb1";
  const std::string notes = "\xce\xa3\xce\xb7\xce\xbc";
  PV::Data::DecisionModel* model = ModelDialogTest::makeModel(90.0, 10.0, 3, name.c_str(), notes.c_str());
  HostFrame host;
  const struct {
    const char* typedName;  // nullptr: the name field left as it was filled
    std::string storedName;
  } cases[] = {{nullptr, name}, {"Renamed", "Renamed"}};
  for (const auto& c : cases) {
    DModelProperties dialog(&host);
    ASSERT_TRUE(runModalWith(&dialog, [&] {
      if (c.typedName) SetWindowTextA(item(dialog, 116), c.typedName);
      PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
    }));
    EXPECT_EQ(dialog.completed(), 1);
    EXPECT_EQ(model->get_nm(), c.storedName);
    EXPECT_EQ(model->get_note(), notes);
  }
}

}  // namespace
