// The rank chart: the drawing pane of the solution window. It shows the values
// selected in the "% Rank" column (column 1) of the window's grid as bars drawn in an
// oblique three-dimensional style, on a value axis of 6 steps (1, 2, 5, 10, 20, ...),
// each bar with the choice's ID under it and its whole value on it (or above it when
// the bar is too short for the text). Equal neighbouring ranks share a colour; the
// palette of ten colours starts again after the tenth group.
//
// The chart follows the grid: it redraws when the grid's selection changes (it is the
// grid's selection hook) or when the grid's model changes inside the selected range
// (it is a view of the model). A selection it cannot chart is answered on the pane
// itself: "Must select multiple cells in the % Rank column" for a single cell, "Must
// select the % Rank column" for cells of another column. Values outside 0 to 100 are
// drawn as the nearest of the two. The drawing never shrinks below the size its labels
// need: in a pane smaller than that, scroll bars show the rest.
#pragma once

#include "framework/frames/zPane.h"
#include "framework/grid/zTableTypes.h"

#include <cstdint>
#include <vector>

class zTable;
class zTableModel;

namespace PV {
namespace GUI {

class Chart : public zPane {
 public:
  static constexpr const char* kSelectMultiple = "Must select multiple cells in the % Rank column";
  static constexpr const char* kSelectRankColumn = "Must select the % Rank column";

  // A view of the grid's model and the grid's selection hook from now on.
  Chart(zWindow* parent, zSizer* sizer, uint32_t style, zTable* grid);
  // Leaves the model's views and the grid's hook.
  ~Chart() override;

  int onSize(zEvent* event) override;
  int draw(zEvent* event) override;

  // What the last draw showed, for whoever checks the picture against the grid.
  struct Drawn {
    const char* message = nullptr;  // one of the two texts, or null when bars were drawn
    int32_t step = 0;
    int32_t cellWidth = 0;
    int32_t cellHeight = 0;
    int32_t originX = 0;
    int32_t originY = 0;
    std::vector<int32_t> groups;  // the colour group of each bar, in bar order
  };
  const Drawn& lastDrawn() const { return drawn_; }
  const zTableCellRange& selection() const { return selection_; }
  const std::vector<int32_t>& colorIndex() const { return colorIndex_; }
  // The smallest drawing of the present selection, in pixels: what the pane scrolls
  // over when it is smaller.
  zDimension minimumSize();
  // The same for a selection of a model of `rows` rows, drawn in a font whose "0" measures
  // `zero`: what a pane made for the chart needs before the chart exists.
  static zDimension minimumSizeFor(const zTableCellRange& selection, uint32_t rows, const zDimension& zero);

 private:
  static void modelChanged(void* view, zTableModel* model, const zTableCellRange* range);
  static void selectionChanged(void* data, zTable* grid);
  float value(uint32_t row) const;
  static bool drawable(const zTableCellRange& selection);
  void updateScrollRanges();
  void drawBars(zDisplay* d, const zRect& area);

  zTable* grid_;
  zTableModel* model_;
  zTableCellRange selection_;
  std::vector<int32_t> colorIndex_;
  Drawn drawn_;
  bool updatingRanges_ = false;
};

}  // namespace GUI
}  // namespace PV
