// The solution window on rankings made to measure, in an MDI frame of the test's own:
// the table's texts, colours, alignment and widths; the chart's bars, groups, axis and
// messages probed in its own picture at coordinates computed from its geometry; the
// split bar dragged with real mouse messages; the host's numbering as windows open and
// close; a refill; and a model at the file's limits in both orientations and small.
#include "MDITestSupport.h"
#include "SolutionTestSupport.h"
#include "app/shared/ModelWindowHost.h"
#include "app/shared/ModelWindowRegistry.h"
#include "app/windows/solution/ChartArith.h"
#include "app/windows/solution/SplitBar.h"
#include "framework/core/zScrollInfo.h"
#include "framework/draw/zBitmapDisplay.h"
#include "framework/grid/zTableModel.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using PV::GUI::Chart;
using PV::GUI::SplitBar;
using PV::GUI::TableChartWindow;
namespace Arith = PV::GUI::ChartArith;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// The main window as the solution windows see it: an MDI frame whose registry numbers
// them, with the test frame's menus.
class SolutionHostFrame : public zMDIAppFrame, public PV::App::ModelWindowHost {
 public:
  SolutionHostFrame()
      : zMDIAppFrame(nullptr, new zSizer(zPoint(20, 20), zDimension(640, 480), nullptr), 0, "Solution window test",
                     new zMenu(), 1000) {
    zMenu* bar = new zMenu(this);
    const HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 40, "E&xit");
    AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu()->handle()), "&Window");
    setMenu(bar);
    DrawMenuBar(handle());
  }
  int32_t addModelWindow(PV::App::ModelWindow* window) override { return windows.add(window); }
  void removeModelWindow(PV::App::ModelWindow* window) override { windows.remove(window); }
  PV::App::ModelDocument& document() override { return document_; }
  PV::App::ModelWindowRegistry windows;
  PV::App::ModelDocument document_;
};

class SolutionWindow : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    frame_ = new SolutionHostFrame();
    MoveWindow(frame_->handle(), 0, 0, 1000, 740, TRUE);
    frame_->show(SW_SHOWNORMAL);
    pump();
  }
  void TearDown() override {
    frame_->windows.discardAll();
    EXPECT_TRUE(frame_->windows.windows().empty());
    delete frame_;
    pump();
    FrameworkTest::TearDown();
  }
  TableChartWindow* open(const PV::Data::RankSolutionData& data, int32_t orientation = TableChartWindow::Portrait,
                         const char* caption = "#1 Solution - test", zSizer* sizer = nullptr) {
    auto* w = new TableChartWindow(frame_, sizer, WS_OVERLAPPEDWINDOW, caption, orientation, data, 292);
    w->show(SW_SHOWNORMAL);
    pump();
    return w;
  }
  static zRect rectOf(zWindow* w) {
    RECT r{};
    GetWindowRect(w->handle(), &r);
    MapWindowPoints(nullptr, GetParent(w->handle()), reinterpret_cast<POINT*>(&r), 2);
    return zRect(r.left, r.top, r.right, r.bottom);
  }
  size_t count() const { return frame_->windows.numberedWindows().size(); }
  PV::App::ModelWindow* latest() const { return frame_->windows.latestNumbered(); }
  SolutionHostFrame* frame_ = nullptr;
};

// The colouring rule of the "% Rank" column: red down to the last row at 100 (row 1
// at least), blue after it; the other columns take no colour.
TEST_F(SolutionWindow, RankColumnIsRedDownToTheLastHundredThenBlue) {
  const struct {
    std::vector<double> values;
    std::vector<COLORREF> colours;
  } cases[] = {
      {{100.0, 100.0, 80.0}, {kRed, kRed, kBlue}},
      {{90.0, 80.0, 70.0}, {kRed, kBlue, kBlue}},
      {{100.0, 50.0, 100.0, 20.0}, {kRed, kRed, kRed, kBlue}},
      {{100.0}, {kRed}},
      {{99.96, 50.0}, {kRed, kBlue}},  // shown as "100.0 ", so it counts as 100
  };
  for (const auto& c : cases) {
    TableChartWindow* w = open(makeRanking(c.values));
    for (uint32_t r = 1; r <= c.colours.size(); ++r) {
      EXPECT_EQ(cellLook(w->table(), 1, r).colour, c.colours[r - 1]) << "row " << r << " of " << c.values.size();
      EXPECT_EQ(cellLook(w->table(), 3, r).colour, CLR_INVALID);
    }
    delete w;
  }
}

