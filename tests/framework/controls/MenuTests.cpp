// Menus and popup menus: item states, resources, handler ranges, tracking, the message to
// the main frame for an active MDI child's menu, and the system menu.
#include <gtest/gtest.h>

#include <vector>

#include "ControlTestSupport.h"
#include "framework/core/zMenu.h"
#include "framework/core/zPopupMenu.h"
#include "framework/core/zResources.h"
#include "framework/core/zResId.h"
#include "framework/core/ziWindowMap.h"
#include "test_resources.h"

namespace {

using Menus = FrameworkTest;

struct Heard {
  std::vector<uint32_t> ids;
  int answer = 1;
  int heard(zEvent* e) {
    ids.push_back(LOWORD(e->wParam_));
    return answer;
  }
};

TEST_F(Menus, ItemStatesReadBackAndUnknownIdsAnswerZero) {
  LoggingFrame frame;
  zMenu* bar = new zMenu(&frame);
  frame.setMenu(bar);
  zMenu* file = new zMenu();
  file->appendString(10, "Ten");
  file->appendSeparator();
  file->appendString(11, "Eleven");
  file->insertItem(9, 0, "Nine", MF_STRING);
  EXPECT_TRUE(bar->appendPopup(file, "File"));
  EXPECT_EQ(GetMenu(frame.handle()), bar->handle());
  EXPECT_EQ(GetMenuItemID(file->handle(), 0), 9u);
  EXPECT_EQ(GetMenuItemCount(file->handle()), 4);
  EXPECT_EQ(file->grayItem(10, 1), 1);
  EXPECT_TRUE(GetMenuState(file->handle(), 10, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_EQ(file->grayItem(10, 0), 1);
  EXPECT_FALSE(GetMenuState(file->handle(), 10, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_EQ(file->setItemEnabled(11, 0), 1);
  const UINT state = GetMenuState(file->handle(), 11, MF_BYCOMMAND);
  EXPECT_TRUE(state & MF_DISABLED);
  EXPECT_FALSE(state & MF_GRAYED);
  EXPECT_EQ(file->checkItem(10, 1), 1);
  EXPECT_TRUE(GetMenuState(file->handle(), 10, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(file->grayItem(77, 1), 0);
  EXPECT_EQ(file->setItemEnabled(77, 1), 0);
  EXPECT_EQ(file->checkItem(77, 1), 0);
  EXPECT_TRUE(file->deleteItem(11));
  EXPECT_TRUE(file->deleteAt(0));
  EXPECT_EQ(GetMenuItemCount(file->handle()), 2);
  const HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, nullptr);
  EXPECT_TRUE(file->insertBitmap(12, 0, bitmap));
  EXPECT_TRUE(GetMenuState(file->handle(), 12, MF_BYCOMMAND) & MF_BITMAP);
  // The submenu belongs to the bar now; its object lets go of the handle.
  file->clearHandle();
  delete file;
  frame.setMenu(nullptr);  // the bar and its items go before the bitmap
  DeleteObject(bitmap);
}

TEST_F(Menus, ResourceMenusAndPopups) {
  LoggingFrame frame;
  zMenu* bar = new zMenu(&frame, zResId(kTestMenu));
  ASSERT_NE(bar->handle(), nullptr);
  EXPECT_EQ(GetMenu(frame.handle()), bar->handle());
  delete bar;  // detaches itself from the window first
  EXPECT_EQ(GetMenu(frame.handle()), nullptr);
  zMenu unowned{zResId(kTestMenu)};
  EXPECT_NE(unowned.handle(), nullptr);
  EXPECT_EQ(unowned.owner(), nullptr);
  // A popup from a resource shows the resource's first submenu, not its bar.
  zPopupMenu popup(zPoint(5, 5), &frame, zResId(kTestMenu));
  ASSERT_NE(popup.handle(), nullptr);
  EXPECT_EQ(GetMenuItemID(popup.handle(), 0), static_cast<UINT>(kMenuFirst));
  EXPECT_EQ(GetMenuItemID(popup.handle(), 1), static_cast<UINT>(kMenuSecond));
  POINT p = {5, 5};
  ClientToScreen(frame.handle(), &p);
  EXPECT_EQ(popup.screenPoint(), zPoint(p));
  // A resource that cannot be loaded gives no menu.
  zMenu missing{zResId(4321)};
  EXPECT_EQ(missing.handle(), nullptr);
  EXPECT_EQ(missing.grayItem(1, 1), 0);
  zMenu badModule{zResId(kTestMenu, "no_such_module_here.dll")};
  EXPECT_EQ(badModule.handle(), nullptr);
}

TEST_F(Menus, HandlerRangesIncludeBothEndsAndAnyIdTakesEveryId) {
  LoggingFrame frame;
  zMenu* bar = new zMenu(&frame);
  frame.setMenu(bar);
  Heard range;
  Heard any;
  any.answer = 0;
  bar->setCommandAny(&any, &Heard::heard);
  bar->setCommandRange(&range, &Heard::heard, 100, 110);
  EXPECT_TRUE(frame.handlerFlags() & zMenuHandlerBit);
  for (WPARAM id : {99u, 100u, 105u, 110u, 111u, 0u, 65535u}) SendMessageA(frame.handle(), WM_COMMAND, id, 0);
  EXPECT_EQ(range.ids, (std::vector<uint32_t>{100, 105, 110}));
  EXPECT_EQ(any.ids, (std::vector<uint32_t>{99, 100, 105, 110, 111, 0, 65535}));
  // The id is the low word: an accelerator's command (high word 1) is heard the same.
  SendMessageA(frame.handle(), WM_COMMAND, MAKEWPARAM(101, 1), 0);
  EXPECT_EQ(range.ids.back(), 101u);
  bar->removeCommandHandler(zEventHandler(&range, &Heard::heard));
  SendMessageA(frame.handle(), WM_COMMAND, 102, 0);
  EXPECT_EQ(range.ids.back(), 101u);
  // Selection help hears menu selections whatever their flags.
  Heard select;
  select.answer = 0;
  bar->setSelectHandler(zEventHandler(&select, &Heard::heard));
  SendMessageA(frame.handle(), WM_MENUSELECT, MAKEWPARAM(578, MF_HILITE), 0);
  SendMessageA(frame.handle(), WM_MENUSELECT, 0xFFFF0000u, 0);
  EXPECT_EQ(select.ids, (std::vector<uint32_t>{578, 0}));
  // A range matches the id in the low word whatever the flags in the high word.
  Heard help;
  bar->setSelectHandler(zEventHandler(&help, &Heard::heard), 570, 580);
  SendMessageA(frame.handle(), WM_MENUSELECT, MAKEWPARAM(578, MF_HILITE | MF_MOUSESELECT), 0);
  SendMessageA(frame.handle(), WM_MENUSELECT, MAKEWPARAM(581, MF_HILITE), 0);
  EXPECT_EQ(help.ids, (std::vector<uint32_t>{578}));
}

// Tracking: a thread timer acts inside the menu's own loop.
struct Tracking {
  zPopupMenu* popup = nullptr;
  bool currentWhileOpen = false;
  int ticks = 0;
  bool choose = false;
};
Tracking* tracking = nullptr;

BOOL CALLBACK findMenuWindow(HWND window, LPARAM out) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "#32768") == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK actInMenu(HWND, UINT, UINT_PTR, DWORD) {
  ++tracking->ticks;
  tracking->currentWhileOpen = tracking->currentWhileOpen || ziTrackedPopupMenu == tracking->popup;
  if (tracking->choose && tracking->ticks == 1) {
    HWND menu = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &findMenuWindow, reinterpret_cast<LPARAM>(&menu));
    const HWND target = menu ? menu : GetFocus();
    PostMessageA(target, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(target, WM_KEYDOWN, VK_RETURN, 0);
    return;
  }
  EndMenu();  // the deadline: no menu stays open
}

TEST_F(Menus, APopupIsCurrentOnlyWhileItIsTracked) {
  LoggingFrame frame;
  frame.show(SW_SHOWNORMAL);
  SetForegroundWindow(frame.handle());
  zPopupMenu popup(zPoint(10, 10), &frame);
  popup.appendString(501, "Five oh one");
  popup.appendString(502, "Five oh two");
  Heard heard;
  popup.setCommandAny(&heard, &Heard::heard);
  Tracking t;
  t.popup = &popup;
  tracking = &t;
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, &actInMenu);
  popup.track();
  KillTimer(nullptr, timer);
  EXPECT_GT(t.ticks, 0);
  EXPECT_TRUE(t.currentWhileOpen);
  EXPECT_EQ(ziTrackedPopupMenu, nullptr);
  // The closed popup hears none of the frame's later commands.
  frame.logged = WM_COMMAND;
  SendMessageA(frame.handle(), WM_COMMAND, 501, 0);
  EXPECT_TRUE(heard.ids.empty());
  EXPECT_EQ(frame.log, (std::vector<std::string>{"slot", "default"}));

  // A command chosen in the menu goes to the popup's handlers, and to the owner when
  // none of them takes it.
  t = Tracking();
  t.popup = &popup;
  t.choose = true;
  heard.answer = 0;
  frame.log.clear();
  const UINT_PTR chooser = SetTimer(nullptr, 0, 150, &actInMenu);
  const uint32_t chosen = popup.track();
  KillTimer(nullptr, chooser);
  tracking = nullptr;
  EXPECT_EQ(chosen, 501u);
  EXPECT_EQ(heard.ids, (std::vector<uint32_t>{501}));
  EXPECT_EQ(frame.log, (std::vector<std::string>{"slot", "default"}));
  EXPECT_EQ(ziTrackedPopupMenu, nullptr);
}

TEST_F(Menus, ADestroyedPopupIsNoLongerCurrent) {
  LoggingFrame frame;
  zPopupMenu* popup = new zPopupMenu(&frame);
  ziTrackedPopupMenu = popup;
  delete popup;
  EXPECT_EQ(ziTrackedPopupMenu, nullptr);
}

// An MDI child made with raw Win32 in a client of the main frame.
LRESULT CALLBACK childProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefMDIChildProcA(w, m, wp, lp); }

class ForeignWindow : public zChildWin {
 public:
  ForeignWindow(zWindow* parent, HWND handle) : zChildWin(parent) {
    handle_ = handle;
    setFlags(zWinGone);  // the test destroys it
  }
};

struct ChildMenus {
  std::vector<LPARAM> owners;
  int heard(zEvent* e) {
    if (e->wParam_ == 1) owners.push_back(e->lParam_);
    return 1;
  }
};

TEST_F(Menus, AMenuForTheActiveMdiChildIsAnnouncedToTheMainFrame) {
  LoggingFrame main;
  ASSERT_EQ(app_->mainFrame(), &main);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = &childProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ControlsTestMdiChild";
  RegisterClassA(&wc);
  CLIENTCREATESTRUCT ccs = {nullptr, 1000};
  const HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 300, 200,
                                      main.handle(), nullptr, GetModuleHandleA(nullptr), &ccs);
  ASSERT_TRUE(client);
  MDICREATESTRUCTA mcs = {};
  mcs.szClass = "ControlsTestMdiChild";
  mcs.szTitle = "child";
  mcs.hOwner = GetModuleHandleA(nullptr);
  mcs.x = mcs.y = 0;
  mcs.cx = 150;
  mcs.cy = 100;
  const HWND first = reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  const HWND second = reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)), second);
  ChildMenus heard;
  main.addNotifyHandler(&heard, &ChildMenus::heard, zMsgChildMenu);
  ForeignWindow* active = new ForeignWindow(&main, second);
  ForeignWindow* inactive = new ForeignWindow(&main, first);
  {
    zMenu forInactive(inactive);
    zMenu forActive(active, zResId(kTestMenu));
    pump();
  }
  EXPECT_EQ(heard.owners, (std::vector<LPARAM>{reinterpret_cast<LPARAM>(second)}));
  SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(first), 0);
  SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(second), 0);
  DestroyWindow(client);
  UnregisterClassA("ControlsTestMdiChild", GetModuleHandleA(nullptr));
}

TEST_F(Menus, TheSystemMenuOutlivesItsObject) {
  LoggingFrame frame;
  const int items = GetMenuItemCount(GetSystemMenu(frame.handle(), FALSE));
  ASSERT_GT(items, 0);
  {
    zSystemMenu menu(&frame);
    EXPECT_EQ(menu.handle(), GetSystemMenu(frame.handle(), FALSE));
    EXPECT_TRUE(menu.hasTypeBit(zTypeMenu));
  }
  EXPECT_EQ(GetMenuItemCount(GetSystemMenu(frame.handle(), FALSE)), items);
}

TEST_F(Menus, UserResourcesFoundOrNot) {
  zUserResource data(zResId(kTestData), RT_RCDATA);
  ASSERT_NE(data.data(), nullptr);
  EXPECT_STREQ(static_cast<const char*>(data.data()), "resource data");
  EXPECT_GE(data.size(), 14u);
  zUserResource missing(zResId(kTestData + 1), RT_RCDATA);
  EXPECT_EQ(missing.data(), nullptr);
  zUserResource noModule(zResId(kTestData, "no_such_module_here.dll"), RT_RCDATA);
  EXPECT_EQ(noModule.data(), nullptr);
}

}  // namespace
