#include "app/windows/solution/TableChartWindow.h"

#include "app/shared/ModelWindowHost.h"
#include "app/windows/solution/Chart.h"
#include "app/windows/solution/ChartArith.h"
#include "app/windows/solution/SplitBar.h"
#include "foundation/Assert.h"
#include "framework/core/zResId.h"
#include "framework/core/zResources.h"
#include "framework/draw/zRCFont.h"
#include "framework/core/zWinDisplay.h"
#include "framework/grid/zTable.h"
#include "framework/grid/zTableDrawAttr.h"
#include "framework/grid/zTableModel.h"
#include "framework/layout/zSizer.h"
#include "xml/SystemText.h"

#include <algorithm>
#include <string>

namespace PV {
namespace GUI {

namespace {

constexpr const char* kHeaders[5] = {"Rank", "% Rank", "ID", "Choices", "Notes"};
constexpr uint32_t kColumns = 4;

std::string captionFor(const char* caption, const Data::RankSolutionData& data) {
  if (caption && *caption) return caption;
  return std::string(TableChartWindow::kMissingCaption) + data.get_name();
}

uint16_t pixels(int32_t v) { return static_cast<uint16_t>(std::clamp<int32_t>(v, 0, 0xFFFE)); }

}  // namespace

void TableChartWindow::discard() { delete this; }

TableChartWindow::TableChartWindow(zWindow* parent, zSizer* sizer, uint32_t style, const char* caption,
                                   int32_t orientation, const Data::RankSolutionData& data, int32_t iconId)
    : zMDIChildFrame(parent, sizer, style, captionFor(caption, data).c_str(), 1),
      orientation_(orientation == Landscape ? Landscape : Portrait),
      iconId_(iconId) {
  // Made here rather than by the frame's constructor, so that the window's class carries
  // its icon from the start (see classInfo).
  create();
  deleteOnClose(1);

  // The window lays out its two panes and draws the split bar between them itself: what
  // the panes leave of its client area is the bar, on the window's grey background.
  setBackgroundColor(zColor::fromColorRef(SplitBar::kBackground));
  setCursor(zCursor(LoadCursor(nullptr, orientation_ == Portrait ? IDC_SIZENS : IDC_SIZEWE)));
  split_ = new SplitBar(this, orientation_ == Portrait ? SplitBar::Stacked : SplitBar::SideBySide);
  // Each pane is made where it will stand, so that neither is laid out and given scroll
  // bars for a size it never shows. Side by side the table's place is known at once;
  // stacked it has the whole height until its rows are counted, and then shrinks to
  // them, which leaves its scroll bars as they are.
  zRect tablePlace = split_->firstRect();
  if (orientation_ == Portrait) {
    RECT client{};
    GetClientRect(handle(), &client);
    tablePlace = zRect(0, 0, client.right, client.bottom);
  }
  grid_ =
      new zTable(this, new zSizer(tablePlace.topLeft(), zDimension(tablePlace.width(), tablePlace.height()), nullptr),
                 WS_CHILD | WS_VISIBLE, nullptr);
  // The selection, which the chart draws, keeps the ranks' red and blue: it is filled
  // pale rather than drawn inverted.
  grid_->setSelectionFill(zColor::fromColorRef(kSelectionFill));
  grid_->setBackgroundColor(zColor::fromColorRef(GetSysColor(COLOR_WINDOW)));
  // The table is read-only throughout: it makes no edit line, since none could open.
  tableWidth_ = fillTable(static_cast<uint32_t>(data.rows.size()), data);
  // The table shows every rank where the chart below it keeps the room it needs.
  split_->setStartSplit(tableHeight_, Chart::minimumSizeFor(grid_->selectionRange(), filledRows_, zero_).height());
  // Made after the first fill, the chart starts from the filled table and its selection
  // rather than following each step of the fill.
  const zRect chartPlace = split_->secondRect();
  chart_ =
      new Chart(this, new zSizer(chartPlace.topLeft(), zDimension(chartPlace.width(), chartPlace.height()), nullptr),
                WS_VISIBLE, grid_);
  split_->setPanes(grid_, chart_);
  grid_->show(SW_SHOW);
  chart_->show(SW_SHOW);
  grid_->setFocus();

  host_ = App::modelWindowHostOf(parent);
  if (host_) id_ = host_->addModelWindow(this);
}

TableChartWindow::~TableChartWindow() {
  if (host_) host_->removeModelWindow(this);
  // The window goes as a closing window does, its panes' windows with it in one step
  // (each pane's own destruction would first hide it and uncover the window around it);
  // the panes' objects then go without windows, the chart first, since it watches the
  // grid.
  for (zWindow* pane : {static_cast<zWindow*>(chart_), static_cast<zWindow*>(grid_)}) {
    if (pane) removeChild(pane);
  }
  releaseChildWindow();
  delete chart_;
  chart_ = nullptr;
  delete grid_;
  grid_ = nullptr;
  delete split_;
  split_ = nullptr;
}

WNDCLASSA* TableChartWindow::classInfo() {
  WNDCLASSA* wc = zMDIChildFrame::classInfo();
  // The icon is part of the class's description: solution windows come to share a class
  // that has it, instead of setting it on a class taken over from another kind of child
  // and back again, which makes the system scale the icon anew each time.
  if (iconId_ != 0) {
    zIcon icon(zResId(static_cast<uint32_t>(iconId_)));
    if (icon.handle()) wc->hIcon = icon.handle();
    icon.disown();
  }
  return wc;
}

void TableChartWindow::dropAttributes() {
  zTableModel* model = grid_->model();
  for (zTableAttr* a : attributes_) delete model->removeAttribute(a);
  attributes_.clear();
}

void TableChartWindow::dropCellsFrom(uint32_t firstRow) {
  zTableModel* model = grid_->model();
  for (uint32_t r = firstRow; r <= filledRows_; ++r) {
    for (uint32_t c = 1; c <= kColumns; ++c) delete model->storedCell(zTableCellPos(c, r));
  }
}

int32_t TableChartWindow::fillTable(uint32_t n, const Data::RankSolutionData& data) {
  n = std::min<uint32_t>(n, static_cast<uint32_t>(data.rows.size()));
  zTableModel* model = grid_->model();
  dropAttributes();
  dropCellsFrom(1);
  model->setSize(kColumns, n);

  // Widths are measured in the font the grid draws its cells with.
  zWinDisplay d(grid_);
  d.setDefaultFont(zRCFont(SYSTEM_FONT));
  d.lock();
  grid_->setHeaderTextMode(zTableHeaderCorner, zTableHeaderStored);
  grid_->setHeaderTextMode(zTableHeaderColumns, zTableHeaderStored);
  int32_t widths[5] = {};
  for (uint32_t c = 0; c <= kColumns; ++c) {
    grid_->columnTexts().setText(c, kHeaders[c]);
    widths[c] = d.textExtent(kHeaders[c]).width();
  }

  uint32_t hundred = 1;  // the last row at 100 per cent: row 1 at least is red
  for (uint32_t r = 1; r <= n; ++r) {
    const Data::RankSolutionData::DataType& row = data.rows[r - 1];
    const std::string rank = ChartArith::rankText(row.pctRank);
    new zTableFmtNumCell(model, rank.c_str(), zTableCellPos(1, r));
    if (rank == "100.0 ") hundred = r;
    new zTableFmtNumCell(model, std::to_string(row.row).c_str(), zTableCellPos(2, r));
    const std::string name = XML::Utf8ToSystem(row.name);
    const std::string note = XML::Utf8ToSystem(row.note);
    new zTableFmtTextCell(model, (" " + name).c_str(), zTableCellPos(3, r));
    new zTableFmtTextCell(model, (" " + note).c_str(), zTableCellPos(4, r));
    if (!name.empty()) widths[3] = std::max(widths[3], d.textExtent(name.c_str()).width());
    if (!note.empty()) widths[4] = std::max(widths[4], d.textExtent(note.c_str()).width());
    grid_->rowTexts().setText(r, std::to_string(r).c_str());
  }
  grid_->setHeaderTextMode(zTableHeaderColumns, zTableHeaderStored);
  grid_->setHeaderTextMode(zTableHeaderRows, zTableHeaderNumber);

  const int32_t w = d.textExtent("N").width();
  const zDimension rank = d.textExtent("Rank");
  zero_ = d.textExtent("0");
  d.unlock();
  const int32_t rowHeaderWidth = rank.width() + 2 * w;
  const int32_t columnHeaderHeight = static_cast<int32_t>(1.5 * rank.height());
  grid_->layout().setHeaderSize(zDimension(rowHeaderWidth, columnHeaderHeight));
  grid_->setRowsResizable(true);
  grid_->setColumnsResizable(true);
  // The sizes go into the layout's tables at once: the one layout below follows them
  // with one pass over the scroll bars, rather than one per size.
  int32_t total = rowHeaderWidth + 16;
  zTableSizeTable& columnWidths = grid_->layout().columnWidths();
  for (uint32_t c = 1; c <= kColumns; ++c) {
    columnWidths.setSize(c, pixels(widths[c] + 2 * w));
    total += widths[c] + 2 * w;
  }
  columnWidths.setSize(kColumns + 1, 0);
  grid_->layout().rowHeights().setSize(n + 1, 0);

  if (n > 0) {
    const zTableCellRange red(1, 1, 1, hundred);
    attributes_.push_back(
        model->addAttribute(new zTableTextAlignmentAttr(zTableAlignCentre, zTableCellRange(2, 1, 2, n))));
    attributes_.push_back(
        model->addAttribute(new zTableTextAlignmentAttr(zTableAlignRight, zTableCellRange(1, 1, 1, n))));
    attributes_.push_back(model->addAttribute(new zTableTextColorAttr(zColor(255, 0, 0), red)));
    if (hundred < n)
      attributes_.push_back(
          model->addAttribute(new zTableTextColorAttr(zColor(0, 0, 255), zTableCellRange(1, hundred + 1, 1, n))));
  }
  range_ = model->range();
  attributes_.push_back(model->addAttribute(new zTableReadOnlyAttr(range_)));
  filledRows_ = n;

  grid_->calcLayout();
  tableHeight_ = columnHeaderHeight + static_cast<int32_t>(n) * static_cast<int32_t>(grid_->layout().rowHeight(1)) +
                 12 + static_cast<int32_t>(n + 1);
  PV_ASSERT(tableHeight_ != 0);
  grid_->selectRange(zTableCellRange(1, 1, 1, n > 0 ? n : 1));
  // A refill tells the chart that the whole model changed. The first fill has no chart
  // yet, and the table itself was laid out above: telling it again would lay it out and
  // set its scroll bars once more for nothing.
  if (chart_) model->notifyViews();
  return total;
}

void TableChartWindow::refresh() {
  for (zWindow* w : {static_cast<zWindow*>(grid_), static_cast<zWindow*>(chart_), static_cast<zWindow*>(this)}) {
    if (w && w->handle()) InvalidateRect(w->handle(), nullptr, TRUE);
  }
}

int TableChartWindow::onSize(zEvent* event) {
  const int result = zMDIChildFrame::onSize(event);
  if (grid_) {
    range_ = grid_->model()->range();
    // The column beyond the last stays empty; set again only where it is not, since each
    // setting lays the table out and sets its scroll bars again.
    if (grid_->layout().columnWidth(kColumns + 1) != 0) grid_->setColumnWidth(kColumns + 1, 0);
  }
  if (split_ && event->wParam() != SIZE_MINIMIZED) split_->onSize();
  return result;
}

LRESULT TableChartWindow::defProc(zEvent* event) {
  if (event && event->message() == WM_CAPTURECHANGED && split_ && reinterpret_cast<HWND>(event->lParam()) != handle())
    split_->captureLost();
  if (event && event->message() == WM_PAINT && split_) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(handle(), &paint);
    if (dc) split_->draw(dc);
    EndPaint(handle(), &paint);
    return 0;
  }
  return zMDIChildFrame::defProc(event);
}

int TableChartWindow::onMouseButtonDown(zEvent* event) {
  if (event->message() != WM_LBUTTONDOWN || !split_) return zMDIChildFrame::onMouseButtonDown(event);
  const zPoint p = event->point();
  return split_->buttonDown(p.x(), p.y()) ? 1 : 0;
}

int TableChartWindow::onMouseMove(zEvent* event) {
  const zPoint p = event->point();
  if (split_ && split_->mouseMove(p.x(), p.y(), (event->wParam() & MK_LBUTTON) != 0)) return 1;
  return zMDIChildFrame::onMouseMove(event);
}

int TableChartWindow::onMouseButtonUp(zEvent* event) {
  if (event->message() != WM_LBUTTONUP || !split_) return zMDIChildFrame::onMouseButtonUp(event);
  const zPoint p = event->point();
  return split_->buttonUp(p.x(), p.y()) ? 1 : 0;
}

int TableChartWindow::onFocus(zEvent* event) {
  if (event->message() == WM_SETFOCUS && grid_ && grid_->handle()) grid_->setFocus();
  return zMDIChildFrame::onFocus(event);
}

int TableChartWindow::onMDIActivate(zEvent* event) {
  if (reinterpret_cast<HWND>(event->lParam()) == handle() && grid_ && grid_->handle()) grid_->setFocus();
  return zMDIChildFrame::onMDIActivate(event);
}

}  // namespace GUI
}  // namespace PV
