#include "framework/frames/ziFrameSupport.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/core/zProgram.h"
#include "framework/layout/zSizer.h"

namespace {

// A class that ziRegisterOwnClass gave out, with the description it was registered with.
struct OwnClass {
  std::string name;
  WNDCLASSA description;
  bool inUse;
  bool iconToRestore;
};

std::vector<OwnClass>& ownClasses() {
  static std::vector<OwnClass> classes;
  return classes;
}

// The description without its name: what decides whether a class serves another window.
bool sameDescription(const WNDCLASSA& a, const WNDCLASSA& b) {
  return a.style == b.style && a.lpfnWndProc == b.lpfnWndProc && a.cbClsExtra == b.cbClsExtra &&
         a.cbWndExtra == b.cbWndExtra && a.hInstance == b.hInstance && a.hIcon == b.hIcon && a.hCursor == b.hCursor &&
         a.hbrBackground == b.hbrBackground && a.lpszMenuName == b.lpszMenuName;
}

OwnClass* findOwnClass(const char* name) {
  for (OwnClass& entry : ownClasses())
    if (entry.name == name) return &entry;
  return nullptr;
}

void registerDescription(OwnClass& entry) {
  WNDCLASSA description = entry.description;
  description.lpszClassName = entry.name.c_str();
  RegisterClassA(&description);
  if (zTheProgram) zTheProgram->addRegisteredClass(FLCString(entry.name.c_str()));
}

}  // namespace

void ziRegisterOwnClass(WNDCLASSA* description, FLCString& className) {
  if (!description) return;
  const std::string base = static_cast<const char*>(className);
  WNDCLASSA wanted = *description;
  wanted.lpszClassName = nullptr;
  delete description;
  for (OwnClass& entry : ownClasses()) {
    if (entry.inUse || entry.name.compare(0, base.size(), base) != 0 ||
        !std::all_of(entry.name.begin() + static_cast<std::ptrdiff_t>(base.size()), entry.name.end(),
                     [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    if (!sameDescription(entry.description, wanted)) continue;
    WNDCLASSA now;
    if (!GetClassInfoA(wanted.hInstance, entry.name.c_str(), &now)) {
      // The application unregistered it when it ended: registered afresh, as it was.
      registerDescription(entry);
      entry.iconToRestore = false;
    } else {
      // A class style changed on the class stays with it: such a class serves no other window.
      if (now.style != wanted.style) continue;
      entry.iconToRestore = now.hIcon != wanted.hIcon;
    }
    entry.inUse = true;
    className = entry.name.c_str();
    return;
  }
  static uint32_t serial = 0;
  OwnClass entry{base + std::to_string(++serial), wanted, true, false};
  registerDescription(entry);
  ownClasses().push_back(entry);
  className = ownClasses().back().name.c_str();
}

void ziSettleOwnClass(HWND window, const FLCString& className) {
  OwnClass* entry = findOwnClass(className);
  if (!entry || !entry->iconToRestore || !IsWindow(window)) return;
  entry->iconToRestore = false;
  SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(entry->description.hIcon));
}

void ziReleaseOwnClass(const FLCString& className, HWND window) {
  if (OwnClass* entry = findOwnClass(className)) {
    // A window that outlived its object keeps its class to itself.
    if (IsWindow(window)) return;
    entry->inUse = false;
    entry->iconToRestore = false;
    return;
  }
  UnregisterClassA(className, zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr));
}

bool ziClassRegistered(const char* name) {
  WNDCLASSA wc;
  return GetClassInfoA(zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr), name, &wc) != FALSE;
}

bool ziIsWithin(zWindow* frame, HWND window) {
  return window && (window == frame->handle() || IsChild(frame->handle(), window));
}