// Texts, alignment, the read-only lock, the headers and the width rule: only the names
// and notes widen their columns, each column is its widest text plus two "N".
TEST_F(SolutionWindow, TableTextsAlignmentHeadersAndWidths) {
  const std::string longName = "An uncommonly long name for a choice here";
  TableChartWindow* w = open(makeRanking({100.0, 62.5, 7.25}, {"Alpha", longName, "Gamma"}, {"", "n", "third note"}));
  zTable* t = w->table();
  ASSERT_EQ(t->model()->columnCount(), 4u);
  ASSERT_EQ(t->model()->rowCount(), 3u);
  const struct {
    uint32_t column, row;
    const char* text;
    uint32_t alignment;
  } cells[] = {
      {1, 1, "100.0 ", zTableAlignRight}, {1, 2, "62.5 ", zTableAlignRight},      {1, 3, "7.2 ", zTableAlignRight},
      {2, 1, "1", zTableAlignCentre},     {2, 3, "3", zTableAlignCentre},         {3, 1, " Alpha", zTableAlignLeft},
      {4, 1, " ", zTableAlignLeft},       {4, 3, " third note", zTableAlignLeft},
  };
  for (const auto& c : cells) {
    const CellLook look = cellLook(t, c.column, c.row);
    EXPECT_EQ(look.text, c.text) << c.column << "," << c.row;
    EXPECT_EQ(look.alignment, c.alignment) << c.column << "," << c.row;
    EXPECT_TRUE(look.readOnly) << c.column << "," << c.row;
  }
  EXPECT_EQ(cellLook(t, 3, 2).text, " " + longName);
  const char* headers[] = {"Rank", "% Rank", "ID", "Choices", "Notes"};
  for (uint32_t c = 0; c < 5; ++c) EXPECT_STREQ(t->columnTexts().text(c), headers[c]);
  EXPECT_EQ(t->headerTextMode(zTableHeaderColumns), zTableHeaderStored);
  EXPECT_EQ(t->headerTextMode(zTableHeaderRows), zTableHeaderNumber);

  const int32_t n2 = 2 * tableTextWidth(t, "N");
  EXPECT_EQ(t->layout().columnWidth(1), static_cast<uint32_t>(tableTextWidth(t, "% Rank") + n2));
  EXPECT_EQ(t->layout().columnWidth(2), static_cast<uint32_t>(tableTextWidth(t, "ID") + n2));
  EXPECT_EQ(t->layout().columnWidth(3), static_cast<uint32_t>(tableTextWidth(t, longName.c_str()) + n2));
  EXPECT_EQ(t->layout().columnWidth(4), static_cast<uint32_t>(tableTextWidth(t, "third note") + n2));
  EXPECT_EQ(t->layout().columnWidth(5), 0u);
  EXPECT_EQ(t->layout().rowHeight(4), 0u);
  EXPECT_EQ(t->layout().headerSize().width(), tableTextWidth(t, "Rank") + n2);
  int32_t total = t->layout().headerSize().width() + 16;
  for (uint32_t c = 1; c <= 4; ++c) total += static_cast<int32_t>(t->layout().columnWidth(c));
  EXPECT_EQ(w->tableWidth(), total);
  // The whole "% Rank" column is selected: the chart draws it.
  EXPECT_EQ(t->selectionRange(), zTableCellRange(1, 1, 1, 3));
  EXPECT_EQ(w->chart()->selection(), zTableCellRange(1, 1, 1, 3));
  char caption[128] = {};
  GetWindowTextA(w->handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, "#1 Solution - test");
  EXPECT_EQ(GetFocus(), t->handle());
}

TEST_F(SolutionWindow, AMissingCaptionSaysSoWithTheDataName) {
  for (const char* missing : {static_cast<const char*>(nullptr), ""}) {
    TableChartWindow* w = open(makeRanking({100.0, 50.0}), TableChartWindow::Portrait, missing);
    char caption[256] = {};
    GetWindowTextA(w->handle(), caption, sizeof caption);
    EXPECT_EQ(std::string(caption), std::string(TableChartWindow::kMissingCaption) + "test ranking");
    delete w;
  }
}

