#include "framework/frames/zMDIMarginFrame.h"

#include "framework/core/zPopupMenu.h"
#include "framework/core/zProgram.h"
#include "framework/core/zSystemEntry.h"
#include "framework/frames/zMDIAppFrame.h"
#include "framework/layout/zGravSizer.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"
#include "framework/frames/ziFrameSupport.h"

static LRESULT ziMDIMarginProcBody(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  zWindow* window = zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(handle) : nullptr;
  if (!window || !window->hasTypeBit(zTypeMDIMarginFrame) || (window->flags() & zWinDestroying))
    return DefWindowProcA(handle, message, wParam, lParam);
  zEvent event(lParam, wParam, message, handle);
  return static_cast<zMDIMarginFrame*>(window)->route(&event);
}

LRESULT CALLBACK ziMDIMarginProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return ziFromSystem("ziMDIMarginProc", [&] { return ziMDIMarginProcBody(handle, message, wParam, lParam); });
}

zMDIMarginFrame::zMDIMarginFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title)
    : zFrameWin(parent, sizer, style, title), edge_(topEdge), thickness_(0) {
  if (sizer && sizer->height() != zSizer::unset && sizer->height() > 0) thickness_ = sizer->height();
  setTypeBit(zTypeMDIMarginFrame);
  // The given sizer only says the thickness: the band is a gravity sizer docked along its
  // edge, which the frame's layout stretches across the whole width at every size.
  zGravSizer* band = new zGravSizer(gravTop, thickness_, nullptr);
  band->setWindow(this);
  if (sizer_) {
    sizer_->setWindow(nullptr);
    delete sizer_;
  }
  sizer_ = band;
  if (parent && parent->sizer()) {
    // Margins are laid out in order of construction, before the MDI client, which takes
    // what they leave.
    parent->sizer()->addChild(band);
    if (parent->hasTypeBit(zTypeMDIAppFrame)) {
      zFrameWin* client = static_cast<zMDIAppFrame*>(parent)->client();
      if (client && client->sizer() && client->sizer()->parent() == parent->sizer()) {
        parent->sizer()->removeChild(client->sizer());
        parent->sizer()->addChild(client->sizer());
      }
    }
  }
  style_ |= WS_CHILD;
  backColor_ = GetSysColor(COLOR_WINDOW);
  className_ = "MDImarginCL";
  if (parent_) parent_->children().append(this);
  create();
}

zMDIMarginFrame::~zMDIMarginFrame() = default;

LRESULT zMDIMarginFrame::defProc(zEvent* event) { return zEvH::defProc(event); }

WNDCLASSA* zMDIMarginFrame::classInfo() {
  WNDCLASSA* wc = zWindow::classInfo();
  wc->lpfnWndProc = ziMDIMarginProc;
  // A margin shows no icon, and one on the class is scaled by the system at its registration.
  wc->hIcon = nullptr;
  return wc;
}

void zMDIMarginFrame::createWindow() {
  if (WNDCLASSA* wc = classInfo()) {
    wc->lpszClassName = className_;
    if (!ziClassRegistered(className_)) {
      RegisterClassA(wc);
      if (zTheProgram) zTheProgram->addRegisteredClass(className_);
    }
    delete wc;
  }
  handle_ = CreateWindowExA(0, className_, nullptr, style_, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0,
                            parent_ ? parent_->handle() : nullptr, nullptr,
                            zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr), nullptr);
  if (handle_ && zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->add(handle_, this);
}

void zMDIMarginFrame::create() {
  createWindow();
  if (IsWindow(handle_)) SetWindowLongA(handle_, GWL_STYLE, static_cast<LONG>(style_));
  inheritParentFont();
}

LRESULT zMDIMarginFrame::route(zEvent* event) {
  switch (event->message_) {
    case WM_DESTROY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
      if (dispatchNotify(event)) return 0;
      return defProc(event);
    case WM_SYSCOLORCHANGE: {
      zWindowDlistIter it(&children_);
      while (zWindow* child = it.next())
        SendMessageA(child->handle(), WM_SYSCOLORCHANGE, event->wParam_, event->lParam_);
      return defProc(event);
    }
    case WM_INITMENU:
    case WM_MENUSELECT:
      if (ziTrackedPopupMenu && ziTrackedPopupMenu->dispatch(event)) return 1;
      if (dispatchNotify(event)) return 0;
      return defProc(event);
    case WM_NCDESTROY:
      setFlags(zWinGone);
      if (zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->remove(handle_);
      if (flags_ & zWinSelfDeleting) delete this;
      return 0;
    default: {
      const LRESULT result = ziRouteEvent(this, event);
      // Results of the handlers are not the window's answer to the system.
      switch (event->message_) {
        case WM_ACTIVATE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_CLOSE:
        case WM_COMMAND:
        case WM_MOVE:
        case WM_SIZE:
          return 0;
        default:
          return result;
      }
    }
  }
}

void zMDIMarginFrame::setEdge(Edge edge) {
  edge_ = edge;
  if (sizer_) sizer_->setGravity(edge == bottomEdge ? gravBottom : gravTop);
}

void zMDIMarginFrame::setThickness(int32_t thickness) {
  thickness_ = thickness;
  if (zSizer* grav = sizer_ ? sizer_->asKind(zKindGrav) : nullptr)
    static_cast<zGravSizer*>(grav)->setFixedExtent(zDimension(0, thickness));
}
