// Sizers that tell a parent layout how large they want to be: a gravity sizer docks
// against one side with a fixed width or height, a percent sizer asks for a share of its
// parent's size, a grow-to-fit sizer takes the size its children use, a layout sizer fills
// what is left; leaf sizers have no children and only record the rectangle they are given.
#pragma once

#include "framework/layout/zSizer.h"

class zGravSizer : public zSizer {
 public:
  // The extent goes to the width for gravLeft and gravRight, to the height for gravTop and
  // gravBottom, to both otherwise.
  zGravSizer(int32_t gravity, int32_t extent, zSizer* parent);
  zGravSizer(int32_t gravity, int32_t cx, int32_t cy, zSizer* parent);
  void querySize(zSizeInfo& info) override;
  zSizer* asKind(int32_t kind) override;
  zDimension fixedExtent() const { return fixedExtent_; }
  void setFixedExtent(const zDimension& extent) { fixedExtent_ = extent; }

 protected:
  zDimension fixedExtent_;
};

class zPercentSizer : public zGravSizer {
 public:
  zPercentSizer(int32_t gravity, zSizer* parent);
  zPercentSizer(int32_t gravity, float heightPercent, float widthPercent, zSizer* parent);
  // A percentage of 0 means the whole parent height or width.
  void querySize(zSizeInfo& info) override;
  zSizer* asKind(int32_t kind) override;

 private:
  float heightPercent_;
  float widthPercent_;
};

class zGrowToFitSizer : public zGravSizer {
 public:
  enum FitMode : int32_t { fitNone = 0, fitFixedHeight = 1, fitFixedWidth = 2 };
  zGrowToFitSizer(int32_t gravity, zSizer* parent);
  zGrowToFitSizer(int32_t gravity, int32_t fitMode, int32_t extent, zSizer* parent);
  void querySize(zSizeInfo& info) override;
  // Shrinks to the area its docked children used; moves its window even when gravNone.
  void place(const zRect& rect, int noMove) override;
  zSizer* asKind(int32_t kind) override;

 private:
  int32_t fitMode_;
};

class zLayoutSizer : public zGravSizer {
 public:
  explicit zLayoutSizer(zSizer* parent);
  zSizer* asKind(int32_t kind) override;
};

class zLeafSizer : public zSizer {
 public:
  explicit zLeafSizer(zSizer* parent);
  void update(const zRect* rect = nullptr) override;
  void querySize(zSizeInfo& info) override;
  // Records the rectangle only: never arranges children, never moves a window.
  void place(const zRect& rect, int noMove) override;
  zSizer* asKind(int32_t kind) override;
};

class zFixedSizer : public zLeafSizer {
 public:
  zFixedSizer(zSizer* parent, int32_t gravity);
  void querySize(zSizeInfo& info) override;
  zSizer* asKind(int32_t kind) override;
  void setFixedSize(const zDimension& size) { fixedSize_ = size; }
  zDimension fixedSize() const { return fixedSize_; }

 private:
  zDimension fixedSize_;
};

class zFillerSizer : public zLeafSizer {
 public:
  explicit zFillerSizer(zSizer* parent);
  void querySize(zSizeInfo& info) override;
  zSizer* asKind(int32_t kind) override;
  // The record reported to the parent's layout.
  void setStored(const zSizeInfo& info) { stored_.assign(info); }
  const zSizeInfo& stored() const { return stored_; }

 private:
  zSizeInfo stored_;
};
