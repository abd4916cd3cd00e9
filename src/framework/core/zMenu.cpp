#include "framework/core/zMenu.h"

#include "framework/core/zProgram.h"
#include "framework/core/zResId.h"
#include "framework/core/zWindow.h"

namespace {

void loadMenu(HMODULE module, LPCSTR name, void* out) { *static_cast<HMENU*>(out) = LoadMenuA(module, name); }

UINT_PTR idParam(uint32_t id) { return static_cast<UINT_PTR>(id); }

// The answer of EnableMenuItem and CheckMenuItem: -1 (0xFFFFFFFF) when there is no item.
int itemExists(DWORD previous) { return previous == 0xFFFFFFFFu ? 0 : 1; }

// A menu selection carries the item's id in the low word of wParam and its flags (or
// 0xFFFF when the menu closes) in the high word: a range of ids is matched on the low word.
class ziMenuSelectNode : public zNotifyNode {
 public:
  ziMenuSelectNode(uint32_t first, uint32_t last, const zEventHandler& handler)
      : zNotifyNode(first, last, handler, WM_MENUSELECT) {}
  bool matches(const zEvent* event) const override {
    if (event->message_ != WM_MENUSELECT) return false;
    const uint32_t id = LOWORD(event->wParam_);
    return lowId() <= id && id <= highId();
  }
};

}  // namespace

HMENU zMenu::load(const zResId& id) {
  HMENU menu = nullptr;
  zLoadFromResourceModule(id, &loadMenu, &menu);
  return menu;
}

zMenu::zMenu() : owner_(nullptr), handle_(CreatePopupMenu()) {
  setTypeBit(zTypeMenu);
  addHandlerBits(zMenuHandlerBit);
}

zMenu::zMenu(zWindow* owner) : owner_(owner), handle_(nullptr) {
  setTypeBit(zTypeMenu);
  addHandlerBits(zMenuHandlerBit);
  if (!owner_) return;
  handle_ = CreateMenu();
  if (IsWindow(owner_->handle())) SetMenu(owner_->handle(), handle_);
  announceToMainFrame();
}

zMenu::zMenu(zWindow* owner, const zResId& id) : owner_(owner), handle_(load(id)) {
  setTypeBit(zTypeMenu);
  addHandlerBits(zMenuHandlerBit);
  if (!owner_ || !handle_) return;
  if (IsWindow(owner_->handle())) SetMenu(owner_->handle(), handle_);
  announceToMainFrame();
}

zMenu::zMenu(const zResId& id) : owner_(nullptr), handle_(load(id)) {
  setTypeBit(zTypeMenu);
  addHandlerBits(zMenuHandlerBit);
}

zMenu::~zMenu() {
  if (!handle_) return;
  if (owner_ && !(owner_->flags() & zWinGone) && IsWindow(owner_->handle()) && GetMenu(owner_->handle()) == handle_)
    SetMenu(owner_->handle(), nullptr);
  DestroyMenu(handle_);
}

void zMenu::attach(zWindow* owner) {
  owner_ = owner;
  if (!owner_ || !handle_) return;
  if (IsWindow(owner_->handle())) SetMenu(owner_->handle(), handle_);
  announceToMainFrame();
}

void zMenu::announceToMainFrame() {
  zWindow* frame = zTheProgram ? zTheProgram->mainFrame() : nullptr;
  if (!frame || frame == owner_ || !IsWindow(frame->handle()) || !owner_->handle()) return;
  const HWND client = FindWindowExA(frame->handle(), nullptr, "MDICLIENT", nullptr);
  if (!client) return;
  const HWND active = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
  if (active && active == owner_->handle())
    PostMessageA(frame->handle(), zMsgChildMenu, 1, reinterpret_cast<LPARAM>(owner_->handle()));
}

void zMenu::redraw() {
  if (owner_ && IsWindow(owner_->handle())) DrawMenuBar(owner_->handle());
}

// ---------------------------------------------------------------- items

BOOL zMenu::appendItem(uint32_t id, const char* text, uint32_t flags) {
  return handle_ ? AppendMenuA(handle_, flags, idParam(id), text) : FALSE;
}

BOOL zMenu::appendBitmap(uint32_t id, HBITMAP bitmap) {
  return handle_ ? AppendMenuA(handle_, MF_BITMAP, idParam(id), reinterpret_cast<LPCSTR>(bitmap)) : FALSE;
}

BOOL zMenu::appendSeparator() { return handle_ ? AppendMenuA(handle_, MF_SEPARATOR, 0, nullptr) : FALSE; }

BOOL zMenu::appendAfterSeparator(uint32_t id, const char* text) {
  appendSeparator();
  return appendString(id, text);
}

