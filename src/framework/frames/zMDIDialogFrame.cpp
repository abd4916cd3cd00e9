#include "framework/frames/zMDIDialogFrame.h"

#include "framework/core/zMenu.h"
#include "framework/core/zProgram.h"
#include "framework/layout/zSizer.h"
#include "framework/core/ziWindowMap.h"
#include "framework/frames/ziDialogReader.h"

zMDIDialogFrame::zMDIDialogFrame(zWindow* parent, const zResId& templateId, uint32_t style, int deferCreation)
    : zDialogFrameOf(parent) {
  readTemplate(templateId, style);
  style_ |= WS_CLIPSIBLINGS;
  if (!deferCreation) create();
}

zMDIDialogFrame::zMDIDialogFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int deferCreation)
    : zDialogFrameOf(parent) {
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

zMDIDialogFrame::~zMDIDialogFrame() { releaseChildWindow(); }

void zMDIDialogFrame::create() {
  style_ = (style_ & ~static_cast<uint32_t>(WS_POPUP)) | WS_CHILD;
  if (style_ & WS_MINIMIZEBOX) style_ |= WS_SYSMENU;
  if (sizer_->width() != zSizer::unset) {
    int32_t width = sizer_->width();
    int32_t height = sizer_->height();
    // An MDI child shows no menu bar, even where its template names a menu: its frame
    // adds no room for one.
    ziAddNonClientSize(style_, exStyle_ | WS_EX_MDICHILD, false, &width, &height);
    sizer_->setExtent(zDimension(width, height));
  }
  MDICREATESTRUCTA mcs;
  mcs.szTitle = text_.length() > 1 ? static_cast<const char*>(text_) : nullptr;
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
  createInMDIClient(&mcs);
  setTitle(text_);
  makeTemplateControls();
  focusFirstTabStopOnceShown();
  placementFromWindow();
}

void zMDIDialogFrame::onFirstShown(int cmd) {
  zMDIChildFrame::onFirstShown(cmd);
  if (cmd != SW_SHOWNOACTIVATE && cmd != SW_SHOWMINNOACTIVE) ziCurrentModelessDialog = handle_;
}

void zMDIDialogFrame::endDialog() {
  if (flags_ & zWinSelfDeleting) {
    PostMessageA(handle_, zMsgDeleteDialog, 0, 0);
    return;
  }
  ShowWindow(handle_, SW_HIDE);
  UpdateWindow(handle_);
}

int zMDIDialogFrame::onActivate(zEvent* event) {
  bool active;
  if (event->message_ == WM_MDIACTIVATE)
    active = reinterpret_cast<HWND>(event->lParam_) == handle_;
  else
    active = LOWORD(event->wParam_) != WA_INACTIVE;
  // The MDI client gives the child its own focus after the activation: the remembered
  // control gets the focus now and keeps being remembered until onFocus passes it on.
  if (!active) {
    rememberFocusedControl();
  } else if (savedFocus_ && IsWindow(savedFocus_)) {
    SetFocus(savedFocus_);
  }
  return 0;
}

bool zMDIDialogFrame::routeOwnMessage(zEvent* event, LRESULT* result) {
  switch (event->message_) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_NCDESTROY:
      *result = zMDIChildFrame::route(event);
      return true;
    case WM_NCACTIVATE:
      ziCurrentModelessDialog = event->wParam_ ? handle_ : nullptr;
      onActivate(event);
      *result = dispatchNotify(event) ? 1 : defProc(event);
      return true;
    case WM_MDIACTIVATE:
      // The active child is the current dialog of the message loop.
      if (reinterpret_cast<HWND>(event->lParam_) == handle_)
        ziCurrentModelessDialog = handle_;
      else if (ziCurrentModelessDialog == handle_)
        ziCurrentModelessDialog = nullptr;
      onActivate(event);
      *result = zMDIChildFrame::route(event);
      return true;
    default:
      return false;
  }
}
