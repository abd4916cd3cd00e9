#include "framework/bars/zToolbar.h"

#include "framework/bars/zBarPane.h"
#include "framework/core/zMenu.h"
#include "framework/core/zFrameWin.h"
#include "framework/draw/zDisplay.h"
#include "framework/layout/zTiler.h"
#include "framework/visual/zCtrl3d.h"
#include "framework/visual/zVisDraw.h"

// ---------------------------------------------------------------- toolbar

zToolbar::zToolbar(zWindow* parent, zSizer* sizer, uint32_t flags, uint32_t paneStyle, FrameIs frame)
    : ziVisualPane(parent, sizer, paneStyle),
      menuLink_(nullptr),
      buttonGroups_(nullptr),
      frameIsGrandparent_(frame),
      layout_(nullptr),
      framePanel_(nullptr),
      flags_(flags),
      panelCompound_(nullptr) {
  setTypeBit(zTypeToolbar);
  setBackColor(GetSysColor(COLOR_BTNFACE));
  layout_ = new zSlotLayout();
  layout_->setOrientation(1);
  if (sizer_) sizer_->setLayout(layout_);
  panelCompound_ = new ziControlCompound(shell(), nullptr);
  if (flags_ & zToolbarPanel) {
    const int32_t w = sizer_ ? sizer_->width() : 0, h = sizer_ ? sizer_->height() : 0;
    framePanel_ = new ziVisPanelInternal(panelCompound_, new zSizer(0, 0, w, h, nullptr), 0x4000, 1, 1, -1, 1);
  }
  layout_->setMargin(zDimension(4, 1));
  if ((flags_ & zToolbarEdgeFromGravity) && sizer_) {
    switch (sizer_->gravity()) {
      case gravLeft:
        flags_ |= zToolbarEdgeRight;
        break;
      case gravRight:
        flags_ |= zToolbarEdgeLeft;
        break;
      case gravTop:
        flags_ |= zToolbarEdgeBottom;
        break;
      case gravBottom:
        flags_ |= zToolbarEdgeTop;
        break;
      default:
        break;
    }
  }
}

zToolbar::~zToolbar() {
  delete menuLink_;
  menuLink_ = nullptr;
  delete framePanel_;
  framePanel_ = nullptr;
  delete panelCompound_;
  panelCompound_ = nullptr;
  // The groups are their creators'; they must no longer reach back into this toolbar.
  if (buttonGroups_) {
    zButtonGroupDListIter it(buttonGroups_);
    while (zButtonGroup* g = it.next()) g->parentGone();
  }
  delete buttonGroups_;
  buttonGroups_ = nullptr;
  if (sizer_ && sizer_->layout() == layout_) sizer_->setLayout(nullptr);
  delete layout_;
  layout_ = nullptr;
}

zWindow* zToolbar::frame() const {
  zWindow* f = parent_;
  if (f && frameIsGrandparent_) f = f->parent();
  return f;
}

zDimension zToolbar::gap() const { return layout_->gap(); }
void zToolbar::setGap(const zDimension& gap) { layout_->setGap(gap); }
zDimension zToolbar::margin() const { return layout_->margin(); }
void zToolbar::setMargin(const zDimension& margin) { layout_->setMargin(margin); }
int32_t zToolbar::orientation() const { return layout_->orientation(); }
void zToolbar::setOrientation(int32_t orientation) { layout_->setOrientation(orientation); }

int zToolbar::onSize(zEvent* event) {
  if (framePanel_ && sizer_) framePanel_->sizer()->setExtent(sizer_->extent());
  ziVisualPane::onSize(event);
  return 0;
}

int zToolbar::draw(zEvent*) {
  zDisplay* d = display();
  if (!d) return 0;
  d->lock();
  const HDC dc = d->hdc();
  RECT c;
  GetClientRect(handle_, &c);
  zvis::fill(dc, c.left, c.top, c.right, c.bottom, GetSysColor(COLOR_BTNFACE));
  if (framePanel_) {
    framePanel_->sizer()->setOrigin(zPoint(0, 0));
    framePanel_->sizer()->setExtent(zDimension(c.right, c.bottom));
    framePanel_->draw(nullptr);
  } else {
    zvis::PenScope pen(dc, zvis::black);
    if (flags_ & zToolbarEdgeBottom) zvis::line(dc, c.left, c.bottom - 1, c.right, c.bottom - 1);
    if (flags_ & zToolbarEdgeTop) zvis::line(dc, c.left, c.top, c.right, c.top);
    if (flags_ & zToolbarEdgeRight) zvis::line(dc, c.right - 1, c.top, c.right - 1, c.bottom);
    if (flags_ & zToolbarEdgeLeft) zvis::line(dc, c.left, c.top, c.left, c.bottom);
  }
  d->unlock();
  return 1;
}

LRESULT zToolbar::defProc(zEvent* event) {
  zWindow* f = frame();
  LRESULT answer = 0;
  if (event && f && zBarPassOn(this, f, event, &answer)) return answer;
  return ziVisualPane::defProc(event);
}

void zToolbar::linkMenu() {
  delete menuLink_;
  zMenu* menu = nullptr;
  zWindow* f = frame();
  if (frameIsGrandparent_ && f && f->hasTypeBit(zTypeFrameWin)) menu = static_cast<zFrameWin*>(f)->menu();
  menuLink_ = new zMenuLink(this, zMenuLink::followEnable | zMenuLink::followCheck, menu);
}

