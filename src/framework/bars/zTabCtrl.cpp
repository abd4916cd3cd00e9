#include "framework/bars/zTabCtrl.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "framework/core/zResources.h"
#include "framework/bars/zPaneCtrlTypes.h"
#include "framework/draw/zDisplay.h"
#include "framework/draw/zMeasure.h"
#include "framework/core/zWinDisplay.h"
#include "framework/layout/zGravSizer.h"
#include "framework/visual/zVisDraw.h"

namespace {

constexpr int32_t kFolderInset = 3;
constexpr int32_t kSheetInset = 8;

COLORREF shadow() { return GetSysColor(COLOR_BTNSHADOW); }

bool meets(const zRect& a, const zRect& b) {
  return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() && b.top() < a.bottom();
}

// A filled polygon in one colour, outlined in another.
void polygon(HDC dc, const POINT* points, int count, COLORREF fill, COLORREF outline) {
  HBRUSH brush = CreateSolidBrush(fill);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  zvis::PenScope pen(dc, outline);
  Polygon(dc, points, count);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
}

void polyline(HDC dc, std::initializer_list<POINT> points, COLORREF color) {
  zvis::PenScope pen(dc, color);
  Polyline(dc, points.begin(), static_cast<int>(points.size()));
}

}  // namespace

// ---------------------------------------------------------------- tab

zTab::zTab(zTabCtrl* owner, int32_t id, const FLCString& caption)
    : owner_(owner), text_(caption), id_(id), selected_(0), dirty_(0) {
  measure();
}

zTab::zTab(zTabCtrl* owner, int32_t id) : owner_(owner), id_(id), selected_(0), dirty_(0) { measure(); }

void zTab::setText(const char* text) {
  text_ = text ? text : "";
  measure();
}

void zTab::measure() {
  zDimension extent(0, 0);
  zDisplay* d = owner_ ? owner_->display() : nullptr;
  const char* shown = text_.length() ? static_cast<const char*>(text_) : "Empty";
  if (d) {
    d->lock();
    extent = d->textExtent(shown);
    d->unlock();
  }
  const bool sheet = owner_ && owner_->sheets();
  size_ = zDimension(extent.width() + 14 + (sheet ? 2 : 0), extent.height() + extent.height() / 2);
}

void zTab::draw() {
  zDisplay* d = owner_ ? owner_->display() : nullptr;
  if (!d) return;
  d->lock();
  drawShape(d->hdc());
  drawText(d->hdc());
  d->unlock();
  dirty_ = 0;
}

void zTab::drawShape(HDC dc) {
  if (owner_ && owner_->sheets())
    drawSheet(dc);
  else
    drawFolder(dc);
}

void zTab::drawFolder(HDC dc) {
  int32_t x = position_.x(), y = position_.y(), cx = size_.width(), cy = size_.height();
  if (selected_) {
    // A selected tab stands out two pixels to the left and upward.
    x -= 2;
    y -= 2;
    cx += 2;
    cy += 2;
  }
  const int32_t d = selected_ ? 0 : 3;
  const POINT body[] = {{x + cx - 1, y + 1 - d}, {x + cx - 1, y + cy}, {x, y + cy},
                        {x, y + 2 - d},          {x + 2, y + 1 - d},   {x + cx - 1, y + 1 - d}};
  polygon(dc, body, 6, zvis::face(), zvis::face());
  polyline(dc, {{x - 2, y}, {x + 1, y - 3}}, zvis::face());
  polyline(dc, {{x + cx - 1, y + 1}, {x + cx - 1, y + cy}}, shadow());
  if (!selected_) polyline(dc, {{x + cx, y + cy}, {x, y + cy}}, zvis::white);
  polyline(dc, {{x, y + cy}, {x, y + 2}, {x + 2, y}, {x + cx - 1, y}}, zvis::white);
  polyline(dc, {{x + cx - 1, y + 1}, {x + cx, y + 2}, {x + cx, y + cy}}, zvis::black);
}

