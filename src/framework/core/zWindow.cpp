#include "framework/core/zWindow.h"

#include <string>

#include "framework/core/zChildWin.h"
#include "framework/core/zProgram.h"
#include "framework/core/zResources.h"
#include "framework/core/zScrollInfo.h"
#include "framework/core/zScrollerBase.h"
#include "framework/layout/zSizer.h"
#include "framework/core/ziWindowMap.h"

zWindowDlist::~zWindowDlist() {
  while (zPlist::removeFirst()) {}
}

zPlink* zWindowDlist::findWindowById(zWindow* window, int32_t id) {
  if (!window) return nullptr;
  zPlist& list = window->children();
  for (zLink* link = list.next_; link != &list; link = link->next_) {
    zPlink* plink = static_cast<zPlink*>(link);
    if (!plink->removed_ && plink->item_ && static_cast<zWindow*>(plink->item_)->id() == id) return plink;
  }
  return nullptr;
}

// ---------------------------------------------------------------- construction

void zWindow::initDefaults(uint32_t style) {
  setTypeBit(zTypeWindow);
  flags_ = 0;
  id_ = 0;
  handlerFlags_ = 0;
  sizer_ = nullptr;
  style_ = style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  exStyle_ = 0;
  className_ = "WindowCL";
  backColor_ = 0;
  classStyle_ = 0;
  vertScroll_ = nullptr;
  horzScroll_ = nullptr;
  notifyList_ = nullptr;
  commandList_ = nullptr;
  parent_ = nullptr;
  scroller_ = nullptr;
  handle_ = nullptr;
  fontObject_ = nullptr;
}

zWindow* zWindow::lastFocused_ = nullptr;

zWindow::zWindow(zSizer* sizer, uint32_t style) {
  initDefaults(style);
  sizer_ = sizer ? sizer : new zSizer(nullptr);
  sizer_->setWindow(this);
}

zWindow::zWindow(zWindow* parent, zSizer* sizer, uint32_t style) : zWindow(sizer, style) {
  parent_ = parent;
  // A sizer made here goes under the parent window's sizer; a given one was constructed
  // under the parent sizer its caller chose.
  if (!sizer && parent && parent->sizer_ && !sizer_->parent()) parent->sizer_->addChild(sizer_);
}

zWindow::zWindow(zWindow* parent) {
  initDefaults(0);
  parent_ = parent;
  sizer_ = new zSizer(nullptr);
  if (parent && parent->sizer_ && !sizer_->parent()) parent->sizer_->addChild(sizer_);
  sizer_->setWindow(this);
}

zWindow::zWindow() { initDefaults(0); }

zWindow::~zWindow() {
  // The WM_NCDESTROY caused below must not delete the object a second time.
  clearFlags(zWinSelfDeleting);
  // The messages of the DestroyWindow below reach an object whose derived parts are gone.
  setFlags(zWinDestroying);
  if (parent_) parent_->removeChild(this);
  while (void* child = children_.removeFirst()) delete static_cast<zWindow*>(child);
  if (!(flags_ & zWinGone) && handle_ && IsWindow(handle_)) DestroyWindow(handle_);
  if (zTheProgram) {
    // The handle may already belong to a newer window when this one's went earlier.
    if (handle_ && zTheProgram->windowMap() && zTheProgram->windowMap()->find(handle_) == this)
      zTheProgram->windowMap()->remove(handle_);
    if (zTheProgram->mainFrame() == this) zTheProgram->setMainFrame(nullptr);
  }
  delete vertScroll_;
  delete horzScroll_;
  if (sizer_) {
    sizer_->setWindow(nullptr);
    delete sizer_;
  }
  delete notifyList_;
  delete commandList_;
  if (flags_ & zWinOwnsFontObject) delete fontObject_;
  forgetLastFocused(this);
}

