#include "framework/frames/zMDIAppFrame.h"

#include <cstring>
#include <string>
#include <vector>

#include "framework/core/zMenu.h"
#include "framework/core/zPopupMenu.h"
#include "framework/core/zProgram.h"
#include "framework/core/zResources.h"
#include "framework/core/zSystemEntry.h"
#include "framework/layout/zGravSizer.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zTaskDev.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"
#include "framework/frames/zMDIMarginFrame.h"

namespace {

int32_t menuMergeOffsetValue = 1;

// Merges posted to the main frame and not handled yet. A child that goes looks into the
// queue for them only while there may be one: each look asks the window server, which
// also takes the chance to read the display's events, and most children go long after
// their merges ran.
int32_t postedMerges = 0;

HINSTANCE appInstance() { return zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr); }

zWindow* findObject(HWND handle) {
  return zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(handle) : nullptr;
}

// The window object of the system's MDI client: not in the window map, placed by the
// frame's layout.
class ziMDIClientWin : public zFrameWin {
 public:
  ziMDIClientWin(zSizer* sizer, HWND handle) : zFrameWin(sizer, 0, nullptr) {
    handle_ = handle;
    id_ = zMDIClientId;
  }
};

zMenu* menuOf(zWindow* window) {
  if (!window || !window->hasTypeBit(zTypeFrameWin) || (window->flags() & zWinDestroying)) return nullptr;
  return static_cast<zFrameWin*>(window)->menu();
}

// The tracked popup menu, then the window's own menu when its menu bit is set.
bool offerToMenus(zWindow* window, zEvent* event) {
  if (ziTrackedPopupMenu && ziTrackedPopupMenu->dispatch(event)) return true;
  if (window->handlerFlags() & zHandlesMenu) {
    if (zMenu* menu = menuOf(window)) {
      if (menu->dispatch(event)) return true;
    }
  }
  return false;
}

bool offerToOwnMenu(zWindow* window, zEvent* event) {
  if (!(window->handlerFlags() & zHandlesMenu)) return false;
  zMenu* menu = menuOf(window);
  return menu && menu->dispatch(event);
}

void resendSysColorChange(zWindow* window, zEvent* event) {
  zWindowDlistIter it(&window->children());
  while (zWindow* child = it.next()) SendMessageA(child->handle(), WM_SYSCOLORCHANGE, event->wParam_, event->lParam_);
}

void menuText(HMENU menu, int position, char (&text)[100]) {
  std::memset(text, 0, sizeof text);
  GetMenuStringA(menu, static_cast<UINT>(position), text, 99, MF_BYPOSITION);
}

}  // namespace

zMDIAppFrame* ziMainMDIFrame() {
  zWindow* main = zTheProgram ? zTheProgram->mainFrame() : nullptr;
  if (!main || !main->hasTypeBit(zTypeMDIAppFrame) || (main->flags() & zWinDestroying)) return nullptr;
  return static_cast<zMDIAppFrame*>(main);
}

// ---------------------------------------------------------------- window procedures

static LRESULT ziMDIFrameProcBody(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  zWindow* window = findObject(handle);
  if (!window || !window->hasTypeBit(zTypeMDIAppFrame) || (window->flags() & zWinDestroying))
    return DefFrameProcA(handle, ziMDIClientWindow, message, wParam, lParam);
  zEvent event(lParam, wParam, message, handle);
  return static_cast<zMDIAppFrame*>(window)->route(&event);
}

LRESULT CALLBACK ziMDIFrameProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return ziFromSystem("ziMDIFrameProc", [&] { return ziMDIFrameProcBody(handle, message, wParam, lParam); });
}

static LRESULT ziMDIChildProcBody(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  zWindow* window = findObject(handle);
  if (!window || !window->hasTypeBit(zTypeMDIChildFrame) || (window->flags() & zWinDestroying))
    return DefMDIChildProcA(handle, message, wParam, lParam);
  zEvent event(lParam, wParam, message, handle);
  return static_cast<zMDIChildFrame*>(window)->route(&event);
}

LRESULT CALLBACK ziMDIChildProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return ziFromSystem("ziMDIChildProc", [&] { return ziMDIChildProcBody(handle, message, wParam, lParam); });
}

// ---------------------------------------------------------------- the MDI frame

