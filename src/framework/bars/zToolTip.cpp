#include "framework/bars/zToolTip.h"

#include "framework/bars/zBarsArith.h"
#include "framework/core/zProgram.h"
#include "framework/core/zTimerDev.h"
#include "framework/core/ziWindowMap.h"
#include "framework/draw/zDisplay.h"
#include "framework/core/zWinDisplay.h"

namespace {
// Whether the object still stands for its window: a tool or frame deleted before the tool
// tip must not be touched.
bool stillLive(zWindow* window, HWND handle) {
  if (!window || !handle || !IsWindow(handle) || !zTheProgram || !zTheProgram->windowMap()) return false;
  return zTheProgram->windowMap()->find(handle) == window && !(window->flags() & zWinDestroying);
}

constexpr uint32_t kShowDelay = 600;
constexpr uint32_t kPollInterval = 250;
constexpr uint32_t kShowLimit = 5500;
}  // namespace

// ---------------------------------------------------------------- popup

ziToolHelper::ziToolHelper(zToolTipCtrl* owner, zWindow* parent)
    : zPane(parent, new zSizer(0, 8, 50, 50, nullptr), WS_POPUP | WS_BORDER, 0), text_(""), owner_(owner) {
  clearStyleBits(WS_CHILD | WS_VISIBLE);
  className_ = "zToolTipCL";
  backColor_ = RGB(255, 255, 192);
  create();
  if (zDisplay* d = display()) d->backMode(TRANSPARENT);
}

ziToolHelper::~ziToolHelper() {
  if (owner_) owner_->popupGone();
}

int ziToolHelper::draw(zEvent*) {
  zDisplay* d = display();
  if (!d) return 1;
  d->lock();
  const HDC dc = d->hdc();
  RECT c;
  GetClientRect(handle_, &c);
  HBRUSH back = CreateSolidBrush(RGB(255, 255, 192));
  FillRect(dc, &c, back);
  DeleteObject(back);
  if (text_.length() != 0) {
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0);
    TextOutA(dc, 2, 1, text_.data(), static_cast<int>(text_.length()));
    SelectObject(dc, old);
  }
  d->unlock();
  return 1;
}

void ziToolHelper::place(int32_t x, int32_t y) {
  SIZE e{0, 0};
  HDC dc = GetDC(handle_);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  if (text_.length() != 0) GetTextExtentPoint32A(dc, text_.data(), static_cast<int>(text_.length()), &e);
  if (e.cy == 0) {
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    e.cy = tm.tmHeight;
  }
  SelectObject(dc, old);
  ReleaseDC(handle_, dc);
  x = zbars::tipLeft(x, e.cx, GetSystemMetrics(SM_CXSCREEN));
  // The popup's frame is part of its size: the text keeps a margin inside it.
  const int32_t border = 2 * GetSystemMetrics(SM_CXBORDER);
  SetWindowPos(handle_, HWND_TOPMOST, x, y, e.cx + 8 + border, e.cy + 2 + border, SWP_NOACTIVATE);
  InvalidateRect(handle_, nullptr, TRUE);
}

// ---------------------------------------------------------------- tool tip

zToolTipCtrl::zToolTipCtrl(zWindow* window, Watch watch)
    : lastMouseWindow_(nullptr),
      watched_(window),
      watchedHandle_(nullptr),
      text_(""),
      current_(nullptr),
      expired_(nullptr),
      popup_(nullptr),
      popupGone_(false),
      enabled_(1),
      pollTimer_(nullptr),
      delayTimer_(nullptr),
      hideTimer_(nullptr) {
  if (watch == watchNearestFrame) {
    while (watched_ && !watched_->hasTypeBit(zTypeFrameWin)) watched_ = watched_->parent();
  }
  watchedHandle_ = watched_ ? watched_->handle() : nullptr;
  if (watched_) watched_->addMessageHandler(this, &zToolTipCtrl::onActivate, WM_ACTIVATE);
}

zToolTipCtrl::~zToolTipCtrl() {
  deleteTimer(pollTimer_);
  deleteTimer(delayTimer_);
  deleteTimer(hideTimer_);
  if (popup_) {
    popup_->ownerGone();
    delete popup_;
    popup_ = nullptr;
  }
  if (stillLive(watched_, watchedHandle_)) watched_->removeMessageHandler(this, &zToolTipCtrl::onActivate, WM_ACTIVATE);
  for (const ToolEntry& t : toolHandles_) {
    if (!stillLive(t.tool, t.handle)) continue;
    if (zNotifyNodeDlist* list = t.tool->notifyList()) {
      list->removeAll(WM_MOUSEMOVE, zEventHandler(this, &zToolTipCtrl::onMouseMove));
      list->removeAll(WM_LBUTTONDOWN, zEventHandler(this, &zToolTipCtrl::onButtonDown));
      list->removeAll(WM_RBUTTONDOWN, zEventHandler(this, &zToolTipCtrl::onButtonDown));
    }
  }
  while (tools_.removeFirst()) {}
}

void zToolTipCtrl::deleteTimer(zTimer*& timer) {
  delete timer;
  timer = nullptr;
}

void zToolTipCtrl::toolText(zWindow*, FLCString& text) { text = ""; }

void zToolTipCtrl::addTool(zWindow* tool) {
  if (!tool || findTool(tool->handle())) return;
  tools_.append(tool);
  toolHandles_.push_back(ToolEntry{tool, tool->handle()});
  tool->addMessageHandler(this, &zToolTipCtrl::onButtonDown, WM_LBUTTONDOWN);
  tool->addMessageHandler(this, &zToolTipCtrl::onButtonDown, WM_RBUTTONDOWN);
  tool->addMessageHandler(this, &zToolTipCtrl::onMouseMove, WM_MOUSEMOVE);
}

