// The status line on real windows: the main window's line (clock, Num Lock, Caps Lock, a
// filling field and a help field), menu help in an item and across the line, heights and
// borders, the clock and key fields, and the fonts a caller lends it.
#include <ctime>
#include <string>

#include "BarsTestSupport.h"
#include "bars_test_resources.h"
#include "framework/core/zResId.h"
#include "framework/core/zResources.h"
#include "framework/bars/zStatusItems.h"
#include "framework/draw/zFont.h"
#include "framework/frames/zMDIMarginFrame.h"

namespace {

const zStatusMessage kHelp[] = {
    {static_cast<int32_t>(kOpenCmd), "Opens a decision model"},
    {static_cast<int32_t>(kSaveCmd), "Saves the model"},
    {static_cast<int32_t>(kCloseCmd), ""},
    {0, nullptr},
};

class StatusLine : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    frame_ = new MenuFrame();
  }
  void TearDown() override {
    zStatusClock::setTimeSource(nullptr);
    delete frame_;
    FrameworkTest::TearDown();
  }
  // A plain line along the frame's bottom in the resource font.
  zStatusLine* bottomLine() {
    return new zStatusLine(frame_, new zGravSizer(gravBottom, 0, frame_->sizer()), 0, WS_CHILD | WS_VISIBLE, zRCFont());
  }
  // The main window's line: 0xD900 with a help field 99 of its own before the filling one.
  zStatusLineEZ* mainLine() {
    zStatusLineEZ* line = new zStatusLineEZ(frame_, new zGravSizer(gravBottom, 0, frame_->sizer()), 0xD900,
                                            WS_CHILD | WS_VISIBLE, zRCFont());
    help_ = new zStatusItemText(line, gravLeft, "Ready to score the pairs", 99, 0);
    help_->addGap();
    help_->setText("Ready");
    line->setMessageTable(99, kHelp);
    show(line);
    return line;
  }
  void show(zWindow* line) {
    frame_->show(SW_SHOWNORMAL);
    line->show(SW_SHOW);
    frame_->sizer()->update();
    pump();
    UpdateWindow(frame_->handle());
    UpdateWindow(line->handle());
  }
  static int clientHeight(zWindow* w) {
    RECT r;
    GetClientRect(w->handle(), &r);
    return r.bottom;
  }

  MenuFrame* frame_ = nullptr;
  zStatusItemText* help_ = nullptr;
};

TEST_F(StatusLine, MenuHelpGoesIntoTheHelpFieldAndItsOwnTextComesBack) {
  zStatusLineEZ* line = mainLine();
  EXPECT_TRUE(line->isHooked());
  EXPECT_EQ(line->helpMode(), zStatusLine::helpItemMode);
  // A popup title, a separator and a system-menu item carry no help.
  selectMenuItem(frame_, 0, MF_POPUP | MF_HILITE, GetMenu(frame_->handle()));
  EXPECT_STREQ(help_->text(), "Ready");
  selectMenuItem(frame_, kOpenCmd, MF_HILITE, frame_->popup);
  EXPECT_STREQ(help_->text(), "Opens a decision model");
  EXPECT_TRUE(line->menuHelpActive());
  selectMenuItem(frame_, 0, MF_SEPARATOR | MF_HILITE, frame_->popup);
  selectMenuItem(frame_, SC_CLOSE, MF_SYSMENU | MF_HILITE, GetSystemMenu(frame_->handle(), FALSE));
  EXPECT_STREQ(help_->text(), "Opens a decision model");
  selectMenuItem(frame_, kSaveCmd, MF_HILITE, frame_->popup);
  EXPECT_STREQ(help_->text(), "Saves the model");
  // No entry: the empty help.
  selectMenuItem(frame_, 4711, MF_HILITE, frame_->popup);
  EXPECT_STREQ(help_->text(), "");
  closeMenu(frame_);
  EXPECT_STREQ(help_->text(), "Ready");
  EXPECT_FALSE(line->menuHelpActive());

  // A text the program sets while the menu is open is the one that comes back.
  selectMenuItem(frame_, kOpenCmd, MF_HILITE, frame_->popup);
  line->setItemText(99, "Scoring pair 3 of 10");
  selectMenuItem(frame_, kSaveCmd, MF_HILITE, frame_->popup);
  EXPECT_STREQ(help_->text(), "Saves the model");
  closeMenu(frame_);
  EXPECT_STREQ(help_->text(), "Scoring pair 3 of 10");
}

