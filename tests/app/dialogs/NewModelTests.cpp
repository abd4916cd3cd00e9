#include <windows.h>

#include "DialogsTestSupport.h"
#include "app/dialogs/DNewModel.h"
#include "framework/bars/zToolTip.h"
#include "factory/Factory.h"
#include "math/MathServer.h"
#include "xml/PalvermontineMdlOptsFile.h"

namespace {

using PV::Data::Factory;

class NewModel : public ModelDialogTest {
 protected:
  // A model that is current before the dialog runs, to show whether it was replaced.
  static PV::Data::DecisionModel* makePreviousModel() { return makeModel(90.0, 10.0, 3, "Before"); }
};

TEST_F(NewModel, StartsFromTheModelOptionsAndCreatesTheModelOnOk) {
  setOptionDefaults(95.0, 5.0, 5, "Shared notes");
  HostFrame host;
  DNewModel dialog(&host);
  EXPECT_EQ(textOf(dialog.handle()), "Create A New Decision Model");
  EXPECT_EQ(selectedOf(item(dialog, 121)), "95.0");
  EXPECT_EQ(selectedOf(item(dialog, 122)), "5.0");
  EXPECT_EQ(selectedOf(item(dialog, 123)), "5");
  EXPECT_EQ(textOf(item(dialog, 116)), "");
  EXPECT_EQ(textOf(item(dialog, 117)), "Shared notes");
  EXPECT_EQ(SendMessageA(item(dialog, 121), CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageA(item(dialog, 123), CB_GETCOUNT, 0, 0), 5);
  EXPECT_EQ(SendMessageA(item(dialog, 118), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_FALSE(IsWindowEnabled(item(dialog, 119)));
  EXPECT_FALSE(IsWindowEnabled(item(dialog, 120)));
  ASSERT_NE(dialog.toolTips(), nullptr);
  EXPECT_STREQ(dialog.toolTips()->messageTable().lookup(119), "Create Model As A Collaborator");
  EXPECT_STREQ(dialog.toolTips()->messageTable().lookup(123), "Set Scale Size 1..5, Adjust to Minimize Halo Effect");
  EXPECT_EQ(dialog.toolTips()->messageTable().lookup(116), nullptr) << "the name has no tip";

  const bool ended = runModalWith(&dialog, [&] {
    typeInto(item(dialog, 116), "Cars");
    SetWindowTextA(item(dialog, 117), "Which car\r\nto buy");
    EXPECT_TRUE(chooseIn(item(dialog, 121), "99.0"));
    EXPECT_TRUE(chooseIn(item(dialog, 122), "10.0"));
    EXPECT_TRUE(chooseIn(item(dialog, 123), "3"));
    PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
  });
  ASSERT_TRUE(ended);
  EXPECT_EQ(dialog.completed(), 1);
  PV::Data::DecisionModel* model = Factory::instance()->currDataModel(0);
  EXPECT_EQ(model->get_nm(), "Cars");
  EXPECT_EQ(model->get_note(), "Which car\r\nto buy");
  EXPECT_EQ(model->get_mode(), "std");
  EXPECT_DOUBLE_EQ(model->get_params().get_cfl(), 99.0);
  EXPECT_DOUBLE_EQ(model->get_params().get_cfi(), 10.0);
  EXPECT_EQ(model->get_params().get_sil(), 3);
  EXPECT_EQ(Factory::instance()->getMathServer(0)->getModel(), model);
  ASSERT_EQ(host.captions.size(), 1u);
  EXPECT_EQ(host.captions[0], "New Model: Cars - Palvermontine");
  EXPECT_EQ(host.statusRefreshes, 1);
}

// The read-only lists read as a person expects: their field on the window colour (the
// text in the window text colour), not on a colour of their own.
TEST_F(NewModel, TheListsAreDrawnOnTheWindowColour) {
  HostFrame host;
  DNewModel dialog(&host);
  COLORREF field[3] = {};
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    for (int i = 0; i < 3; ++i) {
      HWND list = item(dialog, 121 + i);
      RECT r = {};
      GetClientRect(list, &r);
      HDC dc = GetDC(list);
      // Right of the short choice, left of the drop-down button.
      field[i] = GetPixel(dc, r.right - GetSystemMetrics(SM_CXVSCROLL) - 6, r.bottom / 2);
      ReleaseDC(list, dc);
    }
    PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
  }));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(field[i], GetSysColor(COLOR_WINDOW)) << "list " << 121 + i;
}

TEST_F(NewModel, EmptyNotesKeepTheFactoryNote) {
  setOptionDefaults(90.0, 10.0, 3, "");
  HostFrame host;
  DNewModel dialog(&host);
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    typeInto(item(dialog, 116), "Plain");
    PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
  }));
  EXPECT_EQ(dialog.completed(), 1);
  PV::Data::DecisionModel* fresh = Factory::instance()->currDataModel(0);
  EXPECT_EQ(fresh->get_nm(), "Plain");
  PV::Data::ModelParameters params;
  params.set_cfi(10.0);
  params.set_cfl(90.0);
  params.set_sil(3);
  EXPECT_EQ(fresh->get_note(), Factory::instance()->newModel(params, false)->get_note());
}