void zWindow::takePlaceOf(zWindow* from) {
  if (!from || from == this) return;
  if (parent_ && from->parent_ == parent_) {
    parent_->children().remove(this);
    zPlink* link = nullptr;
    for (zLink* l = parent_->children().next_; l != &parent_->children(); l = l->next_) {
      if (static_cast<zPlink*>(l)->item_ == from && !static_cast<zPlink*>(l)->removed_) {
        link = static_cast<zPlink*>(l);
        break;
      }
    }
    if (link)
      link->item_ = this;
    else
      parent_->children().append(this);
  } else if (from->parent_) {
    from->parent_->removeChild(from);
  }
  from->parent_ = nullptr;
  handle_ = from->handle_;
  from->handle_ = nullptr;
  id_ = from->id_;
  text_ = from->text_;
  style_ = from->style_;
  exStyle_ = from->exStyle_;
  className_ = from->className_;
  cursor_ = from->cursor_;
  backColor_ = from->backColor_;
  delete vertScroll_;
  delete horzScroll_;
  vertScroll_ = from->vertScroll_;
  horzScroll_ = from->horzScroll_;
  from->vertScroll_ = nullptr;
  from->horzScroll_ = nullptr;
  if (vertScroll_) vertScroll_->setOwner(this);
  if (horzScroll_) horzScroll_->setOwner(this);
  scroller_ = from->scroller_;
  from->scroller_ = nullptr;
  if (scroller_) scroller_->setWindow(this);
  font_ = from->font_;
  from->font_ = zRCFont();
  if (flags_ & zWinOwnsFontObject) delete fontObject_;
  fontObject_ = from->fontObject_;
  clearFlags(zWinOwnsFontObject);
  if (from->flags_ & zWinOwnsFontObject) setFlags(zWinOwnsFontObject);
  from->fontObject_ = nullptr;
  from->clearFlags(zWinOwnsFontObject);
  if (from->flags_ & zWinShown) setFlags(zWinShown);
  from->setFlags(zWinGone);
  from->clearFlags(zWinSelfDeleting);
}

// ---------------------------------------------------------------- window classes

WNDCLASSA* zWindow::classInfo() {
  WNDCLASSA* wc = new WNDCLASSA();
  wc->style = CS_DBLCLKS;
  wc->lpfnWndProc = DefWindowProcA;
  wc->cbClsExtra = 0;
  wc->cbWndExtra = 12;
  wc->hInstance = zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr);
  wc->hIcon = zApplicationIcon();
  wc->hCursor = nullptr;
  wc->hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_APPWORKSPACE + 1));
  wc->lpszMenuName = nullptr;
  wc->lpszClassName = nullptr;
  return wc;
}

namespace {
// The visual controls share one class, registered once per process.
bool visualCtrlRegistered = false;
}  // namespace

namespace {
// Whether the program has a class of this name already. The lookup stays in the process,
// where a RegisterClass that fails for an existing class costs a request to the window
// server each time a window of a shared class is made.
bool programClassExists(HINSTANCE instance, const char* name) {
  WNDCLASSA known;
  return GetClassInfoA(instance, name, &known) && known.hInstance == instance;
}
}  // namespace

void zWindow::registerWindowClass(bool visualCtrlOnce) {
  WNDCLASSA* wc = classInfo();
  if (!wc) return;
  if (classStyle_ != 0) {
    // A class of the window's own, named by the object's address.
    wc->style = classStyle_;
    className_ = std::to_string(reinterpret_cast<uintptr_t>(this)).c_str();
  }
  wc->lpszClassName = className_;
  bool skip = false;
  if (visualCtrlOnce && className_.compareTo("VisualCtrl") == 0) {
    skip = visualCtrlRegistered;
    visualCtrlRegistered = true;
  }
  if (!skip) {
    // A class that is already registered keeps its first registration; its name is
    // recorded all the same and unregistered at the end.
    if (!programClassExists(wc->hInstance, className_)) RegisterClassA(wc);
    if (zTheProgram) zTheProgram->addRegisteredClass(className_);
  }
  delete wc;
}

