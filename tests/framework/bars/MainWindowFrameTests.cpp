// A frame built as the program's main window is: an MDI frame with a menu, a toolbar of
// strip-cell tool buttons in a top band (panel frame, menu link, tool tips from a message
// table), and in a bottom band the status line of the main window (clock, Num Lock, Caps
// Lock, a filling field) with an on/off field and a help field of its own. With
// PV_BARS_SCREENSHOT set, the frame is saved there as a .bmp while a tip is up.
#include <cstdlib>

#include "BarsTestSupport.h"
#include "framework/bars/zStatusItems.h"
#include "framework/bars/zToolTip.h"
#include "framework/bars/zToolbar.h"
#include "framework/frames/zMDIAppFrame.h"
#include "framework/frames/zMDIMarginFrame.h"
#include "framework/layout/zTiler.h"
#include "framework/visual/zBitmapButton.h"

namespace {

// The commands of the frame's menu and toolbar.
enum : int32_t {
  cmdNew = 577,
  cmdOpen = 578,
  cmdSave = 579,
  cmdPrint = 581,
  cmdChoices = 590,
  cmdCriteria = 591,
  cmdCompare = 592,
  cmdReport = 595,
  cmdHelp = 599,
};

const zStatusMessage kCommandHelp[] = {
    {cmdNew, "Creates a new decision model"},
    {cmdOpen, "Opens a decision model"},
    {cmdSave, "Saves the decision model"},
    {cmdPrint, "Prints the solution"},
    {cmdChoices, "Edits the choices"},
    {cmdCriteria, "Edits the criteria"},
    {cmdCompare, "Compares the choices pair by pair"},
    {cmdReport, "Writes the report"},
    {cmdHelp, "Shows the help"},
    {0, nullptr},
};
const zStatusMessage kToolbarTips[] = {
    {cmdNew, "New"},         {cmdOpen, "Open"},
    {cmdSave, "Save"},       {cmdPrint, "Print"},
    {cmdChoices, "Choices"}, {cmdCriteria, "Criteria"},
    {cmdCompare, "Compare"}, {cmdReport, "Report"},
    {cmdHelp, "Help"},       {0, nullptr},
};

class MainFrame : public zMDIAppFrame {
 public:
  MainFrame()
      : zMDIAppFrame(nullptr, new zSizer(zPoint(0, 0), zDimension(720, 420), nullptr), 0,
                     "Palvermontine - Office move.pvm", nullptr, 1000) {}
  int onCommand(zEvent* e) override {
    commands.push_back(LOWORD(e->wParam()));
    return 1;
  }
  std::vector<uint32_t> commands;
};

class FrameTip : public zToolTipCtrl {
 public:
  using zToolTipCtrl::zToolTipCtrl;
  HWND under = nullptr;

 protected:
  HWND windowUnderCursor() override { return under; }
  int applicationActive() override { return 1; }
};

// Draws the strip of the toolbar's pictures: a small glyph per command.
zBitmap* makeMainStrip() {
  const int n = 9;
  zBitmap* strip = new zBitmap(16 * n, 16, 32, 1);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, strip->hbitmap());
  RECT all = {0, 0, 16 * n, 16};
  HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  FillRect(dc, &all, face);
  DeleteObject(face);
  auto box = [&](int cell, int l, int t, int r, int b, COLORREF c) {
    HBRUSH br = CreateSolidBrush(c);
    RECT rc = {16 * cell + l, t, 16 * cell + r, b};
    FillRect(dc, &rc, br);
    DeleteObject(br);
  };
  box(0, 3, 2, 12, 14, RGB(255, 255, 255));  // new: a sheet
  box(0, 3, 2, 12, 3, RGB(0, 0, 0));
  box(1, 1, 5, 14, 13, RGB(200, 160, 0));  // open: a folder
  box(1, 1, 3, 7, 5, RGB(200, 160, 0));
  box(2, 2, 2, 14, 14, RGB(0, 0, 128));  // save: a disk
  box(2, 4, 2, 12, 7, RGB(255, 255, 255));
  box(3, 2, 6, 14, 12, RGB(96, 96, 96));  // print
  box(3, 4, 2, 12, 6, RGB(255, 255, 255));
  box(4, 2, 2, 7, 7, RGB(0, 128, 0));  // choices: four squares
  box(4, 9, 2, 14, 7, RGB(0, 128, 0));
  box(4, 2, 9, 7, 14, RGB(0, 128, 0));
  box(4, 9, 9, 14, 14, RGB(0, 128, 0));
  for (int i = 0; i < 4; ++i) box(5, 2, 2 + 3 * i, 14, 4 + 3 * i, RGB(128, 0, 128));  // criteria: lines
  box(6, 1, 4, 7, 12, RGB(192, 0, 0));                                                // compare: two sides
  box(6, 9, 4, 15, 12, RGB(0, 0, 192));
  box(7, 3, 1, 13, 15, RGB(255, 255, 255));  // report: a page with text
  for (int i = 0; i < 4; ++i) box(7, 5, 3 + 3 * i, 11, 4 + 3 * i, RGB(0, 0, 0));
  box(8, 6, 2, 10, 10, RGB(0, 0, 160));  // help: a question mark's parts
  box(8, 6, 12, 10, 14, RGB(0, 0, 160));
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return strip;
}

