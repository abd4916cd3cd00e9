#include "app/windows/solution/Chart.h"

#include "app/windows/solution/ChartArith.h"
#include "framework/core/zScrollInfo.h"
#include "framework/draw/zDisplay.h"
#include "framework/draw/zDrawObj.h"
#include "framework/draw/zRCFont.h"
#include "framework/core/zWinDisplay.h"
#include "framework/grid/zTable.h"
#include "framework/grid/zTableModel.h"
#include "model/TextForms.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace PV {
namespace GUI {

namespace {

bool overlaps(const zTableCellRange& a, const zTableCellRange& b) {
  return !(a.end.column < b.start.column || b.end.column < a.start.column || a.end.row < b.start.row ||
           b.end.row < a.start.row);
}

std::string decimal(int32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(v));
  return text;
}

void line(zDisplay* d, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  d->moveTo(x1, y1);
  d->lineTo(x2, y2);
}

}  // namespace

Chart::Chart(zWindow* parent, zSizer* sizer, uint32_t style, zTable* grid)
    : zPane(parent, sizer, style | WS_CHILD), grid_(grid), model_(grid ? grid->model() : nullptr) {
  create();
  setBackgroundColor(zColor(255, 255, 255));
  windowDisplay()->setDefaultFont(zRCFont(SYSTEM_FONT));
  if (model_) model_->attachView(this, &Chart::modelChanged);
  if (grid_) {
    grid_->setSelectionHook(&Chart::selectionChanged, this);
    selection_ = grid_->selectionRange();
    // The bars a drawing larger than the pane needs are there before the pane is
    // placed, so that its placing measures the client area they leave.
    updateScrollRanges();
  }
}

Chart::~Chart() {
  if (model_) model_->detachView(this, &Chart::modelChanged);
  if (grid_) grid_->setSelectionHook(nullptr, nullptr);
}

void Chart::modelChanged(void* view, zTableModel*, const zTableCellRange* range) {
  auto* self = static_cast<Chart*>(view);
  if (range && !overlaps(*range, self->selection_)) return;
  self->updateScrollRanges();
  self->invalidate();
}

void Chart::selectionChanged(void* data, zTable* grid) {
  auto* self = static_cast<Chart*>(data);
  self->selection_ = grid->selectionRange();
  self->updateScrollRanges();
  self->invalidate();
}

int Chart::onSize(zEvent*) {
  updateScrollRanges();
  invalidate();
  return 1;
}

bool Chart::drawable(const zTableCellRange& s) {
  const bool single = s.start.column == s.end.column && s.start.row == s.end.row;
  return !single && s.start.column == 1 && s.end.column == 1 && s.start.row != 0;
}

zDimension Chart::minimumSizeFor(const zTableCellRange& selection, uint32_t rows, const zDimension& zero) {
  if (!drawable(selection)) return zDimension(0, 0);
  const uint32_t last = selection.end.row < rows ? selection.end.row : rows;
  const int32_t bars = last >= selection.start.row ? static_cast<int32_t>(last - selection.start.row + 1) : 0;
  const ChartArith::ChartGeometry g =
      ChartArith::chartGeometry(bars + 1, ChartArith::kTicks + 1, zero.width(), zero.height(), 0, 0);
  return zDimension(g.width, g.height);
}

zDimension Chart::minimumSize() {
  if (!model_ || !drawable(selection_) || !windowDisplay() || !handle()) return zDimension(0, 0);
  zDisplay* d = windowDisplay();
  d->lock();
  const zDimension zero = d->textExtent("0", 1);
  d->unlock();
  return minimumSizeFor(selection_, model_->rowCount(), zero);
}