void zTab::drawSheet(HDC dc) {
  const int32_t x = position_.x(), y = position_.y(), cx = size_.width(), cy = size_.height();
  const int32_t s = cy / 3;
  const POINT shape[] = {{x, y + 1}, {x + s, y + cy}, {x + cx - s, y + cy}, {x + cx, y + 1}, {x, y + 1}};
  if (!selected_) {
    polygon(dc, shape, 5, zvis::white, zvis::black);
  } else {
    polygon(dc, shape, 5, zvis::face(), zvis::face());
    {
      zvis::PenScope pen(dc, zvis::black);
      Polyline(dc, shape, 4);
    }
    polyline(dc, {{x + 1, y + 1}, {x + s + 1, y + cy}}, zvis::white);
    polyline(dc, {{x + s + 1, y + cy - 1}, {x + cx - s - 1, y + cy - 1}, {x + cx - 1, y + 1}}, shadow());
  }
  // The top line joins a selected sheet to the page.
  polyline(dc, {{x, y}, {x + cx, y}}, selected_ ? zvis::face() : shadow());
}

void zTab::drawText(HDC dc) {
  if (text_.length() == 0) return;
  const int32_t s = selected_ ? 1 : 0;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(dc, zvis::black);
  if (owner_ && owner_->sheets())
    TextOutA(dc, position_.x() + 9, position_.y() + size_.height() / 4 - 1 + s, text_,
             static_cast<int>(text_.length()));
  else
    TextOutA(dc, position_.x() + 7 - s, position_.y() + size_.height() / 4 - 1 - s, text_,
             static_cast<int>(text_.length()));
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
}

// ---------------------------------------------------------------- control

zTabCtrl::zTabCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* className, int32_t id)
    : zPaneControl(parent, sizer, style | WS_TABSTOP, className ? className : "zTabCtrl", id),
      margins_{nullptr, nullptr, nullptr, nullptr},
      stripSizer_(nullptr),
      current_(nullptr),
      tabStyle_((style | WS_TABSTOP) & 0xFFu),
      slant_(0),
      leftInset_(kFolderInset),
      bound_(nullptr),
      bindMode_(0) {
  if (sheets()) leftInset_ = kSheetInset;
  stripSizer_ = new zGravSizer(sheets() ? gravBottom : gravTop, 0, sizer_);
  if (zDisplay* d = display()) d->setDefaultFont(zRCFont("Arial", zPrPoint(0, -80), 400));
  setBackColor(GetSysColor(COLOR_BTNFACE));
  addNotifyHandler(this, &zTabCtrl::onKeyDown, WM_KEYDOWN);
  layoutStrip();
}

zTabCtrl::~zTabCtrl() {
  removeNotifyHandler(this, &zTabCtrl::onKeyDown, WM_KEYDOWN);
  for (zTab* tab : tabs_) delete tab;
  tabs_.clear();
  current_ = nullptr;
}

LRESULT zTabCtrl::defProc(zEvent* event) {
  if (event && event->message_ == WM_SYSCOLORCHANGE) {
    setBackColor(GetSysColor(COLOR_BTNFACE));
    invalidate(nullptr, 1);
  }
  return zPaneControl::defProc(event);
}

void zTabCtrl::displayChanged() { layoutStrip(); }

int zTabCtrl::onSize(zEvent*) {
  layoutStrip();
  invalidate(nullptr, 1);
  return 1;
}

void zTabCtrl::layoutStrip() {
  if (!stripSizer_) return;  // during the pane's own construction
  int32_t sampleHeight = 0;
  if (zDisplay* d = display()) {
    d->lock();
    sampleHeight = d->textExtent("zProgram is the Best").height();
    d->unlock();
  }
  const int32_t height = std::max<int32_t>(GetSystemMetrics(SM_CYCAPTION) + sampleHeight - 7, 1);
  stripSizer_->setFixedExtent(zDimension(0, height));
  RECT client = {0, 0, 0, 0};
  if (handle_) GetClientRect(handle_, &client);
  const int32_t h = std::min<int32_t>(height, client.bottom);
  strip_ = sheets() ? zRect(0, client.bottom - h, client.right, client.bottom) : zRect(0, 0, client.right, h);
  layoutTabs();
}

