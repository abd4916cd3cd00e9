// A leaf sizer that hands its size query and its placement to member functions of another
// object, so that the sizer tree can ask, for example, a text for its size. Without a
// target or a member it behaves as a leaf sizer.
#pragma once

#include "framework/layout/zGravSizer.h"

template <class T>
class zRedirSizer : public zLeafSizer {
 public:
  using SizeMember = void (T::*)(zSizeInfo&);
  using PlaceMember = void (T::*)(const zRect&, int);

  zRedirSizer(zSizer* parent, T* target, SizeMember size, PlaceMember place)
      : zLeafSizer(parent), target_(target), size_(size), place_(place) {}
  zRedirSizer(zSizer* parent, T* target, SizeMember size) : zRedirSizer(parent, target, size, nullptr) {}
  zRedirSizer(zSizer* parent, T* target, PlaceMember place) : zRedirSizer(parent, target, nullptr, place) {}

  void querySize(zSizeInfo& info) override {
    if (target_ && size_)
      (target_->*size_)(info);
    else
      zLeafSizer::querySize(info);
  }
  void place(const zRect& rect, int noMove) override {
    zLeafSizer::place(rect, noMove);
    if (target_ && place_) (target_->*place_)(rect, noMove);
  }

 private:
  T* target_;
  SizeMember size_;
  PlaceMember place_;
};
