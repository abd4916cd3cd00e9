#include "framework/bars/zCommonCtrl.h"

#include <new>

#include "framework/core/zProgram.h"
#include "framework/core/ziWindowMap.h"

namespace {
zWindow* objectOf(HWND handle) {
  if (!handle || !zTheProgram || !zTheProgram->windowMap()) return nullptr;
  return zTheProgram->windowMap()->find(handle);
}
}  // namespace

// ---------------------------------------------------------------- notify node

zCommonCtrlNotifyNode::zCommonCtrlNotifyNode(HWND control, const zEventHandler& handler, UINT message)
    : zNotifyNode(0, 0xFFFFFFFFu, handler, message), control_(control) {}

bool zCommonCtrlNotifyNode::matches(const zEvent* event) const {
  return event && event->message_ == message() && control_ && reinterpret_cast<HWND>(event->lParam_) == control_;
}

// ---------------------------------------------------------------- base

ziCommonCtrlBase::ziCommonCtrlBase(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zControl(parent, sizer, style, text, id, "zCommonCtrl") {
  setTypeBit(zTypeCommonCtrl);
  kind_ = zKindNoTakeover;
}

ziCommonCtrlBase::ziCommonCtrlBase(zWindow* parent, int32_t id) : zControl(parent, id) { setTypeBit(zTypeCommonCtrl); }

void ziCommonCtrlBase::create() { zControl::create(); }

void ziCommonCtrlBase::addHandlerNode(const zEventHandler& handler, UINT message) {
  appendNotifyNode(new zCommonCtrlNotifyNode(handle_, handler, message));
}

void ziCommonCtrlBase::removeHandlerNode(const zEventHandler& handler, UINT message) {
  if (!parent_ || !parent_->notifyList()) return;
  // An event as this control sends it finds exactly this control's node.
  const zEvent probe(reinterpret_cast<LPARAM>(handle_), 0, message, parent_->handle());
  parent_->notifyList()->removeFirst(probe, handler);
}

// ---------------------------------------------------------------- trackbar

zScaleCtrl::zScaleCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : ziCommonCtrlBase(parent, sizer, style, text, id) {
  setTypeBit(zTypeScaleCtrl);
  className_ = TRACKBAR_CLASSA;
  create();
}

zScaleCtrl::zScaleCtrl(zWindow* parent, int32_t id) : ziCommonCtrlBase(parent, id) { setTypeBit(zTypeScaleCtrl); }

void zScaleCtrl::create() {
  zStartCommonControls();
  // Keeps the style as given, and the system's own font.
  createNative(parent_ ? parent_->handle() : nullptr,
               reinterpret_cast<HMENU>(static_cast<uintptr_t>(static_cast<uint16_t>(id_))), text_);
  attachNative();
}

LRESULT zScaleCtrl::send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return handle_ && IsWindow(handle_) ? SendMessageA(handle_, message, wParam, lParam) : 0;
}

void zScaleCtrl::setPos(int32_t pos) { send(TBM_SETPOS, 1, pos); }
int32_t zScaleCtrl::pos() const { return static_cast<int32_t>(send(TBM_GETPOS, 0, 0)); }
void zScaleCtrl::setRange(int32_t min, int32_t max) {
  send(TBM_SETRANGE, 1, MAKELPARAM(static_cast<uint16_t>(min), static_cast<uint16_t>(max)));
}
void zScaleCtrl::setRangeMax(int32_t max) { send(TBM_SETRANGEMAX, 1, max); }
void zScaleCtrl::setRangeMin(int32_t min) { send(TBM_SETRANGEMIN, 1, min); }
int32_t zScaleCtrl::rangeMax() const { return static_cast<int32_t>(send(TBM_GETRANGEMAX, 0, 0)); }
int32_t zScaleCtrl::rangeMin() const { return static_cast<int32_t>(send(TBM_GETRANGEMIN, 0, 0)); }
void zScaleCtrl::setPageSize(int32_t n) { send(TBM_SETPAGESIZE, 0, n); }
int32_t zScaleCtrl::pageSize() const { return static_cast<int32_t>(send(TBM_GETPAGESIZE, 0, 0)); }
void zScaleCtrl::setTicFreq(int32_t n) { send(TBM_SETTICFREQ, static_cast<WPARAM>(n), 0); }
void zScaleCtrl::setLineSize(int32_t n) { send(TBM_SETLINESIZE, 0, n); }
int32_t zScaleCtrl::lineSize() const { return static_cast<int32_t>(send(TBM_GETLINESIZE, 0, 0)); }

void zScaleCtrl::addScrollHandler(const zEventHandler& handler) {
  addHandlerNode(handler, WM_HSCROLL);
  addHandlerNode(handler, WM_VSCROLL);
}

void zScaleCtrl::removeScrollHandler(const zEventHandler& handler) {
  removeHandlerNode(handler, WM_HSCROLL);
  removeHandlerNode(handler, WM_VSCROLL);
}

// ---------------------------------------------------------------- up-down