void zTabCtrl::layoutTabs() {
  zTab* previous = nullptr;
  for (zTab* tab : tabs_) {
    tab->measure();
    slant_ = tab->size().height() / 3;
    int32_t x = leftInset_;
    if (previous) {
      x = previous->position().x() + previous->size().width() + 1;
      if (sheets()) x -= slant_;  // neighbouring sheets overlap
    }
    const int32_t y = sheets() ? strip_.top() : strip_.bottom() - tab->size().height() - 1;
    tab->setPosition(zPoint(x, y));
    previous = tab;
  }
}

zRect zTabCtrl::pageRect() const {
  RECT client = {0, 0, 0, 0};
  if (handle_) GetClientRect(handle_, &client);
  return sheets() ? zRect(0, 0, client.right, strip_.top()) : zRect(0, strip_.bottom(), client.right, client.bottom);
}

void zTabCtrl::placeAfterLast(zTab* tab) {
  int32_t x = leftInset_;
  if (!tabs_.empty()) x = tabs_.back()->position().x() + tabs_.back()->size().width() + 1;
  tab->setPosition(zPoint(x, strip_.bottom() - tab->size().height() - 1));
}

void zTabCtrl::appendTab(zTab* tab) {
  if (!tab) return;
  placeAfterLast(tab);
  tabs_.push_back(tab);
  layoutTabs();
  const RECT r = strip_.toRECT();
  invalidate(&r, 1);
}

void zTabCtrl::addTabs(const char* const* captions, const int32_t* ids, uint32_t count) {
  for (uint32_t i = 0; i < count; ++i)
    appendTab(new zTab(this, ids ? ids[i] : static_cast<int32_t>(i), FLCString(captions[i] ? captions[i] : "")));
}

void zTabCtrl::addTabs(zResStrBlock& block) {
  block.rewind();
  while (const char* s = block.nextString()) {
    const char* blank = std::strchr(s, ' ');
    if (!blank) continue;
    appendTab(new zTab(this, std::atoi(s), FLCString(blank + 1)));
  }
}

int zTabCtrl::indexOf(const zTab* tab) const {
  for (size_t i = 0; i < tabs_.size(); ++i)
    if (tabs_[i] == tab) return static_cast<int>(i);
  return -1;
}

zTab* zTabCtrl::findTab(int32_t id) const {
  for (zTab* tab : tabs_)
    if (tab->id() == id) return tab;
  return nullptr;
}

void zTabCtrl::removeTab(int32_t id) {
  zTab* tab = findTab(id);
  if (!tab) return;
  removeTab(tab);
  delete tab;
}

void zTabCtrl::removeTab(zTab* tab) {
  const int i = indexOf(tab);
  if (i < 0) return;
  tabs_.erase(tabs_.begin() + i);
  if (current_ == tab) current_ = nullptr;
  tab->setSelected(0);
  layoutTabs();
  invalidate(nullptr, 1);
}

void zTabCtrl::setTabText(int32_t id, const char* text) {
  for (zTab* tab : tabs_) {
    if (tab->id() != id) continue;
    tab->setText(text);
    layoutTabs();
    const RECT r = strip_.toRECT();
    invalidate(&r, 1);
  }
}

void zTabCtrl::selectTab(int32_t id) {
  if (zTab* tab = findTab(id)) selectTab(tab);
}

void zTabCtrl::selectTab(zTab* tab) {
  if (!tab || indexOf(tab) < 0) return;
  zTab* old = current_;
  const int32_t oldId = old ? old->id() : 0;
  const int32_t newId = tab->id();
  if (!canChangeTab(newId, oldId)) return;
  if (old == tab) return;
  if (old) {
    old->setSelected(0);
    old->setDirty();
  }
  tab->setSelected(1);
  tab->setDirty();
  current_ = tab;
  // A selected folder tab reaches past its neighbours: the whole strip is painted again.
  RECT r = strip_.toRECT();
  if (!sheets()) r.top = std::max<LONG>(0, r.top - 2);
  invalidate(&r, 1);
  if (handle_) UpdateWindow(handle_);
  tabSelected(newId, old ? oldId : -1);
  notifyParent(zTabChanged);
}

