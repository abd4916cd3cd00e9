#include "framework/frames/zMDIDialogFrame.h"

#include "framework/core/zMenu.h"
#include "framework/core/zProgram.h"
#include "framework/core/zSystemEntry.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"
#include "framework/frames/ziDialogReader.h"

static LRESULT ziMDIDialogProcBody(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  zWindow* window = zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(handle) : nullptr;
  if (!window || !window->hasTypeBit(zTypeMDIDialogFrame) || (window->flags() & zWinDestroying))
    return DefMDIChildProcA(handle, message, wParam, lParam);
  zEvent event(lParam, wParam, message, handle);
  return static_cast<zMDIDialogFrame*>(window)->route(&event);
}

LRESULT CALLBACK ziMDIDialogProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return ziFromSystem("ziMDIDialogProc", [&] { return ziMDIDialogProcBody(handle, message, wParam, lParam); });
}

void zMDIDialogFrame::initMDIDialog() {
  setTypeBit(zTypeMDIDialogFrame);
  className_ = "MDIdialogCL";
  reader_ = nullptr;
  backColor_ = ziDialogBackground();
  defaultId_ = zNoDefaultId;
  savedFocus_ = nullptr;
}

zMDIDialogFrame::zMDIDialogFrame(zWindow* parent, const zResId& templateId, uint32_t style, int deferCreation)
    : zMDIChildFrame(parent) {
  initMDIDialog();
  const LPCSTR name = templateId.resourceName();
  id_ = IS_INTRESOURCE(name) ? static_cast<int32_t>(reinterpret_cast<uintptr_t>(name)) : 0;
  reader_ = new ziDialogReader(this, templateId);
  templateError_ = reader_->error();
  style_ = reader_->style();
  text_ = reader_->caption();
  if (reader_->font().isValid()) setFont(reader_->font(), 0);
  reader_->setFrameGeometry(sizer_);
  if (style) style_ = style | (reader_->style() & 0xFFFFu);
  style_ |= WS_CLIPSIBLINGS;
  if (!deferCreation) create();
}

zMDIDialogFrame::zMDIDialogFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int deferCreation)
    : zMDIChildFrame(parent) {
  initMDIDialog();
  if (sizer) {
    sizer->setWindow(this);
    if (parent && parent->sizer() && !sizer->parent()) parent->sizer()->addChild(sizer);
    delete sizer_;
    sizer_ = sizer;
  }
  if (title) text_ = title;
  if (style) style_ = style;
  style_ |= WS_CLIPSIBLINGS;
  if (!deferCreation) create();
}

zMDIDialogFrame::~zMDIDialogFrame() {
  delete reader_;
  reader_ = nullptr;
  if (ziCurrentModelessDialog == handle_) ziCurrentModelessDialog = nullptr;
  releaseChildWindow();
}

WNDCLASSA* zMDIDialogFrame::classInfo() {
  WNDCLASSA* wc = zWindow::classInfo();
  wc->lpfnWndProc = ziMDIDialogProc;
  return wc;
}

