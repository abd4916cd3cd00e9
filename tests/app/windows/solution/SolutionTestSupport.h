// Support for the solution window's tests: rankings made to measure, what the table
// shows of a cell (its text, colour, alignment), text widths in the table's font, the
// chart painted into a bitmap of its own size for pixel probes, and a folder of the
// test's own under the build folder.
#pragma once

#include "app/windows/solution/Chart.h"
#include "app/windows/solution/TableChartWindow.h"
#include "framework/grid/zTable.h"
#include "model/RankSolutionData.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class zBitmapDisplay;

// A ranking of these values in this order, the choices numbered from 1 and named
// "Choice 1", ... unless names are given; notes "Note n".
PV::Data::RankSolutionData makeRanking(const std::vector<double>& values, const std::vector<std::string>& names = {},
                                       const std::vector<std::string>& notes = {});
// A ranking at the model file's limits: 10 choices, 40-character names, 240-character
// notes, ranks falling from 100 in uneven steps.
PV::Data::RankSolutionData limitsRanking();

// What the table shows of one cell.
struct CellLook {
  std::string text;
  COLORREF colour = CLR_INVALID;  // the covering text colour, or CLR_INVALID
  uint32_t alignment = 0;
  bool readOnly = false;
};
CellLook cellLook(zTable* table, uint32_t column, uint32_t row);

// The width of a text in the font the table draws its cells with.
int32_t tableTextWidth(zTable* table, const char* text);

// The chart drawn into a bitmap of the pane's client size; the caller deletes it.
zBitmapDisplay* paintChart(PV::GUI::Chart* chart);
COLORREF pixelAt(zBitmapDisplay* canvas, int32_t x, int32_t y);
// Whether any pixel of the rectangle is dark (text or lines).
bool anyDark(zBitmapDisplay* canvas, int32_t left, int32_t top, int32_t right, int32_t bottom);

// A folder under the current (build) folder for the test's files, made empty.
std::string testFolder(const std::string& name);
// Saves the window's picture as <folder>/<name>.bmp for the documentation.
void saveShot(HWND window, const std::string& name);

// Closes a message box of this thread that nobody answered within 6 seconds and fails
// the test with its caption, so that no test waits for a person. One per test.
class UnansweredBoxGuard {
 public:
  UnansweredBoxGuard();
  ~UnansweredBoxGuard();
  UnansweredBoxGuard(const UnansweredBoxGuard&) = delete;
  UnansweredBoxGuard& operator=(const UnansweredBoxGuard&) = delete;

 private:
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
  UINT_PTR timer_;
};