// Ranks 100, 100, 80: the first two bars in palette colour 0, the third in colour 1;
// the value axis counts 0 to 100 in steps of 20, and no label stands at the sixth tick.
TEST_F(SolutionWindow, BarColoursFollowTheGroupsAndTheAxisItsStep) {
  TableChartWindow* w = open(makeRanking({100.0, 100.0, 80.0}), TableChartWindow::Landscape);
  Chart* chart = w->chart();
  std::unique_ptr<zBitmapDisplay> canvas(paintChart(chart));
  const Chart::Drawn& drawn = chart->lastDrawn();
  ASSERT_EQ(drawn.message, nullptr);
  EXPECT_EQ(drawn.step, 20);
  EXPECT_EQ(drawn.groups, (std::vector<int32_t>{0, 0, 1}));
  Arith::ChartGeometry g;
  g.cellWidth = drawn.cellWidth;
  g.cellHeight = drawn.cellHeight;
  g.originX = drawn.originX;
  g.originY = drawn.originY;
  const int values[3] = {100, 100, 80};
  const COLORREF expected[3] = {RGB(255, 0, 0), RGB(255, 0, 0), RGB(0, 101, 255)};
  for (int i = 0; i < 3; ++i) {
    const Arith::BarFace f = Arith::barFace(g, i, values[i], drawn.step);
    // Below the value label, inside the front face.
    const int32_t x = (f.left + f.right) / 2;
    const int32_t y = f.bottom - (f.bottom - f.top) / 4;
    EXPECT_EQ(pixelAt(canvas.get(), x, y), expected[i]) << "bar " << i;
    // The side face is the bar's colour too, one pixel right of the front face.
    EXPECT_EQ(pixelAt(canvas.get(), f.right + 1, y - 2), expected[i]) << "bar " << i;
  }
  SIZE zero{};
  canvas->lock();
  GetTextExtentPoint32A(canvas->hdc(), "0", 1, &zero);
  canvas->unlock();
  for (int k = 0; k <= 6; ++k) {
    const int32_t y = drawn.originY - k * drawn.cellHeight;
    const bool label = anyDark(canvas.get(), 0, y - zero.cy / 2, drawn.originX - 2, y + zero.cy / 2);
    EXPECT_EQ(label, k < 6) << "tick " << k;
  }
  // The IDs under the bars.
  for (int i = 0; i < 3; ++i) {
    const int32_t cx = drawn.originX + drawn.cellWidth / 2 + i * drawn.cellWidth;
    EXPECT_TRUE(anyDark(canvas.get(), cx - zero.cx, drawn.originY + 2, cx + zero.cx, drawn.originY + 2 * zero.cy))
        << "ID of bar " << i;
  }
}

// A single choice, or cells of another column, give the chart's two messages; the
// chart follows the grid's selection and draws bars again when the column is back.
TEST_F(SolutionWindow, SelectionsTheChartCannotDrawAreAnsweredOnThePane) {
  TableChartWindow* one = open(makeRanking({100.0}));
  std::unique_ptr<zBitmapDisplay> canvas(paintChart(one->chart()));
  EXPECT_STREQ(one->chart()->lastDrawn().message, Chart::kSelectMultiple);
  EXPECT_TRUE(anyDark(canvas.get(), 10, 10, 60, 30)) << "the message is on the pane";
  delete one;

  TableChartWindow* w = open(makeRanking({100.0, 70.0, 40.0, 10.0}));
  w->table()->selectRange(zTableCellRange(3, 1, 3, 3));
  pump();
  EXPECT_EQ(w->chart()->selection(), zTableCellRange(3, 1, 3, 3));
  canvas.reset(paintChart(w->chart()));
  EXPECT_STREQ(w->chart()->lastDrawn().message, Chart::kSelectRankColumn);
  w->table()->selectRange(zTableCellRange(1, 2, 1, 4));
  canvas.reset(paintChart(w->chart()));
  EXPECT_EQ(w->chart()->lastDrawn().message, nullptr);
  EXPECT_EQ(w->chart()->lastDrawn().groups, (std::vector<int32_t>{1, 2, 3})) << "groups count over the whole column";
  EXPECT_EQ(w->chart()->lastDrawn().step, 20) << "70 is the largest selected value";
}

