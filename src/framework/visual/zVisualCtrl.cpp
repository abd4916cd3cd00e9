#include "framework/visual/zVisualCtrl.h"

#include "framework/controls/zControlReport.h"
#include "framework/core/zProgram.h"
#include "framework/core/zSystemEntry.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"
#include "framework/core/zWinDisplay.h"

#include <string>

// ---------------------------------------------------------------- zVisualCtrlProc

static LRESULT zVisualCtrlProcBody(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  ziWindowMap* map = zTheProgram ? zTheProgram->windowMap() : nullptr;
  zWindow* window = map ? map->find(handle) : nullptr;
  if (!window || !window->hasTypeBit(zTypeCtrlPane)) return DefWindowProcA(handle, message, wParam, lParam);
  ziCtrlPane* pane = static_cast<ziCtrlPane*>(window);
  zEvent event(lParam, wParam, message, handle);
  LRESULT result = 0;
  switch (message) {
    case WM_DESTROY:
      return 1;
    case WM_NCDESTROY:
      ziNcDestroy(window);
      return DefWindowProcA(handle, message, wParam, lParam);
    case WM_PAINT: {
      zWinDisplay* d = pane->display();
      if (!d) return DefWindowProcA(handle, message, wParam, lParam);
      d->setPainting(true);
      d->lock();
      result = pane->draw(&event);
      d->unlock();
      d->setPainting(false);
      return 0;
    }
    case WM_SIZE:
      result = pane->onSize(&event);
      pane->layoutChildren(&event);
      break;
    case WM_CHAR:
    case WM_SYSCHAR:
      result = pane->onChar(&event);
      break;
    default:
      // Wheel notches scroll the vertical information by lines (the core's scroll handling).
      return ziRouteEvent(window, &event);
  }
  if (result == 0) result = window->defProc(&event);
  return result;
}

LRESULT CALLBACK zVisualCtrlProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return ziFromSystem("zVisualCtrlProc", [&] { return zVisualCtrlProcBody(handle, message, wParam, lParam); });
}

// ---------------------------------------------------------------- ziCtrlPane

ziCtrlPane::ziCtrlPane(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zControl(parent, sizer, style, text, id, "VisualCtrl"), display_(nullptr) {
  setTypeBit(zTypeCtrlPane);
  kind_ = zKindCtrlPaneCreated;
  style_ &= ~static_cast<uint32_t>(WS_CLIPSIBLINGS);
  create();
  display_ = new zWinDisplay(this);
  if (!font_.isValid() && !(parent && parent->font().isValid()))
    display_->setDefaultFont(zRCFont(static_cast<HFONT>(GetStockObject(SYSTEM_FONT))));
  display_->backMode(TRANSPARENT);
}

ziCtrlPane::ziCtrlPane(zWindow* parent, int32_t id)
    : zControl(parent, nullptr, 0, nullptr, id, "VisualCtrl"), display_(nullptr) {
  setTypeBit(zTypeCtrlPane);
  kind_ = zKindCtrlPaneTakenOver;
  const HWND native = parent && parent->handle() ? GetDlgItem(parent->handle(), id) : nullptr;
  zWindow* owner = native && zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(native) : nullptr;
  if (!native || owner) {
    // No such control, or one that another object already owns: nothing to take over.
    zReportControlFault("drawn control %d: the dialog has no free control with that identifier", static_cast<int>(id));
    return;
  }
  handle_ = native;
  style_ = static_cast<uint32_t>(GetWindowLongA(native, GWL_STYLE));
  char buffer[512];
  const int n = GetWindowTextA(native, buffer, sizeof buffer);
  if (n > 0) {
    // Long captions are read whole.
    const int length = GetWindowTextLengthA(native);
    std::string whole(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(native, &whole[0], length + 1);
    text_ = whole.c_str();
  }
  RECT r;
  GetWindowRect(native, &r);
  MapWindowPoints(nullptr, parent->handle(), reinterpret_cast<POINT*>(&r), 2);
  if (sizer_) {
    sizer_->setOrigin(zPoint(r.left, r.top));
    sizer_->setExtent(zDimension(r.right - r.left, r.bottom - r.top));
  }
  zTheProgram->windowMap()->add(native, this);
  display_ = new zWinDisplay(this);
  if (!font_.isValid() && !(parent && parent->font().isValid()))
    display_->setDefaultFont(zRCFont(static_cast<HFONT>(GetStockObject(SYSTEM_FONT))));
}

ziCtrlPane::~ziCtrlPane() {
  delete display_;
  display_ = nullptr;
}

namespace {
HINSTANCE programInstance() { return zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr); }

bool visualCtrlClassExists() {
  WNDCLASSA known;
  return GetClassInfoA(programInstance(), "VisualCtrl", &known) != FALSE;
}
}  // namespace

WNDCLASSA ziCtrlPane::visualCtrlClass() {
  WNDCLASSA wc = {};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = zVisualCtrlProc;
  wc.cbWndExtra = 12;
  wc.hInstance = programInstance();
  // No icon: a control shows none, and one on the class is scaled by the system at its
  // registration.
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_WINDOW + 1));
  wc.lpszClassName = "VisualCtrl";
  return wc;
}