void zToolTipCtrl::removeTool(zWindow* tool) {
  if (!tool || !tools_.remove(tool)) return;
  for (size_t i = 0; i < toolHandles_.size(); ++i)
    if (toolHandles_[i].tool == tool) {
      toolHandles_.erase(toolHandles_.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
  if (current_ == tool) hide();
  if (expired_ == tool) expired_ = nullptr;
  if (zNotifyNodeDlist* list = tool->notifyList()) {
    list->removeAll(WM_MOUSEMOVE, zEventHandler(this, &zToolTipCtrl::onMouseMove));
    list->removeAll(WM_LBUTTONDOWN, zEventHandler(this, &zToolTipCtrl::onButtonDown));
    list->removeAll(WM_RBUTTONDOWN, zEventHandler(this, &zToolTipCtrl::onButtonDown));
  }
}

zWindow* zToolTipCtrl::findTool(HWND handle) {
  zWindowDlistIter it(&tools_);
  while (zWindow* tool = it.next())
    if (tool->handle() == handle) return tool;
  return nullptr;
}

void zToolTipCtrl::setEnabled(int enabled) {
  enabled_ = enabled;
  if (!enabled) hide();
}

ziToolHelper* zToolTipCtrl::popup() {
  if (!popup_ && !popupGone_) {
    popup_ = new ziToolHelper(this, zTheProgram ? zTheProgram->mainFrame() : nullptr);
    ShowWindow(popup_->handle(), SW_HIDE);
  }
  return popup_;
}

int zToolTipCtrl::isShown() const { return popup_ && IsWindowVisible(popup_->handle()) ? 1 : 0; }

HWND zToolTipCtrl::windowUnderCursor() {
  POINT p;
  if (!GetCursorPos(&p)) return nullptr;
  return WindowFromPoint(p);
}

int zToolTipCtrl::applicationActive() {
  HWND active = GetActiveWindow();
  if (!active || !zTheProgram) return 0;
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(active, GWLP_HINSTANCE)) == zTheProgram->instance() ? 1 : 0;
}

int zToolTipCtrl::onMouseMove(zEvent* event) {
  if (!event || !enabled_) return 0;
  if (event->wParam() & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) return 0;
  const zPoint p = event->point();
  // A repeated message at the same place of the same window is no movement; the same
  // point in another tool's coordinates is.
  if (p == lastMouse_ && event->windowHandle() == lastMouseWindow_) return 0;
  lastMouse_ = p;
  lastMouseWindow_ = event->windowHandle();
  expired_ = nullptr;
  zWindow* tool = findTool(event->windowHandle());
  if (!tool || tool == current_) return 0;
  const bool atOnce = isShown() && !delayTimer_;
  if (atOnce) hide();
  deleteTimer(delayTimer_);
  current_ = tool;
  const char* found = table_.isEmpty() ? nullptr : table_.lookup(GetDlgCtrlID(tool->handle()));
  if (found)
    text_ = found;
  else
    toolText(tool, text_);
  if (popup_) popup_->setText(text_);
  if (atOnce) {
    show(p);
  } else {
    showPoint_ = p;
    delayTimer_ = new zTimerOnce(this, &zToolTipCtrl::delayDone, kShowDelay);
  }
  return 0;
}

bool zToolTipCtrl::currentLive() const {
  for (const ToolEntry& t : toolHandles_)
    if (t.tool == current_) return stillLive(t.tool, t.handle);
  return false;
}

int zToolTipCtrl::delayDone(zEvent*) {
  // The timer has left the device's list: it is only freed here.
  deleteTimer(delayTimer_);
  if (currentLive() && windowUnderCursor() == current_->handle())
    show(showPoint_);
  else
    hide();
  return 0;
}

void zToolTipCtrl::show(const zPoint& point) {
  if (!currentLive() || !enabled_ || current_ == expired_ || !applicationActive() || !popup()) return;
  RECT r;
  GetWindowRect(current_->handle(), &r);
  popup_->setText(text_);
  popup_->place(r.left + point.x() + 3, r.top + point.y() + 16);
  ShowWindow(popup_->handle(), SW_SHOWNA);
  if (!pollTimer_) pollTimer_ = new zTimer(this, &zToolTipCtrl::poll, kPollInterval);
  deleteTimer(hideTimer_);
  hideTimer_ = new zTimer(this, &zToolTipCtrl::showTimeOver, kShowLimit);
}

int zToolTipCtrl::poll(zEvent*) {
  if (!currentLive() || windowUnderCursor() != current_->handle()) hide();
  return 0;
}

int zToolTipCtrl::showTimeOver(zEvent*) {
  expired_ = current_;
  hide();
  return 0;
}

void zToolTipCtrl::hide() {
  if (popup_) {
    ShowWindow(popup_->handle(), SW_HIDE);
    popup_->setText("");
  }
  current_ = nullptr;
  // Every timer goes: a show-time limit left running would expire the next tool early.
  deleteTimer(pollTimer_);
  deleteTimer(delayTimer_);
  deleteTimer(hideTimer_);
}

int zToolTipCtrl::onButtonDown(zEvent*) {
  if (current_) hide();
  return 0;
}

int zToolTipCtrl::onActivate(zEvent* event) {
  if (event && LOWORD(event->wParam()) == WA_INACTIVE) hide();
  return 0;
}