void zTabCtrl::tabSelected(int32_t, int32_t) {}
int zTabCtrl::canChangeTab(int32_t, int32_t) { return 1; }

void zTabCtrl::setMargins(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  const int32_t values[4] = {bottom, top, left, right};
  const int32_t gravities[4] = {gravBottom, gravTop, gravLeft, gravRight};
  for (int i = 0; i < 4; ++i)
    if (values[i] != 0) margins_[i] = new zGravSizer(gravities[i], values[i], sizer_);
}

void zTabCtrl::bindId(int32_t* variable) {
  bound_ = variable;
  bindMode_ = variable ? 1 : 0;
}

void zTabCtrl::bindTab(zTab** variable) {
  bound_ = variable;
  bindMode_ = variable ? 2 : 0;
}

int zTabCtrl::loadData() {
  if (bindMode_ == 1) selectTab(*static_cast<int32_t*>(bound_));
  if (bindMode_ == 2) selectTab(*static_cast<zTab**>(bound_));
  return 1;
}

int zTabCtrl::storeData() {
  if (bindMode_ == 0) return 0;
  // The selection goes into the variable; with none, the variable keeps its value.
  if (!current_) return 1;
  if (bindMode_ == 1) *static_cast<int32_t*>(bound_) = current_->id();
  if (bindMode_ == 2) *static_cast<zTab**>(bound_) = current_;
  return 1;
}

int zTabCtrl::tabsFit() const {
  int32_t sum = 0;
  for (zTab* tab : tabs_) sum += tab->size().width() - (sheets() ? 5 : 0);
  return sum - 2 < strip_.width() - 3 - leftInset_ ? 1 : 0;
}

zTab* zTabCtrl::lastVisibleTab() const {
  for (zTab* tab : tabs_)
    if (tab->rect().right() > strip_.right()) return tab;
  return tabs_.empty() ? nullptr : tabs_.back();
}

int zTabCtrl::onMouseButtonDown(zEvent* event) {
  if (!event || event->message_ != WM_LBUTTONDOWN) return 0;
  const zPoint p(static_cast<int16_t>(LOWORD(event->lParam_)), static_cast<int16_t>(HIWORD(event->lParam_)));
  if (!strip_.contains(p)) return 0;
  for (zTab* tab : tabs_) {
    if (tab->rect().contains(p)) {
      setFocus();
      selectTab(tab);
      return 1;
    }
  }
  return 1;
}

int zTabCtrl::onKeyDown(zEvent* event) {
  if (!event || tabs_.size() < 2) return 0;
  const int i = indexOf(current_);
  zTab* target = nullptr;
  if (event->wParam_ == VK_LEFT || event->wParam_ == VK_RIGHT) {
    if (i < 0)
      target = tabs_.front();  // nothing selected yet: the first tab
    else if (event->wParam_ == VK_LEFT && i > 0)
      target = tabs_[static_cast<size_t>(i - 1)];
    else if (event->wParam_ == VK_RIGHT && i + 1 < tabCount())
      target = tabs_[static_cast<size_t>(i + 1)];
  }
  if (!target) return 0;
  selectTab(target);
  return 1;
}

// ---------------------------------------------------------------- painting

int zTabCtrl::draw(zEvent*) {
  zDisplay* d = display();
  if (!d) return 1;
  d->lock();
  const HDC dc = d->hdc();
  const RECT box = zvis::paintBox(dc, handle_);
  RECT clientBox;
  GetClientRect(handle_, &clientBox);
  const zRect update(box), client(clientBox);
  zvis::fill(dc, update.left(), update.top(), update.right(), update.bottom(), zvis::face());
  if (sheets())
    drawSheetStrip(dc, update, client);
  else
    drawFolderStrip(dc, update, client);
  d->unlock();
  return 1;
}

