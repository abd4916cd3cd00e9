#include "framework/controls/zControl.h"

#include <vector>

#include "framework/controls/zControlReport.h"
#include "framework/core/zPopupMenu.h"
#include "framework/core/zProgram.h"
#include "framework/core/zScrollInfo.h"
#include "framework/core/zSystemEntry.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zSuperClass.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"

HBRUSH ziControlBackgroundBrush = nullptr;

namespace {

ziWindowMap* windowMap() { return zTheProgram ? zTheProgram->windowMap() : nullptr; }

uint32_t packSize(int32_t width, int32_t height) {
  return (static_cast<uint32_t>(width) & 0xFFFFu) | (static_cast<uint32_t>(height) & 0xFFFFu) << 16;
}

// WM_CTLCOLOREDIT and WM_CTLCOLORLISTBOX that a control receives for its own children.
LRESULT childColors(zControl* control, zEvent* event) {
  const HDC dc = reinterpret_cast<HDC>(event->wParam_);
  uint32_t child = control->childColor();
  const uint32_t text = control->textColor().colorRef();
  if (child != zBackDefault) {
    if (child == zBackParent) child = control->parent() ? control->parent()->backColor() : GetSysColor(COLOR_WINDOW);
    if (child == zBackDefault || child == zBackParent) child = GetSysColor(COLOR_WINDOW);
    SetTextColor(dc, text);
    SetBkColor(dc, child);
    if (ziControlBackgroundBrush) DeleteObject(ziControlBackgroundBrush);
    ziControlBackgroundBrush = CreateSolidBrush(child);
    return reinterpret_cast<LRESULT>(ziControlBackgroundBrush);
  }
  SetTextColor(dc, text);
  if (!control->backgroundBrush()) control->setBackgroundColor(zColor::fromColorRef(GetBkColor(dc) & 0xFFFFFFu));
  SetBkColor(dc, control->backColor());
  return reinterpret_cast<LRESULT>(control->backgroundBrush());
}

// Handlers first: with the group's handler bit set, the general list may take the event.
bool handlersTake(zControl* control, uint32_t bit, zEvent* event) {
  return (control->handlerFlags() & bit) && control->dispatchNotify(event);
}

}  // namespace