TEST_F(StatusLine, TheMainWindowsLineHasItsFieldsFromTheRightEnd) {
  zStatusLineEZ* line = mainLine();
  RECT client;
  GetClientRect(line->handle(), &client);
  EXPECT_EQ(clientHeight(line), line->lineHeight());
  EXPECT_EQ(line->lineHeight(), textHeightOf(line->lineFont().hfont()) + 8);
  // Creation order: clock, Num Lock, Caps Lock (right to left), the filling field 0, then
  // the program's own field 99 on the left.
  zStatusItemDListIter it(&line->items());
  zStatusItem* clock = it.next();
  zStatusItem* num = it.next();
  zStatusItem* caps = it.next();
  zStatusItem* fill = it.next();
  ASSERT_NE(fill, nullptr);
  EXPECT_EQ(fill->id(), 0);
  EXPECT_EQ(line->findItem(99), help_);
  EXPECT_EQ(clock->rect().right(), client.right - 5);
  EXPECT_EQ(num->rect().right(), clock->rect().left() - 4);
  EXPECT_EQ(caps->rect().right(), num->rect().left() - 4);
  EXPECT_EQ(help_->rect().left(), 5);
  EXPECT_EQ(fill->rect().left(), help_->rect().right() + 4);
  EXPECT_EQ(fill->rect().right(), caps->rect().left() - 4);
  EXPECT_EQ(clock->rect().top(), 4);
  EXPECT_EQ(clock->rect().bottom(), line->lineHeight() - 2);
  // A Num Lock field with no texts is as wide as "MMM" plus 8.
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, line->lineFont().hfont());
  SIZE mmm;
  GetTextExtentPoint32A(dc, "MMM", 3, &mmm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(num->rect().width(), mmm.cx + 8);
  // The two top lines and the sunken frames.
  EXPECT_EQ(pixel(line->handle(), 40, 0), 0x000000u);
  EXPECT_EQ(pixel(line->handle(), 40, 1), 0xFFFFFFu);
  EXPECT_EQ(pixel(line->handle(), clock->rect().left(), clock->rect().top() + 3), 0x808080u);
  EXPECT_EQ(pixel(line->handle(), clock->rect().right() - 1, clock->rect().bottom() - 1), 0xFFFFFFu);
}

TEST_F(StatusLine, MarginsMakeTheLineTallerAndTheBordersWider) {
  zStatusLine* line = bottomLine();
  show(line);
  const int h = line->textHeight();
  EXPECT_EQ(line->lineHeight(), h + 8);
  EXPECT_EQ(line->borders()->top(), 4);
  EXPECT_EQ(line->borders()->bottom(), 2);
  EXPECT_EQ(line->borders()->left(), 5);
  line->setMargins(zDimension(3, 1));
  pump();
  EXPECT_EQ(line->lineHeight(), h + 10);
  EXPECT_EQ(clientHeight(line), h + 10);
  EXPECT_EQ(line->borders()->top(), 5);
  EXPECT_EQ(line->borders()->bottom(), 3);
  EXPECT_EQ(line->borders()->left(), 8);
  EXPECT_EQ(line->borders()->right(), 8);
  EXPECT_EQ(line->borderOrigin(), zPoint(8, 5));
}