zMDIAppFrame::zMDIAppFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, zMenu* windowMenu,
                           uint32_t firstChildId, zIcon* icon)
    : zFrameWin(parent, sizer, style, title),
      windowMenu_(windowMenu ? windowMenu : new zMenu()),
      firstChildId_(firstChildId),
      classIcon_(icon ? icon->handle() : nullptr),
      client_(nullptr),
      mergedChild_(nullptr) {
  // The icon stays with the class, as one set on a window's class does.
  if (icon) {
    icon->disown();
    delete icon;
  }
  setTypeBit(zTypeMDIAppFrame);
  className_ = "MDIframeCL";
  create();
}

zMDIAppFrame::~zMDIAppFrame() {
  // Children first, the active one last: its deactivation would otherwise activate and
  // merge each of the others in turn.
  // A child that goes may take others of the frame's children with it (a tool tip's
  // pop-up, say), so the list is read afresh after every deletion.
  zWindow* active = activeChild();
  for (;;) {
    zWindow* next = nullptr;
    zWindowDlistIter it(&children_);
    while (zWindow* child = it.next()) {
      if (child != active) {
        next = child;
        break;
      }
    }
    if (!next) break;
    delete next;  // takes itself out of the list
  }
  while (void* child = children_.removeFirst()) delete static_cast<zWindow*>(child);
  mergedChild_ = nullptr;
  if (windowMenu_) {
    // A window menu that sits in the menu bar goes with the bar.
    zMenu* bar = menu();
    bool inBar = false;
    if (bar && bar->handle()) {
      const int n = GetMenuItemCount(bar->handle());
      for (int i = 0; i < n; ++i) inBar = inBar || GetSubMenu(bar->handle(), i) == windowMenu_->handle();
    }
    if (inBar) windowMenu_->clearHandle();
    delete windowMenu_;
    windowMenu_ = nullptr;
  }
  if (client_) {
    const HWND clientHandle = client_->handle();
    delete client_;
    client_ = nullptr;
    if (ziMDIClientWindow == clientHandle) ziMDIClientWindow = nullptr;
  }
  // The window goes while the object is still a frame, so its last messages route here.
  if (!(flags_ & zWinGone) && IsWindow(handle_)) DestroyWindow(handle_);
}

WNDCLASSA* zMDIAppFrame::classInfo() {
  WNDCLASSA* wc = zFrameWin::classInfo();
  wc->lpfnWndProc = ziMDIFrameProc;
  if (classIcon_) wc->hIcon = classIcon_;
  return wc;
}

