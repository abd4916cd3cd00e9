// What the timed window programs (benchmarks run by hand under Wine) measure: the clock,
// and the process's handle, window-object and GDI-object counts. Wine reports 0 for all
// three counts, so each count comes with a probe that works everywhere: the handle a
// new kernel, window-manager or GDI object gets. Each table hands out its lowest free
// slot, so a probe that stays put means the table did not grow.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>

struct BenchCounts {
  DWORD handles;
  DWORD user;
  DWORD gdi;
  uintptr_t kernelProbe;
  uintptr_t userProbe;
  uintptr_t gdiProbe;
};

inline BenchCounts benchCounts() {
  BenchCounts c;
  GetProcessHandleCount(GetCurrentProcess(), &c.handles);
  c.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  c.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  c.kernelProbe = reinterpret_cast<uintptr_t>(event);
  CloseHandle(event);
  const HMENU menu = CreateMenu();
  c.userProbe = reinterpret_cast<uintptr_t>(menu) & 0xFFFF;
  DestroyMenu(menu);
  const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  c.gdiProbe = reinterpret_cast<uintptr_t>(brush) & 0xFFFF;
  DeleteObject(brush);
  return c;
}

inline double benchSeconds() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// The counts before and after, and the next free slots, one line each.
inline void printBenchCounts(const BenchCounts& before, const BenchCounts& after) {
  std::printf("handles: %lu -> %lu\nuser objects: %lu -> %lu\nGDI objects: %lu -> %lu\n",
              static_cast<unsigned long>(before.handles), static_cast<unsigned long>(after.handles),
              static_cast<unsigned long>(before.user), static_cast<unsigned long>(after.user),
              static_cast<unsigned long>(before.gdi), static_cast<unsigned long>(after.gdi));
  std::printf("next free slot: kernel handle %#lx -> %#lx, window-manager %#lx -> %#lx, GDI %#lx -> %#lx\n",
              static_cast<unsigned long>(before.kernelProbe), static_cast<unsigned long>(after.kernelProbe),
              static_cast<unsigned long>(before.userProbe), static_cast<unsigned long>(after.userProbe),
              static_cast<unsigned long>(before.gdiProbe), static_cast<unsigned long>(after.gdiProbe));
}