namespace {

bool isTabStop(zWindow* child) {
  const HWND h = child->handle();
  return IsWindow(h) && IsWindowEnabled(h) && (GetWindowLongA(h, GWL_STYLE) & WS_TABSTOP);
}

bool isRadio(HWND h) {
  char cls[16] = {0};
  GetClassNameA(h, cls, sizeof cls);
  if (lstrcmpiA(cls, "Button") != 0) return false;
  const LONG kind = GetWindowLongA(h, GWL_STYLE) & 0xF;
  return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

// A radio button the keyboard passes by: an unchecked one of a group where another is
// checked. In a group with none checked (the frame's controls not loaded yet), the
// first one is the group's stop, as in a dialog of the system's.
bool isUncheckedRadio(zWindow* child) {
  const HWND h = child->handle();
  if (!child->hasTypeBit(zTypeRadioButton) && !isRadio(h)) return false;
  if (SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED) return false;
  const HWND parent = GetParent(h);
  HWND other = h;
  for (int guard = 0; guard < 64; ++guard) {
    other = GetNextDlgGroupItem(parent, other, FALSE);
    if (!other || other == h) break;
    if (isRadio(other) && SendMessageA(other, BM_GETCHECK, 0, 0) == BST_CHECKED) return true;
  }
  return false;
}

// The child of the frame that holds the focus (the focus may be on a grandchild).
zWindow* focusedChild(zWindow* frame) {
  HWND focus = GetFocus();
  while (focus && GetParent(focus) != frame->handle()) focus = GetParent(focus);
  if (!focus) return nullptr;
  zWindowDlistIter it(&frame->children());
  while (zWindow* child = it.next()) {
    if (child->handle() == focus) return child;
  }
  return nullptr;
}

}  // namespace

HWND ziFirstTabStop(zWindow* frame) {
  zWindow* first = nullptr;
  zWindowDlistIter it(&frame->children());
  while (zWindow* child = it.next()) {
    if (!first) first = child;
    if (isTabStop(child) && !isUncheckedRadio(child)) return child->handle();
  }
  return first && IsWindow(first->handle()) ? first->handle() : nullptr;
}

bool ziFocusFirstTabStop(zWindow* frame) {
  const HWND target = ziFirstTabStop(frame);
  if (!target) return false;
  SetFocus(target);
  return true;
}

void ziNextDialogControl(zWindow* frame, WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam)) {
    SetFocus(reinterpret_cast<HWND>(wParam));
    return;
  }
  zWindow* current = focusedChild(frame);
  if (!current) return;
  zWindow* target = nullptr;
  zWindowDlistIter it(&frame->children());
  if (wParam == 0) {
    // The next tab stop after the focused child, wrapping to the first of the list.
    bool passed = false;
    zWindow* firstStop = nullptr;
    while (zWindow* child = it.next()) {
      if (child == current) {
        passed = true;
        continue;
      }
      if (!isTabStop(child)) continue;
      if (!firstStop) firstStop = child;
      if (passed) {
        target = child;
        break;
      }
    }
    if (!target) target = firstStop;
  } else {
    // The last tab stop before it; from the first, the last tab stop of the whole list.
    zWindow* before = nullptr;
    zWindow* lastStop = nullptr;
    bool passed = false;
    while (zWindow* child = it.next()) {
      if (child == current) {
        passed = true;
        continue;
      }
      if (!isTabStop(child)) continue;
      if (!passed) before = child;
      lastStop = child;
    }
    target = before ? before : lastStop;
  }
  if (target && IsWindow(target->handle())) SetFocus(target->handle());
}

void ziCloseComboDropDown(zWindow* frame) {
  const HWND focus = GetFocus();
  if (!focus || !IsChild(frame->handle(), focus)) return;
  char cls[21];
  std::memset(cls, 0, sizeof cls);
  GetClassNameA(focus, cls, 20);
  if (std::strcmp(cls, "ComboBox") == 0) {
    SendMessageA(focus, CB_SHOWDROPDOWN, FALSE, 0);
    return;
  }
  if (std::strcmp(cls, "Edit") != 0) return;
  const HWND parent = GetParent(focus);
  if (!parent || parent == frame->handle() || !IsChild(frame->handle(), parent)) return;
  std::memset(cls, 0, sizeof cls);
  GetClassNameA(parent, cls, 20);
  if (std::strcmp(cls, "ComboBox") == 0) SendMessageA(parent, CB_SHOWDROPDOWN, FALSE, 0);
}

bool ziDefaultButtonMessage(zWindow* frame, uint32_t& defaultId, zEvent* event, LRESULT* result) {
  switch (event->message_) {
    case DM_GETDEFID:
      *result = defaultId != zNoDefaultId ? static_cast<LRESULT>(defaultId | 0x534B0000u) : 0;
      return true;
    case DM_SETDEFID:
      defaultId = static_cast<uint32_t>(event->wParam_);
      *result = 1;
      return true;
    case zMsgEditEnter:
      if (event->wParam_ != 0x1000 || event->lParam_ != 0x1000) return false;
      if (defaultId == zNoDefaultId) {
        SendMessageA(frame->handle(), WM_COMMAND, IDOK, 0);
      } else {
        zWindow* button = frame->childById(static_cast<int32_t>(defaultId));
        SendMessageA(frame->handle(), WM_COMMAND, LOWORD(defaultId),
                     reinterpret_cast<LPARAM>(button ? button->handle() : nullptr));
      }
      *result = frame->defProc(event);
      return true;
    default:
      return false;
  }
}

void ziAddNonClientSize(uint32_t style, uint32_t exStyle, bool hasMenu, int32_t* width, int32_t* height) {
  // The system's own measure of the frame: a sum of metrics misses borders that a style
  // has or counts ones it lacks, and the template's controls would then be cut off.
  RECT r = {0, 0, *width, *height};
  AdjustWindowRectEx(&r, style, hasMenu ? TRUE : FALSE, exStyle);
  *width = r.right - r.left;
  *height = r.bottom - r.top;
}

uint32_t ziDialogBackground() {
  return LOBYTE(LOWORD(GetVersion())) < 4 ? GetSysColor(COLOR_WINDOW) : GetSysColor(COLOR_BTNFACE);
}

void ziSizerFromWindow(zWindow* window) {
  zSizer* sizer = window->sizer();
  if (!IsWindow(window->handle()) || !sizer) return;
  RECT r;
  GetWindowRect(window->handle(), &r);
  zPoint origin(r.left, r.top);
  zWindow* parent = window->parent();
  if (parent && !(window->style() & WS_POPUP) && IsWindow(parent->handle())) {
    RECT p;
    GetWindowRect(parent->handle(), &p);
    origin = zPoint(r.left - p.left, r.top - p.top);
  }
  sizer->setOrigin(origin);
  sizer->setExtent(zDimension(r.right - r.left, r.bottom - r.top));
}