void zMDIAppFrame::create() {
  style_ |= WS_OVERLAPPEDWINDOW;
  if (WNDCLASSA* wc = classInfo()) {
    wc->style = classStyle_;
    ziRegisterOwnClass(wc, className_);
  }
  const int32_t x = sizer_ ? sizer_->origin().x() : CW_USEDEFAULT;
  const int32_t y = sizer_ ? sizer_->origin().y() : CW_USEDEFAULT;
  const int32_t w = sizer_ ? sizer_->width() : CW_USEDEFAULT;
  const int32_t h = sizer_ ? sizer_->height() : CW_USEDEFAULT;
  handle_ =
      CreateWindowExA(exStyle_, className_, nullptr, style_, x, y, w, h, nullptr, nullptr, appInstance(), nullptr);
  ziSettleOwnClass(handle_, className_);
  if (handle_ && zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->add(handle_, this);
  if (zTheProgram && !zTheProgram->mainFrame()) zTheProgram->setMainFrame(this);

  CLIENTCREATESTRUCT ccs;
  ccs.hWindowMenu = windowMenu_ ? windowMenu_->handle() : nullptr;
  ccs.idFirstChild = firstChildId_;
  const HWND client = CreateWindowExA(
      0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | MDIS_ALLCHILDSTYLES, 0, 0, 0, 0,
      handle_, reinterpret_cast<HMENU>(static_cast<uintptr_t>(zMDIClientId)), appInstance(), &ccs);
  ziMDIClientWindow = client;
  client_ = new ziMDIClientWin(new zGravSizer(gravClient, 0, sizer_), client);
  placementFromWindow();
}

void zMDIAppFrame::placementFromWindow() {
  ziSizerFromWindow(this);
  inheritParentFont();
}

void zMDIAppFrame::arrangeFirstShow() { setTitle(text_); }

void zMDIAppFrame::onFirstShown(int cmd) {
  if (client_) ShowWindow(client_->handle(), SW_SHOW);
  // The client is placed by the layout alone: lay out once at the size the window has.
  if (cmd != SW_MINIMIZE && cmd != SW_SHOWMINIMIZED && cmd != SW_SHOWMINNOACTIVE) {
    RECT rc;
    GetClientRect(handle_, &rc);
    zEvent size(MAKELPARAM(rc.right - rc.left, rc.bottom - rc.top), SIZE_RESTORED, WM_SIZE, handle_);
    layoutChildren(&size);
  }
}

void zMDIAppFrame::layoutChildren(zEvent* event) {
  // The margins and the client are gravity sizers: the frame's layout places them all.
  zFrameWin::layoutChildren(event);
}

LRESULT zMDIAppFrame::defProc(zEvent* event) {
  if (!event) return 0;
  if (event->message_ == WM_GETMINMAXINFO) applyMinimumSize(event);
  return DefFrameProcA(event->window_, ziMDIClientWindow, event->message_, event->wParam_, event->lParam_);
}

void zMDIAppFrame::tile() { SendMessageA(ziMDIClientWindow, WM_MDITILE, 0, 0); }
void zMDIAppFrame::cascade() { SendMessageA(ziMDIClientWindow, WM_MDICASCADE, 0, 0); }
void zMDIAppFrame::arrangeIcons() { SendMessageA(ziMDIClientWindow, WM_MDIICONARRANGE, 0, 0); }

zWindow* zMDIAppFrame::activeChild(bool* maximized) {
  if (!IsWindow(ziMDIClientWindow)) return nullptr;
  BOOL zoomed = FALSE;
  const HWND active =
      reinterpret_cast<HWND>(SendMessageA(ziMDIClientWindow, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&zoomed)));
  if (!IsWindow(active)) return nullptr;
  if (maximized) *maximized = zoomed != FALSE;
  return findObject(active);
}

void zMDIAppFrame::setMenuMergeOffset(int32_t offset) { menuMergeOffsetValue = offset; }
int32_t zMDIAppFrame::menuMergeOffset() { return menuMergeOffsetValue; }

// ---------------------------------------------------------------- menu merging

void zMDIAppFrame::insertMenuItems(HMENU source, HMENU target, int32_t fromEnd) {
  if (!source || !target) return;
  const int n = GetMenuItemCount(source);
  for (int i = 0; i < n; ++i) {
    char text[100];
    menuText(source, i, text);
    int position = GetMenuItemCount(target) - fromEnd;
    if (position < 0) position = 0;
    const UINT id = GetMenuItemID(source, i);
    if (id == static_cast<UINT>(-1)) {
      // The submenu is shared with the child's menu, not copied.
      InsertMenuA(target, static_cast<UINT>(position), MF_BYPOSITION | MF_POPUP,
                  reinterpret_cast<UINT_PTR>(GetSubMenu(source, i)), text);
    } else {
      const UINT state = GetMenuState(source, static_cast<UINT>(i), MF_BYPOSITION) & 0xFFFFu;
      InsertMenuA(target, static_cast<UINT>(position), state | MF_BYPOSITION, id, text);
    }
  }
}

void zMDIAppFrame::mergeChildMenu(zEvent* event) {
  if (!zTheProgram || !zTheProgram->mainFrame()) return;
  zWindow* child = reinterpret_cast<zWindow*>(event->lParam_);
  zMenu* childMenu = menuOf(child);
  zMenu* bar = menu();
  if (!childMenu || !childMenu->handle() || !bar || !bar->handle()) return;
  const HMENU source = childMenu->handle();
  const HMENU target = bar->handle();
  if (reinterpret_cast<HWND>(event->wParam_) == child->handle() || event->wParam_ == 1) {
    mergedChild_ = child;
    int32_t offset = 0;
    if (IsZoomed(child->handle())) offset = LOBYTE(LOWORD(GetVersion())) < 4 ? 1 : 3;
    offset += menuMergeOffsetValue;
    insertMenuItems(source, target, offset);
  } else {
    if (mergedChild_ == child) mergedChild_ = nullptr;
    const int n = GetMenuItemCount(source);
    for (int i = 0; i < n; ++i) {
      const UINT id = GetMenuItemID(source, i);
      if (id != static_cast<UINT>(-1)) {
        DeleteMenu(target, id, MF_BYCOMMAND);
        continue;
      }
      char text[100];
      menuText(source, i, text);
      const int m = GetMenuItemCount(target);
      for (int j = 0; j < m; ++j) {
        char other[100];
        menuText(target, j, other);
        if (std::strcmp(text, other) == 0) {
          RemoveMenu(target, static_cast<UINT>(j), MF_BYPOSITION);
          break;
        }
      }
    }
  }
  DrawMenuBar(handle_);
}