class MainWindowFrame : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    strip_ = makeMainStrip();
    frame_ = new MainFrame();
    zMenu* bar = new zMenu(frame_);
    file_ = CreatePopupMenu();
    AppendMenuA(file_, MF_STRING, cmdNew, "&New");
    AppendMenuA(file_, MF_STRING, cmdOpen, "&Open...");
    AppendMenuA(file_, MF_STRING, cmdSave, "&Save");
    AppendMenuA(file_, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file_, MF_STRING, cmdPrint, "&Print...");
    HMENU model = CreatePopupMenu();
    AppendMenuA(model, MF_STRING, cmdChoices, "&Choices...");
    AppendMenuA(model, MF_STRING, cmdCriteria, "C&riteria...");
    AppendMenuA(model, MF_STRING, cmdCompare, "Co&mpare Choices...");
    AppendMenuA(model, MF_STRING, cmdReport, "&Report");
    HMENU help = CreatePopupMenu();
    AppendMenuA(help, MF_STRING, cmdHelp, "&Contents");
    AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(file_), "&File");
    AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(model), "&Model");
    AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
    frame_->setMenu(bar);
    DrawMenuBar(frame_->handle());  // the bar was attached while still empty

    top_ = new zMDIMarginFrame(frame_, new zSizer(zPoint(0, 0), zDimension(0, 30), nullptr), 0, "toolbar");
    toolbar_ = new zToolbar(top_, new zGravSizer(gravTop, 30, top_->sizer()), 0x201, WS_CHILD | WS_VISIBLE,
                            zToolbar::frameIsGrandparent);
    toolbar_->setGap(zDimension(8, 0));
    // Slots with gaps between the groups: file, model, help.
    const int32_t ids[] = {cmdNew,      cmdOpen,    cmdSave,   cmdPrint, 0,      cmdChoices,
                           cmdCriteria, cmdCompare, cmdReport, 0,        cmdHelp};
    int cell = 0;
    for (int slot = 0; slot < 11; ++slot) {
      if (!ids[slot]) continue;
      buttons_.push_back(new zToolButton(toolbar_, new zSlotSizer(slot + 1, 24, 24, toolbar_->sizer()),
                                         WS_CHILD | WS_VISIBLE, ids[slot], strip_,
                                         zRect(16 * cell, 0, 16 * cell + 16, 16)));
      ++cell;
    }
    toolbar_->linkMenu();

    bottom_ = new zMDIMarginFrame(frame_, new zSizer(zPoint(0, 0), zDimension(0, 24), nullptr), 0, "status");
    bottom_->setEdge(zMDIMarginFrame::bottomEdge);
    line_ = new zStatusLineEZ(bottom_, new zGravSizer(gravBottom, 0, bottom_->sizer()), 0xD900, WS_CHILD | WS_VISIBLE,
                              zRCFont(), zStatusLine::frameIsGrandparent);
    mode_ = new zStatusOnOffItem(line_, gravRight, 5, "SCO", "SLV");
    help_ = new zStatusItemText(line_, gravLeft, "Compares the choices pair by pair", 99, 0);
    help_->addGap();
    line_->setMessageTable(99, kCommandHelp);
    line_->setItemText(0, "3 choices, 4 criteria, 2 decision makers");
    bottom_->setThickness(line_->lineHeight());

    frame_->show(SW_SHOWNORMAL);
    top_->show(SW_SHOW);
    bottom_->show(SW_SHOW);
    line_->show(SW_SHOW);
    frame_->sizer()->update();
    pump();

    useTestClock();
    tip_ = new FrameTip(toolbar_, zToolTipCtrl::watchNearestFrame);
    tip_->setMessageTable(kToolbarTips);
    for (zToolButton* b : buttons_) tip_->addTool(b);
  }
  void TearDown() override {
    delete tip_;
    dropTestClock();
    delete frame_;
    delete strip_;
    FrameworkTest::TearDown();
  }
  zToolButton* buttonFor(int32_t id) { return static_cast<zToolButton*>(toolbar_->findItem(id)); }

  zBitmap* strip_ = nullptr;
  MainFrame* frame_ = nullptr;
  HMENU file_ = nullptr;
  zMDIMarginFrame* top_ = nullptr;
  zMDIMarginFrame* bottom_ = nullptr;
  zToolbar* toolbar_ = nullptr;
  std::vector<zToolButton*> buttons_;
  zStatusLineEZ* line_ = nullptr;
  zStatusOnOffItem* mode_ = nullptr;
  zStatusItemText* help_ = nullptr;
  FrameTip* tip_ = nullptr;
};

