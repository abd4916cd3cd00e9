#include "RawWin32Anchors.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace RawAnchor {

namespace {

const char kChildClass[] = "RawAnchorMDIChild";

LRESULT CALLBACK childProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
  }
  return DefMDIChildProcA(window, message, wParam, lParam);
}

void registerChildClass() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &childProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kChildClass;
  RegisterClassA(&windowClass);
}

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      // Shown and painted at once, as the framework's dialog is by its show. Left to the
      // dialog manager, the window would show only once the queue is empty, and the
      // Cancel posted below would end the dialog before it ever showed.
      ShowWindow(dialog, SW_SHOWNORMAL);
      UpdateWindow(dialog);
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

// ------------------------------------------------ the solution window's structure

const char kSplitChildClass[] = "RawAnchorSplitChild";
const char kTableClass[] = "RawAnchorTable";
const char kChartClass[] = "RawAnchorChart";
constexpr int kSplitBar = 5;
constexpr int kChartTicks = 6;
const char* const kTableHeaders[5] = {"Rank", "% Rank", "ID", "Choices", "Notes"};

// The one solution-like child of a round: its content and what was measured of it.
struct TableChart {
  const TableChartContent* content = nullptr;
  HWND table = nullptr;
  HWND chart = nullptr;
  int split = 0;
  int widths[5] = {};  // the row headers', then each column's
  int headerHeight = 0;
  int rowHeight = 0;
  SIZE zero = {};
  bool stacked = true;
};
TableChart tableChart;

void line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void textAt(HDC dc, int x, int y, const char* text) { TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text))); }

SIZE extentOf(HDC dc, const char* text) {
  SIZE size = {};
  GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
  return size;
}

// A raised header cell, clipped to itself, its text centred.
void headerCell(HDC dc, const RECT& r, const char* text, HPEN highlight, HPEN shadow, HBRUSH face) {
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  const SIZE size = extentOf(dc, text);
  SelectObject(dc, highlight);
  SelectObject(dc, face);
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
  SelectObject(dc, shadow);
  const POINT edge[3] = {{r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top}};
  Polyline(dc, edge, 3);
  textAt(dc, r.left + (r.right - r.left - size.cx) / 2, r.top + (r.bottom - r.top - size.cy) / 2, text);
  RestoreDC(dc, saved);
}

LRESULT CALLBACK tableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  const TableChart& t = tableChart;
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  SetBkMode(dc, TRANSPARENT);
  const HPEN grid = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
  const HPEN highlight = CreatePen(PS_SOLID, 0, GetSysColor(COLOR_BTNHIGHLIGHT));
  const HPEN shadow = CreatePen(PS_SOLID, 0, GetSysColor(COLOR_BTNSHADOW));
  const HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  const HBRUSH selection = CreateSolidBrush(RGB(255, 255, 204));
  const HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  int right = 0;
  for (int w : t.widths) right += w;
  const int bottom = t.headerHeight + t.content->rows * t.rowHeight;
  RECT beyond = {right, 0, client.right, client.bottom};
  if (beyond.left < beyond.right) FillRect(dc, &beyond, white);
  beyond = RECT{0, bottom, client.right, client.bottom};
  if (beyond.top < beyond.bottom) FillRect(dc, &beyond, white);
  int x = 0;
  for (int c = 0; c < 5; ++c) {
    headerCell(dc, RECT{x, 0, x + t.widths[c], t.headerHeight}, kTableHeaders[c], highlight, shadow, face);
    x += t.widths[c];
  }
  char number[16];
  for (int r = 0; r < t.content->rows; ++r) {
    const int top = t.headerHeight + r * t.rowHeight;
    std::snprintf(number, sizeof number, "%d", r + 1);
    headerCell(dc, RECT{0, top, t.widths[0], top + t.rowHeight}, number, highlight, shadow, face);
    x = t.widths[0];
    for (int c = 0; c < 4; ++c) {
      const RECT cell = {x, top, x + t.widths[c + 1], top + t.rowHeight};
      SelectObject(dc, grid);
      SelectObject(dc, c == 0 && r > 0 ? selection : white);
      Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
      const char* text = t.content->texts[4 * r + c];
      const SIZE size = extentOf(dc, text);
      const int left = c == 0   ? cell.right - 3 - size.cx
                       : c == 1 ? (cell.left + cell.right - size.cx) / 2
                                : cell.left + 3;
      SetTextColor(dc, c == 0 ? (std::atof(text) >= 99.95 ? RGB(255, 0, 0) : RGB(0, 0, 255)) : RGB(0, 0, 0));
      textAt(dc, left, cell.top + 3, text);
      x = cell.right;
    }
  }
  // The current cell's frame.
  SelectObject(dc, GetStockObject(BLACK_PEN));
  const POINT frame[5] = {{t.widths[0] + 1, t.headerHeight + 1},
                          {t.widths[0] + 1, t.headerHeight + t.rowHeight - 2},
                          {t.widths[0] + t.widths[1] - 2, t.headerHeight + t.rowHeight - 2},
                          {t.widths[0] + t.widths[1] - 2, t.headerHeight + 1},
                          {t.widths[0] + 1, t.headerHeight + 1}};
  Polyline(dc, frame, 5);
  SelectObject(dc, GetStockObject(BLACK_PEN));
  SelectObject(dc, white);
  EndPaint(window, &paint);
  DeleteObject(grid);
  DeleteObject(highlight);
  DeleteObject(shadow);
  DeleteObject(face);
  DeleteObject(selection);
  return 0;
}