// ---------------------------------------------------------------- frame routing

LRESULT zMDIAppFrame::route(zEvent* event) {
  const uint32_t bits = handlerFlags_;
  LRESULT result = 0;
  switch (event->message_) {
    case WM_MOVE:
      result = onMove(event);
      if (sizer_) sizer_->setOrigin(zPoint::fromLParam(static_cast<uint32_t>(event->lParam_)));
      return result;
    case WM_SIZE:
      // Never to the default frame procedure, which would size the client over the margins.
      onSize(event);
      if (event->wParam_ != SIZE_MINIMIZED) layoutChildren(event);
      return 0;
    case WM_ERASEBKGND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
      result = dispatchNotify(event);
      break;
    case WM_CLOSE: {
      if ((bits & zHandlesClose) && dispatchNotify(event)) return 1;
      // Every child may keep the whole frame open.
      std::vector<zWindow*> children;
      zWindowDlistIter it(&children_);
      while (zWindow* child = it.next()) children.push_back(child);
      for (zWindow* child : children) {
        if (const int refused = child->onClose(event)) return refused;
      }
      result = onClose(event);
      if (result) return result;
      break;
    }
    case WM_QUERYENDSESSION: {
      // The session's end closes the program as surely as its close box: whatever may
      // refuse a close (a question about unsaved work) is asked first, and a refusal
      // keeps the session. The default procedure would let it end without a word.
      zWindowDlistIter it(&children_);
      std::vector<zWindow*> children;
      while (zWindow* child = it.next()) children.push_back(child);
      for (zWindow* child : children) {
        if (child->onClose(event)) return FALSE;
      }
      return onClose(event) ? FALSE : TRUE;
    }
    case WM_SYSCOLORCHANGE:
      resendSysColorChange(this, event);
      break;
    case WM_COMMAND: {
      if (offerToMenus(this, event)) return 0;
      result = dispatchNotify2(event);
      if (!result) result = onCommand(event);
      if (!result) {
        zWindow* active = activeChild();
        if (active && offerToOwnMenu(active, event)) return 0;
        if (active) result = active->onCommand(event);
      }
      if (result) return 0;
      break;
    }
    case WM_SYSCOMMAND: {
      if (offerToOwnMenu(this, event)) return 0;
      result = dispatchNotify2(event);
      if (!result) result = onCommand(event);
      if (!result) {
        zWindow* active = activeChild();
        if (active && offerToOwnMenu(active, event)) return 0;
      }
      if (result) return 0;
      break;
    }
    case WM_INITMENU:
    case WM_MENUSELECT: {
      if (ziTrackedPopupMenu && ziTrackedPopupMenu->dispatch(event)) return 1;
      if (offerToOwnMenu(this, event)) return 1;
      zWindow* active = activeChild();
      if (active && offerToOwnMenu(active, event)) return 1;
      result = dispatchNotify(event);
      break;
    }
    case WM_DESTROY:
      // The program has one MDI frame, its main window: its end ends the message loop.
      if (zTheProgram && zTheProgram->taskDev()) zTheProgram->taskDev()->switchOff();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      if (zTheProgram && zTheProgram->mainFrame() == this) zTheProgram->setMainFrame(nullptr);
      return ziNcDestroy(this);
    case zMsgMergeMenu:
      if (postedMerges > 0) --postedMerges;
      mergeChildMenu(event);
      onActiveChildChanged();
      return defProc(event);
    case zMsgDeferredDelete:
      delete reinterpret_cast<zWindow*>(event->lParam_);
      return defProc(event);
    default:
      return ziRouteEvent(this, event);
  }
  if (result) return 0;
  return defProc(event);
}

// ---------------------------------------------------------------- MDI children

