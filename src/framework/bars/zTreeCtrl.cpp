#include "framework/bars/zTreeCtrl.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <new>

#include "framework/bars/zPaneCtrlTypes.h"
#include "framework/draw/zDisplay.h"
#include "framework/visual/zImageStrip.h"
#include "framework/visual/zVisDraw.h"

namespace {
constexpr COLORREF kBoxGrey = 0x404040;
constexpr int32_t kButtonBox = 11;
constexpr int32_t kLeftMargin = 3;
}  // namespace

// ---------------------------------------------------------------- item

zTreeItem::zTreeItem() : zTreeItem(nullptr) {}

zTreeItem::zTreeItem(const char* text, int32_t data, int32_t image, int32_t secondImage)
    : text_(text ? text : ""),
      level_(0),
      expanded_(0),
      selected_(0),
      second_(secondImage),
      image_(image),
      data_(data),
      parent_(nullptr),
      control_(nullptr) {}

zTreeItem::~zTreeItem() {
  std::vector<zTreeItem*> children;
  children.swap(children_);
  for (zTreeItem* child : children) delete child;
  if (control_) control_->itemDeleted(this);
}

void zTreeItem::setText(const char* text) {
  text_ = text ? text : "";
  if (control_) control_->itemChanged(this);
}

void zTreeItem::setImages(int32_t image, int32_t secondImage) {
  image_ = image;
  second_ = secondImage;
  if (control_) control_->itemChanged(this);
}

void zTreeItem::setLevels(int32_t level) {
  level_ = level;
  for (zTreeItem* child : children_) child->setLevels(level + 1);
}

void zTreeItem::setControl(zTreeCtrl* control) {
  control_ = control;
  for (zTreeItem* child : children_) child->setControl(control);
}

bool zTreeItem::isInside(const zTreeItem* ancestor) const {
  for (const zTreeItem* p = this; p; p = p->parent_)
    if (p == ancestor) return true;
  return false;
}

zTreeHit zTreeItem::hitTest(int32_t x, const zTreeCtrl* control) const {
  return control ? zTreeRowHitTest(control->rowShape(this), x) : zTreeHitText;
}

