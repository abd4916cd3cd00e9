#include "framework/grid/zTableAttr.h"

#include "framework/format/zFormatter.h"
#include "framework/format/zNumFormatter.h"
#include "framework/grid/zTableModel.h"

zTableFormatterAttr::~zTableFormatterAttr() { delete formatter_; }

ziTableEnv::ziTableEnv(const zTableModel* model) : model_(model) {}

void ziTableEnv::collect(zTableCellPos pos) {
  for (uint32_t k = 1; k < kSlots; ++k) slots_[k] = nullptr;
  if (!model_) return;
  for (zTableAttr* attr : model_->attributes()) {
    if (attr->kind() < kSlots && attr->range().contains(pos)) slots_[attr->kind()] = attr;
  }
}

uint32_t ziTableEnv::alignment() const {
  auto* a = static_cast<zTableTextAlignmentAttr*>(slots_[zTableAttrAlignment]);
  return a ? a->alignment() : zTableAlignLeft;
}

zFormatter* ziTableEnv::formatter() const {
  auto* a = static_cast<zTableFormatterAttr*>(slots_[zTableAttrFormatter]);
  return a ? a->formatter() : nullptr;
}

zNumFormatter* ziTableEnv::numFormatter() const {
  auto* a = static_cast<zTableNumFormatterAttr*>(slots_[zTableAttrNumFormatter]);
  return a ? a->numFormatter() : nullptr;
}