zSpinCtrl::zSpinCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : ziCommonCtrlBase(parent, sizer, style, text, id) {
  setTypeBit(zTypeSpinCtrl);
  className_ = UPDOWN_CLASSA;
  create();
}

zSpinCtrl::zSpinCtrl(zWindow* parent, int32_t id) : ziCommonCtrlBase(parent, id) { setTypeBit(zTypeSpinCtrl); }

void zSpinCtrl::create() {
  zStartCommonControls();
  style_ |= UDS_NOTHOUSANDS;
  const int32_t x = sizer_ ? sizer_->origin().x() : 0;
  const int32_t y = sizer_ ? sizer_->origin().y() : 0;
  const int32_t w = sizer_ ? sizer_->width() : 0;
  const int32_t h = sizer_ ? sizer_->height() : 0;
  handle_ = CreateUpDownControl(style_, x, y, w, h, parent_ ? parent_->handle() : nullptr, static_cast<int>(id_),
                                zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr), nullptr, 0, 0, 0);
  attachNative();
}

LRESULT zSpinCtrl::send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return live() ? SendMessageA(handle_, message, wParam, lParam) : 0;
}

LRESULT zSpinCtrl::setAccel(uint32_t count, UDACCEL* accels) {
  return send(UDM_SETACCEL, count, reinterpret_cast<LPARAM>(accels));
}
LRESULT zSpinCtrl::accel(uint32_t count, UDACCEL* accels) const {
  return send(UDM_GETACCEL, count, reinterpret_cast<LPARAM>(accels));
}
LRESULT zSpinCtrl::setBase(int32_t base) { return send(UDM_SETBASE, static_cast<WPARAM>(base), 0); }
int32_t zSpinCtrl::base() const { return static_cast<int32_t>(send(UDM_GETBASE, 0, 0)); }

zWindow* zSpinCtrl::setBuddy(zWindow* buddy) {
  if (!live()) return nullptr;
  const LRESULT previous = send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy ? buddy->handle() : nullptr), 0);
  return objectOf(reinterpret_cast<HWND>(previous));
}
HWND zSpinCtrl::buddyHandle() const { return reinterpret_cast<HWND>(send(UDM_GETBUDDY, 0, 0)); }
zWindow* zSpinCtrl::buddy() const { return objectOf(buddyHandle()); }

int32_t zSpinCtrl::setPos(int32_t pos) {
  return static_cast<int16_t>(LOWORD(send(UDM_SETPOS, 0, MAKELPARAM(static_cast<uint16_t>(pos), 0))));
}

int32_t zSpinCtrl::pos() const {
  const LRESULT r = send(UDM_GETPOS, 0, 0);
  if (HIWORD(r) != 0) return 0;  // the control's error flag
  return static_cast<int16_t>(LOWORD(r));
}

void zSpinCtrl::setRange(int32_t low, int32_t high) {
  send(UDM_SETRANGE, 0, MAKELPARAM(static_cast<uint16_t>(high), static_cast<uint16_t>(low)));
}

zRange zSpinCtrl::range() const {
  if (!live()) return zRange(0, 0);
  const LRESULT r = send(UDM_GETRANGE, 0, 0);
  return zRange(static_cast<int16_t>(HIWORD(r)), static_cast<int16_t>(LOWORD(r)));
}

int zSpinCtrl::range(short* low, short* high) const {
  if (!live()) return 0;
  const LRESULT r = send(UDM_GETRANGE, 0, 0);
  if (low) *low = static_cast<short>(HIWORD(r));
  if (high) *high = static_cast<short>(LOWORD(r));
  return 1;
}

void zSpinCtrl::setRange32(int32_t low, int32_t high) {
  send(UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

zRange zSpinCtrl::range32() const {
  int low = 0, high = 0;
  if (!range32(&low, &high)) return zRange(0, 0);
  return zRange(low, high);
}

int zSpinCtrl::range32(int* low, int* high) const {
  if (!live()) return 0;
  int l = 0, h = 0;
  send(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&l), reinterpret_cast<LPARAM>(&h));
  if (low) *low = l;
  if (high) *high = h;
  return 1;
}

void zSpinCtrl::addNotifyHandler(const zEventHandler& handler) {
  appendNotifyNode(new zNotifyNode(static_cast<uint32_t>(id_), handler, WM_NOTIFY));
}

void zSpinCtrl::removeNotifyHandler(const zEventHandler& handler) {
  if (!parent_ || !parent_->notifyList()) return;
  const zEvent probe(0, static_cast<WPARAM>(id_), WM_NOTIFY, parent_->handle());
  parent_->notifyList()->removeFirst(probe, handler);
}

// ---------------------------------------------------------------- control types

zWindow* zCreateSpinCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id) {
  return new (std::nothrow) zSpinCtrl(parent, sizer, style, title, id);
}

zWindow* zCreateScaleCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id) {
  return new (std::nothrow) zScaleCtrl(parent, sizer, style, title, id);
}
