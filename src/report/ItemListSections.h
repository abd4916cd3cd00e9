// The sections that list the model's choices, decision makers and criteria: a title
// and a ruled table with one row per item. The three are one design; each keeps its
// own cached ellipsis width.
#pragma once

#include <string>
#include <vector>

#include "model/Item.h"

namespace PV {
namespace Report {

class ReportDevice;
class PageManager;

template <class ItemT>
class ItemListSection {
 public:
  using Items = std::vector<ItemT>;

  ItemListSection(ReportDevice& reportDevice, PageManager& pageManager, const Items* items, float left, float right);

  // Nothing at all for an empty list.
  void draw();
  double titleHeight() const;
  double tableHeight() const;

 private:
  void drawHeadingRow(const std::vector<double>& widths, double rowBottom);
  std::string cellText(const ItemT& item, size_t column) const;

  ReportDevice& reportDevice_;
  PageManager& pageManager_;
  const Items* items_;
  double left_, right_, tableWidth_;
  static double ellipsisWidthDC_;
};

using ChoicesSection = ItemListSection<PV::Data::Choice>;
using DecisionMakersSection = ItemListSection<PV::Data::DecisionMaker>;
using CriteriaSection = ItemListSection<PV::Data::Criterion>;

}  // namespace Report
}  // namespace PV