void zTreeItem::draw(zTreeCtrl* control, HDC dc, int32_t x, int32_t y) {
  const int32_t rowHeight = control->rowHeight();
  const uint32_t style = control->treeStyle();
  zImageStrip* strip = control->images();
  const int32_t imageWidth = strip ? strip->cellSize().width() : 0;
  if ((style & zTreeReserveColumns) && strip && image_ < 0) x += imageWidth + 5;
  if (control->buttons() && hasChildren()) {
    const int32_t top = y + (rowHeight - kButtonBox) / 2;
    {
      zvis::PenScope pen(dc, kBoxGrey);
      HGDIOBJ old = SelectObject(dc, GetStockObject(NULL_BRUSH));
      Rectangle(dc, x, top, x + kButtonBox, top + kButtonBox);
      SelectObject(dc, old);
    }
    zvis::PenScope pen(dc, zvis::black);
    const int32_t middle = top + kButtonBox / 2;
    zvis::line(dc, x + 2, middle, x + 9, middle);
    if (!expanded_) zvis::line(dc, x + 5, top + 2, x + 5, top + 9);
    x += 16;
  } else if (style & zTreeReserveColumns) {
    x += 16;
  }
  if (strip && image_ >= 0) {
    const bool second = second_ >= 0 && (expanded_ || (selected_ && (style & zTreeSecondImageSelected)));
    const int32_t top = y + (rowHeight - strip->cellSize().height()) / 2;
    zDisplay* d = control->display();
    if (d) strip->draw(d, x, top, second ? second_ : image_);
    x += imageWidth + 5;
  }
  const COLORREF oldText = SetTextColor(dc, GetSysColor(selected_ ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const COLORREF oldBack = SetBkColor(dc, GetSysColor(selected_ ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int oldMode = SetBkMode(dc, OPAQUE);
  TextOutA(dc, x, y + 1, text_, static_cast<int>(text_.length()));
  SetBkMode(dc, oldMode);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

// ---------------------------------------------------------------- control

zTreeCtrl::zTreeCtrl(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id)
    : zPaneControl(parent, sizer, style | WS_VSCROLL | WS_HSCROLL, "zTreeCtrl", id),
      lastClick_(0),
      widest_(0),
      strip_(nullptr),
      selection_(nullptr),
      bound_(nullptr),
      rowHeight_(20),
      indent_(-1),
      buttons_(1),
      painted_(0),
      treeStyle_(style & 0xFFu),
      focused_(0),
      topRow_(0),
      left_(0),
      indentFromFont_(true) {
  setBackColor(GetSysColor(COLOR_WINDOW));
  addNotifyHandler(this, &zTreeCtrl::onKeyDown, WM_KEYDOWN);
  displayChanged();
  updateScrollBar();
}

zTreeCtrl::~zTreeCtrl() {
  removeNotifyHandler(this, &zTreeCtrl::onKeyDown, WM_KEYDOWN);
  delete strip_;
  strip_ = nullptr;
  selection_ = nullptr;
  std::vector<zTreeItem*> roots;
  roots.swap(roots_);
  for (zTreeItem* item : roots) delete item;
}

int zTreeCtrl::notify(zTreeItem*, int32_t) { return 0; }

void zTreeCtrl::displayChanged() {
  zDisplay* d = display();
  if (!d) return;
  d->lock();
  const zDimension m = d->textExtent("MMM MMM MMM", 9);
  d->unlock();
  const int32_t h = std::max<int32_t>(m.height(), 1);
  rowHeight_ = h + h / 4;
  if (strip_ && h <= strip_->cellSize().height()) {
    const int32_t H = strip_->cellSize().height();
    rowHeight_ = H + H / 4;
  }
  if (indentFromFont_) indent_ = std::max<int32_t>(m.width() / 3, 1);
}

void zTreeCtrl::setFont(const zRCFont& font, int redraw) {
  zPaneControl::setFont(font, redraw);
  if (zDisplay* d = display()) d->setDefaultFont(font);
  displayChanged();
  updateScrollBar();
  if (redraw) invalidate(nullptr, 1);
}

void zTreeCtrl::setIndent(int32_t pixels) {
  indentFromFont_ = pixels < 0;
  if (pixels < 0)
    displayChanged();
  else
    indent_ = pixels;
  invalidate(nullptr, 1);
}

void zTreeCtrl::setButtons(int on) {
  buttons_ = on ? 1 : 0;
  invalidate(nullptr, 1);
}

zImageStrip* zTreeCtrl::setImages(zImageStrip* strip) {
  zImageStrip* previous = strip_;
  strip_ = strip;
  displayChanged();
  invalidate(nullptr, 1);
  return previous;
}

zTreeRowShape zTreeCtrl::rowShape(const zTreeItem* item) const {
  zTreeRowShape s;
  s.indent = indent_;
  s.level = item ? item->level() : 0;
  s.reserveColumns = (treeStyle_ & zTreeReserveColumns) != 0;
  s.buttons = buttons_ != 0;
  s.hasChildren = item && item->hasChildren();
  s.hasImage = item && item->image() >= 0 && strip_;
  s.hasStrip = strip_ != nullptr;
  s.imageWidth = strip_ ? strip_->cellSize().width() : 0;
  return s;
}

// ---- structure

zTreeItem* zTreeCtrl::insertItem(zTreeItem* relative, zTreeItem* item, int32_t mode) {
  if (!item) return nullptr;
  item->setControl(this);
  if (!relative) {
    item->parent_ = nullptr;
    if (mode == zTreeBefore || mode == zTreeFirstChild)
      roots_.insert(roots_.begin(), item);
    else
      roots_.push_back(item);
    item->setLevels(0);
  } else if (mode == zTreeBefore || mode == zTreeAfter) {
    std::vector<zTreeItem*>& list = listOf(relative->parent_);
    auto at = std::find(list.begin(), list.end(), relative);
    if (at == list.end())
      at = mode == zTreeBefore ? list.begin() : list.end();
    else if (mode == zTreeAfter)
      ++at;
    list.insert(at, item);
    item->parent_ = relative->parent_;
    item->setLevels(relative->level());
  } else {
    std::vector<zTreeItem*>& list = relative->children_;
    if (mode == zTreeFirstChild)
      list.insert(list.begin(), item);
    else
      list.push_back(item);
    item->parent_ = relative;
    item->setLevels(relative->level() + 1);
  }
  if (painted_) {
    updateScrollBar();
    invalidate(nullptr, 1);
  }
  return item;
}

zTreeItem* zTreeCtrl::insertItemAt(zTreeItem* parent, zTreeItem* item, int32_t position) {
  const std::vector<zTreeItem*>& list = listOf(parent);
  if (position <= 1 && !list.empty()) return insertItem(list.front(), item, zTreeBefore);
  if (list.empty() || position > static_cast<int32_t>(list.size()))
    return parent ? insertItem(parent, item, zTreeLastChild) : insertItem(nullptr, item, zTreeAfter);
  return insertItem(list[static_cast<size_t>(position - 1)], item, zTreeBefore);
}

void zTreeCtrl::removeItem(zTreeItem* item) {
  if (!item || item->control_ != this) return;
  std::vector<zTreeItem*>& list = listOf(item->parent_);
  auto at = std::find(list.begin(), list.end(), item);
  if (at == list.end()) return;
  list.erase(at);
  if (selection_ && selection_->isInside(item)) {
    selection_->selected_ = 0;
    selection_ = nullptr;
  }
  item->parent_ = nullptr;
  item->setControl(nullptr);
  updateScrollBar();
  invalidate(nullptr, 1);
}

void zTreeCtrl::deleteChildren(zTreeItem* item) {
  if (!item) return;
  // A selection among the deleted items goes with them.
  if (selection_ && selection_ != item && selection_->isInside(item)) selection_ = nullptr;
  std::vector<zTreeItem*> children;
  children.swap(item->children_);
  for (zTreeItem* child : children) delete child;
  item->expanded_ = 0;
  updateScrollBar();
  if (painted_) invalidate(nullptr, 1);
}

void zTreeCtrl::clear() {
  selection_ = nullptr;
  std::vector<zTreeItem*> roots;
  roots.swap(roots_);
  for (zTreeItem* item : roots) delete item;
  topRow_ = 0;
  updateScrollBar();
  invalidate(nullptr, 1);
}

void zTreeCtrl::itemDeleted(zTreeItem* item) {
  notify(item, zTreeDeleting);
  if (selection_ == item) selection_ = nullptr;
  // An item deleted by its owner's code while still in the tree leaves its list.
  std::vector<zTreeItem*>& list = listOf(item->parent_);
  auto at = std::find(list.begin(), list.end(), item);
  if (at != list.end()) {
    list.erase(at);
    updateScrollBar();
    invalidate(nullptr, 1);
  }
}

void zTreeCtrl::itemChanged(zTreeItem* item) {
  if (!painted_) return;
  if (rowOf(item) >= 0)
    invalidateRow(item);
  else
    invalidate(nullptr, 1);
}

// ---- lookup

zTreeItem* zTreeCtrl::findItem(int32_t position, bool depthFirst, zTreeItem* parent) const {
  if (position < 1) return nullptr;
  const std::vector<zTreeItem*>& list = listOf(parent);
  if (!depthFirst)
    return position <= static_cast<int32_t>(list.size()) ? list[static_cast<size_t>(position - 1)] : nullptr;
  int32_t n = 0;
  zTreeItem* found = nullptr;
  std::function<void(const std::vector<zTreeItem*>&)> walk = [&](const std::vector<zTreeItem*>& items) {
    for (zTreeItem* it : items) {
      if (found) return;
      if (++n == position) {
        found = it;
        return;
      }
      walk(it->children_);
    }
  };
  walk(list);
  return found;
}

zTreeItem* zTreeCtrl::findText(const char* text, bool depthFirst, zTreeItem* parent) const {
  if (!text) return nullptr;
  std::function<zTreeItem*(const std::vector<zTreeItem*>&)> walk = [&](const std::vector<zTreeItem*>& items) {
    for (zTreeItem* it : items) {
      if (std::strcmp(it->text_, text) == 0) return it;
      if (depthFirst)
        if (zTreeItem* inner = walk(it->children_)) return inner;
    }
    return static_cast<zTreeItem*>(nullptr);
  };
  return walk(listOf(parent));
}

void zTreeCtrl::visible(std::vector<zTreeItem*>& out) const {
  std::function<void(const std::vector<zTreeItem*>&)> walk = [&](const std::vector<zTreeItem*>& items) {
    for (zTreeItem* it : items) {
      out.push_back(it);
      if (it->expanded_) walk(it->children_);
    }
  };
  walk(roots_);
}

int32_t zTreeCtrl::visibleCount() const {
  std::vector<zTreeItem*> rows;
  visible(rows);
  return static_cast<int32_t>(rows.size());
}

int32_t zTreeCtrl::count() const {
  int32_t n = 0;
  std::function<void(const std::vector<zTreeItem*>&)> walk = [&](const std::vector<zTreeItem*>& items) {
    for (zTreeItem* it : items) {
      ++n;
      walk(it->children_);
    }
  };
  walk(roots_);
  return n;
}

zTreeItem* zTreeCtrl::itemAtRow(int32_t row) const {
  std::vector<zTreeItem*> rows;
  visible(rows);
  return row >= 0 && row < static_cast<int32_t>(rows.size()) ? rows[static_cast<size_t>(row)] : nullptr;
}

int32_t zTreeCtrl::rowOf(const zTreeItem* item) const {
  std::vector<zTreeItem*> rows;
  visible(rows);
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i] == item) return static_cast<int32_t>(i);
  return -1;
}

void zTreeCtrl::sortChildren(zTreeItem* parent, bool recursive) {
  std::vector<zTreeItem*>& list = listOf(parent);
  std::stable_sort(list.begin(), list.end(),
                   [](const zTreeItem* a, const zTreeItem* b) { return std::strcmp(a->text_, b->text_) < 0; });
  if (recursive)
    for (zTreeItem* it : list) sortChildren(it, true);
  if (painted_) invalidate(nullptr, 1);
}

// ---- actions

void zTreeCtrl::act(zTreeItem* item, int32_t event) {
  switch (event) {
    case zTreeSelected:
      notify(item, event);
      notifyParent(zTreeSelected);
      break;
    case zTreeButtonClick:
    case zTreeKeyToggle:
      if (!notify(item, event)) doToggle(item);
      break;
    case zTreeImageClick:
    case zTreeTextClick:
      if (!notify(item, event)) select(item);
      break;
    case zTreeDoubleClick:
      if (!notify(item, event)) {
        notifyParent(zTreeDoubleClick);
        act(item, zTreeButtonClick);
      }
      break;
    default:
      notify(item, event);
      break;
  }
}

void zTreeCtrl::doToggle(zTreeItem* item) {
  if (!item) return;
  const bool collapsing = item->expanded_ != 0;
  if (!collapsing) {
    if (notify(item, zTreeExpand)) return;
    item->expanded_ = 1;
  } else {
    item->expanded_ = 0;
    // A selection hidden by the collapse stays, but is no longer in a row.
  }
  invalidateFrom(item);
  updateScrollBar();
  if (collapsing) notify(item, zTreeCollapse);
}

void zTreeCtrl::expand(zTreeItem* item) {
  if (item && !item->expanded_) doToggle(item);
}

void zTreeCtrl::collapse(zTreeItem* item) {
  if (item && item->expanded_) doToggle(item);
}

void zTreeCtrl::toggle(zTreeItem* item) { doToggle(item); }

void zTreeCtrl::select(zTreeItem* item) {
  if (item == selection_) return;
  if (zTreeItem* old = selection_) {
    old->selected_ = 0;
    selection_ = nullptr;
    notify(old, zTreeUnselected);
    invalidateRow(old);
    if (handle_) UpdateWindow(handle_);
  }
  selection_ = item;
  if (item) item->selected_ = 1;
  act(item, zTreeSelected);
  if (item) {
    invalidateRow(item);
    if (handle_) UpdateWindow(handle_);
    ensureVisible(item);
  }
}

int32_t zTreeCtrl::visibleRows() const {
  RECT client = {0, 0, 0, 0};
  if (handle_) GetClientRect(handle_, &client);
  return std::max<int32_t>(1, client.bottom / std::max<int32_t>(rowHeight_, 1));
}

int zTreeCtrl::ensureVisible(zTreeItem* item) {
  const int32_t row = rowOf(item);
  if (row < 0) return 0;
  if (row < topRow_) {
    scrollTo(row);
    return 2;
  }
  if (row >= topRow_ + visibleRows()) {
    scrollTo(row - visibleRows() + 1);
    return 2;
  }
  return 1;
}

void zTreeCtrl::scrollTo(int32_t top) {
  const int32_t maxTop = std::max<int32_t>(0, visibleCount() - visibleRows());
  top = std::clamp<int32_t>(top, 0, maxTop);
  if (top == topRow_) return;
  topRow_ = top;
  if (handle_) SetScrollPos(handle_, SB_VERT, topRow_, TRUE);
  invalidate(nullptr, 1);
}

void zTreeCtrl::updateScrollBar() {
  if (!handle_) return;
  const int32_t rows = visibleCount();
  const int32_t page = visibleRows();
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = std::max<int32_t>(rows - 1, 0);
  si.nPage = static_cast<UINT>(page);
  topRow_ = std::clamp<int32_t>(topRow_, 0, std::max<int32_t>(0, rows - page));
  si.nPos = topRow_;
  SetScrollInfo(handle_, SB_VERT, &si, TRUE);
  // Across: the widest visible row against the client width, in pixels.
  zDimension contents;
  preferredSize(&contents);
  RECT client = {0, 0, 0, 0};
  GetClientRect(handle_, &client);
  left_ = std::clamp<int32_t>(left_, 0, std::max<int32_t>(0, contents.width() - client.right));
  si.nMax = std::max<int32_t>(contents.width() - 1, 0);
  si.nPage = static_cast<UINT>(std::max<LONG>(client.right, 1));
  si.nPos = left_;
  SetScrollInfo(handle_, SB_HORZ, &si, TRUE);
}

void zTreeCtrl::scrollAcross(int32_t left) {
  zDimension contents;
  preferredSize(&contents);
  RECT client = {0, 0, 0, 0};
  if (handle_) GetClientRect(handle_, &client);
  left = std::clamp<int32_t>(left, 0, std::max<int32_t>(0, contents.width() - client.right));
  if (left == left_) return;
  left_ = left;
  if (handle_) SetScrollPos(handle_, SB_HORZ, left_, TRUE);
  invalidate(nullptr, 1);
}

int zTreeCtrl::onScroll(zEvent* event) {
  if (!event) return 0;
  if (event->message_ == WM_HSCROLL) {
    RECT client = {0, 0, 0, 0};
    GetClientRect(handle_, &client);
    const int32_t step = std::max<int32_t>(indent_, 1);
    int32_t left = left_;
    switch (LOWORD(event->wParam_)) {
      case SB_LINELEFT:
        left -= step;
        break;
      case SB_LINERIGHT:
        left += step;
        break;
      case SB_PAGELEFT:
        left -= client.right;
        break;
      case SB_PAGERIGHT:
        left += client.right;
        break;
      case SB_LEFT:
        left = 0;
        break;
      case SB_RIGHT:
        left = 0x7FFF;
        break;
      case SB_THUMBPOSITION:
      case SB_THUMBTRACK:
        left = static_cast<int16_t>(HIWORD(event->wParam_));
        break;
      default:
        return 1;
    }
    scrollAcross(left);
    return 1;
  }
  if (event->message_ != WM_VSCROLL) return 0;
  int32_t top = topRow_;
  switch (LOWORD(event->wParam_)) {
    case SB_LINEUP:
      --top;
      break;
    case SB_LINEDOWN:
      ++top;
      break;
    case SB_PAGEUP:
      top -= 4;
      break;
    case SB_PAGEDOWN:
      top += 4;
      break;
    case SB_TOP:
      top = 0;
      break;
    case SB_BOTTOM:
      top = visibleCount();
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      top = static_cast<int16_t>(HIWORD(event->wParam_));
      break;
    default:
      return 1;
  }
  scrollTo(top);
  return 1;
}

void zTreeCtrl::invalidateRow(zTreeItem* item) {
  const int32_t row = rowOf(item);
  if (row < 0) return;
  RECT client = {0, 0, 0, 0};
  if (handle_) GetClientRect(handle_, &client);
  const RECT r = {0, (row - topRow_) * rowHeight_, client.right, (row - topRow_ + 1) * rowHeight_};
  invalidate(&r, 1);
}

void zTreeCtrl::invalidateFrom(zTreeItem* item) {
  const int32_t row = rowOf(item);
  RECT client = {0, 0, 0, 0};
  if (handle_) GetClientRect(handle_, &client);
  if (row < topRow_ || row >= topRow_ + visibleRows()) {
    invalidate(nullptr, 1);  // the row is scrolled away: all of it
    return;
  }
  const RECT r = {0, (row - topRow_) * rowHeight_, client.right, client.bottom};
  invalidate(&r, 1);
}

// ---- input

int zTreeCtrl::onFocus(zEvent* event) {
  if (event) focused_ = event->message_ == WM_SETFOCUS ? 1 : 0;
  return 0;
}

int zTreeCtrl::onMouseButtonDown(zEvent* event) {
  if (!event) return 0;
  if (!focused_) setFocus();
  const zPoint p(static_cast<int16_t>(LOWORD(event->lParam_)), static_cast<int16_t>(HIWORD(event->lParam_)));
  zTreeItem* item = itemAtRow(p.y() / std::max<int32_t>(rowHeight_, 1) + topRow_);
  if (!item) return 1;
  const zTreeHit hit = item->hitTest(p.x() + left_, this);
  act(item, hit == zTreeHitButton ? zTreeButtonClick : hit == zTreeHitImage ? zTreeImageClick : zTreeTextClick);
  const bool left = event->message_ == WM_LBUTTONDOWN || event->message_ == WM_LBUTTONDBLCLK;
  if (!left || hit == zTreeHitButton) return 1;
  if (treeStyle_ & zTreeSingleClickActivates) {
    lastClick_ = 0;
    act(item, zTreeDoubleClick);
    return 1;
  }
  const uint32_t now = GetTickCount();
  if (lastClick_ != 0 && now - lastClick_ <= GetDoubleClickTime()) {
    lastClick_ = 0;
    act(item, zTreeDoubleClick);
  } else {
    lastClick_ = now ? now : 1;
  }
  return 1;
}

int zTreeCtrl::onKeyDown(zEvent* event) {
  if (!event || !selection_) return 0;
  zTreeItem* s = selection_;
  const int32_t row = rowOf(s);
  switch (event->wParam_) {
    case VK_LEFT:
      if (s->expanded_ && s->hasChildren())
        act(s, zTreeKeyToggle);
      else if (row > 0)
        act(itemAtRow(row - 1), zTreeTextClick);
      break;
    case VK_UP:
      if (row > 0) act(itemAtRow(row - 1), zTreeTextClick);
      break;
    case VK_RIGHT:
      if (!s->expanded_ && s->hasChildren()) {
        act(s, zTreeKeyToggle);
        break;
      }
      [[fallthrough]];
    case VK_DOWN:
      if (row >= 0 && row + 1 < visibleCount()) act(itemAtRow(row + 1), zTreeTextClick);
      break;
    default:
      break;
  }
  return 0;
}

// ---- size, data, painting

int zTreeCtrl::preferredSize(zDimension* size) {
  if (!size) return 0;
  widest_ = 0;
  std::vector<zTreeItem*> rows;
  visible(rows);
  zDisplay* d = display();
  if (d) d->lock();
  for (zTreeItem* it : rows) {
    int32_t w = zTreeRowLeadWidth(rowShape(it));
    if (d && it->text_.length()) w += d->textExtent(it->text_).width();
    widest_ = std::max(widest_, w);
  }
  if (d) d->unlock();
  *size =
      zDimension(std::max<int32_t>(widest_, 1), std::max<int32_t>(static_cast<int32_t>(rows.size()) * rowHeight_, 1));
  return 1;
}

int zTreeCtrl::loadData() {
  if (bound_) select(*bound_);
  return 1;
}

int zTreeCtrl::storeData() {
  if (!bound_) return 0;
  *bound_ = selection_;
  return 1;
}

int zTreeCtrl::draw(zEvent*) {
  painted_ = 1;
  zDisplay* d = display();
  if (!d) return 1;
  d->lock();
  const HDC dc = d->hdc();
  const RECT box = zvis::paintBox(dc, handle_);
  {
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
    FillRect(dc, &box, brush);
    DeleteObject(brush);
  }
  std::vector<zTreeItem*> rows;
  visible(rows);
  for (size_t i = static_cast<size_t>(std::max<int32_t>(topRow_, 0)); i < rows.size(); ++i) {
    const int32_t y = (static_cast<int32_t>(i) - topRow_) * rowHeight_;
    if (y > box.bottom) break;
    if (y + rowHeight_ < box.top) continue;
    rows[i]->draw(this, dc, kLeftMargin + indent_ * rows[i]->level() - left_, y);
  }
  d->unlock();
  return 1;
}

zTreeCtrl* zTreeCtrl::fromDialog(zWindow* parent, int32_t id) {
  return static_cast<zTreeCtrl*>(zPaneCtrlById(parent, id, "zTreeCtrl"));
}

zWindow* zCreateTreeCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char*, int32_t id) {
  return new (std::nothrow) zTreeCtrl(parent, sizer, style, id);
}
