// A timed Windows program (not a test): paints a grid of 254 rows by 5 columns, the
// program's largest list, and a grid over a virtual model of 100,000 rows, under Wine,
// and prints the time of a full repaint, of a one-page scroll and the memory the virtual
// model holds. Run: grid_paint_timing.exe [repeats]
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "framework/core/zProgram.h"
#include "framework/core/zProgramFrame.h"
#include "framework/grid/zTable.h"

// Live heap bytes, counted by the replaced global allocation functions of this program.
static std::atomic<long long> liveBytes{0};

void* operator new(size_t n) {
  auto* p = static_cast<size_t*>(std::malloc(n + sizeof(size_t) * 2));
  if (!p) throw std::bad_alloc();
  p[0] = n;
  liveBytes += static_cast<long long>(n);
  return p + 2;
}
void* operator new[](size_t n) { return operator new(n); }
void* operator new(size_t n, const std::nothrow_t&) noexcept {
  try {
    return operator new(n);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](size_t n, const std::nothrow_t& t) noexcept { return operator new(n, t); }
void operator delete(void* q) noexcept {
  if (!q) return;
  auto* p = static_cast<size_t*>(q) - 2;
  liveBytes -= static_cast<long long>(p[0]);
  std::free(p);
}
void operator delete[](void* q) noexcept { operator delete(q); }
void operator delete(void* q, size_t) noexcept { operator delete(q); }
void operator delete[](void* q, size_t) noexcept { operator delete(q); }

namespace {

struct VirtualRows : zTableVirtualRowModel {
  VirtualRows() : zTableVirtualRowModel(5, 100000) {}
  int loadRecord(uint32_t row) override {
    for (uint32_t c = 1; c <= 5; ++c)
      new zTableTextCell(this, (std::to_string(row) + "." + std::to_string(c)).c_str(), zTableCellPos(c, row));
    return 1;
  }
  int releaseRecord(uint32_t) override { return 1; }
};

// The whole window invalidated and painted through its own paint message.
double paintMs(zTable* t, int repeats) {
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < repeats; ++i) {
    InvalidateRect(t->handle(), nullptr, FALSE);
    UpdateWindow(t->handle());
    GdiFlush();
  }
  std::chrono::duration<double, std::milli> d = std::chrono::steady_clock::now() - start;
  return d.count() / repeats;
}

// A page down through the vertical scroll bar and the paint it leads to; back to the top
// (untimed) when the table's end is near.
double pageScrollMs(zTable* t, int repeats) {
  std::chrono::duration<double, std::milli> total{0};
  for (int i = 0; i < repeats; ++i) {
    if (t->layout().visibleRange().end.row + 1 >= t->model()->rowCount()) {
      SendMessageA(t->handle(), WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
      UpdateWindow(t->handle());
    }
    auto start = std::chrono::steady_clock::now();
    SendMessageA(t->handle(), WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    UpdateWindow(t->handle());
    GdiFlush();
    total += std::chrono::steady_clock::now() - start;
  }
  return total.count() / repeats;
}

void run(const char* name, zProgramFrame* frame, zTableModel* model, int repeats) {
  auto* t = new zTable(frame, new zSizer(zPoint(0, 0), zDimension(800, 600), nullptr), WS_VISIBLE | WS_CHILD, model);
  MoveWindow(t->handle(), 0, 0, 800, 600, TRUE);
  t->calcLayout();
  UpdateWindow(t->handle());
  const zTableCellRange& v = t->layout().visibleRange();
  std::printf("%s: %u x %u cells shown\n", name, v.end.column - v.start.column + 1, v.end.row - v.start.row + 1);
  std::printf("%s: full repaint %.3f ms, one-page scroll %.3f ms (%d repeats)\n", name, paintMs(t, repeats),
              pageScrollMs(t, repeats), repeats);
  delete t;
}

}  // namespace

int main(int argc, char** argv) {
  int repeats = argc > 1 ? std::atoi(argv[1]) : 200;
  char noArguments[] = "";
  zProgram program(GetModuleHandleA(nullptr), nullptr, noArguments, SW_SHOWNORMAL);
  zTheProgram = &program;  // the window procedures find their objects through it
  auto* frame = new zProgramFrame(nullptr, nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE, "Timing");
  MoveWindow(frame->handle(), 0, 0, 820, 640, TRUE);

  zTableSmallModel list(5, 254);
  for (uint32_t r = 1; r <= 254; ++r)
    for (uint32_t c = 1; c <= 5; ++c)
      new zTableFmtTextCell(&list, ("Item " + std::to_string(r)).c_str(), zTableCellPos(c, r));
  run("254 x 5 small model", frame, &list, repeats);

  long long before = liveBytes.load();
  {
    auto* rows = new VirtualRows;
    long long empty = liveBytes.load() - before;
    for (uint32_t r = 1; r <= 100000; ++r) rows->cell(zTableCellPos(1, r));
    std::printf(
        "virtual model of 100,000 rows: %lld bytes empty, %lld bytes after reading every row "
        "(%d rows cached)\n",
        empty, liveBytes.load() - before, rows->recordCount());
    run("100,000-row virtual model", frame, rows, repeats);
    std::printf("virtual model after painting: %lld bytes\n", liveBytes.load() - before);
    delete rows;
  }
  delete frame;
  return 0;
}