// Ties, all-equal ranks and more than ten distinct ranks draw: every bar gets a colour
// of the palette, equal ranks one colour.
TEST_F(SolutionWindow, TiesAllEqualAndManyDistinctRanksDraw) {
  const struct {
    std::vector<double> values;
    std::vector<int32_t> groups;
  } cases[] = {
      {{50.0, 50.0, 50.0}, {1, 1, 1}},
      {{100.0, 90.0, 90.0, 10.0}, {0, 1, 1, 2}},
      {{100, 95, 90, 85, 80, 75, 70, 65, 60, 55, 50, 45}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
  };
  for (const auto& c : cases) {
    TableChartWindow* w = open(makeRanking(c.values), TableChartWindow::Landscape);
    std::unique_ptr<zBitmapDisplay> canvas(paintChart(w->chart()));
    const Chart::Drawn& drawn = w->chart()->lastDrawn();
    ASSERT_EQ(drawn.message, nullptr);
    EXPECT_EQ(drawn.groups, c.groups);
    Arith::ChartGeometry g;
    g.cellWidth = drawn.cellWidth;
    g.cellHeight = drawn.cellHeight;
    g.originX = drawn.originX;
    g.originY = drawn.originY;
    for (size_t i = 0; i < c.values.size(); ++i) {
      const Arith::BarFace f =
          Arith::barFace(g, static_cast<int32_t>(i), static_cast<int32_t>(c.values[i]), drawn.step);
      const Arith::Rgb rgb = Arith::paletteColour(c.groups[i]);
      EXPECT_EQ(pixelAt(canvas.get(), (f.left + f.right) / 2, f.bottom - 3), RGB(rgb.red, rgb.green, rgb.blue))
          << "bar " << i;
    }
    delete w;
  }
}

// Portrait: the table above the chart, the bar at the table's height (at most half the
// window); landscape: the table left of the chart, the bar at a quarter of the width.
// Dragging the bar moves both panes by the distance dragged; a drag released where it
// began changes nothing; a drag beyond the far edge stops 5 pixels before it.
TEST_F(SolutionWindow, SplitBarPlacesThePanesAndMovesThemWhenDragged) {
  for (int32_t orientation : {TableChartWindow::Landscape, TableChartWindow::Portrait}) {
    TableChartWindow* w = open(makeRanking({100.0, 80.0, 60.0}), orientation);
    SplitBar* split = w->splitBar();
    const bool side = orientation == TableChartWindow::Landscape;
    RECT client{};
    GetClientRect(w->handle(), &client);
    const int32_t extent = side ? client.right : client.bottom;
    {
      // The raised bar between the panes, across the window: black, white, grey,
      // mid-grey and black lines.
      const int32_t s = split->startSplit();
      HDC dc = GetDC(w->handle());
      const COLORREF edges[6] = {RGB(0, 0, 0),       RGB(255, 255, 255), RGB(192, 192, 192),
                                 RGB(192, 192, 192), RGB(128, 128, 128), RGB(0, 0, 0)};
      for (int32_t i = 0; i < 6; ++i) {
        const int32_t at = s - 1 + i, along = (side ? client.bottom : client.right) / 2;
        EXPECT_EQ(side ? GetPixel(dc, at, along) : GetPixel(dc, along, at), edges[i]) << "bar line " << i;
      }
      ReleaseDC(w->handle(), dc);
    }
    if (side) {
      RECT parent{};
      GetClientRect(w->handle(), &parent);
      EXPECT_EQ(split->startSplit(), parent.right / 4);
    } else {
      EXPECT_EQ(split->startSplit(), std::min(w->tableHeight(), extent / 2));
    }
    auto firstEnd = [&] { return side ? rectOf(w->table()).right() : rectOf(w->table()).bottom(); };
    auto secondStart = [&] { return side ? rectOf(w->chart()).left() : rectOf(w->chart()).top(); };
    EXPECT_EQ(firstEnd(), split->startSplit() - 1);
    EXPECT_EQ(secondStart(), split->startSplit() + 5);

    auto drag = [&](int32_t from, int32_t to) {
      const LPARAM a = side ? MAKELPARAM(from, 20) : MAKELPARAM(20, from);
      const LPARAM b = side ? MAKELPARAM(to, 20) : MAKELPARAM(20, to);
      SendMessageA(w->handle(), WM_LBUTTONDOWN, MK_LBUTTON, a);
      EXPECT_TRUE(split->dragging());
      SendMessageA(w->handle(), WM_MOUSEMOVE, MK_LBUTTON, b);
      SendMessageA(w->handle(), WM_LBUTTONUP, 0, b);
      EXPECT_FALSE(split->dragging());
      pump();
    };
    const int32_t s0 = split->startSplit();
    drag(s0 + 2, s0 + 42);
    EXPECT_EQ(split->startSplit(), s0 + 40);
    EXPECT_EQ(firstEnd(), s0 + 39);
    EXPECT_EQ(secondStart(), s0 + 45);
    drag(s0 + 42, s0 + 42);
    EXPECT_EQ(split->startSplit(), s0 + 40) << "a drag released where it began";
    drag(s0 + 42, s0 + 42 + 5000);
    EXPECT_EQ(split->startSplit(), extent - 5);
    delete w;
  }
}

// Another window that takes the mouse in the middle of a drag (a box that opens) ends the
// drag where it is: the pointer is free again, the feedback line is gone, the release
// that follows moves nothing, and the next drag works as the first; a window closed in
// the middle of a drag leaves the pointer free too.
TEST_F(SolutionWindow, ADragEndsWhenAnotherWindowTakesTheMouse) {
  for (int32_t orientation : {TableChartWindow::Landscape, TableChartWindow::Portrait}) {
    TableChartWindow* w = open(makeRanking({100.0, 80.0, 60.0}), orientation);
    SplitBar* split = w->splitBar();
    const bool side = orientation == TableChartWindow::Landscape;
    auto at = [&](int32_t across) { return side ? MAKELPARAM(across, 20) : MAKELPARAM(20, across); };
    // A point of the feedback line in the chart, which lies beyond the bar.
    auto chartPixel = [&](int32_t across) {
      const zRect chart = rectOf(w->chart());
      HDC dc = GetDC(w->chart()->handle());
      const COLORREF c = side ? GetPixel(dc, across - chart.left(), 20 - chart.top())
                              : GetPixel(dc, 20 - chart.left(), across - chart.top());
      ReleaseDC(w->chart()->handle(), dc);
      return c;
    };
    RECT freeClip{};
    GetClipCursor(&freeClip);
    const int32_t s0 = split->startSplit();
    const COLORREF before = chartPixel(s0 + 42);
    SendMessageA(w->handle(), WM_LBUTTONDOWN, MK_LBUTTON, at(s0 + 2));
    SendMessageA(w->handle(), WM_MOUSEMOVE, MK_LBUTTON, at(s0 + 42));
    ASSERT_TRUE(split->dragging());
    RECT clip{};
    GetClipCursor(&clip);
    EXPECT_FALSE(EqualRect(&clip, &freeClip)) << "the drag confines the pointer";
    EXPECT_NE(chartPixel(s0 + 42), before) << "the feedback line is drawn";

    SetCapture(w->chart()->handle());
    EXPECT_FALSE(split->dragging());
    GetClipCursor(&clip);
    EXPECT_TRUE(EqualRect(&clip, &freeClip)) << "the pointer is free again";
    EXPECT_EQ(chartPixel(s0 + 42), before) << "the feedback line is gone";
    ReleaseCapture();
    SendMessageA(w->handle(), WM_LBUTTONUP, 0, at(s0 + 42));
    EXPECT_EQ(split->startSplit(), s0);
    EXPECT_FALSE(split->movedByUser());

    SendMessageA(w->handle(), WM_LBUTTONDOWN, MK_LBUTTON, at(s0 + 2));
    SendMessageA(w->handle(), WM_MOUSEMOVE, MK_LBUTTON, at(s0 + 12));
    SendMessageA(w->handle(), WM_LBUTTONUP, 0, at(s0 + 12));
    EXPECT_FALSE(split->dragging());
    EXPECT_EQ(split->startSplit(), s0 + 10);
    pump();
    // A window that goes in the middle of a drag frees the pointer too.
    SendMessageA(w->handle(), WM_LBUTTONDOWN, MK_LBUTTON, at(s0 + 12));
    ASSERT_TRUE(split->dragging());
    delete w;
    GetClipCursor(&clip);
    EXPECT_TRUE(EqualRect(&clip, &freeClip)) << "the pointer is free after the window";
    EXPECT_EQ(GetCapture(), nullptr);
    pump();
  }
}

// The host's registry: numbers count the open windows, closing one of two leaves the
// other as the latest, and a discard closes them all.
TEST_F(SolutionWindow, ClosingOneOfTwoLeavesTheOtherAsTheLatest) {
  EXPECT_EQ(latest(), nullptr);
  TableChartWindow* first = open(makeRanking({100.0, 50.0}));
  TableChartWindow* second = open(makeRanking({100.0, 20.0}));
  EXPECT_EQ(count(), 2u);
  EXPECT_EQ(first->id(), 1);
  EXPECT_EQ(second->id(), 2);
  EXPECT_EQ(latest(), second);
  // The user closes the newer one: the older one is the latest again, and the closed
  // one is never reached.
  SendMessageA(second->handle(), WM_CLOSE, 0, 0);
  pump();
  EXPECT_EQ(count(), 1u);
  EXPECT_EQ(latest(), first);
  TableChartWindow* third = open(makeRanking({100.0, 10.0}));
  EXPECT_EQ(third->id(), 2) << "numbers are the count at creation";
  SendMessageA(first->handle(), WM_CLOSE, 0, 0);
  pump();
  EXPECT_EQ(latest(), third);
  ASSERT_EQ(frame_->windows.numberedWindows().size(), 1u);
  open(makeRanking({100.0, 30.0}));
  frame_->windows.discardAll();
  EXPECT_EQ(count(), 0u);
  EXPECT_EQ(latest(), nullptr);
}

// A refill shows the new ranking exactly as a fresh window would: rows added and
// removed, colours from the new values, no attribute left over from the old ones.
TEST_F(SolutionWindow, ARefillEqualsAFreshFill) {
  TableChartWindow* w = open(makeRanking({100.0, 100.0, 80.0, 60.0, 40.0}));
  const size_t attributes = w->table()->model()->attributes().size();
  w->fillTable(3, makeRanking({90.0, 85.0, 10.0}, {"X", "Y", "Z"}));
  w->refresh();
  pump();
  zTable* t = w->table();
  EXPECT_EQ(t->model()->rowCount(), 3u);
  EXPECT_EQ(cellLook(t, 1, 1).text, "90.0 ");
  EXPECT_EQ(cellLook(t, 3, 3).text, " Z");
  EXPECT_EQ(cellLook(t, 1, 1).colour, kRed);
  EXPECT_EQ(cellLook(t, 1, 2).colour, kBlue) << "no red left from the old 100s";
  EXPECT_EQ(t->model()->cell(zTableCellPos(1, 4)), nullptr) << "the old rows' cells are gone";
  EXPECT_LE(t->model()->attributes().size(), attributes);
  EXPECT_EQ(t->layout().rowHeight(4), 0u);
  std::unique_ptr<zBitmapDisplay> canvas(paintChart(w->chart()));
  EXPECT_EQ(w->chart()->lastDrawn().groups, (std::vector<int32_t>{1, 2, 3}));
  // Growing again.
  w->fillTable(5, makeRanking({100.0, 100.0, 80.0, 60.0, 40.0}));
  EXPECT_EQ(t->model()->rowCount(), 5u);
  EXPECT_EQ(cellLook(t, 1, 2).colour, kRed);
  EXPECT_EQ(t->model()->attributes().size(), attributes);
}

// A model at the file's limits in both orientations, at the size the MDI frame gives
// and in a small window, opened so or made so later: the chart's slots stay wide enough
// for their labels, every label lies inside the drawing, the names fit their column.
TEST_F(SolutionWindow, AModelAtTheFileLimitsDrawsItsLabelsApart) {
  const PV::Data::RankSolutionData data = limitsRanking();
  const struct {
    int32_t orientation;
    int32_t width, height;  // 0: as the MDI frame places it
    bool resized;           // opened as the MDI frame places it, then given the size
    const char* shot;
  } cases[] = {
      {TableChartWindow::Portrait, 0, 0, false, "solution-limits-portrait"},
      {TableChartWindow::Landscape, 0, 0, false, "solution-limits-landscape"},
      {TableChartWindow::Portrait, 360, 300, false, "solution-limits-small"},
      {TableChartWindow::Landscape, 360, 300, false, nullptr},
      {TableChartWindow::Portrait, 360, 300, true, nullptr},
      {TableChartWindow::Landscape, 300, 240, true, nullptr},
  };
  for (const auto& c : cases) {
    zSizer* sizer =
        c.width && !c.resized ? new zSizer(zPoint(10, 10), zDimension(c.width, c.height), nullptr) : nullptr;
    TableChartWindow* w = open(data, c.orientation, "#1 Solution - limits", sizer);
    if (c.resized) {
      MoveWindow(w->handle(), 10, 10, c.width, c.height, TRUE);
      pump();
    }
    zTable* t = w->table();
    EXPECT_GE(t->layout().columnWidth(3), static_cast<uint32_t>(tableTextWidth(t, data.rows[0].name.c_str()) + 6))
        << "the name and the cell's margins fit";
    std::unique_ptr<zBitmapDisplay> canvas(paintChart(w->chart()));
    const Chart::Drawn& drawn = w->chart()->lastDrawn();
    ASSERT_EQ(drawn.message, nullptr);
    SIZE hundred{}, zero{};
    canvas->lock();
    GetTextExtentPoint32A(canvas->hdc(), "100", 3, &hundred);
    GetTextExtentPoint32A(canvas->hdc(), "0", 1, &zero);
    canvas->unlock();
    EXPECT_GE(drawn.cellWidth, hundred.cx + zero.cx) << "the widest value and ID labels fit their slots";
    EXPECT_GE(drawn.cellHeight, zero.cy) << "the axis labels do not touch";
    EXPECT_GE(drawn.originX - hundred.cx - 3, 0) << "the axis labels start inside the pane";
    // A pane smaller than the drawing scrolls over all of it.
    pump();
    RECT client{};
    GetClientRect(w->chart()->handle(), &client);
    const zDimension need = w->chart()->minimumSize();
    const int32_t overX = w->chart()->horzScroll() ? w->chart()->horzScroll()->high() : 0;
    const int32_t overY = w->chart()->vertScroll() ? w->chart()->vertScroll()->high() : 0;
    EXPECT_GE(client.right + overX, need.width());
    EXPECT_GE(client.bottom + overY, need.height());
    if (c.width) {
      EXPECT_GT(overX + overY, 0) << "the small window's chart scrolls";
    }
    // Scroll bars a pane shows have their room: its client area leaves them out.
    for (zWindow* pane : {static_cast<zWindow*>(t), static_cast<zWindow*>(w->chart())}) {
      RECT outer{}, inner{};
      GetWindowRect(pane->handle(), &outer);
      GetClientRect(pane->handle(), &inner);
      const LONG style = GetWindowLongA(pane->handle(), GWL_STYLE);
      if (style & WS_HSCROLL) {
        EXPECT_GE(outer.bottom - outer.top - inner.bottom, GetSystemMetrics(SM_CYHSCROLL)) << c.orientation;
      }
      if (style & WS_VSCROLL) {
        EXPECT_GE(outer.right - outer.left - inner.right, GetSystemMetrics(SM_CXVSCROLL)) << c.orientation;
      }
    }
    if (c.shot) saveShot(w->handle(), c.shot);
    delete w;
  }
}

}  // namespace
namespace {

// The selected "% Rank" cells keep their red and blue on a pale fill: no cell of the
// column is drawn inverted (yellow or cyan on black).
TEST_F(SolutionWindow, TheSelectedRankColumnKeepsItsRedAndBlue) {
  TableChartWindow* w = open(makeRanking({100.0, 100.0, 80.0, 60.0, 40.0}));
  zTable* t = w->table();
  ASSERT_EQ(t->selectionRange().start.column, 1u);
  ASSERT_EQ(t->selectionRange().end.row, 5u);
  InvalidateRect(t->handle(), nullptr, TRUE);
  UpdateWindow(t->handle());
  HDC dc = GetDC(t->handle());
  struct Case {
    uint32_t row;
    COLORREF text, inverted;
  } cases[] = {{2, kRed, RGB(0, 255, 255)}, {3, kBlue, RGB(255, 255, 0)}, {5, kBlue, RGB(255, 255, 0)}};
  for (const Case& c : cases) {
    const zRect cell = t->cellRect(zTableCellPos(1, c.row));
    int text = 0, inverted = 0, fill = 0;
    for (int32_t y = cell.top() + 2; y < cell.bottom() - 2; ++y) {
      for (int32_t x = cell.left() + 2; x < cell.right() - 2; ++x) {
        const COLORREF p = GetPixel(dc, x, y);
        text += p == c.text;
        inverted += p == c.inverted || p == RGB(0, 0, 0);
        fill += p == TableChartWindow::kSelectionFill;
      }
    }
    EXPECT_GT(text, 0) << "row " << c.row;
    EXPECT_EQ(inverted, 0) << "row " << c.row;
    EXPECT_GT(fill, 0) << "row " << c.row;
  }
  ReleaseDC(t->handle(), dc);
}

// In portrait the table shows all ten ranks of a full model where the chart below
// keeps the room its bars need; the table's scroll bar is for what does not fit.
TEST_F(SolutionWindow, PortraitShowsEveryRankWhereTheChartKeepsItsRoom) {
  TableChartWindow* w = open(limitsRanking());
  zTable* t = w->table();
  RECT grid{}, chart{};
  GetClientRect(t->handle(), &grid);
  GetClientRect(w->chart()->handle(), &chart);
  ASSERT_EQ(t->model()->rowCount(), 10u);
  EXPECT_LE(t->cellRect(zTableCellPos(1, 10)).bottom(), grid.bottom) << "rank 10 is in view";
  EXPECT_GE(chart.bottom, w->chart()->minimumSize().height()) << "the chart keeps its room";
}

// A new size places the bar again: an undragged bar by its rule (in portrait the table
// shows every rank once the window is tall enough, however small it opened), a dragged
// one by its share of the window, so that after Tile the chart keeps its part.
TEST_F(SolutionWindow, TheBarFollowsTheWindowsSize) {
  TableChartWindow* portrait = open(limitsRanking());
  MoveWindow(portrait->handle(), 0, 0, 420, 260, TRUE);
  pump();
  MoveWindow(portrait->handle(), 0, 0, 900, 660, TRUE);
  pump();
  RECT grid{};
  GetClientRect(portrait->table()->handle(), &grid);
  EXPECT_LE(portrait->table()->cellRect(zTableCellPos(1, 10)).bottom(), grid.bottom) << "rank 10 in view";
  delete portrait;

  TableChartWindow* landscape = open(limitsRanking(), TableChartWindow::Landscape);
  MoveWindow(landscape->handle(), 0, 0, 900, 500, TRUE);
  pump();
  SplitBar* split = landscape->splitBar();
  const int32_t s0 = split->startSplit();
  SendMessageA(landscape->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(s0 + 2, 20));
  SendMessageA(landscape->handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(s0 + 302, 20));
  SendMessageA(landscape->handle(), WM_LBUTTONUP, 0, MAKELPARAM(s0 + 302, 20));
  pump();
  RECT before{}, chartBefore{};
  GetClientRect(landscape->handle(), &before);
  GetWindowRect(landscape->chart()->handle(), &chartBefore);
  const double share = static_cast<double>(split->startSplit()) / before.right;
  MoveWindow(landscape->handle(), 0, 0, 450, 500, TRUE);  // as Tile makes it
  pump();
  RECT after{}, chartAfter{};
  GetClientRect(landscape->handle(), &after);
  GetWindowRect(landscape->chart()->handle(), &chartAfter);
  EXPECT_NEAR(static_cast<double>(split->startSplit()) / after.right, share, 0.02);
  EXPECT_GT(chartAfter.right - chartAfter.left, (chartBefore.right - chartBefore.left) / 3)
      << "the chart keeps its part";
  delete landscape;
}

}  // namespace