void Chart::updateScrollRanges() {
  if (!handle() || updatingRanges_) return;
  // Setting a bar's position applies its new range at once: a bar that comes or goes
  // resizes the client area, whose size message arrives in the middle of this. That
  // pass is skipped; the ranges are measured again here until the client area stays as
  // it is, so that none is left from the size before.
  updatingRanges_ = true;
  const zDimension need = minimumSize();
  for (int pass = 0; pass < 3; ++pass) {
    RECT client{};
    GetClientRect(handle(), &client);
    const int32_t overX = need.width() > client.right ? need.width() - client.right : 0;
    const int32_t overY = need.height() > client.bottom ? need.height() - client.bottom : 0;
    if (!horzScroll()) {
      if (overX == 0 && overY == 0) break;
      setHorzScroll(new zScrollInfoHoriz(this));
      setVertScroll(new zScrollInfoVert(this));
    }
    const struct {
      zScrollInfo* info;
      int32_t over, page;
    } bars[2] = {{horzScroll(), overX, client.right}, {vertScroll(), overY, client.bottom}};
    for (const auto& b : bars) {
      b.info->setRange(0, b.over);
      b.info->setLineStep(16);
      b.info->setPageStep(b.page > 32 ? b.page - 16 : 16);
      b.info->setPos(b.info->pos());
    }
    // What lies beyond the new ranges is shown from their ends.
    windowDisplay()->setOrigin(horzScroll()->pos(), vertScroll()->pos());
    RECT after{};
    GetClientRect(handle(), &after);
    if (after.right == client.right && after.bottom == client.bottom) break;
  }
  updatingRanges_ = false;
}

float Chart::value(uint32_t row) const {
  zTableCell* cell = model_ ? model_->cell(zTableCellPos(1, row)) : nullptr;
  const char* text = cell ? cell->text() : nullptr;
  if (!text || !*text) return 0.0f;
  return static_cast<float>(Data::TextForms::readDouble(text));
}

