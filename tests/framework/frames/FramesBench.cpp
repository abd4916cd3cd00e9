// Opens and closes an MDI child and a modal dialog from a template 200 times and prints
// the time per round and the process's handle, window-object and GDI-object counts before
// and after; each round is followed by the same round in plain Win32 calls
// (bench/windows), and the figures are printed beside that anchor's with their ratio.
// The child is also set beside a plain Win32 child that is activated and painted on show
// as the framework's is, which the plain anchor's is not.
// With --windows it times instead the making and the first show of single framework
// windows (a push button, a drawn tool button, a plain pane, the grid) beside the same
// class and style made and shown by plain CreateWindowEx, ShowWindow and UpdateWindow.
// Run under Wine by hand:  wine framework_frames_bench.exe
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "BenchCounts.h"
#include "RawWin32Anchors.h"
#include "WindowImage.h"
#include "frames_test_resources.h"
#include "framework/core/zProgram.h"
#include "framework/core/zResId.h"
#include "framework/layout/zSizer.h"
#include "framework/frames/zFormDialog.h"
#include "framework/controls/zControl.h"
#include "framework/draw/zDisplay.h"
#include "framework/frames/ziDialogReader.h"
#include "framework/core/zMenu.h"
#include "framework/controls/zButton.h"
#include "framework/draw/zBitmap.h"
#include "framework/frames/zPane.h"
#include "framework/grid/zTable.h"
#include "framework/visual/zBitmapButton.h"
#include "framework/frames/zMDIAppFrame.h"
#include "framework/frames/zMDIMarginFrame.h"

namespace {

using Counts = BenchCounts;
Counts counts() { return benchCounts(); }

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

double seconds() { return benchSeconds(); }

double childTime = 0;
double dialogTime = 0;
double rawChildTime = 0;
double rawDialogTime = 0;
double rawActiveChildTime = 0;

// The anchor: the same round in plain Win32 calls, on the same frame and template.
void rawRound(zMDIAppFrame* frame) {
  static const char* const customClasses[] = {"zPaneControl", nullptr};
  const double t0 = seconds();
  HWND child = RawAnchor::mdiChildOpen(ziMDIClientWindow, CW_USEDEFAULT, CW_USEDEFAULT);
  const double t1 = seconds();
  RawAnchor::modalDialogRound(frame->handle(), GetModuleHandleA(nullptr), kFormTemplate, customClasses);
  const double t2 = seconds();
  RawAnchor::mdiChildClose(ziMDIClientWindow, child);
  const double t3 = seconds();
  rawChildTime += (t1 - t0) + (t3 - t2);
  rawDialogTime += t2 - t1;
}

// The plain Win32 child again, activated and painted at once on show as the framework's
// child is: what those two steps cost the system itself.
void rawActiveChildRound() {
  const double t0 = seconds();
  HWND child = RawAnchor::mdiChildOpen(ziMDIClientWindow, CW_USEDEFAULT, CW_USEDEFAULT);
  RawAnchor::mdiChildActivateAndPaint(ziMDIClientWindow, child);
  RawAnchor::mdiChildClose(ziMDIClientWindow, child);
  rawActiveChildTime += seconds() - t0;
}

void round(zMDIAppFrame* frame) {
  const double t0 = seconds();
  zMDIChildFrame* child = new zMDIChildFrame(frame, nullptr, WS_OVERLAPPEDWINDOW, "child");
  child->show(SW_SHOWNORMAL);
  const double t1 = seconds();
  zFormDialog* form = new zFormDialog(frame, zResId(kFormTemplate));
  form->show(SW_SHOWNORMAL);
  // The dialog is ended from inside its own modal loop, as a user's click would.
  PostMessageA(form->handle(), WM_COMMAND, IDCANCEL, 0);
  form->runModal();
  delete form;
  const double t2 = seconds();
  delete child;
  pump();
  const double t3 = seconds();
  childTime += (t1 - t0) + (t3 - t2);
  dialogTime += t2 - t1;
}

void addLabel(zWindow* parent, const char* text, int x, int width) {
  zControl* label = new zControl(parent, new zSizer(zPoint(x, 4), zDimension(width, 18), parent->sizer()), SS_LEFT,
                                 text, 0, "static");
  label->create();
  label->show(SW_SHOW);
}

void pumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    pump();
    Sleep(10);
  }
}