TEST_F(MainWindowFrame, BarsSitAlongTheEdgesAndTheMenuHelpShowsInTheHelpField) {
  RECT client, line, bar;
  GetClientRect(frame_->handle(), &client);
  GetWindowRect(line_->handle(), &line);
  GetWindowRect(toolbar_->handle(), &bar);
  MapWindowPoints(nullptr, frame_->handle(), reinterpret_cast<POINT*>(&line), 2);
  MapWindowPoints(nullptr, frame_->handle(), reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(line.bottom, client.bottom);
  EXPECT_EQ(line.bottom - line.top, textHeightOf(line_->lineFont().hfont()) + 8);
  EXPECT_EQ(bar.top, 0);
  EXPECT_EQ(bar.bottom, 30);
  EXPECT_EQ(bar.right, client.right);
  EXPECT_TRUE(line_->isHooked());
  EXPECT_EQ(line_->helpItem(), help_);
  EXPECT_STREQ(mode_->text(), "SLV");

  selectMenuItem(frame_, cmdCompare, MF_HILITE, file_);
  EXPECT_STREQ(help_->text(), "Compares the choices pair by pair");
  selectMenuItem(frame_, 1, MF_POPUP | MF_HILITE, GetMenu(frame_->handle()));
  EXPECT_STREQ(help_->text(), "Compares the choices pair by pair");
  closeMenu(frame_);
  EXPECT_STREQ(help_->text(), "");
}

TEST_F(MainWindowFrame, ToolButtonsCommandTheFrameShowHelpAndKeepTheMenuInStep) {
  zToolButton* save = buttonFor(cmdSave);
  ASSERT_NE(save, nullptr);
  SendMessageA(save->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
  SendMessageA(save->handle(), WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
  pump();
  ASSERT_EQ(frame_->commands.size(), 1u);
  EXPECT_EQ(frame_->commands[0], static_cast<uint32_t>(cmdSave));
  SendMessageA(save->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(7, 7));
  EXPECT_STREQ(help_->text(), "Saves the decision model");
  toolbar_->enableItem(cmdSave, 0);
  EXPECT_TRUE(GetMenuState(file_, cmdSave, MF_BYCOMMAND) & MF_GRAYED);
  toolbar_->enableItem(cmdSave, 1);
  EXPECT_FALSE(GetMenuState(file_, cmdSave, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MainWindowFrame, AToolTipAppearsAfterTheDelayWithTheTablesText) {
  zToolButton* compare = buttonFor(cmdCompare);
  tip_->under = compare->handle();
  SendMessageA(compare->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(12, 12));
  advanceClock(650);
  ASSERT_TRUE(tip_->isShown());
  EXPECT_STREQ(tip_->popup()->text(), "Compare");
  // The button's own hover check saw the real pointer elsewhere and took its help back; a
  // move within the tool brings it back and leaves the tip as it is.
  SendMessageA(compare->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(13, 12));
  EXPECT_STREQ(help_->text(), "Compares the choices pair by pair");
  EXPECT_TRUE(tip_->isShown());
  if (const char* path = std::getenv("PV_BARS_SCREENSHOT")) {
    pumpFor(300);
    EXPECT_TRUE(saveWindowImage(frame_->handle(), path));
  }
  advanceClock(5500);
  EXPECT_FALSE(tip_->isShown());
}

}  // namespace