TEST_F(StatusLine, OnlyAFrameParentOrTheGrandparentFormHooksTheMenu) {
  zMDIMarginFrame* band =
      new zMDIMarginFrame(frame_, new zSizer(zPoint(0, 0), zDimension(0, 30), nullptr), 0, "status band");
  band->setEdge(zMDIMarginFrame::bottomEdge);
  zStatusLine* inBand = new zStatusLine(band, new zGravSizer(gravBottom, 0, band->sizer()), 0, WS_CHILD | WS_VISIBLE,
                                        zRCFont(), zStatusLine::frameIsParent);
  zStatusLine* grand = new zStatusLine(band, new zGravSizer(gravBottom, 0, band->sizer()), 0, WS_CHILD | WS_VISIBLE,
                                       zRCFont(), zStatusLine::frameIsGrandparent);
  zStatusLine* direct = bottomLine();
  EXPECT_FALSE(inBand->isHooked());
  EXPECT_TRUE(grand->isHooked());
  EXPECT_TRUE(direct->isHooked());
  EXPECT_EQ(grand->frame(), frame_);
  // The grandparent form's help reaches it through the frame's menu.
  grand->helpInLine(kHelp);
  inBand->helpInLine(kHelp);
  selectMenuItem(frame_, kSaveCmd, MF_HILITE, frame_->popup);
  EXPECT_TRUE(grand->lineHelpShown());
  EXPECT_STREQ(grand->lineHelpText(), "Saves the model");
  EXPECT_FALSE(inBand->lineHelpShown());
  closeMenu(frame_);
  EXPECT_FALSE(grand->lineHelpShown());
  // Deleting a hooked line takes its handler off the menu.
  delete grand;
  selectMenuItem(frame_, kSaveCmd, MF_HILITE, frame_->popup);
  closeMenu(frame_);
  delete inBand;
  delete direct;
}