static LRESULT zControlProcBody(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  ziWindowMap* map = windowMap();
  zWindow* window = map ? map->find(handle) : nullptr;
  // A window the map no longer knows (its object is being taken apart) gets the system's
  // default processing rather than none.
  if (!window || !window->hasTypeBit(zTypeControl)) return DefWindowProcA(handle, message, wParam, lParam);
  zControl* control = static_cast<zControl*>(window);
  zEvent event(lParam, wParam, message, handle);
  LRESULT result = 0;
  switch (message) {
    case WM_DESTROY:
      break;
    case WM_MOVE:
      result = control->onMove(&event);
      if (control->sizer()) control->sizer()->setOrigin(event.point());
      break;
    case WM_SIZE:
      if (control->hasTypeBit(zTypeListBoxBase) && wParam == 0 && lParam == 0) {
        RECT client = {0, 0, 0, 0};
        GetClientRect(handle, &client);
        event.lParam_ = static_cast<LPARAM>(packSize(client.right, client.bottom));
      }
      result = control->onSize(&event);
      control->layoutChildren(&event);
      InvalidateRect(handle, nullptr, TRUE);
      break;
    case WM_ACTIVATE:
      if (handlersTake(control, zHandlesActivate, &event)) return 1;
      result = control->onActivate(&event);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (handlersTake(control, zHandlesFocus, &event)) return 1;
      result = control->onFocus(&event);
      break;
    case WM_CLOSE:
      if (handlersTake(control, zHandlesClose, &event)) return 1;
      result = control->onClose(&event);
      break;
    case WM_ERASEBKGND:
      result = control->onEraseBackground(&event);
      break;
    case WM_SYSCOLORCHANGE: {
      zWindowDlistIter it(&control->children());
      while (zWindow* child = it.next()) SendMessageA(child->handle(), WM_SYSCOLORCHANGE, wParam, lParam);
      if (lstrcmpiA(control->className(), "button") == 0 || lstrcmpiA(control->className(), "static") == 0)
        control->setBackgroundColor(zColor::fromColorRef(GetSysColor(COLOR_BTNFACE)));
      InvalidateRect(handle, nullptr, TRUE);
      result = 0;
      break;
    }
    case WM_NCDESTROY: {
      // The class's procedure is put back and gets the message after the object let go
      // of the window; a self-deleting object is gone by then.
      const WNDPROC saved = control->classProcedure();
      if (saved) SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
      ziNcDestroy(control);
      return saved ? CallWindowProcA(saved, handle, message, wParam, lParam)
                   : DefWindowProcA(handle, message, wParam, lParam);
    }
    case WM_CHAR:
    case WM_SYSCHAR:
      result = control->onChar(&event);
      if (result == 0) result = control->dispatchNotify(&event);
      break;
    case WM_COMMAND:
      result = control->dispatchNotify2(&event);
      if (result == 0) result = control->onCommand(&event);
      break;
    case WM_INITMENU:
    case WM_MENUSELECT:
      if (ziTrackedPopupMenu && ziTrackedPopupMenu->dispatch(&event)) return 1;
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return childColors(control, &event);
    case WM_MOUSEMOVE:
      if (control->cursor().handle()) SetCursor(control->cursor().handle());
      if (handlersTake(control, zHandlesMouseMove, &event)) return 1;
      result = control->onMouseMove(&event);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      if (handlersTake(control, zHandlesButtonDown, &event)) return 1;
      result = control->onMouseButtonDown(&event);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      if (handlersTake(control, zHandlesButtonUp, &event)) return 1;
      result = control->onMouseButtonUp(&event);
      break;
    case zMsgScrollRange:
      if (control->hasTypeBit(zTypeScrollBarBase)) {
        int low = LOWORD(lParam);
        int high = HIWORD(lParam);
        if (low == high) low = high = 0;
        SetScrollRange(handle, static_cast<int>(wParam), low, high, TRUE);
        return 1;
      }
      break;
    default:
      result = control->dispatchNotify(&event);
      break;
  }
  if (result == 0) result = control->defProc(&event);
  return result;
}

LRESULT CALLBACK zControlProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return ziFromSystem("zControlProc", [&] { return zControlProcBody(handle, message, wParam, lParam); });
}

// ---------------------------------------------------------------- construction

namespace {
// The style that the next control constructed keeps (see zTemplateStyle).
bool pendingTemplateStyle = false;
uint32_t pendingStyle = 0;
}  // namespace

zTemplateStyle::zTemplateStyle(uint32_t style) {
  pendingTemplateStyle = true;
  pendingStyle = style;
}

zTemplateStyle::~zTemplateStyle() { pendingTemplateStyle = false; }

void zControl::initControl() {
  setTypeBit(zTypeControl);
  templateStyle_ = 0;
  keepsStyle_ = false;
  textColor_ = zColor::fromColorRef(GetSysColor(COLOR_BTNTEXT));
  adopted_ = nullptr;
  brush_ = nullptr;
  savedProc_ = nullptr;
  kind_ = zKindPlain;
  backColor_ = zBackDefault;
}

zControl::zControl(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id,
                   const char* windowsClass)
    : zChildWin(parent, sizer, 0, id) {
  initControl();
  // The window base adds clipping bits to every window; a control has only the styles it
  // is given (WS_TABSTOP alone for none) and WS_CHILD.
  style_ = WS_CHILD | (style != 0 ? style : WS_TABSTOP);
  if (pendingTemplateStyle) {
    pendingTemplateStyle = false;
    keepsStyle_ = true;
    templateStyle_ = WS_CHILD | pendingStyle;
  }
  text_ = text ? text : "";
  className_ = windowsClass ? windowsClass : "CtrlWindowCL";
}