// An MDI frame with a toolbar and a status margin, two children and a modeless dialog.
int screenshot(const char* path) {
  zMDIAppFrame* frame = new zMDIAppFrame(nullptr, new zSizer(zPoint(0, 0), zDimension(760, 540), nullptr), 0,
                                         "Frames - two children and a modeless dialog", nullptr, 1000);
  zMenu* bar = new zMenu(frame);
  AppendMenuA(bar->handle(), MF_STRING, 40, "&File");
  AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(frame->windowMenu()->handle()), "&Window");
  frame->setMenu(bar);
  zMDIMarginFrame* toolbar =
      new zMDIMarginFrame(frame, new zSizer(zPoint(0, 0), zDimension(0, 26), nullptr), 0, "toolbar");
  zMDIMarginFrame* status =
      new zMDIMarginFrame(frame, new zSizer(zPoint(0, 0), zDimension(0, 24), nullptr), 0, "status");
  status->setEdge(zMDIMarginFrame::bottomEdge);
  addLabel(toolbar, "Toolbar margin", 6, 200);
  addLabel(status, "Status line margin", 6, 200);
  frame->show(SW_SHOWNORMAL);
  toolbar->show(SW_SHOW);
  status->show(SW_SHOW);
  zMDIChildFrame* one = new zMDIChildFrame(frame, nullptr, WS_OVERLAPPEDWINDOW, "Choices");
  zMDIChildFrame* two = new zMDIChildFrame(frame, nullptr, WS_OVERLAPPEDWINDOW, "Criteria");
  one->show(SW_SHOWNORMAL);
  two->show(SW_SHOWNORMAL);
  frame->tile();
  zFormDialog* dialog = new zFormDialog(frame, zResId(kFormTemplate));
  dialog->show(SW_SHOWNORMAL);
  RECT fr;
  GetWindowRect(frame->handle(), &fr);
  SetWindowPos(dialog->handle(), HWND_TOP, fr.left + 330, fr.top + 200, 0, 0, SWP_NOSIZE);
  pumpFor(1500);
  const bool ok = saveWindowImage(frame->handle(), path);
  std::printf("%s %s\n", ok ? "saved" : "could not save", path);
  delete dialog;
  delete frame;
  return ok ? 0 : 1;
}

// One kind of framework window: made under parent at a place of its own.
struct WindowKind {
  const char* name;
  zWindow* (*make)(zWindow* parent, zSizer* place, int32_t id);
};

zBitmap* toolStrip = nullptr;

const WindowKind windowKinds[] = {
    {"push button",
     [](zWindow* p, zSizer* s, int32_t id) -> zWindow* {
       zButton* b = new zButton(p, s, BS_PUSHBUTTON, "OK", id);
       b->create();
       return b;
     }},
    {"tool button",
     [](zWindow* p, zSizer* s, int32_t id) -> zWindow* {
       return new zToolButton(p, s, 0, id, toolStrip, zRect(0, 0, 16, 16));
     }},
    {"plain pane",
     [](zWindow* p, zSizer* s, int32_t id) -> zWindow* {
       zPane* pane = new zPane(p, s, WS_CHILD, id);
       pane->create();
       return pane;
     }},
    {"grid", [](zWindow* p, zSizer* s, int32_t) -> zWindow* { return new zTable(p, s, WS_CHILD, nullptr); }},
};

