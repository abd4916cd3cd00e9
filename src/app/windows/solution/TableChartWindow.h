// The solution window: an MDI child that shows a ranking of the model's choices as a
// read-only table ("% Rank", "ID", "Choices", "Notes", one row per choice in rank
// order) beside or above the bar chart of its "% Rank" column, the two divided by a
// split bar the user can drag. Portrait puts the table above the chart, landscape
// beside it.
//
// Several solution windows may be open. Each registers with the main window (the
// model window host behind its parent) when it is made, which numbers it, and is
// forgotten when it is destroyed, however that happens; the main window takes the
// newest open one to refill after the model was solved again and closes them all
// when the model or the program goes.
//
// The ranking is copied into the table: the window keeps nothing of the data it was
// given. The table's text is the screen's code page, converted from the model's UTF-8.
#pragma once

#include "app/shared/ModelWindow.h"
#include "framework/frames/zMDIAppFrame.h"
#include "framework/grid/zTableTypes.h"
#include "model/RankSolutionData.h"

#include <cstdint>
#include <vector>

class zTable;
class zTableAttr;

namespace PV {
namespace App {
class ModelWindowHost;
}
namespace GUI {

class Chart;
class SplitBar;

class TableChartWindow : public zMDIChildFrame, public App::ModelWindow {
 public:
  enum Orientation : int32_t { Landscape = 0, Portrait = 1 };
  static constexpr const char* kMissingCaption = "!!! WARNING: Caption Name Missing - do Dirty #1, 2, 3..!!! ";

  // Made hidden in the MDI frame `parent`; the caller shows it. An empty caption gives
  // the warning caption followed by the data's name. iconId 0: no icon of its own. The
  // window takes its number from the host behind the parent (0 without one).
  TableChartWindow(zWindow* parent, zSizer* sizer, uint32_t style, const char* caption, int32_t orientation,
                   const Data::RankSolutionData& data, int32_t iconId);
  ~TableChartWindow() override;

  // (Re)fills the table with the first `count` rows of the data (at most all of them)
  // and selects the whole "% Rank" column, which the chart draws. Returns the table's
  // total width in pixels.
  int32_t fillTable(uint32_t count, const Data::RankSolutionData& data);
  // Repaints the table, the chart and the window with its split bar.
  void refresh();

  // The number the window was given, the count of open solution windows with it.
  int32_t id() const { return id_; }
  int32_t orientation() const { return orientation_; }
  zTable* table() const { return grid_; }
  Chart* chart() const { return chart_; }
  SplitBar* splitBar() const { return split_; }
  int32_t tableWidth() const { return tableWidth_; }
  // The height the table needs for all its rows: where a portrait window's bar starts.
  int32_t tableHeight() const { return tableHeight_; }
  // The fill of the table's selected cells.
  static constexpr COLORREF kSelectionFill = RGB(255, 255, 204);

  // The host's view: nothing to store, and a discarded window is deleted at once.
  bool commitToModel() override { return true; }
  bool isDirty() const override { return false; }
  void discard() override;
  bool isNumbered() const override { return true; }

  WNDCLASSA* classInfo() override;
  int onSize(zEvent* event) override;
  int onFocus(zEvent* event) override;
  int onMDIActivate(zEvent* event) override;
  // The split bar's paint, its drag with the left mouse button and the drag's end when
  // another window takes the mouse.
  LRESULT defProc(zEvent* event) override;
  int onMouseButtonDown(zEvent* event) override;
  int onMouseMove(zEvent* event) override;
  int onMouseButtonUp(zEvent* event) override;

 private:
  void dropAttributes();
  void dropCellsFrom(uint32_t firstRow);

  zTable* grid_ = nullptr;
  int32_t tableWidth_ = 0;
  int32_t tableHeight_ = 0;
  zDimension zero_;  // "0" in the table's font, which the chart draws in too
  Chart* chart_ = nullptr;
  SplitBar* split_ = nullptr;
  zTableCellRange range_;
  int32_t id_ = 0;
  int32_t orientation_;
  int32_t iconId_;
  uint32_t filledRows_ = 0;
  // The attributes this window added to its table's model, dropped at a refill so
  // that a refilled table equals a fresh one.
  std::vector<zTableAttr*> attributes_;
  App::ModelWindowHost* host_ = nullptr;
};

}  // namespace GUI
}  // namespace PV