void zWindow::createNative(HWND parentHandle, HMENU menuOrId, const char* title) {
  const int32_t x = sizer_ ? sizer_->origin().x() : CW_USEDEFAULT;
  const int32_t y = sizer_ ? sizer_->origin().y() : CW_USEDEFAULT;
  const int32_t w = sizer_ ? sizer_->width() : CW_USEDEFAULT;
  const int32_t h = sizer_ ? sizer_->height() : CW_USEDEFAULT;
  handle_ = CreateWindowExA(exStyle_, className_, title, style_, x, y, w, h, parentHandle, menuOrId,
                            zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr), nullptr);
  // Messages sent during CreateWindowEx found no object and got default processing.
  if (handle_ && zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->add(handle_, this);
}

void zWindow::inheritParentFont() {
  if (!font_.isValid() && parent_ && parent_->font_.isValid()) setFont(parent_->font_, 0);
}

// ---------------------------------------------------------------- virtual defaults

void zWindow::layoutChildren(zEvent* event) {
  const zDimension size = event->size();
  if (sizer_) sizer_->setExtent(size);
  if (event->wParam_ == SIZE_MINIMIZED) return;
  zWindowDlistIter it(&children_);
  while (zWindow* child = it.next()) {
    if (child->sizer_) child->sizer_->parentSized(child, static_cast<uint32_t>(event->lParam_));
  }
  if (sizer_) {
    const zPoint at = sizer_->origin();
    const zRect rect(at.x(), at.y(), at.x() + size.width(), at.y() + size.height());
    sizer_->update(&rect);
  }
}

int zWindow::onActivate(zEvent*) { return 0; }

int zWindow::onSize(zEvent* event) {
  if (sizer_) sizer_->setExtent(event->size());
  return 0;
}

int zWindow::onMove(zEvent*) { return 0; }
int zWindow::onClose(zEvent*) { return 0; }
int zWindow::onCommand(zEvent*) { return 0; }

int zWindow::onScroll(zEvent* event) {
  // The wheel's lParam is the pointer's position, never a window.
  const HWND sender = event->message_ == WM_MOUSEWHEEL ? nullptr : reinterpret_cast<HWND>(event->lParam_);
  if (!sender || !IsWindow(sender)) return scroller_ ? scroller_->scroll(event) : 0;
  // A sender without an object has no scroller to ask.
  zWindow* object = zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(sender) : nullptr;
  return object && object->scroller_ ? object->scroller_->scroll(event) : 0;
}

int zWindow::onMouseMove(zEvent*) { return 0; }
int zWindow::onMouseButtonUp(zEvent*) { return 0; }
int zWindow::onMouseButtonDown(zEvent*) { return 0; }
int zWindow::onFocus(zEvent*) { return 0; }

int zWindow::onEraseBackground(zEvent* event) {
  if (backColor_ == zBackDefault) return 0;
  uint32_t color = backColor_;
  if (color == zBackParent) color = parent_ ? parent_->backColor_ : GetSysColor(COLOR_WINDOW);
  if (color == zBackDefault || color == zBackParent) color = GetSysColor(COLOR_WINDOW);
  const HBRUSH brush = CreateSolidBrush(color);
  HDC dc = event ? reinterpret_cast<HDC>(event->wParam_) : nullptr;
  const bool ownDc = dc == nullptr;
  if (ownDc) dc = GetDC(handle_);
  RECT client;
  GetClientRect(handle_, &client);
  const HGDIOBJ old = SelectObject(dc, brush);
  PatBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top, PATCOPY);
  SelectObject(dc, old);
  DeleteObject(brush);
  if (ownDc) ReleaseDC(handle_, dc);
  return 1;
}

void zWindow::showWindow(int cmd) {
  if (IsWindow(handle_)) ShowWindow(handle_, cmd);
}