// What typing can put in the fields and what OK refuses: the dialog stays open, the
// field is focused, and the model that was current stays current.
TEST_F(NewModel, RefusesWhatAModelCannotHold) {
  struct Case {
    const char* what;
    std::string name;
    std::string notes;
    const char* box;   // the refusal's message box
    const char* says;  // a part of its text
    int focused;
  };
  const Case cases[] = {
      {"empty name", "", "", "Create A New Decision Model", "give the new model a name", 116},
      {"name of blanks", "   ", "", "Create A New Decision Model", "give the new model a name", 116},
      {"notes of 240 accented letters", "Fine", std::string(240, '\xe9'), "Create A New Decision Model", "too long",
       117},
  };
  if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
  HostFrame host;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PV::Data::DecisionModel* before = makePreviousModel();
    DNewModel* dialog = new DNewModel(&host);
    std::string message;
    bool openAfterOk = false;
    HWND focusAfterOk = nullptr;
    const bool ended = runModalWith(dialog, [&] {
      typeInto(item(*dialog, 116), c.name);
      SetWindowTextA(item(*dialog, 117), c.notes.c_str());
      answerBox(c.box, IDOK, &message);
      SendMessageA(dialog->handle(), WM_COMMAND, IDOK, 0);
      openAfterOk = IsWindowVisible(dialog->handle()) != FALSE;
      focusAfterOk = GetFocus();
      if (!c.name.empty() || !c.notes.empty()) answerBox("WARNING: Unsaved Data", IDYES);
      PostMessageA(dialog->handle(), WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(ended);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(focusAfterOk, item(*dialog, c.focused));
    EXPECT_EQ(dialog->completed(), 0);
    EXPECT_EQ(Factory::instance()->currDataModel(0), before);
    EXPECT_EQ(before->get_nm(), "Before");
    EXPECT_NE(message.find(c.says), std::string::npos) << message;
    delete dialog;
  }
  EXPECT_TRUE(host.captions.empty());
}

TEST_F(NewModel, TypingStopsAtTheFieldLimits) {
  HostFrame host;
  DNewModel dialog(&host);
  typeInto(item(dialog, 116), std::string(41, 'n'));
  EXPECT_EQ(textOf(item(dialog, 116)).size(), 40u);
  SetWindowTextA(item(dialog, 117), std::string(238, 'x').c_str());
  typeInto(item(dialog, 117), "xxx");
  EXPECT_EQ(textOf(item(dialog, 117)).size(), 240u);
  // Enter in the notes is a line break of two bytes: one byte short of room, none goes in.
  for (const size_t length : {239u, 238u}) {
    const std::string before(length, 'x');
    SetWindowTextA(item(dialog, 117), before.c_str());
    SendMessageA(item(dialog, 117), EM_SETSEL, length, length);
    typeInto(item(dialog, 117), "\r");
    EXPECT_EQ(textOf(item(dialog, 117)), length == 239u ? before : before + "\r\n") << length;
  }
  // Nor does a paste put in half of a line break.
  SetWindowTextA(item(dialog, 117), std::string(239, 'x').c_str());
  SendMessageA(item(dialog, 117), EM_SETSEL, 239, 239);
  putOnClipboard("\r\nmore");
  answerBox("Pasted Text Cut", IDOK);
  SendMessageA(item(dialog, 117), WM_PASTE, 0, 0);
  EXPECT_EQ(textOf(item(dialog, 117)), std::string(239, 'x'));
  // The name stops where the model's 40 bytes do: 20 accented letters, each two bytes.
  if (GetACP() == 1252) {
    SetWindowTextA(item(dialog, 116), "");
    typeInto(item(dialog, 116), std::string(40, '\xe9'));
    EXPECT_EQ(textOf(item(dialog, 116)), std::string(20, '\xe9'));
  }
  // A paste keeps what fits and says that it was cut.
  SetWindowTextA(item(dialog, 116), "");
  putOnClipboard(std::string(300, 'p'));
  std::string cut;
  answerBox("Pasted Text Cut", IDOK, &cut);
  SendMessageA(item(dialog, 116), WM_PASTE, 0, 0);
  EXPECT_EQ(textOf(item(dialog, 116)), std::string(40, 'p'));
  EXPECT_NE(cut.find("cut to 40 of its 300 characters"), std::string::npos) << cut;
  SetWindowTextA(item(dialog, 116), std::string(40, 'n').c_str());
  // A name of exactly 40 characters is a model's name.
  ASSERT_TRUE(runModalWith(&dialog, [&] { PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0); }));
  EXPECT_EQ(dialog.completed(), 1);
  EXPECT_EQ(Factory::instance()->currDataModel(0)->get_nm(), std::string(40, 'n'));
}

TEST_F(NewModel, CancelAsksOnlyWhenSomethingWasTyped) {
  setOptionDefaults(90.0, 10.0, 3, "Default notes");
  PV::Data::DecisionModel* before = makePreviousModel();
  HostFrame host;
  {
    // Nothing typed (the loaded notes are not the user's): closes at once.
    DNewModel dialog(&host);
    ASSERT_TRUE(runModalWith(&dialog, [&] { PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0); }));
    EXPECT_FALSE(IsWindowVisible(dialog.handle()));
    EXPECT_EQ(dialog.completed(), 0);
  }
  {
    // Typed: No (to Cancel or the close box) keeps the dialog and what was typed; Yes
    // closes without a model.
    DNewModel dialog(&host);
    std::string question;
    bool openAfterNo = false;
    std::string nameAfterNo;
    ASSERT_TRUE(runModalWith(&dialog, [&] {
      typeInto(item(dialog, 116), "Draft");
      answerBox("WARNING: Unsaved Data", IDNO, &question);
      SendMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
      answerBox("WARNING: Unsaved Data", IDNO);
      SendMessageA(dialog.handle(), WM_CLOSE, 0, 0);  // the close box asks the same
      openAfterNo = IsWindowVisible(dialog.handle()) != FALSE;
      nameAfterNo = textOf(item(dialog, 116));
      answerBox("WARNING: Unsaved Data", IDYES);
      PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_EQ(question, "Are you sure you want to Cancel");
    EXPECT_TRUE(openAfterNo);
    EXPECT_EQ(nameAfterNo, "Draft");
    EXPECT_FALSE(IsWindowVisible(dialog.handle()));
    EXPECT_EQ(dialog.completed(), 0);
  }
  EXPECT_EQ(Factory::instance()->currDataModel(0), before);
  EXPECT_TRUE(host.captions.empty());
  EXPECT_EQ(host.statusRefreshes, 0);
}

}  // namespace