WNDCLASSA* ziCtrlPane::classInfo() { return new WNDCLASSA(visualCtrlClass()); }

void ziCtrlPane::create() {
  // Registered when the first drawn control of a program is made; the program unregisters
  // its classes when it ends, so a later program registers it again.
  if (!visualCtrlClassExists()) registerWindowClass(false);
  createNative(parent_ ? parent_->handle() : nullptr,
               reinterpret_cast<HMENU>(static_cast<uintptr_t>(static_cast<uint16_t>(id_))), text_);
  if (!handle_)
    zReportControlFault("CreateWindowEx of a drawn control %d under window %p failed (error %lu)",
                        static_cast<int>(id_), static_cast<void*>(parent_ ? parent_->handle() : nullptr),
                        static_cast<unsigned long>(GetLastError()));
}

LRESULT ziCtrlPane::defProc(zEvent* event) {
  if (!event) return 0;
  return DefWindowProcA(event->window_, event->message_, event->wParam_, event->lParam_);
}

// ---------------------------------------------------------------- ziVisualCtrlPane

ziVisualCtrlPane::ziVisualCtrlPane(zWindow* parent, zSizer* sizer, uint32_t style)
    : ziCtrlPane(parent, sizer, style, nullptr, 0) {
  root_ = new ziShellCompound(this, displayRef());
}

ziVisualCtrlPane::ziVisualCtrlPane(zWindow* parent, int32_t id) : ziCtrlPane(parent, id) {
  root_ = new ziShellCompound(this, displayRef());
  relayout();
}

ziVisualCtrlPane::~ziVisualCtrlPane() {
  root_->setSizer(nullptr);
  delete root_;
  root_ = nullptr;
}

void ziVisualCtrlPane::relayout() {
  if (sizer_) sizer_->update();
}

void ziVisualCtrlPane::addVisual(ziVisual* visual) {
  root_->addChild(visual);
  if (!display_) return;
  display_->lock();
  visual->draw(nullptr);
  display_->unlock();
}

int ziVisualCtrlPane::draw(zEvent*) {
  if (!display_) return 0;
  display_->lock();
  zRect clip;
  display_->updateRect(clip);
  if (clip.width() <= 0 || clip.height() <= 0) {
    RECT client;
    GetClientRect(handle_, &client);
    clip = zRect(client);
  }
  root_->draw(&clip);
  display_->unlock();
  return 1;
}

int ziVisualCtrlPane::onSize(zEvent*) {
  relayout();
  root_->sizeChanged();
  if (display_) display_->invalidateRect(nullptr, true);
  return 1;
}

void ziVisualCtrlPane::translate(zEvent* event) {
  const zPoint p = zPoint::fromLParam(static_cast<uint32_t>(event->lParam_));
  const zPoint origin = display_ ? display_->originRef() : zPoint(0, 0);
  const uint32_t x = static_cast<uint16_t>(p.x() + origin.x());
  const uint32_t y = static_cast<uint16_t>(p.y() + origin.y());
  event->lParam_ = static_cast<LPARAM>(x | (y << 16));
}

int ziVisualCtrlPane::onMouseButtonDown(zEvent* event) {
  if (!(root_->flags() & ziVisual::interactiveBit)) return 0;
  SetFocus(handle_);
  translate(event);
  return root_->onMouseDown(event);
}

int ziVisualCtrlPane::onMouseMove(zEvent* event) {
  if (!(root_->flags() & ziVisual::interactiveBit)) return 0;
  translate(event);
  return root_->onMouseMove(event);
}

int ziVisualCtrlPane::onMouseButtonUp(zEvent* event) {
  if (!(root_->flags() & ziVisual::interactiveBit)) return 0;
  return root_->onMouseUp(event);
}

int ziVisualCtrlPane::onChar(zEvent* event) {
  if (!(root_->flags() & ziVisual::interactiveBit)) return 0;
  return root_->onChar(event);
}

// ---------------------------------------------------------------- bare template windows

zWindow* zCreateVisualCtrlWindow(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id) {
  const zRect r = sizer ? sizer->rect() : zRect(0, 0, 0, 0);
  delete sizer;
  if (!parent || !parent->handle()) return nullptr;
  if (!visualCtrlClassExists()) {
    WNDCLASSA wc = ziCtrlPane::visualCtrlClass();
    RegisterClassA(&wc);
    if (zTheProgram) zTheProgram->addRegisteredClass("VisualCtrl");
  }
  const HWND made = CreateWindowExA(
      0, "VisualCtrl", text ? text : "", style | WS_CHILD, r.left(), r.top(), r.width(), r.height(), parent->handle(),
      reinterpret_cast<HMENU>(static_cast<uintptr_t>(static_cast<uint16_t>(id))), programInstance(), nullptr);
  if (!made)
    zReportControlFault("drawn control %d: its template window could not be made (error %lu)", static_cast<int>(id),
                        static_cast<unsigned long>(GetLastError()));
  return nullptr;
}
