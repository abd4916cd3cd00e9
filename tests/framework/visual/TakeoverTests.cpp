// Drawn controls that take over the "VisualCtrl" windows a dialog template made.
#include <gtest/gtest.h>

#include "VisualTestSupport.h"
#include "framework/core/zChildWin.h"
#include "framework/core/zProgram.h"
#include "framework/core/ziWindowMap.h"
#include "framework/visual/zCtrl3d.h"
#include "visual_test_dialog.h"

namespace {

using DrawnTakeover = FrameworkTest;

// A modeless dialog from the suite's template, wrapped so controls can name it as parent.
class Dialog : public zChildWin {
 public:
  explicit Dialog(zWindow* frame) : zChildWin(frame) {
    handle_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kVisualDialog), frame->handle(),
                                 &Dialog::procedure, 0);
    if (handle_) zTheProgram->windowMap()->add(handle_, this);
  }
  static INT_PTR CALLBACK procedure(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }
};

TEST_F(DrawnTakeover, TemplateWindowsBecomeTheControlsThatTakeThemOver) {
  RecordingFrame frame;
  // The class exists once a first drawn control was made.
  delete new zPanel3d(&frame, at(0, 0, 10, 10), WS_CHILD, "", 1);
  Dialog dialog(&frame);
  ASSERT_NE(dialog.handle(), nullptr);
  const HWND panelWindow = GetDlgItem(dialog.handle(), kDialogPanel);
  ASSERT_NE(panelWindow, nullptr);
  zPanel3d* panel = new zPanel3d(&dialog, kDialogPanel);
  EXPECT_EQ(panel->handle(), panelWindow);
  EXPECT_EQ(zTheProgram->windowMap()->find(panelWindow), panel);
  RECT client;
  GetClientRect(panelWindow, &client);
  InvalidateRect(panelWindow, nullptr, TRUE);
  EXPECT_EQ(pixel(panelWindow, 5, 0), 0xFFFFFFu);
  EXPECT_EQ(pixel(panelWindow, client.right - 1, 5), 0x808080u);
  int bound = 1;
  zCheckBox3d* check = new zCheckBox3d(&dialog, kDialogCheck, &bound);
  EXPECT_EQ(SendMessageA(check->handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_STREQ(static_cast<const char*>(check->ctrlText()), "Score &Pairs");
  // A second takeover of a window that has its object, or of a missing id, gets nothing.
  zCheckBox3d* again = new zCheckBox3d(&dialog, kDialogCheck);
  EXPECT_TRUE(again->isEmpty());
  zCheckBox3d* missing = new zCheckBox3d(&dialog, 999);
  EXPECT_TRUE(missing->isEmpty());
  delete again;
  delete missing;
  delete check;
  delete panel;
}

}  // namespace
