#include "framework/core/zEvH.h"

#include <cstring>

#include "foundation/Assert.h"

zPoint zEvent::point() const {
  const uint32_t v = static_cast<uint32_t>(lParam_);
  return zPoint(static_cast<int32_t>(v & 0xFFFFu), static_cast<int32_t>(v >> 16));
}

zDimension zEvent::size() const {
  const uint32_t v = static_cast<uint32_t>(lParam_);
  return zDimension(static_cast<int32_t>(v & 0xFFFFu), static_cast<int32_t>(v >> 16));
}

int zEvent::isButtonDown(int n) const {
  switch (n) {
    case 1:
      return static_cast<int>(wParam_ & MK_LBUTTON);
    case 2:
      return static_cast<int>(wParam_ & MK_RBUTTON);
    case 3:
      return static_cast<int>(wParam_ & MK_MBUTTON);
    default:
      return 0;
  }
}

bool zEvent::isMouseButton(int n) const {
  switch (n) {
    case 1:
      return message_ == WM_LBUTTONUP || message_ == WM_LBUTTONDOWN || message_ == WM_LBUTTONDBLCLK;
    case 2:
      return message_ == WM_RBUTTONUP || message_ == WM_RBUTTONDOWN || message_ == WM_RBUTTONDBLCLK;
    case 3:
      return message_ == WM_MBUTTONUP || message_ == WM_MBUTTONDOWN || message_ == WM_MBUTTONDBLCLK;
    default:
      return false;
  }
}

bool zEvent::isDoubleClick() const {
  return message_ == WM_LBUTTONDBLCLK || message_ == WM_RBUTTONDBLCLK || message_ == WM_MBUTTONDBLCLK;
}

zEvH::zEvH() {
  std::memset(typeBits_, 0, sizeof typeBits_);
  setTypeBit(zTypeEvH);
}

zEvH::~zEvH() = default;

LRESULT zEvH::defProc(zEvent* event) {
  if (!event) return 0;
  return DefWindowProcA(event->window_, event->message_, event->wParam_, event->lParam_);
}

void zEvH::setTypeBit(unsigned n) {
  PV_ASSERT(n < typeBitCount);
  typeBits_[n / 8] = static_cast<uint8_t>(typeBits_[n / 8] | (1u << (n % 8)));
}

int zEvH::hasTypeBit(unsigned n) const {
  if (n >= typeBitCount) return 0;
  return (typeBits_[n / 8] >> (n % 8)) & 1;
}
