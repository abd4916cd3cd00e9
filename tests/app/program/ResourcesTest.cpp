// The program's resources, read from palvermontine.exe itself: menu states, the
// accelerators, the application's name, the report logo and the dialog templates.
#include "app/program/ShellServices.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

class ProgramResources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p(path);
    p = p.substr(0, p.find_last_of('\\')) + "\\palvermontine.exe";
    module_ = LoadLibraryExA(p.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }
  static void TearDownTestSuite() { FreeLibrary(module_); }
  static HMODULE module_;
};
HMODULE ProgramResources::module_ = nullptr;

TEST_F(ProgramResources, MenusAcceleratorsAndStrings) {
  ASSERT_TRUE(module_);
  HMENU menu = LoadMenuA(module_, MAKEINTRESOURCEA(575));
  ASSERT_TRUE(menu);
  EXPECT_EQ(GetMenuItemCount(menu), 6);  // the window menu goes in at position 5
  // The script grays nothing: the main window's update pass sets every command's state
  // before the window shows (the main window's tests see the commands without a handler
  // grayed). The marks are the script's.
  const struct {
    UINT id;
    UINT state;
  } states[] = {
      {594, 0}, {595, 0}, {599, 0}, {600, 0},  {603, MF_CHECKED}, {604, MF_CHECKED},
      {605, 0}, {606, 0}, {607, 0}, {611, 0},  {612, 0},          {618, MF_CHECKED},
      {577, 0}, {596, 0}, {598, 0}, {1043, 0}, {1046, 0},
  };
  for (const auto& s : states) {
    EXPECT_EQ(GetMenuState(menu, s.id, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED), s.state) << s.id;
  }
  DestroyMenu(menu);
  HMENU window = LoadMenuA(module_, MAKEINTRESOURCEA(571));
  ASSERT_TRUE(window);
  EXPECT_NE(GetMenuState(window, 574, MF_BYCOMMAND), 0xFFFFFFFFu);
  DestroyMenu(window);

  HACCEL accelerators = LoadAcceleratorsA(module_, MAKEINTRESOURCEA(500));
  ASSERT_TRUE(accelerators);
  EXPECT_EQ(CopyAcceleratorTableA(accelerators, nullptr, 0), 17);
  char text[64] = {};
  ASSERT_GT(LoadStringA(module_, 550, text, sizeof text), 0);
  EXPECT_STREQ(text, "Palvermontine");
  LoadStringA(module_, 549, text, sizeof text);
  EXPECT_STREQ(text, "&Window");
}

TEST_F(ProgramResources, LogoIsRgbWithAWhiteBackground) {
  const PV::Report::ReportLogo logo = PV::App::loadReportLogo(module_, 683);
  ASSERT_TRUE(logo.usable());
  EXPECT_EQ(logo.width, 32);
  EXPECT_EQ(logo.height, 32);
  EXPECT_EQ(logo.rgb.size(), 3072u);
  EXPECT_EQ(logo.rgb[0], 255);
  EXPECT_EQ(logo.rgb[1], 255);
  EXPECT_EQ(logo.rgb[2], 255);
  // The red bar of the drawing at column 4, row 3 (from the top): red first.
  const size_t at = (3u * 32u + 5u) * 3u;
  EXPECT_EQ(logo.rgb[at], 200);
  EXPECT_EQ(logo.rgb[at + 1], 30);
  EXPECT_EQ(logo.rgb[at + 2], 30);
}

INT_PTR CALLBACK quietDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG ? TRUE : FALSE; }

TEST_F(ProgramResources, DialogTemplatesHoldTheirControls) {
  const struct {
    int id;
    const char* caption;
    std::vector<int> controls;
    std::vector<int> disabled;
  } dialogs[] = {
      {560, "Create A New Decision Model", {116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 1, 2}, {119, 120}},
      {1019, "Model Properties", {116, 117, 118, 119, 120, 121, 122, 123, 124, 1, 2}, {119, 120}},
      {566,
       "Model Options",
       {117, 118, 119, 120, 121, 122, 123, 124, 159, 160, 161, 162, 163, 1, 2},
       {119, 120, 159, 160, 161, 162, 163}},
  };
  for (const auto& d : dialogs) {
    HWND dialog = CreateDialogParamA(module_, MAKEINTRESOURCEA(d.id), nullptr, quietDialog, 0);
    ASSERT_TRUE(dialog) << d.id;
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, d.caption);
    for (int id : d.controls) EXPECT_TRUE(GetDlgItem(dialog, id)) << d.id << ": " << id;
    for (int id : d.disabled) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, id))) << d.id << ": " << id;
    char cls[32] = {};
    GetClassNameA(GetDlgItem(dialog, 121), cls, sizeof cls);
    EXPECT_STREQ(cls, "ComboBox");
    EXPECT_EQ(GetWindowLongPtrA(GetDlgItem(dialog, 121), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    DestroyWindow(dialog);
  }
}

}  // namespace
