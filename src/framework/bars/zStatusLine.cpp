#include "framework/bars/zStatusLine.h"

#include <cstring>

#include "framework/bars/zBarPane.h"
#include "framework/bars/zBarsArith.h"
#include "framework/core/zMenu.h"
#include "framework/core/zFrameWin.h"
#include "framework/core/zResId.h"
#include "framework/core/zResources.h"
#include "framework/draw/zDisplay.h"
#include "framework/draw/zFont.h"
#include "framework/layout/zGravSizer.h"
#include "framework/visual/zCtrl3d.h"
#include "framework/visual/zVisDraw.h"

namespace {

// Frames whose menus a line directly inside them hooks, by the start of their class name.
const char* const kFrameClasses[] = {"AppFrameCL", "DialogFrameCL", "MDIframeCL",
                                     "MDIchildCL", "MDIdialogCL",   "zChildFrameCL"};

class DcFont {
 public:
  DcFont(HDC dc, HFONT font) : dc_(dc), old_(dc && font ? SelectObject(dc, font) : nullptr) {}
  ~DcFont() {
    if (old_) SelectObject(dc_, old_);
  }
  DcFont(const DcFont&) = delete;
  DcFont& operator=(const DcFont&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

zRCFont defaultFont() {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Helv");
  return zRCFont(font, true);
}

bool liveParent(const zWindow* w) { return w && !(w->flags() & (zWinDestroying | zWinGone)); }

}  // namespace

// ---------------------------------------------------------------- border manager

ziBorderManager::ziBorderManager(zSizer* owner)
    : top_(nullptr), bottom_(nullptr), left_(nullptr), right_(nullptr), owner_(owner) {}

ziBorderManager::ziBorderManager(zSizer* owner, int32_t top, int32_t right, int32_t bottom, int32_t left)
    : ziBorderManager(owner) {
  setTop(top);
  setRight(right);
  setLeft(left);
  setBottom(bottom);
}

ziBorderManager::~ziBorderManager() {
  delete top_;
  delete bottom_;
  delete left_;
  delete right_;
}

void ziBorderManager::setTop(int32_t h) {
  if (top_)
    top_->setFixedExtent(zDimension(0, h));
  else
    top_ = new zGravSizer(gravTop, h, owner_);
}
void ziBorderManager::setBottom(int32_t h) {
  if (bottom_)
    bottom_->setFixedExtent(zDimension(0, h));
  else
    bottom_ = new zGravSizer(gravBottom, h, owner_);
}
void ziBorderManager::setLeft(int32_t w) {
  if (left_)
    left_->setFixedExtent(zDimension(w, 0));
  else
    left_ = new zGravSizer(gravLeft, w, owner_);
}
void ziBorderManager::setRight(int32_t w) {
  if (right_)
    right_->setFixedExtent(zDimension(w, 0));
  else
    right_ = new zGravSizer(gravRight, w, owner_);
}
int32_t ziBorderManager::top() const { return top_ ? top_->fixedExtent().height() : 0; }
int32_t ziBorderManager::bottom() const { return bottom_ ? bottom_->fixedExtent().height() : 0; }
int32_t ziBorderManager::left() const { return left_ ? left_->fixedExtent().width() : 0; }
int32_t ziBorderManager::right() const { return right_ ? right_->fixedExtent().width() : 0; }
void ziBorderManager::relayout() {
  if (top_ && top_->parent()) top_->parent()->update();
}

// ---------------------------------------------------------------- status line

zStatusLine::zStatusLine(zWindow* parent, zSizer* sizer, uint32_t flags, uint32_t paneStyle, const zRCFont& font,
                         FrameIs frame)
    : ziVisualPane(parent, sizer, paneStyle), frameIsGrandparent_(frame) {
  construct(flags, font);
}

zStatusLine::zStatusLine(zWindow* parent, zSizer* sizer, uint32_t flags, uint32_t paneStyle, zFont* font, FrameIs frame)
    : ziVisualPane(parent, sizer, paneStyle), frameIsGrandparent_(frame) {
  construct(flags, font ? zRCFont(font->hfont()) : zRCFont());
  fontObject_ = font;
}

void zStatusLine::construct(uint32_t flags, const zRCFont& font) {
  hooked_ = 0;
  hookedMenu_ = nullptr;
  borders_ = nullptr;
  fontObject_ = nullptr;
  font_ = font.isValid() ? font : defaultFont();
  styleFlags_ = flags;
  topMargin_ = 2;
  bottomMargin_ = rightMargin_ = leftMargin_ = 0;
  bevel_ = 2;
  height_ = 0;
  textHeight_ = 0;
  computeHeight();
  setBackColor(GetSysColor(COLOR_BTNFACE));
  helpBase_ = 0;
  helpModule_ = nullptr;
  helpItem_ = nullptr;
  helpMode_ = helpNone;
  lineHelpShown_ = 0;
  menuHelpActive_ = 0;
  panelCompound_ = new ziControlCompound(shell(), nullptr);
  if (frameIsGrandparent_) {
    hooked_ = 1;
  } else if (parent_) {
    char name[64] = "";
    GetClassNameA(parent_->handle(), name, sizeof name);
    for (const char* prefix : kFrameClasses)
      if (std::strncmp(name, prefix, std::strlen(prefix)) == 0) hooked_ = 1;
  }
}

zStatusLine::~zStatusLine() {
  unhook();
  delete borders_;
  borders_ = nullptr;
  // The items belong to the tree, but they tell the line when they go: they go first,
  // while the line can still hear it.
  while (void* item = items_.removeFirst()) delete static_cast<zStatusItem*>(item);
  delete panelCompound_;
  panelCompound_ = nullptr;
}

zWindow* zStatusLine::frame() const {
  zWindow* f = parent_;
  if (f && frameIsGrandparent_) f = f->parent();
  return f;
}

void zStatusLine::computeHeight() {
  bevel_ = 2;
  TEXTMETRICA tm{};
  HDC dc = GetDC(handle_);
  {
    DcFont use(dc, font_.hfont());
    GetTextMetricsA(dc, &tm);
  }
  ReleaseDC(handle_, dc);
  textHeight_ = tm.tmHeight;
  height_ = zbars::statusLineHeight(textHeight_, topMargin_, bottomMargin_, bevel_);
  if (sizer_) {
    if (zSizer* g = sizer_->asKind(zKindGrav)) static_cast<zGravSizer*>(g)->setFixedExtent(zDimension(0, height_));
    sizer_->setExtent(zDimension(sizer_->width(), height_));
  }
  if (!borders_) borders_ = new ziBorderManager(sizer_);
  borders_->setTop(bevel_ + topMargin_);
  borders_->setRight(rightMargin_ + 5);
  borders_->setBottom(bevel_ + bottomMargin_);
  borders_->setLeft(leftMargin_ + 5);
}

void zStatusLine::setMargins(const zDimension& m) {
  bottomMargin_ = m.height();
  topMargin_ = m.height() + 2;
  leftMargin_ = rightMargin_ = m.width();
  computeHeight();
  if (zSizer* p = sizerOfParentWindow()) p->update();
  if (sizer_) sizer_->update();
  invalidate();
}

zPoint zStatusLine::borderOrigin() const { return borders_ ? borders_->origin() : zPoint(0, 0); }

zRect zStatusLine::innerRect() const {
  const zPoint o = borderOrigin();
  const int32_t w = sizer_ ? sizer_->width() : 0;
  const int32_t h = sizer_ ? sizer_->height() : 0;
  return zRect(o.x(), o.y(), o.x() + w - 2 * o.x(), o.y() + h - 2 * o.y());
}

void zStatusLine::setFont(const zRCFont& font, int redraw) {
  fontObject_ = nullptr;
  font_ = font.isValid() ? font : defaultFont();
  computeHeight();
  if (zSizer* p = sizerOfParentWindow()) p->update();
  if (redraw) invalidate();
}

void zStatusLine::setFont(zFont* font, int redraw) {
  // Only wrapped: the caller keeps the object and deletes it.
  setFont(font ? zRCFont(font->hfont()) : zRCFont(), redraw);
  fontObject_ = font;
}

zStatusItem* zStatusLine::findItem(int32_t id) {
  zStatusItemDListIter it(&items_);
  while (zStatusItem* item = it.next())
    if (item->id() == id) return item;
  return nullptr;
}

zStatusItem* zStatusLine::detachItem(int32_t id) {
  zStatusItem* item = findItem(id);
  if (item) items_.remove(item);
  return item;
}

void zStatusLine::deleteItem(int32_t id) {
  zStatusItem* item = findItem(id);
  if (!item) return;
  delete item;  // leaves the list and the tree itself
  invalidate();
}

void zStatusLine::itemGone(zStatusItem* item) {
  items_.remove(item);
  if (helpItem_ && static_cast<zStatusItem*>(helpItem_) == item) helpItem_ = nullptr;
}

void zStatusLine::setItemText(int32_t id, const char* text) {
  zStatusItem* item = findItem(id);
  // Only text items carry a settable text; the others draw their own.
  if (item && item->hasTypeBit(zTypeStatusItemText)) static_cast<zStatusItemText*>(item)->setText(text);
}

// ---------------------------------------------------------------- help set-up

void zStatusLine::hook() {
  if (hookedMenu_ || !hooked_) return;
  zWindow* f = frame();
  if (!f || !f->hasTypeBit(zTypeFrameWin)) return;
  zMenu* menu = static_cast<zFrameWin*>(f)->menu();
  if (!menu) return;
  menu->setSelectHandler(zEventHandler(this, &zStatusLine::showHelp));
  hookedMenu_ = menu;
}

void zStatusLine::unhook() {
  if (!hookedMenu_) return;
  zMenu* hookedOn = hookedMenu_;
  hookedMenu_ = nullptr;
  zWindow* f = frame();
  // A frame on its way out takes its menu and the handler with it; so does a menu the
  // frame gave up (it was deleted then).
  if (!liveParent(parent_) || !liveParent(f) || !f->hasTypeBit(zTypeFrameWin)) return;
  if (static_cast<zFrameWin*>(f)->menu() == hookedOn)
    hookedOn->removeSelectHandler(zEventHandler(this, &zStatusLine::showHelp));
}

void zStatusLine::rehook() {
  if (helpMode_ == helpNone) return;
  zWindow* f = frame();
  if (f && f->hasTypeBit(zTypeFrameWin) && static_cast<zFrameWin*>(f)->menu() == hookedMenu_) return;
  // The menu hooked before is gone with the frame's old menu.
  hookedMenu_ = nullptr;
  hook();
}

void zStatusLine::show(int cmd) {
  if (helpMode_ != helpNone) hook();
  ziVisualPane::show(cmd);
}

void zStatusLine::helpInLine() {
  hook();
  table_.set(nullptr);
  helpMode_ = helpLine;
}

void zStatusLine::helpInLine(const zResId& base) {
  hook();
  const LPCSTR name = base.resourceName();
  helpBase_ = IS_INTRESOURCE(name) ? static_cast<uint32_t>(reinterpret_cast<uintptr_t>(name)) : 0;
  helpModule_ = base.module();
  table_.set(nullptr);
  helpMode_ = helpLine;
}

void zStatusLine::helpInLine(const zStatusMessage* table) {
  hook();
  table_.set(table);
  helpMode_ = helpLine;
}

void zStatusLine::helpInLine(zResStrBlock* block) {
  hook();
  if (block)
    table_.build(*block);
  else
    table_.set(nullptr);
  helpMode_ = helpLine;
}

void zStatusLine::helpInItem(int32_t id) {
  zStatusItem* item = findItem(id);
  helpInItem(item && item->hasTypeBit(zTypeStatusItemText) ? static_cast<zStatusItemText*>(item) : nullptr);
}

void zStatusLine::helpInItem(zStatusItemText* item) {
  hook();
  helpItem_ = item;
  table_.set(nullptr);
  helpMode_ = helpItemMode;
}

void zStatusLine::setMessageTable(int32_t id, const zStatusMessage* table) {
  helpInItem(id);
  table_.set(table);
}

zStatusItemText* zStatusLine::setMessageBlock(int32_t id, zResStrBlock* block) {
  helpInItem(id);
  if (block) table_.build(*block);
  return helpItem_;
}

zStatusItemText* zStatusLine::setHelpResource(int32_t id, const zResId& base) {
  helpInItem(id);
  const LPCSTR name = base.resourceName();
  helpBase_ = IS_INTRESOURCE(name) ? static_cast<uint32_t>(reinterpret_cast<uintptr_t>(name)) : 0;
  helpModule_ = base.module();
  return helpItem_;
}

void zStatusLine::helpOff() {
  if (helpMode_ == helpNone) return;
  unhook();
  table_.set(nullptr);
  helpMode_ = helpNone;
  menuHelpActive_ = 0;
  if (lineHelpShown_) {
    lineHelpShown_ = 0;
    invalidateHelpArea();
  }
}

// ---------------------------------------------------------------- help

zRect zStatusLine::helpArea() const {
  const int32_t w = sizer_ ? sizer_->width() : 0;
  return zRect(0, 2, w, height_);
}

void zStatusLine::invalidateHelpArea() {
  const RECT r = helpArea().toRECT();
  if (IsWindow(handle_)) InvalidateRect(handle_, &r, FALSE);
}

int zStatusLine::showHelp(zEvent* event) {
  if (!event || event->message() != WM_MENUSELECT) return 0;
  const uint32_t id = LOWORD(event->wParam());
  const uint32_t menuFlags = HIWORD(event->wParam());
  // Item mode without an item (an id that named none) has nowhere to show help.
  const bool canShow = helpMode_ == helpLine || (helpMode_ == helpItemMode && helpItem_);
  if (menuFlags == 0xFFFF && event->lParam() == 0) {
    if (!menuHelpActive_) return 0;
    menuHelpActive_ = 0;
    if (helpMode_ == helpItemMode) {
      if (helpItem_) helpItem_->setText(savedItemText_);
    } else {
      lineHelpShown_ = 0;
      invalidateHelpArea();
    }
    return 0;
  }
  if (menuFlags & (MF_POPUP | MF_SYSMENU | MF_SEPARATOR)) return 0;
  if (!canShow) return 0;
  if (!menuHelpActive_) {
    menuHelpActive_ = 1;
    if (helpMode_ == helpItemMode) {
      savedItemText_ = helpItem_->text();
    } else {
      lineHelpShown_ = 1;
      invalidateHelpArea();
    }
  }
  if (!table_.isEmpty()) {
    const char* text = table_.lookup(static_cast<int32_t>(id));
    showText(text ? text : "");
    return 0;
  }
  char buffer[200] = "";
  HMODULE module = helpModule_ ? helpModule_ : GetModuleHandleA(nullptr);
  if (LoadStringA(module, id + helpBase_, buffer, sizeof buffer) <= 0) buffer[0] = 0;
  showText(buffer);
  return 0;
}

void zStatusLine::showItemHelp(const char* text) {
  if (!helpItem_) return;
  const int32_t active = menuHelpActive_;
  menuHelpActive_ = 0;  // so that the help does not become the text to put back
  helpItem_->setText(text);
  menuHelpActive_ = active;
}

void zStatusLine::showText(const char* text) {
  if (helpMode_ == helpItemMode) {
    showItemHelp(text);
    return;
  }
  const char* t = text ? text : "";
  if (lineHelpText_ == t) return;
  lineHelpText_ = t;
  invalidateHelpArea();
}

// ---------------------------------------------------------------- drawing and messages

int zStatusLine::draw(zEvent* event) {
  zDisplay* d = display();
  if (!d) return 0;
  d->lock();
  const HDC dc = d->hdc();
  RECT client;
  GetClientRect(handle_, &client);
  zRect area;
  d->updateRect(area);
  if (!d->isPainting() || area.width() <= 0 || area.height() <= 0) area = zRect(client);
  zvis::fill(dc, area.left(), area.top(), area.right(), area.bottom(), background());
  const int32_t width = sizer_ && sizer_->width() > 0 ? sizer_->width() : client.right;
  {
    zvis::PenScope black(dc, zvis::black);
    zvis::line(dc, 0, 0, width, 0);
  }
  {
    zvis::PenScope white(dc, zvis::white);
    zvis::line(dc, 0, 1, width, 1);
  }
  if (lineHelpShown_) {
    if (lineHelpText_.length() != 0) {
      DcFont use(dc, font_.hfont());
      const int oldMode = SetBkMode(dc, TRANSPARENT);
      const COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      SIZE e{};
      GetTextExtentPoint32A(dc, lineHelpText_.data(), static_cast<int>(lineHelpText_.length()), &e);
      const int left = 16, top = 2 + 1, bottom = height_;
      const int y = (top + bottom) / 2 - e.cy / 2;
      TextOutA(dc, left, y, lineHelpText_.data(), static_cast<int>(lineHelpText_.length()));
      SetTextColor(dc, oldColor);
      SetBkMode(dc, oldMode);
    }
  } else {
    ziVisualPane::draw(event);
  }
  d->unlock();
  return 1;
}

LRESULT zStatusLine::defProc(zEvent* event) {
  zWindow* f = frame();
  LRESULT answer = 0;
  if (event && f && zBarPassOn(this, f, event, &answer)) return answer;
  return ziVisualPane::defProc(event);
}

// ---------------------------------------------------------------- items

zStatusItem::zStatusItem(zStatusLine* line, zSizer* sizer, int32_t id, uint32_t style)
    : ziVisual(line->shell(), sizer), panel_(nullptr), style_(style), id_(id), gapSizer_(nullptr), line_(line) {
  setTypeBit(zTypeStatusItem);
  line->shell()->addChild(this);
  line->addItem(this);
  if (!(style & zStatusNoGap)) addGap();
  panel_ = new ziVisPanelInternal(line->panelCompound(), new zSizer(), 0, -1, 1, 0, 0);
}

zStatusItem::~zStatusItem() {
  if (line_) line_->itemGone(this);
  delete gapSizer_;
  gapSizer_ = nullptr;
  delete sizer_;
  sizer_ = nullptr;
  if (parent_) parent_->removeChild(this);
  delete panel_;
  panel_ = nullptr;
}

void zStatusItem::addGap() {
  delete gapSizer_;
  gapSizer_ = nullptr;
  if (sizer_ && (sizer_->gravity() == gravLeft || sizer_->gravity() == gravRight))
    gapSizer_ = new zGravSizer(sizer_->gravity(), 4, line_->sizer());
}

zRect zStatusItem::innerRect() const {
  const zRect r = rect();
  return zRect(r.left() + 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
}

zDimension zStatusItem::measure(const char* text) {
  SIZE e{};
  zDisplay* d = display();
  if (!d) return zDimension(0, 0);
  d->lock();
  const HDC dc = d->hdc();
  {
    DcFont use(dc, line_->lineFont().hfont());
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &e);
  }
  d->unlock();
  return zDimension(e.cx, e.cy);
}

void zStatusItem::drawFrame() {
  if (!panel_) return;
  const zRect r = rect();
  panel_->sizer()->setOrigin(r.topLeft());
  panel_->sizer()->setExtent(zDimension(r.width(), r.height()));
  panel_->draw(nullptr);
}

void zStatusItem::drawClipped(const std::function<void()>& content) {
  if (!(style_ & zStatusClipped)) {
    content();
    return;
  }
  const HDC dc = display()->hdc();
  const zRect r = innerRect();
  HRGN clip = CreateRectRgn(r.left(), r.top(), r.right(), r.bottom());
  SelectClipRgn(dc, clip);
  content();
  SelectClipRgn(dc, nullptr);
  DeleteObject(clip);
}

void zStatusItem::draw(const zRect*) {
  zDisplay* d = display();
  if (!d) return;
  d->lock();
  drawFrame();
  d->unlock();
}

void zStatusItem::eraseText() {
  zRect r = innerRect();
  if (r.width() >= textRect_.width()) r = textRect_;
  zDisplay* d = display();
  if (d && r.width() > 0 && r.height() > 0) {
    d->lock();
    zvis::fill(d->hdc(), r.left(), r.top(), r.right(), r.bottom(), line_->background());
    d->unlock();
  }
  textRect_ = zRect(0, 0, 0, 0);
}

zStatusItemText::zStatusItemText(zStatusLine* line, zSizer* sizer, int32_t id, uint32_t style)
    : zStatusItem(line, sizer, id, style) {
  setTypeBit(zTypeStatusItemText);
}

zStatusItemText::zStatusItemText(zStatusLine* line, int32_t gravity, const char* sampleText, int32_t id, uint32_t style)
    : zStatusItem(line, nullptr, id, style | zStatusNoGap) {
  setTypeBit(zTypeStatusItemText);
  style_ = style;
  const int32_t width = gravity == gravClient ? 0 : measure(sampleText ? sampleText : "").width() + 8;
  sizer_ = new zGravSizer(gravity, width, line->sizer());
}

void zStatusItemText::draw(const zRect*) {
  zDisplay* d = display();
  if (!d) return;
  d->lock();
  // The panel paints the whole face, so the frame comes first and the text over it.
  drawFrame();
  textRect_ = zRect(0, 0, 0, 0);
  drawClipped([this] { drawText(); });
  d->unlock();
}

void zStatusItemText::drawText() {
  zDisplay* d = display();
  if (!d) return;
  d->lock();
  if (text_.length() == 0) {
    eraseText();
    d->unlock();
    return;
  }
  const HDC dc = d->hdc();
  DcFont use(dc, line_->lineFont().hfont());
  SIZE e{};
  GetTextExtentPoint32A(dc, text_.data(), static_cast<int>(text_.length()), &e);
  if (e.cx < textRect_.width()) eraseText();
  const int32_t inset = panel_ ? 2 * panel_->bevelWidth() + panel_->gap() : 2;
  const zRect item = rect();
  const zRect r(item.left() + inset, item.top() + inset, item.right() - inset, item.bottom() - inset);
  const int32_t cx = (r.left() + r.right()) / 2, cy = (r.top() + r.bottom()) / 2;
  int32_t x = r.left();
  if (style_ & zStatusCentered)
    x = cx - e.cx / 2;
  else if (style_ & zStatusRight)
    x = r.right() - e.cx;
  const int32_t y = cy - e.cy / 2;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  TextOutA(dc, x, y, text_.data(), static_cast<int>(text_.length()));
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
  d->unlock();
  textRect_ = zRect(x, y, x + e.cx, y + e.cy);
}

void zStatusItemText::setText(const char* text) {
  const char* t = text ? text : "";
  if (line_->menuHelpActive() && line_->helpItem() == this) line_->setSavedItemText(t);
  if (text_ == t) return;
  text_ = t;
  const zRect r = rect();
  const RECT rr = r.toRECT();
  zWindow* host = line_;
  if (IsWindow(host->handle())) InvalidateRect(host->handle(), &rr, FALSE);
}