// Each kind made and shown 20 times in a dialog frame, each window followed by a plain
// CreateWindowEx of the class, styles and place it got, shown the same way.
void windowsBench(zMDIAppFrame* frame) {
  toolStrip = new zBitmap(16, 16, 32, 1);
  const int perFrame = 20;
  const int frames = 10;
  for (const WindowKind& kind : windowKinds) {
    double made = 0, shown = 0, rawMade = 0, rawShown = 0;
    for (int f = -1; f < frames; ++f) {  // the first frame warms up
      zDialogFrame host(frame, new zSizer(zPoint(0, 0), zDimension(600, 400), nullptr), WS_POPUP | WS_VISIBLE, "x");
      host.show(SW_SHOWNA);
      pump();
      double m = 0, sh = 0, rm = 0, rs = 0;
      for (int i = 0; i < perFrame; ++i) {
        zSizer* place = new zSizer(zPoint(4 + 28 * (i % 10), 4 + 30 * (i / 10)), zDimension(24, 23), host.sizer());
        place->setGravity(gravNone);
        if (kind.make == windowKinds[3].make || kind.make == windowKinds[2].make)
          place->setExtent(zDimension(200, 150));
        const bool mark = f == 0 && i == 1 && std::getenv("PV_BENCH_MARKS");
        if (mark) OutputDebugStringA("mark make");
        const double t0 = seconds();
        zWindow* w = kind.make(&host, place, 100 + i);
        const double t1 = seconds();
        if (mark) OutputDebugStringA("mark show");
        w->show(SW_SHOW);
        const double t2 = seconds();
        if (mark) OutputDebugStringA("mark raw");
        char cls[64] = "";
        GetClassNameA(w->handle(), cls, sizeof cls);
        RECT r;
        GetWindowRect(w->handle(), &r);
        MapWindowPoints(nullptr, host.handle(), reinterpret_cast<POINT*>(&r), 2);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(w->handle(), GWL_STYLE)) & ~WS_VISIBLE;
        const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(w->handle(), GWL_EXSTYLE));
        const double t3 = seconds();
        HWND raw = CreateWindowExA(exStyle, cls, "", style, r.left, r.top + 200, r.right - r.left, r.bottom - r.top,
                                   host.handle(), reinterpret_cast<HMENU>(static_cast<uintptr_t>(300 + i)),
                                   GetModuleHandleA(nullptr), nullptr);
        const double t4 = seconds();
        ShowWindow(raw, SW_SHOW);
        UpdateWindow(raw);
        const double t5 = seconds();
        if (mark) OutputDebugStringA("mark end");
        m += t1 - t0;
        sh += t2 - t1;
        rm += t4 - t3;
        rs += t5 - t4;
      }
      pump();
      if (f < 0) continue;
      made += m;
      shown += sh;
      rawMade += rm;
      rawShown += rs;
    }
    const int n = perFrame * frames;
    char label[96];
    std::snprintf(label, sizeof label, "%s made", kind.name);
    RawAnchor::printRatio(label, 1000.0 * made / n, "CreateWindowEx", 1000.0 * rawMade / n);
    std::snprintf(label, sizeof label, "%s shown", kind.name);
    RawAnchor::printRatio(label, 1000.0 * shown / n, "ShowWindow and UpdateWindow", 1000.0 * rawShown / n);
  }
  delete toolStrip;
}

}  // namespace

