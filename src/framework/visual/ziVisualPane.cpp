#include "framework/visual/ziVisualPane.h"

#include "framework/core/zWinDisplay.h"
#include "framework/layout/zSizer.h"

ziVisualPane::ziVisualPane(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id)
    : zPane(parent, sizer, style, id), current_(nullptr), shell_(nullptr) {
  className_ = "ziVisualPaneCL";
  // Texts drawn without aspects of their own sit on the pane's face, not on white boxes.
  backColor_ = GetSysColor(COLOR_BTNFACE);
  windowDisplay()->backColor(zColor::fromColorRef(backColor_));
  current_ = zPane::display();
  shell_ = new ziShellCompound(this, &current_);
  create();
}

ziVisualPane::~ziVisualPane() {
  shell_->setSizer(nullptr);  // the window's own
  delete shell_;
  shell_ = nullptr;
  current_ = nullptr;
}

WNDCLASSA* ziVisualPane::classInfo() {
  WNDCLASSA* wc = zPane::classInfo();
  wc->hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_BTNFACE + 1));
  return wc;
}

void ziVisualPane::displayChanged() { current_ = zPane::display(); }

void ziVisualPane::addVisual(ziVisual* visual) {
  shell_->addChild(visual);
  if (!current_ || !handle_) return;
  current_->lock();
  visual->draw(nullptr);
  current_->unlock();
}

int ziVisualPane::draw(zEvent*) {
  // Painting puts the window's display on top of a printer's without telling the pane.
  zDisplay* const saved = current_;
  current_ = zPane::display();
  if (!current_ || !shell_) {
    current_ = saved;
    return 0;
  }
  current_->lock();
  zRect clip;
  current_->updateRect(clip);
  if (clip.width() <= 0 || clip.height() <= 0) {
    zRect whole;
    current_->size(whole);
    clip = whole;
  }
  shell_->draw(&clip);
  current_->unlock();
  current_ = saved;
  return 1;
}

int ziVisualPane::onSize(zEvent*) {
  if (!shell_) return 0;
  if (sizer_) sizer_->update();
  shell_->sizeChanged();
  invalidate(nullptr, 1);
  return 1;
}

int ziVisualPane::printPage() {
  if (!current_ || !sizer_) return 0;
  current_->lock();
  zRect extent;
  current_->size(extent);
  const zPoint origin = sizer_->origin();
  const zDimension saved = sizer_->extent();
  // The page's rectangle from (0, 0); the window keeps its place in its parent.
  const zRect pageRect(0, 0, extent.width(), extent.height());
  sizer_->update(&pageRect);
  shell_->draw(nullptr);
  current_->unlock();
  sizer_->setOrigin(origin);
  sizer_->setExtent(saved);
  sizer_->update();
  return 1;
}

int ziVisualPane::printPage(zDisplay* page) {
  if (!page) return 0;
  pushDisplay(page);
  const int result = printPage();
  popDisplay();
  return result;
}

void ziVisualPane::translate(zEvent* event) {
  const zPoint p = zPoint::fromLParam(static_cast<uint32_t>(event->lParam_));
  const zPoint origin = current_ ? current_->originRef() : zPoint(0, 0);
  const uint32_t x = static_cast<uint16_t>(p.x() + origin.x());
  const uint32_t y = static_cast<uint16_t>(p.y() + origin.y());
  event->lParam_ = static_cast<LPARAM>(x | (y << 16));
}

int ziVisualPane::onMouseButtonDown(zEvent* event) {
  if (!shell_ || !(shell_->flags() & ziVisual::interactiveBit)) return 0;
  SetFocus(handle_);
  translate(event);
  return shell_->onMouseDown(event);
}

int ziVisualPane::onMouseMove(zEvent* event) {
  if (!shell_ || !(shell_->flags() & ziVisual::interactiveBit)) return 0;
  translate(event);
  return shell_->onMouseMove(event);
}

int ziVisualPane::onMouseButtonUp(zEvent* event) {
  if (!shell_ || !(shell_->flags() & ziVisual::interactiveBit)) return 0;
  translate(event);
  return shell_->onMouseUp(event);
}

int ziVisualPane::onChar(zEvent* event) {
  if (!shell_ || !(shell_->flags() & ziVisual::interactiveBit)) return 0;
  return shell_->onChar(event);
}