namespace {

// The table has the scroll bars its ranking needs from the window's first show, each
// with its room, before any message loop runs: none for a ranking that fits, the
// horizontal one alone for the long texts at the file limits; the loop changes nothing.
TEST_F(SolutionWindow, TheTablesScrollBarsAreRightFromTheFirstShow) {
  const struct {
    const char* what;
    PV::Data::RankSolutionData data;
    bool horizontal;
  } cases[] = {
      {"five short rows", makeRanking({100.0, 80.0, 60.0, 40.0, 20.0}), false},
      {"the file limits", limitsRanking(), true},
  };
  constexpr LONG kBars = WS_HSCROLL | WS_VSCROLL;
  for (const auto& c : cases) {
    auto* w = new TableChartWindow(frame_, new zSizer(zPoint(10, 10), zDimension(760, 560), nullptr),
                                   WS_OVERLAPPEDWINDOW, "#1 Solution - test", TableChartWindow::Portrait, c.data, 292);
    w->show(SW_SHOWNORMAL);
    const HWND grid = w->table()->handle();
    const LONG bars = GetWindowLongA(grid, GWL_STYLE) & kBars;
    EXPECT_EQ((bars & WS_HSCROLL) != 0, c.horizontal) << c.what;
    EXPECT_EQ(bars & WS_VSCROLL, 0) << c.what;
    RECT outer{}, inner{};
    GetWindowRect(grid, &outer);
    GetClientRect(grid, &inner);
    EXPECT_EQ(outer.bottom - outer.top - inner.bottom, c.horizontal ? GetSystemMetrics(SM_CYHSCROLL) : 0) << c.what;
    EXPECT_EQ(outer.right - outer.left - inner.right, 0) << c.what;
    pump();
    EXPECT_EQ(GetWindowLongA(grid, GWL_STYLE) & kBars, bars) << c.what << ": the message loop changes none";
    delete w;
  }
}

}  // namespace