int zWindow::preferredSize(zDimension*) { return 0; }

uint32_t zWindow::setBackgroundColor(const zColor& color) {
  backColor_ = color.colorRef();
  return backColor_;
}

void zWindow::show(int cmd) {
  if (flags_ & zWinShown) {
    showAgain(cmd);
    return;
  }
  prepareFirstShow();
  setFlags(zWinShown);
  arrangeFirstShow();
  if (!handle_) return;
  ShowWindow(handle_, cmd);
  onFirstShown(cmd);
  UpdateWindow(handle_);
  if (cmd) style_ |= WS_VISIBLE;
}

void zWindow::showAgain(int cmd) { showWindow(cmd); }

// ---------------------------------------------------------------- data exchange

int zWindow::validate() {
  zWindowDlistIter it(&children_);
  while (zWindow* child = it.next()) {
    if (!IsWindowEnabled(child->handle_)) continue;
    if (child->validate()) continue;
    // The control that failed may put the focus on itself; else its parent does.
    if (!child->focusInvalid(child) && child->parent_) child->parent_->focusInvalid(child);
    return 0;
  }
  return 1;
}

int zWindow::storeData() {
  // Nothing is stored unless the whole tree is valid.
  if (!validate()) return 0;
  zWindowDlistIter it(&children_);
  while (zWindow* child = it.next()) {
    if (IsWindowEnabled(child->handle_)) child->storeData();
  }
  return 1;
}

int zWindow::focusInvalid(zWindow* window) {
  if (window == this || !window) return 0;
  if (IsWindow(window->handle_)) SetFocus(window->handle_);
  return 1;
}

void zWindow::childFocusChanged(zWindow*, zWindow*) {}

void zWindow::notifyFocusToParents(bool gained) {
  if (gained) {
    for (zWindow* w = parent_; w; w = w->parent_) w->childFocusChanged(lastFocused_, this);
  }
  lastFocused_ = this;
}

void zWindow::setFont(const zRCFont& font, int redraw) {
  font_ = font;
  if (font_.isValid() && handle_ && IsWindow(handle_))
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), redraw);
  zWindowDlistIter it(&children_);
  while (zWindow* child = it.next()) child->setFont(font_, redraw);
}

void zWindow::setFont(zFont* font, int redraw) {
  if (font == fontObject_) return;
  zFont* previous = (flags_ & zWinOwnsFontObject) ? fontObject_ : nullptr;
  fontObject_ = font;
  clearFlags(zWinOwnsFontObject);
  if (font) {
    if (!parent_ || parent_->fontObject_ != font) setFlags(zWinOwnsFontObject);
    if (handle_ && IsWindow(handle_))
      SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font->hfont()), redraw);
  }
  zWindowDlistIter it(&children_);
  while (zWindow* child = it.next()) child->setFont(font, redraw);
  delete previous;
}

int zWindow::loadChildren() {
  zWindowDlistIter it(&children_);
  while (zWindow* child = it.next()) {
    if (child->hasTypeBit(zTypeChildWin)) static_cast<zChildWin*>(child)->loadData();
  }
  return 1;
}

void zWindow::center(int overParent) {
  RECT r;
  if (!IsWindow(handle_) || !GetWindowRect(handle_, &r)) return;
  const int32_t w = r.right - r.left;
  const int32_t h = r.bottom - r.top;
  int32_t screenW = GetSystemMetrics(SM_CXSCREEN);
  int32_t screenH = GetSystemMetrics(SM_CYSCREEN);
  if (screenW == 0) screenW = 640;
  if (screenH == 0) screenH = 480;
  int32_t x;
  int32_t y;
  RECT p;
  if (overParent && parent_ && IsWindow(parent_->handle_) && GetWindowRect(parent_->handle_, &p)) {
    x = p.left + ((p.right - p.left) - w) / 2;
    y = p.top + ((p.bottom - p.top) - h) / 2;
    if (x + w > screenW) x = screenW - w;
    if (y + h > screenH) y = screenH - h;
  } else {
    x = (screenW - w) / 2;
    y = (screenH - h) / 2;
  }
  if (x < 1) x = 0;
  if (y < 1) y = 0;
  setGeometry(x, y, w, h);
}