void zTabCtrl::drawTabs(const zRect& update, bool backward) {
  zDisplay* d = display();
  HRGN clip = CreateRectRgn(strip_.left(), strip_.top() - (sheets() ? 0 : 2), strip_.right(), strip_.bottom());
  SelectClipRgn(d->hdc(), clip);
  zTab* selected = nullptr;
  const int n = tabCount();
  for (int k = 0; k < n; ++k) {
    zTab* tab = tabs_[static_cast<size_t>(backward ? n - 1 - k : k)];
    if (!meets(tab->rect(), update) && !(tab->isDirty() && meets(tab->rect(), strip_))) continue;
    if (backward && tab->isSelected()) {
      selected = tab;  // on top of its neighbours: drawn last
      continue;
    }
    tab->draw();
  }
  if (selected) selected->draw();
  SelectClipRgn(d->hdc(), nullptr);
  DeleteObject(clip);
}

void zTabCtrl::drawFolderStrip(HDC dc, const zRect& update, const zRect& client) {
  const zRect& s = strip_;
  zTab* last = lastVisibleTab();
  const int32_t y = s.bottom() - 1;
  if (meets(update, zRect(s.left(), s.top(), s.right(), s.bottom() + 1))) {
    zvis::PenScope pen(dc, zvis::white);
    if (tabs_.empty()) {
      zvis::line(dc, s.left(), y, s.right() - 1, y);
    } else {
      zvis::line(dc, s.left(), y, tabs_.front()->position().x(), y);
      zvis::line(dc, std::min(last->rect().right(), s.right()), y, s.right() - 1, y);
    }
  }
  drawTabs(update, false);
  if (last && last->rect().right() > s.right()) {
    // The cut-off mark where the strip ends inside a tab.
    const zRect t = last->rect();
    const int32_t r = s.right(), cy = t.height();
    polyline(dc,
             {{r + 2, t.top()},
              {r + 3, t.top() + cy / 4 + 1},
              {r + 1, t.top() + cy / 2 + 1},
              {r + 3, t.bottom() - cy / 5},
              {r + 2, t.bottom() - 1}},
             shadow());
  }
  const zRect& p = client;
  polyline(dc, {{p.left(), p.bottom()}, {p.left(), s.bottom() - 1}}, zvis::white);
  polyline(dc, {{p.right() - 1, s.bottom()}, {p.right() - 1, p.bottom() - 1}}, zvis::black);
  polyline(dc, {{p.right() - 2, s.bottom() + 1}, {p.right() - 2, p.bottom() - 2}}, shadow());
  polyline(dc, {{p.right() - 1, p.bottom() - 1}, {p.left(), p.bottom() - 1}}, zvis::black);
}

void zTabCtrl::drawSheetStrip(HDC dc, const zRect& update, const zRect& client) {
  const zRect& s = strip_;
  zTab* last = lastVisibleTab();
  if (meets(update, s)) {
    for (int pass = 0; pass < 2; ++pass) {
      const int32_t y = pass == 0 ? s.top() + 1 : s.top();
      const int32_t from = pass == 0 ? s.left() : s.left() + 1;
      zvis::PenScope pen(dc, pass == 0 ? zvis::black : shadow());
      if (tabs_.empty()) {
        zvis::line(dc, from, y, s.right() - 1, y);
      } else {
        zvis::line(dc, from, y, tabs_.front()->position().x(), y);
        zvis::line(dc, std::min(last->rect().right(), s.right()), y, s.right() - 1, y);
      }
    }
  }
  drawTabs(update, true);
  const zRect& p = client;
  polyline(dc, {{p.left(), p.top() + 5}, {p.left(), s.top() + 1}}, zvis::white);
  polyline(dc, {{p.right() - 1, p.top() + 5}, {p.right() - 1, s.top() + 1}}, zvis::black);
  polyline(dc, {{p.right() - 2, p.top() + 6}, {p.right() - 2, s.top()}}, shadow());
  polyline(dc, {{p.right() - 1, p.top() + 5}, {p.left(), p.top() + 5}}, zvis::white);
}

zTabCtrl* zTabCtrl::fromDialog(zWindow* parent, int32_t id) {
  return static_cast<zTabCtrl*>(zPaneCtrlById(parent, id, "zTabCtrl"));
}

zWindow* zCreateTabCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char*, int32_t id) {
  return new (std::nothrow) zTabCtrl(parent, sizer, style, nullptr, id);
}