void zMDIDialogFrame::create() {
  if (WNDCLASSA* wc = classInfo()) {
    wc->style = classStyle_;
    ziRegisterOwnClass(this, wc, className_, false);
  }
  style_ = (style_ & ~static_cast<uint32_t>(WS_POPUP)) | WS_CHILD;
  if (style_ & WS_MINIMIZEBOX) style_ |= WS_SYSMENU;
  if (sizer_->width() != zSizer::unset) {
    int32_t width = sizer_->width();
    int32_t height = sizer_->height();
    ziAddNonClientSize(style_, exStyle_ | WS_EX_MDICHILD, reader_ && reader_->hasMenu(), &width, &height);
    sizer_->setExtent(zDimension(width, height));
  }
  MDICREATESTRUCTA mcs;
  mcs.szClass = className_;
  mcs.szTitle = text_.length() > 1 ? static_cast<const char*>(text_) : nullptr;
  mcs.hOwner = zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr);
  // A template's position is relative to the frame's screen position; the client's
  // coordinates start at its own corner.
  mcs.x = sizer_->origin().x();
  mcs.y = sizer_->origin().y();
  if (reader_ && mcs.x != CW_USEDEFAULT && parent_ && IsWindow(parent_->handle())) {
    RECT p;
    GetWindowRect(parent_->handle(), &p);
    mcs.x -= p.left;
    mcs.y -= p.top;
  }
  mcs.cx = sizer_->width();
  mcs.cy = sizer_->height();
  mcs.style = style_;
  mcs.lParam = 0;
  SendMessageA(ziMDIClientWindow, WM_SETREDRAW, FALSE, 0);
  handle_ = reinterpret_cast<HWND>(SendMessageA(ziMDIClientWindow, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  if (handle_) ShowWindow(handle_, SW_HIDE);
  SendMessageA(ziMDIClientWindow, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(ziMDIClientWindow, nullptr, TRUE);
  UpdateWindow(ziMDIClientWindow);
  if (handle_ && zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->add(handle_, this);
  setTitle(text_);
  if (reader_) {
    reader_->createControls();
    if (templateError_.empty()) templateError_ = reader_->error();
    defaultId_ = reader_->defaultId();
    delete reader_;
    reader_ = nullptr;
  }
  // A frame still hidden keeps the first tab stop for its activation: giving the focus
  // now would activate the hidden window and take the activation from another.
  if (IsWindowVisible(handle_))
    ziFocusFirstTabStop(this);
  else
    savedFocus_ = ziFirstTabStop(this);
  placementFromWindow();
}

void zMDIDialogFrame::show(int cmd) {
  zMenu* parentMenu =
      parent_ && parent_->hasTypeBit(zTypeFrameWin) ? static_cast<zFrameWin*>(parent_)->menu() : nullptr;
  if (flags_ & zWinShown) {
    showWindow(cmd);
    SendMessageA(ziMDIClientWindow, WM_MDIREFRESHMENU, 0, 0);
    if (parentMenu) parentMenu->redraw();
    return;
  }
  setFlags(zWinShown);
  setTitle(text_);
  ShowWindow(handle_, cmd);
  if (cmd != SW_SHOWNOACTIVATE && cmd != SW_SHOWMINNOACTIVE) activate();
  SendMessageA(ziMDIClientWindow, WM_MDIREFRESHMENU, 0, 0);
  if (parentMenu) parentMenu->redraw();
  if (cmd != SW_SHOWNOACTIVATE && cmd != SW_SHOWMINNOACTIVE) ziCurrentModelessDialog = handle_;
  UpdateWindow(handle_);
  if (cmd) style_ |= WS_VISIBLE;
}

void zMDIDialogFrame::endDialog() {
  if (flags_ & zWinSelfDeleting) {
    PostMessageA(handle_, zMsgDeleteDialog, 0, 0);
    return;
  }
  ShowWindow(handle_, SW_HIDE);
  UpdateWindow(handle_);
}

LRESULT zMDIDialogFrame::defProc(zEvent* event) {
  if (!event) return 0;
  if (event->message_ == WM_GETMINMAXINFO) applyMinimumSize(event);
  return DefMDIChildProcA(event->window_, event->message_, event->wParam_, event->lParam_);
}

int zMDIDialogFrame::onActivate(zEvent* event) {
  bool active;
  if (event->message_ == WM_MDIACTIVATE)
    active = reinterpret_cast<HWND>(event->lParam_) == handle_;
  else
    active = LOWORD(event->wParam_) != WA_INACTIVE;
  if (!active) {
    const HWND focus = GetFocus();
    savedFocus_ = focus && IsChild(handle_, focus) ? focus : nullptr;
  } else if (savedFocus_ && IsWindow(savedFocus_)) {
    SetFocus(savedFocus_);
  }
  return 0;
}

int zMDIDialogFrame::onFocus(zEvent* event) {
  if (event->message_ != WM_SETFOCUS) return 1;
  if (savedFocus_ && IsWindow(savedFocus_)) {
    SetFocus(savedFocus_);
    savedFocus_ = nullptr;
  } else {
    ziFocusFirstTabStop(this);
  }
  return 1;
}

LRESULT zMDIDialogFrame::route(zEvent* event) {
  LRESULT result = 0;
  const uint32_t bits = handlerFlags_;
  if (ziDefaultButtonMessage(this, defaultId_, event, &result)) return result;
  switch (event->message_) {
    case WM_MOVE:
      onMove(event);
      if (sizer_) sizer_->setOrigin(zPoint::fromLParam(static_cast<uint32_t>(event->lParam_)));
      return defProc(event);
    case WM_SIZE:
      onSize(event);
      layoutChildren(event);
      return defProc(event);
    case WM_ACTIVATE:
      ziCurrentModelessDialog = event->wParam_ ? handle_ : nullptr;
      if ((bits & zHandlesActivate) && dispatchNotify(event)) return 1;
      if (onActivate(event)) return 0;
      return defProc(event);
    case WM_NCACTIVATE:
      ziCurrentModelessDialog = event->wParam_ ? handle_ : nullptr;
      onActivate(event);
      if (dispatchNotify(event)) return 1;
      return defProc(event);
    case WM_MDIACTIVATE: {
      if (zTheProgram && zTheProgram->mainFrame())
        PostMessageA(zTheProgram->mainFrame()->handle(), zMsgMergeMenu, static_cast<WPARAM>(event->lParam_),
                     reinterpret_cast<LPARAM>(this));
      const bool activated = reinterpret_cast<HWND>(event->lParam_) == handle_;
      if (activated)
        ziCurrentModelessDialog = handle_;
      else if (ziCurrentModelessDialog == handle_)
        ziCurrentModelessDialog = nullptr;
      onActivate(event);
      return onMDIActivate(event);
    }
    case WM_SYSCOLORCHANGE: {
      zWindowDlistIter it(&children_);
      while (zWindow* child = it.next())
        SendMessageA(child->handle(), WM_SYSCOLORCHANGE, event->wParam_, event->lParam_);
      return 0;
    }
    case WM_DESTROY:
      if (ziCurrentModelessDialog == handle_) ziCurrentModelessDialog = nullptr;
      if (dispatchNotify(event)) return 0;
      return defProc(event);
    case WM_NEXTDLGCTL:
      ziNextDialogControl(this, event->wParam_, event->lParam_);
      return 1;
    case WM_NCLBUTTONDOWN:
      ziCloseComboDropDown(this);
      return defProc(event);
    case WM_LBUTTONDOWN:
      ziCloseComboDropDown(this);
      return ziRouteEvent(this, event);
    case WM_CLOSE:
      if ((bits & zHandlesClose) && dispatchNotify(event)) return 1;
      result = onClose(event);
      if (result) return 0;
      return defProc(event);
    case WM_NCDESTROY:
      setFlags(zWinGone);
      if (zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->remove(handle_);
      if ((flags_ & zWinSelfDeleting) && zTheProgram && zTheProgram->mainFrame())
        PostMessageA(zTheProgram->mainFrame()->handle(), zMsgDeferredDelete, 0, reinterpret_cast<LPARAM>(this));
      return 0;
    case zMsgDeleteDialog:
      delete this;
      return 0;
    default:
      return ziRouteEvent(this, event);
  }
}