void zWindow::setGeometry(int32_t x, int32_t y, int32_t width, int32_t height) {
  if (exStyle_ & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE)) {
    width += 6;
    height += 6;
  }
  MoveWindow(handle_, x, y, width, height, TRUE);
}

// ---------------------------------------------------------------- sizer hook-up

bool zWindow::sizerWindowLive() const { return handle_ && IsWindow(handle_); }

zDimension zWindow::sizerClientSize() const {
  RECT client = {0, 0, 0, 0};
  if (handle_) GetClientRect(handle_, &client);
  return zDimension(client.right - client.left, client.bottom - client.top);
}

void zWindow::sizerMoveSize(int32_t x, int32_t y, int32_t width, int32_t height) { setGeometry(x, y, width, height); }

bool zWindow::sizerIsComboBox() const { return hasTypeBit(zTypeComboBoxStatic) != 0; }

zSizer* zWindow::sizerOfParentWindow() const { return parent_ ? parent_->sizer_ : nullptr; }

void zWindow::sizerReplaced(zSizer* from, zSizer* to) {
  if (sizer_ == from) sizer_ = to;
}

// ---------------------------------------------------------------- plain operations

void zWindow::setVertScroll(zScrollInfo* info) {
  if (info == vertScroll_) return;
  delete vertScroll_;
  vertScroll_ = info;
}

void zWindow::setHorzScroll(zScrollInfo* info) {
  if (info == horzScroll_) return;
  delete horzScroll_;
  horzScroll_ = info;
}

void zWindow::windowRect(zRect& rect) const {
  if (!IsWindow(handle_)) return;
  RECT r;
  GetWindowRect(handle_, &r);
  rect.assign(r);
}

void zWindow::clientToScreenRect(int flag, zRect& rect) const {
  if (flag != 0) return;
  POINT a = rect.topLeft().toPOINT();
  POINT b = rect.bottomRight().toPOINT();
  ClientToScreen(handle_, &a);
  ClientToScreen(handle_, &b);
  rect = zRect(a.x, a.y, b.x, b.y);
}

zWindow* zWindow::childById(int32_t id) {
  zWindowDlistIter it(&children_);
  while (zWindow* child = it.next()) {
    if (child->id_ == id) return child;
  }
  return nullptr;
}

int zWindow::removeChild(zWindow* child) { return children_.remove(child) ? 1 : 0; }

bool zWindow::sizerIsUnset() const {
  if (!sizer_) return true;
  const int32_t v[4] = {sizer_->origin().x(), sizer_->origin().y(), sizer_->width(), sizer_->height()};
  bool allZero = true;
  bool allUnset = true;
  for (int32_t value : v) {
    allZero = allZero && value == 0;
    allUnset = allUnset && value == zSizer::unset;
  }
  return allZero || allUnset;
}

void zWindow::moveToRect(const zRect& rect) { setGeometry(rect.left(), rect.top(), rect.width(), rect.height()); }

zWindow* zWindow::nextSibling() {
  if (!parent_) return this;
  zWindowDlistIter it(&parent_->children_);
  while (zWindow* w = it.next()) {
    if (w == this) {
      zWindow* next = it.next();
      return next ? next : this;
    }
  }
  return this;
}

zWindow* zWindow::prevSibling() {
  if (!parent_) return this;
  zWindow* previous = nullptr;
  zWindowDlistIter it(&parent_->children_);
  while (zWindow* w = it.next()) {
    if (w == this) return previous ? previous : this;
    previous = w;
  }
  return this;
}

