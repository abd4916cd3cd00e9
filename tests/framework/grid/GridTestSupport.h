// Small fixtures shared by the grid's data-layer tests.
#pragma once

#include <vector>

#include "framework/grid/zTableModel.h"

// A text cell that counts its deletions, so tests see which cells a model deleted.
struct CountedCell : zTableTextCell {
  CountedCell(zTableModel* m, const char* t, zTableCellPos p, int* deaths) : zTableTextCell(m, t, p), deaths_(deaths) {}
  ~CountedCell() override { ++*deaths_; }
  int* deaths_;
};

// Records every notification a model delivers to it.
struct RecordingView {
  struct Call {
    bool whole;
    zTableCellRange range;
  };
  std::vector<Call> calls;
  static void handler(void* view, zTableModel*, const zTableCellRange* r) {
    auto* self = static_cast<RecordingView*>(view);
    self->calls.push_back(Call{r == nullptr, r ? *r : zTableCellRange()});
  }
};