zMDIChildFrame::zMDIChildFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int deferCreation)
    : zFrameWin(parent, sizer, style, title) {
  setTypeBit(zTypeMDIChildFrame);
  className_ = "MDIchildCL";
  backColor_ = GetSysColor(COLOR_WINDOW);
  style_ |= WS_CHILD;
  if (parent_) parent_->children().append(this);
  if (!deferCreation) create();
}

zMDIChildFrame::zMDIChildFrame(zWindow* parent) : zFrameWin(parent) {
  setTypeBit(zTypeMDIChildFrame);
  if (parent_) parent_->children().append(this);
}

zMDIChildFrame::~zMDIChildFrame() { releaseChildWindow(); }

void zMDIChildFrame::releaseChildWindow() {
  // Merges queued for the frame may name this object: they run now, not after it is gone.
  if (zMDIAppFrame* main = ziMainMDIFrame()) {
    const HWND mainHandle = main->handle();
    MSG msg;
    while (postedMerges > 0 && IsWindow(mainHandle) &&
           PeekMessageA(&msg, mainHandle, zMsgMergeMenu, zMsgMergeMenu, PM_NOREMOVE | PM_NOYIELD)) {
      GetMessageA(&msg, mainHandle, zMsgMergeMenu, zMsgMergeMenu);
      --postedMerges;
      zEvent queued(msg.lParam, msg.wParam, msg.message, msg.hwnd);
      main->mergeChildMenu(&queued);
    }
    // None is left (a loop that removed one without handling it left the count behind).
    postedMerges = 0;
    if (!(flags_ & zWinGone) && main->activeChild() == this) {
      zEvent remove(reinterpret_cast<LPARAM>(this), 0, zMsgMergeMenu, mainHandle);
      main->mergeChildMenu(&remove);
    }
  }
  while (void* child = children_.removeFirst()) delete static_cast<zWindow*>(child);
  clearFlags(zWinSelfDeleting);
  if (!(flags_ & zWinGone)) {
    setFlags(zWinGone);
    if (handle_ && zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->remove(handle_);
    if (handle_ && IsWindow(ziMDIClientWindow))
      SendMessageA(ziMDIClientWindow, WM_MDIDESTROY, reinterpret_cast<WPARAM>(handle_), 0);
    // The frame's commands follow the child now active, or none.
    if (zMDIAppFrame* main = ziMainMDIFrame()) main->onActiveChildChanged();
  }
  ziReleaseOwnClass(className_, handle_);
}

WNDCLASSA* zMDIChildFrame::classInfo() {
  WNDCLASSA* wc = zFrameWin::classInfo();
  wc->lpfnWndProc = ziMDIChildProc;
  return wc;
}

void zMDIChildFrame::create() {
  MDICREATESTRUCTA mcs;
  // The title goes in with the window: setting it again costs the window server a call.
  mcs.szTitle = text_;
  mcs.x = sizer_ ? sizer_->origin().x() : CW_USEDEFAULT;
  mcs.y = sizer_ ? sizer_->origin().y() : CW_USEDEFAULT;
  mcs.cx = sizer_ ? sizer_->width() : CW_USEDEFAULT;
  mcs.cy = sizer_ ? sizer_->height() : CW_USEDEFAULT;
  createInMDIClient(&mcs);
  placementFromWindow();
}

void zMDIChildFrame::createInMDIClient(MDICREATESTRUCTA* mcs) {
  if (WNDCLASSA* wc = classInfo()) {
    wc->style = classStyle_;
    // The destructor gives the class back.
    ziRegisterOwnClass(wc, className_);
  }
  mcs->szClass = className_;
  mcs->hOwner = appInstance();
  mcs->style = style_;
  mcs->lParam = 0;
  // The window is made hidden. Where the system may show it on its way (beside a maximised
  // child it makes the new one maximised; a client without MDIS_ALLCHILDSTYLES, or the
  // style, makes it visible), the client draws nothing until the window is hidden again,
  // then draws itself once. Otherwise nothing on the screen changes.
  BOOL maximized = FALSE;
  if (IsWindow(ziMDIClientWindow))
    SendMessageA(ziMDIClientWindow, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
  const bool mayShow =
      maximized || (style_ & WS_VISIBLE) || !(GetWindowLongA(ziMDIClientWindow, GWL_STYLE) & MDIS_ALLCHILDSTYLES);
  if (mayShow) SendMessageA(ziMDIClientWindow, WM_SETREDRAW, FALSE, 0);
  handle_ = reinterpret_cast<HWND>(SendMessageA(ziMDIClientWindow, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(mcs)));
  ziSettleOwnClass(handle_, className_);
  if (handle_) ShowWindow(handle_, SW_HIDE);
  if (mayShow) {
    SendMessageA(ziMDIClientWindow, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(ziMDIClientWindow, nullptr, TRUE);
    UpdateWindow(ziMDIClientWindow);
  }
  if (handle_ && zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->add(handle_, this);
}

void zMDIChildFrame::placementFromWindow() {
  ziSizerFromWindow(this);
  inheritParentFont();
}

void zMDIChildFrame::refreshFrameMenus(bool barChanges) {
  SendMessageA(ziMDIClientWindow, WM_MDIREFRESHMENU, 0, 0);
  if (!barChanges) return;
  if (zMenu* parentMenu = menuOf(parent_)) parentMenu->redraw();
}

void zMDIChildFrame::showAgain(int cmd) {
  showWindow(cmd);
  refreshFrameMenus();
}

void zMDIChildFrame::prepareFirstShow() {
  if (sizer_) sizer_->update();
}

void zMDIChildFrame::arrangeFirstShow() {
  // A deriving frame may have changed its title since the window was made.
  if (!handle_) return;
  const int length = GetWindowTextLengthA(handle_);
  std::string shown(static_cast<size_t>(length) + 1, '\0');
  shown.resize(static_cast<size_t>(GetWindowTextA(handle_, &shown[0], length + 1)));
  if (shown != static_cast<const char*>(text_)) setTitle(text_);
}

void zMDIChildFrame::onFirstShown(int cmd) {
  if (cmd != SW_SHOWMINNOACTIVE && cmd != SW_SHOWNOACTIVATE) activate();
  // The refresh changes the window menu's list, not the bar, which is drawn again only
  // where a maximised child puts its buttons into it; merging the child's own menu (posted
  // by the activation) draws the bar itself.
  refreshFrameMenus(IsZoomed(handle_) != FALSE);
}

LRESULT zMDIChildFrame::defProc(zEvent* event) {
  if (!event) return 0;
  if (event->message_ == WM_GETMINMAXINFO) applyMinimumSize(event);
  return DefMDIChildProcA(event->window_, event->message_, event->wParam_, event->lParam_);
}

int zMDIChildFrame::onMDIActivate(zEvent*) { return 0; }

void zMDIChildFrame::activate() {
  SendMessageA(ziMDIClientWindow, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(handle_), 0);
}

void zMDIChildFrame::maximize(int on) {
  SendMessageA(ziMDIClientWindow, on ? WM_MDIMAXIMIZE : WM_MDIRESTORE, reinterpret_cast<WPARAM>(handle_), 0);
}

void zMDIChildFrame::activateNext() { SendMessageA(ziMDIClientWindow, WM_MDINEXT, 0, 0); }

LRESULT zMDIChildFrame::route(zEvent* event) {
  switch (event->message_) {
    case WM_MOVE:
      onMove(event);
      if (sizer_) sizer_->setOrigin(zPoint::fromLParam(static_cast<uint32_t>(event->lParam_)));
      return defProc(event);
    case WM_SIZE:
      // The default child procedure must see every size change (maximising depends on it).
      onSize(event);
      layoutChildren(event);
      return defProc(event);
    case WM_SYSCOLORCHANGE:
      resendSysColorChange(this, event);
      return defProc(event);
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_DESTROY:
      if (dispatchNotify(event)) return 0;
      return defProc(event);
    case WM_NCDESTROY:
      setFlags(zWinGone);
      if (zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->remove(handle_);
      // The object goes only once the frame has handled every message queued before.
      if ((flags_ & zWinSelfDeleting) && zTheProgram && zTheProgram->mainFrame())
        PostMessageA(zTheProgram->mainFrame()->handle(), zMsgDeferredDelete, 0, reinterpret_cast<LPARAM>(this));
      return 0;
    case WM_MDIACTIVATE:
      if (zTheProgram && zTheProgram->mainFrame() &&
          PostMessageA(zTheProgram->mainFrame()->handle(), zMsgMergeMenu, static_cast<WPARAM>(event->lParam_),
                       reinterpret_cast<LPARAM>(this)))
        ++postedMerges;
      return onMDIActivate(event);
    default:
      return ziRouteEvent(this, event);
  }
}