void zToolbar::linkMenu(int32_t idLow, int32_t idHigh) {
  delete menuLink_;
  zMenu* menu = nullptr;
  zWindow* f = frame();
  if (frameIsGrandparent_ && f && f->hasTypeBit(zTypeFrameWin)) menu = static_cast<zFrameWin*>(f)->menu();
  menuLink_ = new zMenuLink(this, idLow, idHigh, zMenuLink::followEnable | zMenuLink::followCheck, menu);
}

void zToolbar::unlinkMenu() {
  delete menuLink_;
  menuLink_ = nullptr;
}

zWindow* zToolbar::findItem(int32_t id) {
  zWindowDlistIter it(&children());
  while (zWindow* child = it.next())
    if (child->handle() && GetDlgCtrlID(child->handle()) == id) return child;
  return nullptr;
}

void zToolbar::enableItem(int32_t id, int on) {
  zWindow* item = findItem(id);
  if (!item) return;
  if (on)
    item->enable();
  else
    item->disable();
}

int zToolbar::isItemEnabled(int32_t id) {
  zWindow* item = findItem(id);
  return item ? item->isEnabled() : 0;
}

int zToolbar::checkItem(int32_t id, int state) {
  if (buttonGroups_) {
    zButtonGroupDListIter it(buttonGroups_);
    while (zButtonGroup* g = it.next()) {
      if (id < g->firstId() || id > g->lastId()) continue;
      if (state) {
        g->select(id);
      } else if (g->currentId() == id) {
        // The check moves on; a button that does not hold it has nothing to give up.
        g->select(id == g->lastId() ? g->firstId() : id + 1);
      }
      return 1;
    }
  }
  zWindow* item = findItem(id);
  if (!item) return 0;
  zSetButtonCheck(item, state);
  return 1;
}

int zToolbar::isItemChecked(int32_t id) {
  zWindow* item = findItem(id);
  return item ? static_cast<int>(SendMessageA(item->handle(), BM_GETCHECK, 0, 0)) : 0;
}

void zToolbar::addCommandHandler(const zEventHandler& handler, int32_t idLow, int32_t idHigh) {
  appendCommandNode(new zNotifyNode(static_cast<uint32_t>(idLow), static_cast<uint32_t>(idHigh), handler, WM_COMMAND));
}

void zToolbar::removeCommandHandler(const zEventHandler& handler) {
  if (zNotifyNodeDlist* list = commandList()) list->removeAll(WM_COMMAND, handler);
}

void zToolbar::addButtonGroup(zButtonGroup* group) {
  if (!buttonGroups_) buttonGroups_ = new zButtonGroupDList();
  buttonGroups_->append(group);
}

void zToolbar::removeButtonGroup(zButtonGroup* group) {
  if (buttonGroups_) buttonGroups_->remove(group);
}

// ---------------------------------------------------------------- menu link

zMenuLink::zMenuLink(zToolbar* toolbar, uint32_t linkFlags, zMenu* menu)
    : zMenuLink(toolbar, 0, 0xFFFF, linkFlags, menu) {}

zMenuLink::zMenuLink(zToolbar* toolbar, int32_t idLow, int32_t idHigh, uint32_t linkFlags, zMenu* menu)
    : window_(toolbar), menu_(menu), idLow_(idLow), idHigh_(idHigh), linkFlags_(linkFlags) {
  if (!menu_ && toolbar && toolbar->parent() && toolbar->parent()->hasTypeBit(zTypeFrameWin))
    menu_ = static_cast<zFrameWin*>(toolbar->parent())->menu();
  linkAll();
}

zMenuLink::~zMenuLink() {
  if (window_ && (window_->flags() & zWinDestroying) == 0) {
    zWindowDlistIter it(&window_->children());
    while (zWindow* child = it.next())
      if (inRange(child)) unlink(child);
  }
}

bool zMenuLink::inRange(zWindow* child) const {
  if (!child || !child->handle()) return false;
  const int32_t id = GetDlgCtrlID(child->handle());
  return id >= idLow_ && id <= idHigh_;
}

void zMenuLink::linkAll() {
  if (!window_) return;
  zWindowDlistIter it(&window_->children());
  while (zWindow* child = it.next()) {
    if (!inRange(child)) continue;
    link(child);
    if (linkFlags_ & followEnable) {
      zEvent e(0, static_cast<WPARAM>(child->isEnabled()), WM_ENABLE, child->handle());
      notify(&e);
    }
    if (linkFlags_ & followCheck) {
      zEvent e(0, static_cast<WPARAM>(SendMessageA(child->handle(), BM_GETCHECK, 0, 0)), BM_SETCHECK, child->handle());
      notify(&e);
    }
  }
}

void zMenuLink::link(zWindow* child) {
  if (linkFlags_ & followEnable) child->addNotifyHandler(this, &zMenuLink::notify, WM_ENABLE);
  if (linkFlags_ & followCheck) child->addNotifyHandler(this, &zMenuLink::notify, BM_SETCHECK);
}

void zMenuLink::unlink(zWindow* child) {
  if (zNotifyNodeDlist* list = child->notifyList()) {
    list->removeAll(WM_ENABLE, zEventHandler(this, &zMenuLink::notify));
    list->removeAll(BM_SETCHECK, zEventHandler(this, &zMenuLink::notify));
  }
}

int zMenuLink::notify(zEvent* event) {
  if (!event || !menu_ || !event->windowHandle()) return 0;
  const uint32_t id = static_cast<uint32_t>(GetDlgCtrlID(event->windowHandle()));
  if (event->message() == WM_ENABLE && (linkFlags_ & followEnable))
    menu_->grayItem(id, event->wParam() == 0);
  else if (event->message() == BM_SETCHECK && (linkFlags_ & followCheck))
    menu_->checkItem(id, event->wParam() != 0);
  return 0;
}