int Chart::draw(zEvent*) {
  zDisplay* d = display();
  if (!d) return 0;
  d->lock();
  zRect area;
  d->size(area);
  // In logical coordinates: a scrolled pane draws from its display's origin.
  const zPoint at = d->originRef();
  RECT all{area.left() + at.x(), area.top() + at.y(), area.right() + at.x(), area.bottom() + at.y()};
  FillRect(d->hdc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  drawn_ = Drawn();
  const zTableCellRange& s = selection_;
  if (s.start.column == s.end.column && s.start.row == s.end.row) {
    drawn_.message = kSelectMultiple;
  } else if (s.start.column != 1 || s.end.column != 1 || s.start.row == 0) {
    drawn_.message = kSelectRankColumn;
  }
  if (drawn_.message) {
    d->textOutString(10, 10, drawn_.message);
  } else if (model_) {
    drawBars(d, area);
  }
  d->unlock();
  return 1;
}

void Chart::drawBars(zDisplay* d, const zRect& area) {
  const uint32_t first = selection_.start.row;
  const uint32_t last = selection_.end.row < model_->rowCount() ? selection_.end.row : model_->rowCount();
  std::vector<float> values;
  for (uint32_t r = first; r <= last; ++r) {
    const float v = value(r);
    values.push_back(v < 0.0f ? 0.0f : v > 100.0f ? 100.0f : v);
  }
  int32_t maxVal = 0;
  for (float v : values) {
    const int32_t whole = static_cast<int32_t>(v);
    if (whole > maxVal) maxVal = whole;
  }

  // The colour groups run over every row of the model, so that a bar keeps its colour
  // whichever part of the column is selected.
  std::vector<float> all;
  for (uint32_t r = 1; r <= model_->rowCount(); ++r) all.push_back(value(r));
  colorIndex_ = ChartArith::colourGroups(all);

  const int32_t step = ChartArith::axisStep(maxVal);
  const int32_t ticks = ChartArith::kTicks;
  const int32_t bars = static_cast<int32_t>(values.size());
  const zDimension zero = d->textExtent("0", 1);
  const ChartArith::ChartGeometry g =
      ChartArith::chartGeometry(bars + 1, ticks + 1, zero.width(), zero.height(), area.width(), area.height());
  const int32_t cw = g.cellWidth, chh = g.cellHeight, ox = g.originX, oy = g.originY;
  const int32_t dx = cw, dy = chh;
  const int32_t ch = zero.height();
  drawn_.step = step;
  drawn_.cellWidth = cw;
  drawn_.cellHeight = chh;
  drawn_.originX = ox;
  drawn_.originY = oy;

  zPenStock black(BLACK_PEN);
  d->pushPen(&black);
  // Axes, the back wall's frame and the grid lines of the ticks.
  const int32_t top = oy - ticks * chh;
  const int32_t right = ox + bars * cw;
  line(d, ox, oy, ox, top);
  line(d, ox, oy, right, oy);
  line(d, ox + dx, oy - dy, ox + dx, top - dy);
  line(d, ox + dx, oy - dy, right + dx, oy - dy);
  line(d, ox, top, ox + dx, top - dy);
  d->lineTo(right + dx, top - dy);
  d->lineTo(right + dx, oy - dy);
  d->lineTo(right, oy);
  for (int32_t k = 1; k <= ticks; ++k) {
    const int32_t y = oy - k * chh;
    line(d, ox, y, ox + dx, y - dy);
    d->lineTo(right + dx, y - dy);
  }

  d->backMode(TRANSPARENT);
  const zColor oldText = d->textColor(zColor(0, 0, 0));
  // "ID #" under the value axis, the value labels left of it: their right end stays
  // clear of the axis line.
  const zDimension idSize = d->textExtent("ID #", 4);
  d->textOutString(ox - static_cast<int32_t>(0.7 * idSize.width()), oy + idSize.height() / 2, "ID #");
  for (int32_t k = 0; k < ticks; ++k) {
    const std::string label = decimal(k * step);
    const zDimension size = d->textExtent(label.c_str(), static_cast<int>(label.size()));
    d->textOutString(ox - size.width() - 3, oy - k * chh - ch / 2, label.c_str());
  }

  for (int32_t i = 0; i < bars; ++i) {
    const uint32_t row = first + static_cast<uint32_t>(i);
    const int32_t group = row - 1 < colorIndex_.size() ? colorIndex_[row - 1] : 0;
    drawn_.groups.push_back(group);
    // The choice's ID under its slot.
    zTableCell* idCell = model_->cell(zTableCellPos(2, row));
    const std::string id = decimal(idCell ? static_cast<int32_t>(Data::TextForms::readDecimal32(idCell->text())) : 0);
    const zDimension idExtent = d->textExtent(id.c_str(), static_cast<int>(id.size()));
    d->textOutString(ox + cw / 2 + i * cw - idExtent.width() / 2, oy + ch / 2, id.c_str());

    const int32_t whole = static_cast<int32_t>(std::floor(values[static_cast<size_t>(i)]));
    const ChartArith::BarFace f = ChartArith::barFace(g, i, whole, step);
    const ChartArith::Rgb rgb = ChartArith::paletteColour(group);
    zBrush brush(zColor(rgb.red, rgb.green, rgb.blue));
    d->pushBrush(&brush);
    d->rectangle(f.left, f.top, f.right, f.bottom);
    const POINT topFace[4] = {
        {f.left, f.top}, {f.left + dx, f.top - dy}, {f.right - 1 + dx, f.top - dy}, {f.right - 1, f.top}};
    d->polygon(topFace, 4);
    const POINT sideFace[4] = {{f.right - 1, f.bottom},
                               {f.right - 1 + dx, f.bottom - dy},
                               {f.right - 1 + dx, f.top - dy},
                               {f.right - 1, f.top}};
    d->polygon(sideFace, 4);
    d->popBrush();

    // The value on the bar, or over its slanted top when the bar is too short.
    const std::string text = decimal(whole);
    const zDimension ts = d->textExtent(text.c_str(), static_cast<int>(text.size()));
    int32_t x = (f.left + f.right - 1) / 2 - ts.width() / 2;
    int32_t y = f.top + 2;
    if (ts.height() >= f.bottom - f.top) {
      y = f.top - ts.height();
      if (dy > 0) x += (ts.height() * dx / dy - ts.width()) / 2;
    }
    d->textOutString(x, y, text.c_str());
  }
  d->textColor(oldText);
  d->backMode(OPAQUE);
  d->popPen();
}

}  // namespace GUI
}  // namespace PV