zControl::zControl(zWindow* parent, int32_t id) : zChildWin(parent) {
  initControl();
  style_ = WS_CHILD;
  id_ = id;
  takeOver(id);
}

void zControl::takeOver(int32_t id) {
  if (!parent_) {
    zReportControlFault("control %d taken over without a parent window", static_cast<int>(id));
    return;
  }
  zWindow* placeholder = nullptr;
  {
    zWindowDlistIter it(&parent_->children());
    while (zWindow* child = it.next()) {
      if (child != this && child->id() == id) {
        placeholder = child;
        break;
      }
    }
  }
  if (placeholder) {
    takeOverPlaceholder(placeholder);
    return;
  }
  const HWND native = IsWindow(parent_->handle()) ? GetDlgItem(parent_->handle(), id) : nullptr;
  if (native) {
    takeOverNative(native);
    return;
  }
  zReportControlFault("no control %d in the window to take over", static_cast<int>(id));
}

void zControl::takeOverPlaceholder(zWindow* placeholder) {
  const bool isControl = placeholder->hasTypeBit(zTypeControl);
  zControl* control = isControl ? static_cast<zControl*>(placeholder) : nullptr;
  if (control && control->kind_ == zKindNoTakeover) return;

  // This object takes the placeholder's place among the parent's children.
  std::vector<zWindow*> order;
  {
    zWindowDlistIter it(&parent_->children());
    while (zWindow* child = it.next()) {
      if (child != this) order.push_back(child == placeholder ? this : child);
    }
  }
  while (parent_->children().removeFirst()) {}
  for (zWindow* child : order) parent_->children().append(child);

  handle_ = placeholder->handle();
  id_ = placeholder->id();
  style_ = placeholder->style();
  exStyle_ = placeholder->exStyle();
  className_ = placeholder->className();
  cursor_ = placeholder->cursor();
  text_ = placeholder->text();
  backColor_ = placeholder->backColor();
  if (sizer_ && placeholder->sizer()) {
    sizer_->setOrigin(placeholder->sizer()->origin());
    sizer_->setExtent(placeholder->sizer()->extent());
  }
  if (control) {
    textColor_ = control->textColor_;
    savedProc_ = control->savedProc_;
    brush_ = control->brush_;
    control->brush_ = nullptr;
    vertScroll_ = control->vertScroll_;
    horzScroll_ = control->horzScroll_;
    control->vertScroll_ = nullptr;
    control->horzScroll_ = nullptr;
    if (vertScroll_) vertScroll_->setOwner(this);
    if (horzScroll_) horzScroll_->setOwner(this);
    control->handle_ = nullptr;
    control->parent_ = nullptr;
  }
  if (handle_ && IsWindow(handle_) && windowMap()) windowMap()->add(handle_, this);
  if (handle_ && !savedProc_) attachNative();
  placeholder->setFlags(zWinGone);
  if (control && control->kind_ == zKindGeneric) {
    // A generic placeholder stays with the control that adopted it.
    setSelfDeleting();
    adopted_ = placeholder;
  } else {
    if (control) kind_ = control->kind_;
    if (!control) parent_->removeChild(placeholder);
    delete placeholder;
  }
}

void zControl::takeOverNative(HWND native) {
  handle_ = native;
  style_ = static_cast<uint32_t>(GetWindowLongPtrA(native, GWL_STYLE));
  exStyle_ = static_cast<uint32_t>(GetWindowLongPtrA(native, GWL_EXSTYLE));
  char name[64] = "";
  GetClassNameA(native, name, sizeof name);
  className_ = name;
  const int length = GetWindowTextLengthA(native);
  std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(native, text.data(), length + 1);
  text_ = text.data();
  RECT r;
  GetWindowRect(native, &r);
  MapWindowPoints(nullptr, parent_->handle(), reinterpret_cast<POINT*>(&r), 2);
  if (sizer_) {
    sizer_->setOrigin(zPoint(r.left, r.top));
    sizer_->setExtent(zDimension(r.right - r.left, r.bottom - r.top));
  }
  if (IsWindowVisible(native)) setFlags(zWinShown);
  attachNative();
}