LRESULT CALLBACK chartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  const TableChart& t = tableChart;
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const int bars = t.content->rows;
  const int cw = t.zero.cx, ch = t.zero.cy;
  const int width = std::max<int>(client.right, (5 * (bars + 1) + 10) * cw);
  const int height = std::max<int>(client.bottom, (kChartTicks + 1 + 3) * ch);
  const int cellWidth = (width - 10 * cw) / (bars + 1), cellHeight = (height - 3 * ch) / (kChartTicks + 1);
  const int ox = 15 * cw / 2, oy = cellHeight * (kChartTicks + 1) + 3 * ch / 2;
  const int top = oy - kChartTicks * cellHeight, right = ox + bars * cellWidth;
  SelectObject(dc, GetStockObject(BLACK_PEN));
  line(dc, ox, oy, ox, top);
  line(dc, ox, oy, right, oy);
  line(dc, ox + cellWidth, oy - cellHeight, ox + cellWidth, top - cellHeight);
  line(dc, ox + cellWidth, oy - cellHeight, right + cellWidth, oy - cellHeight);
  line(dc, ox, top, ox + cellWidth, top - cellHeight);
  LineTo(dc, right + cellWidth, top - cellHeight);
  LineTo(dc, right + cellWidth, oy - cellHeight);
  LineTo(dc, right, oy);
  for (int k = 1; k <= kChartTicks; ++k) {
    line(dc, ox, oy - k * cellHeight, ox + cellWidth, oy - k * cellHeight - cellHeight);
    LineTo(dc, right + cellWidth, oy - k * cellHeight - cellHeight);
  }
  SetBkMode(dc, TRANSPARENT);
  const SIZE id = extentOf(dc, "ID #");
  textAt(dc, ox - 7 * id.cx / 10, oy + id.cy / 2, "ID #");
  char label[16];
  for (int k = 0; k < kChartTicks; ++k) {
    std::snprintf(label, sizeof label, "%d", k * 20);
    const SIZE size = extentOf(dc, label);
    textAt(dc, ox - size.cx - 3, oy - k * cellHeight - ch / 2, label);
  }
  for (int i = 0; i < bars; ++i) {
    const char* idText = t.content->texts[4 * i + 1];
    const SIZE idSize = extentOf(dc, idText);
    textAt(dc, ox + cellWidth / 2 + i * cellWidth - idSize.cx / 2, oy + ch / 2, idText);
    const int value = std::atoi(t.content->texts[4 * i]);
    const int left = ox + i * cellWidth + cellWidth / 6, barTop = oy - cellHeight * value / 20;
    const int barRight = left + 2 * cellWidth / 3 + 1;
    const HBRUSH brush = CreateSolidBrush(RGB((i * 80) % 256, (i * 40) % 256, 255 - (i * 25) % 256));
    const HGDIOBJ old = SelectObject(dc, brush);
    Rectangle(dc, left, barTop, barRight, oy);
    const POINT topFace[4] = {{left, barTop},
                              {left + cellWidth, barTop - cellHeight},
                              {barRight - 1 + cellWidth, barTop - cellHeight},
                              {barRight - 1, barTop}};
    Polygon(dc, topFace, 4);
    const POINT sideFace[4] = {{barRight - 1, oy},
                               {barRight - 1 + cellWidth, oy - cellHeight},
                               {barRight - 1 + cellWidth, barTop - cellHeight},
                               {barRight - 1, barTop}};
    Polygon(dc, sideFace, 4);
    SelectObject(dc, old);
    DeleteObject(brush);
    std::snprintf(label, sizeof label, "%d", value);
    const SIZE size = extentOf(dc, label);
    textAt(dc, (left + barRight - 1) / 2 - size.cx / 2, barTop + 2, label);
  }
  EndPaint(window, &paint);
  return 0;
}

