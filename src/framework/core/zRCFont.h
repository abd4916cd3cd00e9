// The reference-counted shared font that windows, displays and controls hold. This is the
// least the window classes need: an empty font, or a native font shared by all copies and
// deleted with the last one when it is owned. The font classes extend it.
#pragma once

#include <cstdint>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

class zRCFont {
 public:
  zRCFont() : shared_(nullptr) {}
  // Takes the native font; owned fonts are deleted with the last copy.
  explicit zRCFont(HFONT handle, bool owned = true)
      : shared_(handle ? new Shared{handle, owned, 1} : nullptr) {}
  zRCFont(const zRCFont& other) : shared_(other.shared_) {
    if (shared_) ++shared_->references;
  }
  zRCFont& operator=(const zRCFont& other) {
    if (other.shared_) ++other.shared_->references;
    release();
    shared_ = other.shared_;
    return *this;
  }
  ~zRCFont() { release(); }

  bool isValid() const { return shared_ != nullptr; }
  HFONT handle() const { return shared_ ? shared_->handle : nullptr; }
  bool operator==(const zRCFont& other) const { return shared_ == other.shared_; }

 private:
  struct Shared {
    HFONT handle;
    bool owned;
    uint32_t references;
  };
  void release() {
    if (shared_ && --shared_->references == 0) {
      if (shared_->owned) DeleteObject(shared_->handle);
      delete shared_;
    }
    shared_ = nullptr;
  }

  Shared* shared_;
};