void zControl::attachNative() {
  if (!handle_) return;
  if (windowMap()) windowMap()->add(handle_, this);
  const LONG_PTR current = GetWindowLongPtrA(handle_, GWLP_WNDPROC);
  if (current == reinterpret_cast<LONG_PTR>(&zControlProc)) return;
  savedProc_ =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&zControlProc)));
}

zControl::~zControl() {
  if (adopted_) {
    adopted_->setFlags(zWinGone);
    delete adopted_;
    adopted_ = nullptr;
  }
  if (brush_) DeleteObject(brush_);
  brush_ = nullptr;
  if (handle_ && windowMap()) {
    zWindow* other = windowMap()->find(handle_);
    if (other && other != this) {
      windowMap()->remove(handle_);
      other->setFlags(zWinGone);
      delete other;
    }
  }
  // The window goes with the base destructor; its WM_NCDESTROY must reach the class's
  // own procedure, which the control procedure can no longer find through the map.
  if (handle_ && savedProc_ && !(flags_ & zWinGone) && IsWindow(handle_))
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc_));
}

// ---------------------------------------------------------------- creation and showing

WNDCLASSA* zControl::classInfo() { return nullptr; }

void zControl::create() {
  if (keepsStyle_)
    style_ = templateStyle_;
  else
    style_ &= ~static_cast<uint32_t>(WS_CLIPSIBLINGS);
  createNative(parent_ ? parent_->handle() : nullptr,
               reinterpret_cast<HMENU>(static_cast<uintptr_t>(static_cast<uint16_t>(id_))), text_);
  if (handle_) {
    savedProc_ =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&zControlProc)));
  } else {
    zReportControlFault("CreateWindowEx of class \"%s\" for control %d failed (error %lu)",
                        static_cast<const char*>(className_), static_cast<int>(id_),
                        static_cast<unsigned long>(GetLastError()));
    return;
  }
  if (font_.isValid())
    setFont(font_, 0);
  else
    inheritParentFont();
}

void zControl::arrangeFirstShow() {
  if (parent_ && sizer_) {
    RECT client = {0, 0, 0, 0};
    if (IsWindow(parent_->handle())) GetClientRect(parent_->handle(), &client);
    sizer_->parentSized(this, packSize(client.right - client.left, client.bottom - client.top));
  }
  if (parent_ && parent_->sizer() && (parent_->flags() & zWinShown))
    parent_->sizer()->update();
  else if (sizer_)
    sizer_->update();
}

LRESULT zControl::defProc(zEvent* event) {
  if (!event) return 0;
  if (savedProc_) return CallWindowProcA(savedProc_, event->window_, event->message_, event->wParam_, event->lParam_);
  return DefWindowProcA(event->window_, event->message_, event->wParam_, event->lParam_);
}

uint32_t zControl::setBackgroundColor(const zColor& color) {
  backColor_ = color.colorRef();
  if (brush_) DeleteObject(brush_);
  brush_ = CreateSolidBrush(backColor_);
  return backColor_;
}

// ---------------------------------------------------------------- text and notifications

FLCString zControl::text() const {
  if (!handle_ || !IsWindow(handle_)) return text_;
  const int length = GetWindowTextLengthA(handle_);
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(handle_, buffer.data(), length + 1);
  return FLCString(buffer.data());
}

void zControl::setText(const char* text) {
  text_ = text ? text : "";
  if (handle_) SetWindowTextA(handle_, text_);
}

void zControl::notifyParent(uint32_t code) {
  if (!parent_ || !handle_) return;
  PostMessageA(parent_->handle(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id_), static_cast<WORD>(code)),
               reinterpret_cast<LPARAM>(handle_));
}

