#include "framework/visual/zVisualArith.h"

#include <algorithm>

bool ziRectContains(const zRect& r, const zPoint& p) {
  return r.left() <= p.x() && p.x() <= r.right() && r.top() <= p.y() && p.y() <= r.bottom();
}

bool ziRectsOverlap(const zRect& a, const zRect& b) {
  const int32_t top = std::max(a.top(), b.top());
  const int32_t bottom = std::min(a.bottom(), b.bottom());
  if (top >= bottom) return false;
  const int32_t left = std::max(a.left(), b.left());
  const int32_t right = std::min(a.right(), b.right());
  return left < right;
}

ziMnemonic ziScanMnemonic(const char* caption) {
  ziMnemonic m;
  if (!caption) return m;
  for (const char* c = caption; *c; ++c) {
    if (*c != '&') {
      m.shown.push_back(*c);
      continue;
    }
    if (c[1] == '&') {
      m.shown.push_back('&');
      ++c;
      continue;
    }
    // A mark that ends the caption marks nothing.
    if (c[1] == '\0') break;
    m.present = true;
    m.index = static_cast<int32_t>(m.shown.size());
  }
  return m;
}

char ziMnemonicKey(const char* caption) {
  const ziMnemonic m = ziScanMnemonic(caption);
  if (!m.present) return 0;
  const unsigned char c = static_cast<unsigned char>(m.shown[static_cast<size_t>(m.index)]);
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  return static_cast<char>(c);
}

bool ziMnemonicMatches(const char* caption, uint32_t virtualKey) {
  const char key = ziMnemonicKey(caption);
  if (key == 0) return false;
  // Only letters and digits have virtual keys equal to their character; anything else
  // (punctuation, which shares codes with arrows and function keys) never matches.
  const unsigned char k = static_cast<unsigned char>(key);
  const bool letterOrDigit = (k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9');
  return letterOrDigit && virtualKey == k;
}

bool ziKeyHeldFlag::keyDown(uint32_t virtualKey, const char* caption) {
  if (held_) return false;
  if (virtualKey == 0x20 || ziMnemonicMatches(caption, virtualKey)) held_ = true;
  return true;
}

int32_t ziButtonTracker::press(int32_t state) {
  held_ = true;
  pressed_ = true;
  saved_ = state;
  return ziStatePressed;
}

int32_t ziButtonTracker::move(int32_t state, bool inside, bool leftHeld) {
  const bool shownPressed = state == ziStatePressed || state == ziStatePressedDown;
  if (inside) {
    if (leftHeld && !shownPressed && pressed_ && held_) return ziStatePressed;
    return state;
  }
  if (shownPressed) return saved_ == ziStateDown ? ziStateDown : ziStateUp;
  return state;
}

int32_t ziButtonTracker::release(int32_t state, bool toggles, bool latched, bool* click) {
  held_ = false;
  pressed_ = false;
  if (state == ziStatePressed) {
    *click = true;
    return (!toggles || !latched) ? ziStateDown : ziStateUp;
  }
  if (state == ziStatePressedDown) {
    *click = true;
    return !latched ? ziStateUp : ziStateDown;
  }
  *click = false;
  return saved_;
}

int32_t ziCheckFromState(int32_t state) {
  if (state == ziStateUp) return 0;
  if (state == ziStateDown) return 1;
  return 2;
}

ziBitmapLook ziBitmapGoUp() { return {ziStateUp, 1}; }

ziBitmapLook ziBitmapGoDown(uint32_t imageSet, bool toggle) {
  if (!toggle) return ziBitmapGoUp();
  return {ziStateDown, (imageSet == 0x20 || imageSet == 0x30) ? 0 : 1};
}

ziBitmapLook ziBitmapPress(uint32_t imageSet, bool toggle, int32_t stateBefore) {
  if (!toggle) return {ziStatePressedDown, (imageSet == 0x10 || imageSet == 0x20) ? 3 : 1};
  const int32_t state = stateBefore == ziStateDown ? ziStatePressed : ziStatePressedDown;
  int32_t index = 1;
  if (imageSet == 0x10 || imageSet == 0x20)
    index = state;
  else if (imageSet == 0x30)
    index = state == ziStatePressed ? 0 : 1;
  return {state, index};
}

int32_t ziBitmapFrame(int32_t imageIndex, bool disabled) {
  switch (imageIndex) {
    case 0:
      return disabled ? 5 : 4;
    case 2:
      return 3;
    case 3:
      return 2;
    default:
      return disabled ? 1 : 0;
  }
}