BOOL zMenu::appendPopup(zMenu* submenu, const char* text) {
  if (!handle_ || !submenu) return FALSE;
  return AppendMenuA(handle_, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu->handle()), text);
}

BOOL zMenu::appendPopupBitmap(zMenu* submenu, HBITMAP bitmap) {
  if (!handle_ || !submenu) return FALSE;
  return AppendMenuA(handle_, MF_POPUP | MF_BITMAP, reinterpret_cast<UINT_PTR>(submenu->handle()),
                     reinterpret_cast<LPCSTR>(bitmap));
}

BOOL zMenu::insertBitmap(uint32_t id, uint32_t position, HBITMAP bitmap) {
  return handle_
             ? InsertMenuA(handle_, position, MF_BYPOSITION | MF_BITMAP, idParam(id), reinterpret_cast<LPCSTR>(bitmap))
             : FALSE;
}

BOOL zMenu::insertPopupBitmap(zMenu* submenu, HBITMAP bitmap, uint32_t position) {
  if (!handle_ || !submenu) return FALSE;
  return InsertMenuA(handle_, position, MF_BYPOSITION | MF_POPUP | MF_BITMAP,
                     reinterpret_cast<UINT_PTR>(submenu->handle()), reinterpret_cast<LPCSTR>(bitmap));
}

BOOL zMenu::insertItem(uint32_t id, uint32_t position, const char* text, uint32_t flags) {
  return handle_ ? InsertMenuA(handle_, position, flags | MF_BYPOSITION, idParam(id), text) : FALSE;
}

BOOL zMenu::insertPopup(zMenu* submenu, const char* text, uint32_t position) {
  if (!handle_ || !submenu) return FALSE;
  return InsertMenuA(handle_, position, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu->handle()), text);
}

BOOL zMenu::deleteItem(uint32_t id) { return handle_ ? DeleteMenu(handle_, id, MF_BYCOMMAND) : FALSE; }

BOOL zMenu::deleteAt(uint32_t position) { return handle_ ? DeleteMenu(handle_, position, MF_BYPOSITION) : FALSE; }

int zMenu::grayItem(uint32_t id, int gray) {
  if (!handle_) return 0;
  return itemExists(static_cast<DWORD>(EnableMenuItem(handle_, id, MF_BYCOMMAND | (gray ? MF_GRAYED : MF_ENABLED))));
}

int zMenu::setItemEnabled(uint32_t id, int enabled) {
  if (!handle_) return 0;
  return itemExists(
      static_cast<DWORD>(EnableMenuItem(handle_, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_DISABLED))));
}

int zMenu::checkItem(uint32_t id, int checked) {
  if (!handle_) return 0;
  return itemExists(CheckMenuItem(handle_, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)));
}

// ---------------------------------------------------------------- handlers

void zMenu::setCommand(const zEventHandler& handler, uint32_t id) {
  addNotifyNode(owner_, new zNotifyNode(id, handler, WM_COMMAND));
}

void zMenu::setCommandRange(const zEventHandler& handler, uint32_t first, uint32_t last) {
  addNotifyNode(owner_, new zNotifyNode(first, last, handler, WM_COMMAND));
}

void zMenu::setCommandAny(const zEventHandler& handler) {
  addNotifyNode(owner_, new zNotifyNode(handler, WM_COMMAND, nullptr));
}

void zMenu::removeCommandHandler(const zEventHandler& handler) { removeCommand(handler, WM_COMMAND); }

void zMenu::setSelectHandler(const zEventHandler& handler, uint32_t first, uint32_t last) {
  addNotifyNode(owner_, new ziMenuSelectNode(first, last, handler));
}

void zMenu::setInitHandler(const zEventHandler& handler) {
  addNotifyNode(owner_, new zNotifyNode(handler, WM_INITMENU, nullptr));
}

void zMenu::removeSelectHandler(const zEventHandler& handler) { removeCommand(handler, WM_MENUSELECT); }

void zMenu::removeInitHandler(const zEventHandler& handler) { removeCommand(handler, WM_INITMENU); }

// ---------------------------------------------------------------- system menu

zSystemMenu::zSystemMenu(zWindow* window) : zMenu() {
  setTypeBit(14);
  // The empty popup made by the base is not the system menu.
  if (handle_) DestroyMenu(handle_);
  owner_ = window;
  handle_ = window && IsWindow(window->handle()) ? GetSystemMenu(window->handle(), FALSE) : nullptr;
}

zSystemMenu::~zSystemMenu() {
  // The system menu belongs to the window.
  handle_ = nullptr;
}
