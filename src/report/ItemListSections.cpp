#include "report/ItemListSections.h"

#include <algorithm>

#include "foundation/Assert.h"
#include "report/FontAttributes.h"
#include "report/NumberText.h"
#include "report/PageManager.h"
#include "report/ReportDevice.h"
#include "report/SectionTools.h"
#include "report/TextFit.h"

namespace PV {
namespace Report {

namespace {

struct ListLayout {
  const char* title;
  std::vector<const char*> headings;
  std::vector<int32_t> justify;
  std::vector<const char*> samples;  // every column but the last
  bool weighted;
};

const char* const SAMPLE_ID = "10";
const char* const SAMPLE_NAME = "Choice name number one, thirty";
const char* const SAMPLE_WEIGHT = "9999";

template <class ItemT>
const ListLayout& layoutOf();

template <>
const ListLayout& layoutOf<PV::Data::Choice>() {
  static const ListLayout layout{"Choices",
                                 {"ID", "Choices", "Notes"},
                                 {JUSTIFY_CENTER, JUSTIFY_LEFT, JUSTIFY_LEFT},
                                 {SAMPLE_ID, SAMPLE_NAME},
                                 false};
  return layout;
}

template <>
const ListLayout& layoutOf<PV::Data::Criterion>() {
  static const ListLayout layout{"Criteria",
                                 {"ID", "Criteria", "Weights", "Notes"},
                                 {JUSTIFY_CENTER, JUSTIFY_LEFT, JUSTIFY_RIGHT, JUSTIFY_LEFT},
                                 {SAMPLE_ID, SAMPLE_NAME, SAMPLE_WEIGHT},
                                 true};
  return layout;
}

template <>
const ListLayout& layoutOf<PV::Data::DecisionMaker>() {
  static const ListLayout layout{"DecisionMakers",
                                 {"ID", "DecisionMakers", "Weights", "Notes"},
                                 {JUSTIFY_CENTER, JUSTIFY_LEFT, JUSTIFY_RIGHT, JUSTIFY_LEFT},
                                 {SAMPLE_ID, SAMPLE_NAME, SAMPLE_WEIGHT},
                                 true};
  return layout;
}

template <class ItemT>
uint32_t weightOf(const ItemT&) {
  return 0;
}
template <>
uint32_t weightOf<PV::Data::Criterion>(const PV::Data::Criterion& item) {
  return item.get_wt();
}
template <>
uint32_t weightOf<PV::Data::DecisionMaker>(const PV::Data::DecisionMaker& item) {
  return item.get_wt();
}

}  // namespace

template <class ItemT>
double ItemListSection<ItemT>::ellipsisWidthDC_ = 0.0;

template <class ItemT>
ItemListSection<ItemT>::ItemListSection(ReportDevice& reportDevice, PageManager& pageManager, const Items* items,
                                        float left, float right)
    : reportDevice_(reportDevice),
      pageManager_(pageManager),
      items_(items),
      left_(left),
      right_(right),
      tableWidth_(static_cast<double>(right) - static_cast<double>(left)) {
  PV_ASSERT(items_ != NULL);
}

template <class ItemT>
double ItemListSection<ItemT>::titleHeight() const {
  PV_ASSERT(SECTION_TITLE_FONT_HEIGHT_PTS > 0.0 && SECTION_TITLE_FONT_AFTER_HEIGHT_PTS > 0.0);
  return SECTION_TITLE_FONT_HEIGHT_PTS + SECTION_TITLE_FONT_AFTER_HEIGHT_PTS;
}

template <class ItemT>
double ItemListSection<ItemT>::tableHeight() const {
  PV_ASSERT(TEXT_BOX_HEIGHT_DC > 0.0);
  PV_ASSERT(items_->size() > 0);
  return TEXT_BOX_HEIGHT_DC * static_cast<double>(items_->size() + 1);
}

template <class ItemT>
std::string ItemListSection<ItemT>::cellText(const ItemT& item, size_t column) const {
  const ListLayout& layout = layoutOf<ItemT>();
  if (column == 0) return decimalText(item.get_row());
  if (column == 1) return item.get_nm();
  if (layout.weighted && column == 2) return decimalText(weightOf(item));
  return item.get_note();
}

template <class ItemT>
void ItemListSection<ItemT>::drawHeadingRow(const std::vector<double>& widths, double rowBottom) {
  const ListLayout& layout = layoutOf<ItemT>();
  const Color lightGrey = hsv(0, 0, 0.9f);
  reportDevice_.setColor(COLOR_TEXT_FILL, hsv(0, 0, 0));
  double x = pageManager_.getBodyLeft();
  for (size_t c = 0; c < widths.size(); ++c) {
    fillCell(reportDevice_, lightGrey, x, rowBottom, widths[c], TEXT_BOX_HEIGHT_DC, true);
    const std::string heading = layout.headings[c];
    drawTextAt(reportDevice_, heading, x + (widths[c] - reportDevice_.stringWidth(heading)) / 2.0,
               rowBottom + TEXT_AFTER_PTS);
    x += widths[c];
  }
}

template <class ItemT>
void ItemListSection<ItemT>::draw() {
  if (items_->empty()) return;
  const ListLayout& layout = layoutOf<ItemT>();
  ReportDevice& d = reportDevice_;
  const double rowHeight = TEXT_BOX_HEIGHT_DC;

  // The section stays on one page when it fits a page body; a longer list breaks
  // between rows and repeats its heading row on the next page.
  const double bodyHeight = pageManager_.getBodyTop() - pageManager_.getBodyBottom();
  const bool breakRows = titleHeight() + tableHeight() > bodyHeight;
  pageManager_.newPageIfNeeded(titleHeight() + (breakRows ? 2.0 * rowHeight : tableHeight()));

  const double bodyLeft = pageManager_.getBodyLeft();
  double y = d.getY();
  drawSectionTitle(d, layout.title, bodyLeft, y - SECTION_TITLE_FONT_HEIGHT_PTS);
  y -= titleHeight();

  const Color black = hsv(0, 0, 0);
  const Color darkRed = hsv(0, 1.0f, 0.5f);
  selectTableFont(d);
  d.setColor(COLOR_TEXT_FILL | COLOR_TEXT_STROKE, black);
  const double cellMargin = d.stringWidth("0");
  const double indent = cellMargin / 2.0;
  const size_t numColumns = layout.headings.size();
  std::vector<double> widths(numColumns, 0.0);
  double used = 0.0;
  for (size_t c = 0; c + 1 < numColumns; ++c) {
    widths[c] = std::max(d.stringWidth(layout.headings[c]), d.stringWidth(layout.samples[c])) + cellMargin;
    used += widths[c];
  }
  widths[numColumns - 1] = tableWidth_ - used;

  double rowBottom = y - rowHeight;
  drawHeadingRow(widths, rowBottom);
  for (const ItemT& item : *items_) {
    if (breakRows) {
      d.setPosition(bodyLeft, rowBottom);
      if (pageManager_.newPageIfNeeded(rowHeight)) {
        selectTableFont(d);
        d.setColor(COLOR_TEXT_FILL | COLOR_TEXT_STROKE, black);
        rowBottom = d.getY() - rowHeight;
        drawHeadingRow(widths, rowBottom);
      }
    }
    rowBottom -= rowHeight;
    const double baseline = rowBottom + TEXT_AFTER_PTS;
    double x = bodyLeft;
    for (size_t c = 0; c < numColumns; ++c) {
      frameCell(d, x, rowBottom, widths[c], rowHeight);
      std::string text = cellText(item, c);
      if (c == 1 || c + 1 == numColumns) {
        fitText(d, text, widths[c], indent, ellipsisWidthDC_);
      }
      if (layout.weighted && c == 2) d.setColor(COLOR_TEXT_FILL, darkRed);
      if (layout.weighted && c == 3) d.setColor(COLOR_TEXT_FILL, black);
      const double textWidth = d.stringWidth(text);
      double textX = x + indent;
      if (layout.justify[c] == JUSTIFY_CENTER) textX = x + (widths[c] - textWidth) / 2.0;
      if (layout.justify[c] == JUSTIFY_RIGHT) textX = x + widths[c] - indent - textWidth;
      if (!text.empty()) drawTextAt(d, text, textX, baseline);
      x += widths[c];
    }
  }
  d.setColor(COLOR_TEXT_FILL, black);
  d.setPosition(bodyLeft, rowBottom);
  pageManager_.setY(rowBottom);
}

template class ItemListSection<PV::Data::Choice>;
template class ItemListSection<PV::Data::DecisionMaker>;
template class ItemListSection<PV::Data::Criterion>;

}  // namespace Report
}  // namespace PV