int main(int argc, char** argv) {
  static char commandLine[] = "";
  zProgram* app = new zProgram(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
  zTheProgram = app;
  if (argc == 3 && std::strcmp(argv[1], "--screenshot") == 0) {
    const int rc = screenshot(argv[2]);
    delete app;
    return rc;
  }
  zMDIAppFrame* frame =
      new zMDIAppFrame(nullptr, new zSizer(zPoint(0, 0), zDimension(800, 600), nullptr), 0, "bench", nullptr, 1000);
  // A menu bar with the window menu in it, as the program's frame has: children that
  // open and close keep the window menu's list.
  zMenu* bar = new zMenu(frame);
  AppendMenuA(bar->handle(), MF_STRING, 40, "&File");
  AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(frame->windowMenu()->handle()), "&Window");
  frame->setMenu(bar);
  frame->show(SW_SHOWNORMAL);
  if (argc == 2 && std::strcmp(argv[1], "--windows") == 0) {
    windowsBench(frame);
    delete frame;
    delete app;
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--parts") == 0) {
    double a = seconds();
    for (int i = 0; i < 20; ++i) {
      ziInfoDisplay d;
      d.lock();
      d.unlock();
    }
    double b = seconds();
    std::printf("info display: %.3f ms\n", 1000 * (b - a) / 20);
    a = seconds();
    for (int i = 0; i < 20; ++i) {
      ziDialogReader r(nullptr, zResId(kFormTemplate));
    }
    b = seconds();
    std::printf("reader header: %.3f ms\n", 1000 * (b - a) / 20);
    a = seconds();
    for (int i = 0; i < 20; ++i) {
      zDialogFrame f(frame, new zSizer(zPoint(0, 0), zDimension(300, 200), nullptr), WS_POPUP | WS_CAPTION, "x");
    }
    b = seconds();
    std::printf("bare dialog frame: %.3f ms\n", 1000 * (b - a) / 20);
    for (const char* cls : {"button", "edit", "static", "listbox", "combobox"}) {
      zDialogFrame f(frame, new zSizer(zPoint(0, 0), zDimension(300, 200), nullptr), WS_POPUP | WS_CAPTION, "x");
      a = seconds();
      for (int i = 0; i < 10; ++i) {
        zControl* c = new zControl(&f, new zSizer(zPoint(0, 0), zDimension(40, 20), f.sizer()), WS_CHILD | WS_VISIBLE,
                                   "t", 100 + i, cls);
        c->create();
      }
      b = seconds();
      std::printf("%s created: %.3f ms\n", cls, 1000 * (b - a) / 10);
      a = seconds();
      zWindowDlistIter it(&f.children());
      while (zWindow* w = it.next()) w->show(1);
      b = seconds();
      std::printf("%s shown: %.3f ms\n", cls, 1000 * (b - a) / 10);
    }
    a = seconds();
    for (int i = 0; i < 20; ++i) {
      zDialogFrame f(frame, zResId(kPlainTemplate));
    }
    b = seconds();
    std::printf("plain template: %.3f ms\n", 1000 * (b - a) / 20);
    a = seconds();
    for (int i = 0; i < 20; ++i) {
      zDialogFrame f(frame, new zSizer(zPoint(0, 0), zDimension(300, 200), nullptr), WS_POPUP | WS_CAPTION, "x");
      zControl* c = new zControl(&f, new zSizer(zPoint(0, 0), zDimension(40, 20), f.sizer()),
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP, "t", 100, "edit");
      c->create();
      SetFocus(c->handle());
    }
    b = seconds();
    std::printf("bare frame, focus on an edit: %.3f ms\n", 1000 * (b - a) / 20);
    a = seconds();
    for (int i = 0; i < 20; ++i) {
      zDialogFrame f(frame, zResId(kFormTemplate));
    }
    b = seconds();
    std::printf("dialog frame made and deleted: %.3f ms\n", 1000 * (b - a) / 20);
    a = seconds();
    for (int i = 0; i < 20; ++i) {
      zDialogFrame f(frame, zResId(kFormTemplate));
      f.show(SW_SHOWNORMAL);
    }
    b = seconds();
    std::printf("dialog frame made, shown and deleted: %.3f ms\n", 1000 * (b - a) / 20);
  }
  for (int i = 0; i < 5; ++i) {  // warm-up: classes, fonts, caches
    round(frame);
    rawRound(frame);
    rawActiveChildRound();
  }
  childTime = dialogTime = rawChildTime = rawDialogTime = rawActiveChildTime = 0;
  const Counts before = counts();
  const int rounds = argc == 3 && std::strcmp(argv[1], "--rounds") == 0 ? std::atoi(argv[2]) : 200;
  for (int i = 0; i < rounds; ++i) {
    round(frame);
    rawRound(frame);
    rawActiveChildRound();
  }
  const Counts after = counts();
  const double ms = 1000.0 * (childTime + dialogTime) / rounds;
  std::printf("rounds: %d, time per round (MDI child and modal dialog, open and close): %.3f ms\n", rounds, ms);
  std::printf("of which MDI child: %.3f ms, modal dialog: %.3f ms\n", 1000.0 * childTime / rounds,
              1000.0 * dialogTime / rounds);
  RawAnchor::printRatio("MDI child and modal dialog", ms, "the same in plain Win32",
                        1000.0 * (rawChildTime + rawDialogTime) / rounds);
  RawAnchor::printRatio("MDI child", 1000.0 * childTime / rounds, "plain Win32", 1000.0 * rawChildTime / rounds);
  RawAnchor::printRatio("MDI child", 1000.0 * childTime / rounds, "plain Win32 activated and painted on show",
                        1000.0 * rawActiveChildTime / rounds);
  RawAnchor::printRatio("modal dialog", 1000.0 * dialogTime / rounds, "plain Win32", 1000.0 * rawDialogTime / rounds);
  printBenchCounts(before, after);
  delete frame;
  delete app;
  return 0;
}