void zWindow::setCursor(const zCursor& cursor) {
  cursor_ = cursor;
  if (cursor_.handle()) SetCursor(cursor_.handle());
}

void zWindow::setIcon(zIcon* icon) {
  if (!icon) return;
  if (IsWindow(handle_)) SetClassLongPtrA(handle_, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon->handle()));
  icon->disown();
  delete icon;
}

void zWindow::updateClassStyle() {
  if (IsWindow(handle_)) SetClassLongPtrA(handle_, GCL_STYLE, static_cast<LONG_PTR>(classStyle_));
}

void zWindow::updateStyle() {
  if (IsWindow(handle_)) SetWindowLongA(handle_, GWL_STYLE, static_cast<LONG>(style_));
}

void zWindow::updateExStyle() {
  if (IsWindow(handle_)) SetWindowLongA(handle_, GWL_EXSTYLE, static_cast<LONG>(exStyle_));
}

// ---------------------------------------------------------------- handler lists

void zWindow::appendOwnNotifyNode(zNotifyNode* node) {
  if (!notifyList_) notifyList_ = new zNotifyNodeDlist;
  notifyList_->append(node);
}

void zWindow::appendNotifyNode(zNotifyNode* node) {
  if (!node) return;
  if (!parent_) {
    delete node;
    return;
  }
  parent_->appendOwnNotifyNode(node);
}

void zWindow::addCommandNotify(const zEventHandler& handler) {
  const uint32_t id = static_cast<uint16_t>(id_);
  appendNotifyNode(new zNotifyNode(id, handler, WM_COMMAND));
}

void zWindow::removeCommandNotify(const zNotifyNode& node) {
  if (!parent_ || !parent_->notifyList_) return;
  zNotifyNodeDlistIter it(parent_->notifyList_);
  while (zNotifyNode* n = it.next()) {
    if (n->equals(node)) {
      parent_->notifyList_->remove(n);
      delete n;
      return;
    }
  }
}

void zWindow::removeCommandNotifyFor(const zEventHandler& handler) {
  if (!parent_ || !parent_->notifyList_) return;
  parent_->notifyList_->removeFirst(
      zEvent(0, static_cast<WPARAM>(static_cast<uint16_t>(id_)), WM_COMMAND, parent_->handle_), handler);
}

void zWindow::addCtrlNotify(const zEventHandler& handler, uint32_t code) {
  if (!parent_) return;
  parent_->appendCommandNode(new zCtrlNotifyNode(static_cast<uint16_t>(id_), handle_, code, handler));
}

void zWindow::removeCtrlNotify(const zEventHandler& handler, uint32_t code) {
  if (!parent_ || !parent_->commandList_) return;
  const WPARAM wParam = MAKEWPARAM(static_cast<uint16_t>(id_), code);
  parent_->commandList_->removeFirst(zEvent(reinterpret_cast<LPARAM>(handle_), wParam, WM_COMMAND, parent_->handle_),
                                     handler);
}

void zWindow::appendCommandNode(zNotifyNode* node) {
  if (!commandList_) commandList_ = new zNotifyNodeDlist;
  commandList_->append(node);
}

void zWindow::addNotifyHandler(const zEventHandler& handler, UINT message) {
  appendOwnNotifyNode(new zNotifyNode(handler, message, handle_));
}

void zWindow::removeNotifyHandler(const zEventHandler& handler, UINT message) {
  if (!notifyList_) return;
  notifyList_->removeFirst(zEvent(0, 0, message, handle_), handler);
}

int zWindow::dispatchNotify(zEvent* event) {
  if (notifyList_ && notifyList_->dispatch(event)) return 1;
  if (zTheProgram && zTheProgram->notifyList() && zTheProgram->notifyList()->dispatch(event)) return 1;
  return 0;
}

int zWindow::dispatchNotify2(zEvent* event) {
  if (commandList_ && commandList_->dispatch(event)) return 1;
  return dispatchNotify(event);
}