void zControl::addCtrlNotify(const zEventHandler& handler, uint32_t code) {
  if (!parent_) return;
  parent_->appendCommandNode(
      new zCtrlNotifyNode(static_cast<uint32_t>(id_) & 0xFFFFu, handle_, code & 0xFFFFu, handler));
}

bool zControl::removeCtrlNotify(const zEventHandler& handler, uint32_t code) {
  if (!parent_ || !parent_->commandList()) return false;
  const zEvent event(reinterpret_cast<LPARAM>(handle_), MAKEWPARAM(static_cast<WORD>(id_), static_cast<WORD>(code)),
                     WM_COMMAND, parent_->handle());
  return parent_->commandList()->removeFirst(event, handler);
}

// ---------------------------------------------------------------- generic controls

zGenericControl::zGenericControl(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id,
                                 const char* className, HMODULE module)
    : zControl(parent, sizer, style, text, id, className), superClass_(nullptr), module_(module) {
  kind_ = zKindGeneric;
  create();
}

zGenericControl::zGenericControl(zWindow* parent, int32_t id)
    : zControl(parent, id), superClass_(nullptr), module_(nullptr) {
  const char* name = className_;
  if (className_.length() > 4) superClass_ = zSuperClassSlist::find(FLCString(name + 4));
}

zGenericControl::~zGenericControl() {
  clearFlags(zWinSelfDeleting);
  while (void* child = children_.removeFirst()) delete static_cast<zWindow*>(child);
  if (!(flags_ & zWinGone) && handle_) {
    setFlags(zWinGone);
    if (savedProc_ && IsWindow(handle_))
      SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc_));
    if (IsWindow(handle_)) DestroyWindow(handle_);
    if (windowMap() && windowMap()->find(handle_) == this) windowMap()->remove(handle_);
  }
}

void zGenericControl::create() {
  superClass_ = zSuperClassSlist::find(className_);
  if (!superClass_) {
    zReportControlFault("no superclass \"%s\" registered for control %d", static_cast<const char*>(className_),
                        static_cast<int>(id_));
    return;
  }
  className_ = superClass_->name();
  style_ &= ~static_cast<uint32_t>(WS_CLIPSIBLINGS);
  const int32_t x = sizer_ ? sizer_->origin().x() : 0;
  const int32_t y = sizer_ ? sizer_->origin().y() : 0;
  const int32_t w = sizer_ ? sizer_->width() : 0;
  const int32_t h = sizer_ ? sizer_->height() : 0;
  const HINSTANCE instance = module_ ? module_ : (zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr));
  handle_ =
      CreateWindowExA(exStyle_, className_, text_, style_, x, y, w, h, parent_ ? parent_->handle() : nullptr,
                      reinterpret_cast<HMENU>(static_cast<uintptr_t>(static_cast<uint16_t>(id_))), instance, nullptr);
  if (!handle_) {
    zReportControlFault("CreateWindowEx of class \"%s\" for control %d failed (error %lu)",
                        static_cast<const char*>(className_), static_cast<int>(id_),
                        static_cast<unsigned long>(GetLastError()));
    return;
  }
  if (windowMap()) windowMap()->add(handle_, this);
  // The program's procedure for the class takes the window's messages first.
  if (superClass_->procedure())
    savedProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(superClass_->procedure())));
  inheritParentFont();
}

LRESULT zGenericControl::defProc(zEvent* event) {
  if (!event) return 0;
  if (superClass_ && superClass_->classProcedure())
    return CallWindowProcA(superClass_->classProcedure(), event->window_, event->message_, event->wParam_,
                           event->lParam_);
  return DefWindowProcA(event->window_, event->message_, event->wParam_, event->lParam_);
}

void zReleaseControlBrush() {
  if (ziControlBackgroundBrush) {
    DeleteObject(ziControlBackgroundBrush);
    ziControlBackgroundBrush = nullptr;
  }
}
