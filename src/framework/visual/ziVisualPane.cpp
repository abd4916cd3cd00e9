#include "framework/visual/ziVisualPane.h"

#include "framework/core/zProgram.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"
#include "framework/draw/zWinDisplay.h"

LRESULT CALLBACK ziVisualPaneProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  ziWindowMap* map = zTheProgram ? zTheProgram->windowMap() : nullptr;
  zWindow* window = map ? map->find(handle) : nullptr;
  if (!window || !window->hasTypeBit(zTypePane)) return DefWindowProcA(handle, message, wParam, lParam);
  ziVisualPane* pane = static_cast<ziVisualPane*>(window);
  zEvent event(lParam, wParam, message, handle);
  switch (message) {
    case WM_PAINT: {
      zDisplay* d = pane->display();
      if (!d) break;
      d->setPainting(true);
      d->lock();
      pane->draw();
      d->unlock();
      d->setPainting(false);
      return 0;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
      if (pane->onChar(&event)) return 0;
      return DefWindowProcA(handle, message, wParam, lParam);
    default:
      break;
  }
  return ziRouteEvent(window, &event);
}

ziVisualPane::ziVisualPane(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id)
    : zChildWin(parent, sizer, style, id), own_(nullptr), current_(nullptr), shell_(nullptr) {
  setTypeBit(zTypePane);
  className_ = "ziVisualPaneCL";
  create();
  own_ = new zWinDisplay(this);
  current_ = own_;
  shell_ = new ziShellCompound(this, &current_);
}

ziVisualPane::~ziVisualPane() {
  shell_->setSizer(nullptr);  // the window's own
  delete shell_;
  shell_ = nullptr;
  delete own_;
  own_ = nullptr;
  current_ = nullptr;
}

WNDCLASSA* ziVisualPane::classInfo() {
  WNDCLASSA* wc = zChildWin::classInfo();
  wc->lpfnWndProc = ziVisualPaneProc;
  wc->hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_BTNFACE + 1));
  return wc;
}

void ziVisualPane::addVisual(ziVisual* visual) {
  shell_->addChild(visual);
  if (!current_) return;
  current_->lock();
  visual->draw(nullptr);
  current_->unlock();
}

int ziVisualPane::draw() {
  if (!current_) return 0;
  current_->lock();
  zRect clip;
  current_->updateRect(clip);
  if (clip.width() <= 0 || clip.height() <= 0) {
    RECT client;
    GetClientRect(handle_, &client);
    clip = zRect(client);
  }
  shell_->draw(&clip);
  current_->unlock();
  return 1;
}

int ziVisualPane::onSize(zEvent*) {
  if (sizer_) sizer_->update();
  shell_->sizeChanged();
  if (own_) own_->invalidateRect(nullptr, true);
  return 1;
}

int ziVisualPane::printPage(zDisplay* page) {
  if (!page || !sizer_) return 0;
  page->lock();
  zRect extent;
  page->size(extent);
  const zPoint origin = sizer_->origin();
  const zDimension saved = sizer_->extent();
  zDisplay* screen = current_;
  current_ = page;
  // The page's rectangle from (0, 0); the window keeps its place in its parent.
  const zRect pageRect(0, 0, extent.width(), extent.height());
  sizer_->update(&pageRect);
  shell_->draw(nullptr);
  current_ = screen;
  page->unlock();
  sizer_->setOrigin(origin);
  sizer_->setExtent(saved);
  sizer_->update();
  return 1;
}

void ziVisualPane::translate(zEvent* event) {
  const zPoint p = zPoint::fromLParam(static_cast<uint32_t>(event->lParam_));
  const zPoint origin = current_ ? current_->originRef() : zPoint(0, 0);
  const uint32_t x = static_cast<uint16_t>(p.x() + origin.x());
  const uint32_t y = static_cast<uint16_t>(p.y() + origin.y());
  event->lParam_ = static_cast<LPARAM>(x | (y << 16));
}

int ziVisualPane::onMouseButtonDown(zEvent* event) {
  if (!(shell_->flags() & ziVisual::interactiveBit)) return 0;
  SetFocus(handle_);
  translate(event);
  return shell_->onMouseDown(event);
}

int ziVisualPane::onMouseMove(zEvent* event) {
  if (!(shell_->flags() & ziVisual::interactiveBit)) return 0;
  translate(event);
  return shell_->onMouseMove(event);
}

int ziVisualPane::onMouseButtonUp(zEvent* event) {
  if (!(shell_->flags() & ziVisual::interactiveBit)) return 0;
  return shell_->onMouseUp(event);
}

int ziVisualPane::onChar(zEvent* event) {
  if (!(shell_->flags() & ziVisual::interactiveBit)) return 0;
  return shell_->onChar(event);
}