TEST_F(StatusLine, LineHelpHidesTheFieldsAndAnEmptyTextLeavesTheLineBlank) {
  zStatusLine* line = bottomLine();
  zStatusItemText* field = new zStatusItemText(line, gravLeft, "Some field", 5, 0);
  field->addGap();
  line->helpInLine(kHelp);
  show(line);
  const int fx = field->rect().left(), fy = field->rect().top() + 3;
  EXPECT_EQ(pixel(line->handle(), fx, fy), 0x808080u);
  selectMenuItem(frame_, kCloseCmd, MF_HILITE, frame_->popup);  // its help is empty
  EXPECT_TRUE(line->lineHelpShown());
  EXPECT_EQ(pixel(line->handle(), fx, fy), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(pixel(line->handle(), fx, 0), 0x000000u);
  EXPECT_EQ(pixel(line->handle(), fx, 1), 0xFFFFFFu);
  selectMenuItem(frame_, kOpenCmd, MF_HILITE, frame_->popup);
  EXPECT_STREQ(line->lineHelpText(), "Opens a decision model");
  closeMenu(frame_);
  EXPECT_FALSE(line->lineHelpShown());
  EXPECT_EQ(pixel(line->handle(), fx, fy), 0x808080u);
}

TEST_F(StatusLine, HelpForAnItemThatDoesNotExistShowsNothing) {
  zStatusLine* line = bottomLine();
  line->setMessageTable(1234, kHelp);
  EXPECT_EQ(line->helpItem(), nullptr);
  selectMenuItem(frame_, kOpenCmd, MF_HILITE, frame_->popup);
  EXPECT_FALSE(line->menuHelpActive());
  closeMenu(frame_);
  // A help field deleted while it shows help leaves the line with none.
  zStatusItemText* field = new zStatusItemText(line, gravLeft, "Field", 7, 0);
  line->setMessageTable(7, kHelp);
  selectMenuItem(frame_, kOpenCmd, MF_HILITE, frame_->popup);
  line->deleteItem(7);
  EXPECT_EQ(line->helpItem(), nullptr);
  EXPECT_EQ(line->findItem(7), nullptr);
  selectMenuItem(frame_, kSaveCmd, MF_HILITE, frame_->popup);
  closeMenu(frame_);
  (void)field;
}

TEST_F(StatusLine, AFontTheCallerLendsIsNeverDeletedByTheLine) {
  HFONT lent = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  zFont* font = new zFont(lent, true);
  zStatusLine* line =
      new zStatusLine(frame_, new zGravSizer(gravBottom, 0, frame_->sizer()), 0, WS_CHILD | WS_VISIBLE, font);
  EXPECT_EQ(line->lineFontObject(), font);
  EXPECT_EQ(line->lineHeight(), textHeightOf(lent) + 8);
  zStatusLine* other = bottomLine();
  other->setFont(font);
  EXPECT_EQ(other->lineHeight(), textHeightOf(lent) + 8);
  show(line);
  delete line;
  delete other;
  LOGFONTA lf;
  EXPECT_EQ(GetObjectA(lent, sizeof lf, &lf), static_cast<int>(sizeof lf));  // still a live font
  delete font;
}

TEST_F(StatusLine, ATextFieldRepaintsOnlyForANewTextAndErasesAWiderOldOne) {
  zStatusLine* line = bottomLine();
  zStatusItemText* field = new zStatusItemText(line, gravLeft, "A rather long sample text", 5, 0);
  field->addGap();
  show(line);
  field->setText("A rather long text");
  UpdateWindow(line->handle());
  const int wide = field->textRect().width();
  EXPECT_GT(wide, 0);
  field->setText("A rather long text");
  EXPECT_FALSE(GetUpdateRect(line->handle(), nullptr, FALSE));
  field->setText("Short");
  EXPECT_TRUE(GetUpdateRect(line->handle(), nullptr, FALSE));
  UpdateWindow(line->handle());
  EXPECT_LT(field->textRect().width(), wide);
  // The old text's right end is background again.
  EXPECT_EQ(pixel(line->handle(), field->textRect().left() + wide - 2, field->textRect().top() + 1),
            GetSysColor(COLOR_BTNFACE));
  field->setText(nullptr);
  UpdateWindow(line->handle());
  EXPECT_EQ(field->textRect(), zRect(0, 0, 0, 0));
}

TEST_F(StatusLine, HelpComesFromTheStringTableOrAStringBlock) {
  zStatusLine* line = bottomLine();
  zStatusItemText* field = new zStatusItemText(line, gravLeft, "A field for the help texts", 99, 0);
  field->addGap();
  show(line);
  line->helpInLine(zResId(kHelpStringBase));
  selectMenuItem(frame_, kOpenCmd, MF_HILITE, frame_->popup);
  EXPECT_STREQ(line->lineHelpText(), "Opens a model (string table)");
  selectMenuItem(frame_, kCloseCmd, MF_HILITE, frame_->popup);  // no string: empty help
  EXPECT_STREQ(line->lineHelpText(), "");
  closeMenu(frame_);
  EXPECT_EQ(line->setHelpResource(99, zResId(kHelpStringBase)), field);
  selectMenuItem(frame_, kSaveCmd, MF_HILITE, frame_->popup);
  EXPECT_STREQ(field->text(), "Saves the model (string table)");
  closeMenu(frame_);
  zResStrBlock block(zResId(kHelpBlock));
  EXPECT_EQ(line->setMessageBlock(99, &block), field);
  EXPECT_EQ(line->messageTable().count(), 2u);
  selectMenuItem(frame_, kSaveCmd, MF_HILITE, frame_->popup);
  EXPECT_STREQ(field->text(), "Saves the model (block)");
  closeMenu(frame_);
  line->helpOff();
  selectMenuItem(frame_, kOpenCmd, MF_HILITE, frame_->popup);
  EXPECT_STREQ(field->text(), "");
  closeMenu(frame_);
  // A text of any length is kept whole.
  const std::string longText(700, 'x');
  field->setText(longText.c_str());
  EXPECT_EQ(field->text().length(), 700u);
  UpdateWindow(line->handle());
}

TEST_F(StatusLine, AMenuTheFrameGetsLaterIsHookedWhenTheLineIsShown) {
  zMenu* old = frame_->menu();
  frame_->setMenu(nullptr);
  (void)old;
  zStatusLineEZ* line = new zStatusLineEZ(frame_, new zGravSizer(gravBottom, 0, frame_->sizer()), 0x2100,
                                          WS_CHILD | WS_VISIBLE, zRCFont());
  line->helpInLine(kHelp);
  zMenu* bar = new zMenu(frame_);
  AppendMenuA(bar->handle(), MF_STRING, kOpenCmd, "&Open");
  frame_->setMenu(bar);
  show(line);
  selectMenuItem(frame_, kOpenCmd, MF_HILITE, bar->handle());
  EXPECT_STREQ(line->lineHelpText(), "Opens a decision model");
  closeMenu(frame_);
  // Another menu later: rehook moves the help to it.
  zMenu* other = new zMenu(frame_);
  frame_->setMenu(other);
  line->rehook();
  selectMenuItem(frame_, kSaveCmd, MF_HILITE, other->handle());
  EXPECT_STREQ(line->lineHelpText(), "Saves the model");
  closeMenu(frame_);
}

std::time_t fakeNow = 0;
std::time_t readFake() { return fakeNow; }
std::time_t localTime(int hour, int minute, int second = 0) {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 5;
  t.tm_mday = 15;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

TEST_F(StatusLine, TheClockShowsTheProfileFormatAndRepaintsOncePerMinute) {
  zStatusClock::setTimeSource(&readFake);
  fakeNow = localTime(8, 0);
  zStatusLine* line = bottomLine();
  zStatusClock* clock = new zStatusClock(line, gravRight);
  show(line);
  struct Case {
    int hour, minute, use24;
    const char* sep;
    const char* expected;
  } cases[] = {
      {9, 5, 1, ".", "09.05"}, {9, 5, 0, ":", "9:05 AM"}, {12, 30, 0, ":", "12:30 PM"}, {0, 30, 0, ":", "12:30 AM"}};
  for (const Case& c : cases) {
    fakeNow = localTime(c.hour, c.minute);
    clock->tick(nullptr);
    clock->setFormat(c.use24, c.sep, nullptr, nullptr);
    EXPECT_STREQ(clock->timeText(), c.expected);
  }
  clock->setFormat(0, ":", "AM", "PM");
  fakeNow = localTime(14, 10, 5);
  clock->tick(nullptr);
  line->invalidate();
  UpdateWindow(line->handle());
  EXPECT_STREQ(clock->text(), "2:10 PM");
  // Within the minute: no repaint.
  fakeNow = localTime(14, 10, 40);
  clock->tick(nullptr);
  EXPECT_FALSE(GetUpdateRect(line->handle(), nullptr, FALSE));
  fakeNow = localTime(14, 11, 0);
  clock->tick(nullptr);
  EXPECT_TRUE(GetUpdateRect(line->handle(), nullptr, FALSE));
  UpdateWindow(line->handle());
  EXPECT_STREQ(clock->text(), "2:11 PM");
  // Line help covers the clock: the new minute waits for the next paint.
  line->helpInLine(kHelp);
  selectMenuItem(frame_, kOpenCmd, MF_HILITE, frame_->popup);
  UpdateWindow(line->handle());
  fakeNow = localTime(14, 12, 0);
  clock->tick(nullptr);
  EXPECT_FALSE(GetUpdateRect(line->handle(), nullptr, FALSE));
  closeMenu(frame_);
  UpdateWindow(line->handle());
  EXPECT_STREQ(clock->text(), "2:12 PM");
}

TEST_F(StatusLine, KeyFieldsFollowTheToggleStateOfTheirKeys) {
  zStatusLine* line = bottomLine();
  zStatusNumLock* num = new zStatusNumLock(line, gravRight);
  zStatusCapsLock* caps = new zStatusCapsLock(line, gravRight, -1, "CAPS", "caps");
  zStatusOnOffItem* mode = new zStatusOnOffItem(line, gravLeft, 3, "SCO", "SLV");
  show(line);
  BYTE keys[256];
  GetKeyboardState(keys);
  const BYTE savedNum = keys[VK_NUMLOCK], savedCaps = keys[VK_CAPITAL];
  struct Case {
    bool num, caps;
    const char* numText;
    const char* capsText;
  } cases[] = {{true, false, "NUM", "caps"}, {false, true, "", "CAPS"}};
  for (const Case& c : cases) {
    keys[VK_NUMLOCK] = c.num ? 1 : 0;
    keys[VK_CAPITAL] = c.caps ? 1 : 0;
    SetKeyboardState(keys);
    line->invalidate();
    UpdateWindow(line->handle());
    EXPECT_STREQ(num->text(), c.numText);
    EXPECT_STREQ(caps->text(), c.capsText);
  }
  keys[VK_NUMLOCK] = savedNum;
  keys[VK_CAPITAL] = savedCaps;
  SetKeyboardState(keys);
  EXPECT_STREQ(mode->text(), "SLV");
  mode->setOn(1);
  EXPECT_STREQ(mode->text(), "SCO");
}

}  // namespace