// Measures the content in the table's font and places the panes as the program does:
// the columns as wide as their texts, stacked the table as high as its lines where the
// chart keeps its room, the table's scroll bars for what does not fit.
void placeTableChart(HWND child) {
  TableChart& t = tableChart;
  const HDC dc = GetDC(child);
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  const SIZE n = extentOf(dc, "N"), rank = extentOf(dc, "Rank"), cell = extentOf(dc, "MMM MMM M");
  t.zero = extentOf(dc, "0");
  for (int c = 1; c < 5; ++c) t.widths[c] = extentOf(dc, kTableHeaders[c]).cx;
  for (int r = 0; r < t.content->rows; ++r) {
    for (int c = 3; c < 5; ++c)
      t.widths[c] = std::max<int>(t.widths[c], extentOf(dc, t.content->texts[4 * r + c - 1]).cx);
  }
  ReleaseDC(child, dc);
  t.widths[0] = rank.cx + 2 * n.cx;
  for (int c = 1; c < 5; ++c) t.widths[c] += 2 * n.cx;
  t.headerHeight = 3 * rank.cy / 2;
  t.rowHeight = cell.cy + 5;
  RECT client;
  GetClientRect(child, &client);
  const int rows = t.content->rows;
  if (t.stacked) {
    const int tableHeight = t.headerHeight + rows * t.rowHeight + 12 + rows + 1;
    const int chartHeight = (kChartTicks + 1 + 3) * t.zero.cy;
    t.split = std::min<int>(tableHeight, std::max<int>(client.bottom / 2, client.bottom - kSplitBar - chartHeight));
  } else {
    t.split = client.right / 4;
  }
  const RECT first = t.stacked ? RECT{0, 0, client.right, t.split - 1} : RECT{0, 0, t.split - 1, client.bottom};
  const RECT second = t.stacked ? RECT{0, t.split + kSplitBar, client.right, client.bottom}
                                : RECT{t.split + kSplitBar, 0, client.right, client.bottom};
  int wide = 0;
  for (int w : t.widths) wide += w;
  const int tall = t.headerHeight + rows * t.rowHeight;
  const DWORD bars =
      (wide > first.right - first.left ? WS_HSCROLL : 0) | (tall > first.bottom - first.top ? WS_VSCROLL : 0);
  const HINSTANCE module = GetModuleHandleA(nullptr);
  t.table = CreateWindowExA(0, kTableClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | bars, first.left, first.top,
                            first.right - first.left, first.bottom - first.top, child, nullptr, module, nullptr);
  if (bars & WS_HSCROLL) SetScrollRange(t.table, SB_HORZ, 1, 4, FALSE);
  if (bars & WS_VSCROLL) SetScrollRange(t.table, SB_VERT, 1, rows, FALSE);
  t.chart = CreateWindowExA(0, kChartClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, second.left, second.top,
                            second.right - second.left, second.bottom - second.top, child, nullptr, module, nullptr);
}

LRESULT CALLBACK splitChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      placeTableChart(window);
      break;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      const int s = tableChart.split;
      const HPEN grey = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
      SelectObject(dc, GetStockObject(BLACK_PEN));
      line(dc, 0, s - 1, client.right, s - 1);
      line(dc, 0, s + 4, client.right, s + 4);
      SelectObject(dc, GetStockObject(WHITE_PEN));
      line(dc, 0, s, client.right, s);
      LineTo(dc, client.right, s + 3);
      SelectObject(dc, grey);
      line(dc, 0, s + 3, client.right - 1, s + 3);
      LineTo(dc, client.right - 1, s - 1);
      SelectObject(dc, GetStockObject(BLACK_PEN));
      EndPaint(window, &paint);
      DeleteObject(grey);
      return 0;
    }
    case WM_SETFOCUS:
      if (tableChart.table) SetFocus(tableChart.table);
      break;
    default:
      break;
  }
  return DefMDIChildProcA(window, message, wParam, lParam);
}

void registerTableChartClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  const HINSTANCE module = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass = {};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = &splitChildProc;
  windowClass.hInstance = module;
  windowClass.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  windowClass.hbrBackground = CreateSolidBrush(RGB(192, 192, 192));
  windowClass.lpszClassName = kSplitChildClass;
  RegisterClassA(&windowClass);
  windowClass = WNDCLASSA{};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = &tableProc;
  windowClass.hInstance = module;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = kTableClass;  // no background: the table paints all of itself
  RegisterClassA(&windowClass);
  windowClass.lpfnWndProc = &chartProc;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kChartClass;
  RegisterClassA(&windowClass);
}

}  // namespace

HWND mdiChildOpen(HWND mdiClient, int width, int height) {
  registerChildClass();
  MDICREATESTRUCTA create = {};
  create.szClass = kChildClass;
  create.szTitle = "raw";
  create.hOwner = GetModuleHandleA(nullptr);
  create.x = width == CW_USEDEFAULT ? CW_USEDEFAULT : 10;
  create.y = width == CW_USEDEFAULT ? CW_USEDEFAULT : 10;
  create.cx = width;
  create.cy = height;
  create.style = WS_OVERLAPPEDWINDOW;
  HWND child = reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  if (child) ShowWindow(child, SW_SHOWNORMAL);
  return child;
}

void mdiChildPaint(HWND child) {
  RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void mdiChildActivateAndPaint(HWND mdiClient, HWND child) {
  if (!child) return;
  SendMessageA(mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
  UpdateWindow(child);
}

void mdiChildClose(HWND mdiClient, HWND child) {
  if (child) SendMessageA(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  pump();
}

void mdiChildRound(HWND mdiClient, int width, int height) {
  HWND child = mdiChildOpen(mdiClient, width, height);
  mdiChildPaint(child);
  mdiChildClose(mdiClient, child);
}

void tableChartChildRound(HWND mdiClient, int width, int height, const TableChartContent& content, bool runQueue) {
  registerTableChartClasses();
  tableChart = TableChart();
  tableChart.content = &content;
  MDICREATESTRUCTA create = {};
  create.szClass = kSplitChildClass;
  create.szTitle = "#1 Solution";
  create.hOwner = GetModuleHandleA(nullptr);
  create.x = 10;
  create.y = 10;
  create.cx = width;
  create.cy = height;
  create.style = WS_OVERLAPPEDWINDOW;
  HWND child = reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  if (!child) return;
  ShowWindow(child, SW_SHOWNORMAL);
  SendMessageA(mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
  SetFocus(tableChart.table);
  UpdateWindow(child);
  mdiChildPaint(child);
  if (runQueue) pump();
  mdiChildClose(mdiClient, child);
  tableChart = TableChart();
}

void modalDialogRound(HWND owner, HINSTANCE module, int templateId, const char* const* customClasses) {
  static bool registered = false;
  if (!registered) {
    registered = true;
    for (const char* const* name = customClasses; name && *name; ++name) {
      WNDCLASSA windowClass = {};
      if (GetClassInfoA(module, *name, &windowClass) || GetClassInfoA(nullptr, *name, &windowClass)) continue;
      windowClass.lpfnWndProc = &DefWindowProcA;
      windowClass.hInstance = module;
      windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
      windowClass.lpszClassName = *name;
      RegisterClassA(&windowClass);
    }
  }
  DialogBoxParamA(module, MAKEINTRESOURCEA(templateId), owner, &dialogProc, 0);
  pump();
}

double scrollThumbMoveMs(HWND parent, int width, int height, int moves) {
  static bool registered = false;
  const char kPaneClass[] = "RawAnchorScrolledPane";
  if (!registered) {
    registered = true;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kPaneClass;
    RegisterClassA(&windowClass);
  }
  HWND pane = CreateWindowExA(0, kPaneClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, width, height, parent,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!pane) return 0.0;
  SetScrollRange(pane, SB_VERT, 1, 50, TRUE);
  UpdateWindow(pane);
  pump();
  const double start = seconds();
  for (int i = 0; i < moves; ++i) SetScrollPos(pane, SB_VERT, 1 + i % 40, TRUE);
  const double ms = moves > 0 ? (seconds() - start) * 1000.0 / moves : 0.0;
  DestroyWindow(pane);
  pump();
  return ms;
}

double seconds() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void printRatio(const char* name, double ms, const char* anchor, double anchorMs) {
  std::printf("%s: %.3f ms, %s: %.3f ms, %.2f times the anchor\n", name, ms, anchor, anchorMs,
              anchorMs > 0 ? ms / anchorMs : 0.0);
}

}  // namespace RawAnchor
