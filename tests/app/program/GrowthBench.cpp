// Watches the process grow, or not, while each model window is opened and closed many
// times in the real main window; run by hand under Wine:
//   wine app_growth_bench.exe [rounds] [kind...]   (default 2000 rounds of every kind;
//                                                   kinds: choices dms criteria selector
//                                                   scoring solution)
// The program starts as its main routine starts it, on the demonstration model (-mkdm)
// and option files in a folder of its own under the build folder. Each kind of window
// in turn goes through the rounds, opened and closed as a user does it: the Choices,
// DecisionMakers and Criteria editors and the Compare Choices selector by their menu
// commands and their close boxes, the scoring window by the selector's Score Pairs and
// its Cancel, the solution window by Best Choice and its close box.
//
// Printed per kind, after the first rounds (when the caches the first windows fill are
// full) and at the end: private bytes and working set, and under Wine the memory of its
// own side, which no Windows figure shows; the bytes in use on the C library's heap
// (the program's own new and malloc) and on the system's heaps, exact where the others
// move by whole pages; the handle, window-manager and GDI counts the system reports (0
// under Wine) and the slots in use in each of the three tables. Then the growth per 50
// rounds and a verdict: flat, or which measure grew (the working set, which the system
// trims and refills as it likes, is shown but not judged). The exit code is 1 when a
// kind grows, when a window did not open or close, or when a message box came up.
// Under Wine its own side fills by some 0.4 MB over the first few hundred rounds of the
// first editor and stays there: a run of a few hundred rounds reads that as growth.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <string>
#include <vector>

#include "app/program/ProgramMain.h"
#include "app/program/WMain.h"
#include "app/program/res/program_ids.h"
#include "app/windows/editors/ModelEditors.h"
#include "app/windows/scoring/DCompareChoices.h"
#include "app/windows/scoring/DPairedPrefScoring.h"
#include "app/windows/scoring/res/scoring_ids.h"
#include "app/windows/solution/TableChartWindow.h"
#include "framework/core/zProgram.h"
#include "xml/PalvermontineAppOptsFile.h"
#include "xml/XmlOptsFile.h"

namespace {

namespace fs = std::filesystem;

// The first sample comes after this many rounds.
constexpr int kFirstRounds = 50;
// What a kind may gain from its first sample to its end and still count as flat: the
// heap's bytes and private bytes per 50 rounds, and slots of each handle table in all.
constexpr double kHeapSlack = 256.0;
constexpr double kPrivateSlack = 16.0 * 1024.0;
constexpr long kSlotSlack = 2;

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// ---- message boxes: none is expected; one that comes is told and closed --------------------------------

std::vector<std::string> boxesSeen;
HHOOK boxHook = nullptr;

LRESULT CALLBACK closeBoxes(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) == "#32770") {
      char caption[256] = {};
      GetWindowTextA(window, caption, sizeof caption);
      boxesSeen.push_back(caption);
      PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
      PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
  }
  return CallNextHookEx(boxHook, code, wParam, lParam);
}

// ---- what is measured --------------------------------------------------------------------------------

// Slots in use in the kernel, window-manager and GDI tables. The counts the system
// reports are 0 under Wine, and the handle one new object gets says little where freed
// slots are handed out again last-freed first. So each table is asked for kProbe new
// objects at once: past the free slots between used ones, the table hands out slots
// from its end, and the highest slot handed out, less kProbe, is the number in use
// (counted from the table's first slot). The window-manager table is the whole Wine
// session's: run nothing else in the same prefix meanwhile.
struct TableUse {
  long kernel = 0;
  long user = 0;
  long gdi = 0;
};

constexpr int kProbe = 3000;

TableUse tableUse() {
  static HANDLE events[kProbe];
  static HMENU menus[kProbe];
  static HBRUSH brushes[kProbe];
  TableUse use;
  uintptr_t kernel = 0, user = 0, gdi = 0;
  for (int i = 0; i < kProbe; ++i) {
    events[i] = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    menus[i] = CreateMenu();
    brushes[i] = CreateSolidBrush(RGB(1, 2, 3));
    // Kernel handles step by 4, window-manager handles by 2; the high word of the two
    // others is a generation count.
    kernel = std::max(kernel, reinterpret_cast<uintptr_t>(events[i]) / 4);
    user = std::max(user, (reinterpret_cast<uintptr_t>(menus[i]) & 0xFFFF) / 2);
    gdi = std::max(gdi, reinterpret_cast<uintptr_t>(brushes[i]) & 0xFFFF);
  }
  for (int i = 0; i < kProbe; ++i) {
    CloseHandle(events[i]);
    DestroyMenu(menus[i]);
    DeleteObject(brushes[i]);
  }
  use.kernel = static_cast<long>(kernel) - kProbe;
  use.user = static_cast<long>(user) - kProbe;
  use.gdi = static_cast<long>(gdi) - kProbe;
  return use;
}

struct Sample {
  double privateBytes = 0;
  double wineBytes = -1;
  double workingSet = 0;
  double programHeap = 0;
  double systemHeaps = 0;
  DWORD handles = 0;
  DWORD user = 0;
  DWORD gdi = 0;
  TableUse tables;
};

// The bytes of the busy blocks on a heap.
double heapBytesInUse(HANDLE heap) {
  double total = 0;
  if (!HeapLock(heap)) return 0;
  PROCESS_HEAP_ENTRY entry = {};
  while (HeapWalk(heap, &entry)) {
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
  }
  HeapUnlock(heap);
  return total;
}

// Committed private memory, as the system's private bytes count it; walked, because
// Wine leaves the figure out of the process's memory counters.
double committedPrivateBytes() {
  double total = 0;
  MEMORY_BASIC_INFORMATION info;
  for (const char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info;) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += static_cast<double>(info.RegionSize);
    const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
    if (next <= at) break;
    at = next;
  }
  return total;
}

// Under Wine the system's own side (window manager, GDI, fonts, X) keeps its memory
// outside every Windows heap: the process's anonymous resident memory as Linux counts
// it; -1 where there is no such file (on Windows).
double wineAnonymousBytes() {
  FILE* status = std::fopen("Z:\\proc\\self\\status", "r");
  if (!status) return -1;
  char line[256];
  long kb = -1;
  while (std::fgets(line, sizeof line, status)) {
    if (std::sscanf(line, "RssAnon: %ld", &kb) == 1) break;
  }
  std::fclose(status);
  return kb < 0 ? -1 : kb * 1024.0;
}

Sample sample() {
  Sample s;
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory)) {
    s.workingSet = static_cast<double>(memory.WorkingSetSize);
  }
  s.privateBytes = committedPrivateBytes();
  s.wineBytes = wineAnonymousBytes();
  // The program's own allocations (new, malloc) come from the C library's heap; the
  // others hold the system libraries' own.
  const HANDLE programHeap = reinterpret_cast<HANDLE>(_get_heap_handle());
  HANDLE heaps[64];
  const DWORD n = GetProcessHeaps(64, heaps);
  for (DWORD i = 0; i < n && i < 64; ++i) {
    (heaps[i] == programHeap ? s.programHeap : s.systemHeaps) += heapBytesInUse(heaps[i]);
  }
  GetProcessHandleCount(GetCurrentProcess(), &s.handles);
  s.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  s.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  s.tables = tableUse();
  return s;
}

// ---- the kinds of window and one round of each -------------------------------------------------------

PV::App::WMain* mainWindow = nullptr;

void command(uint32_t id) {
  SendMessageA(mainWindow->handle(), WM_COMMAND, id, 0);
  pump();
}

void closeBox(zWindow* window) {
  SendMessageA(window->handle(), WM_CLOSE, 0, 0);
  pump();
}

template <class Editor>
bool editorRound(uint32_t id) {
  command(id);
  Editor* editor = Editor::instance();
  if (!editor) return false;
  closeBox(editor);
  return Editor::instance() == nullptr;
}

bool selectorRound() {
  command(CM_COMPARE);
  DCompareChoices* selector = DCompareChoices::instance();
  if (!selector) return false;
  closeBox(selector);
  return DCompareChoices::instance() == nullptr;
}

// Score Pairs of the open selector, then the scoring pane's Cancel (nothing stored).
bool scoringRound() {
  DCompareChoices* selector = DCompareChoices::instance();
  if (!selector) return false;
  const HWND scorePairs = GetDlgItem(selector->handle(), IDC_CC_SCORE_PAIRS);
  SendMessageA(selector->handle(), WM_COMMAND, MAKEWPARAM(IDC_CC_SCORE_PAIRS, BN_CLICKED),
               reinterpret_cast<LPARAM>(scorePairs));
  pump();
  DPairedPrefScoring* scoring = DPairedPrefScoring::instance();
  if (!scoring) return false;
  const HWND pane = GetDlgItem(scoring->handle(), IDC_SCORING_PANE);
  SendMessageA(pane, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(pane, IDCANCEL)));
  pump();
  return DPairedPrefScoring::instance() == nullptr;
}

bool solutionRound() {
  command(CM_BEST_CHOICE);
  PV::GUI::TableChartWindow* solution = mainWindow->solutionWindow();
  if (!solution || mainWindow->solutionWindows().size() != 1) return false;
  closeBox(solution);
  return mainWindow->solutionWindows().empty();
}

struct Kind {
  const char* word;  // its name on the command line
  const char* name;
  bool (*round)();
};

// ---- the report --------------------------------------------------------------------------------------

double per50(double first, double end, int rounds) {
  return rounds > kFirstRounds ? (end - first) * 50.0 / (rounds - kFirstRounds) : 0.0;
}

// One kind's figures; true when it grew.
bool report(const Kind& kind, const Sample& first, const Sample& end, int rounds) {
  const double program = per50(first.programHeap, end.programHeap, rounds);
  const double system = per50(first.systemHeaps, end.systemHeaps, rounds);
  const double priv = per50(first.privateBytes, end.privateBytes, rounds);
  const bool underWine = first.wineBytes >= 0 && end.wineBytes >= 0;
  const double wine = underWine ? per50(first.wineBytes, end.wineBytes, rounds) : 0.0;
  const double ws = per50(first.workingSet, end.workingSet, rounds);
  const long kernel = end.tables.kernel - first.tables.kernel;
  const long user = end.tables.user - first.tables.user;
  const long gdi = end.tables.gdi - first.tables.gdi;
  const long handles = static_cast<long>(end.handles) - static_cast<long>(first.handles);
  const long userCount = static_cast<long>(end.user) - static_cast<long>(first.user);
  const long gdiCount = static_cast<long>(end.gdi) - static_cast<long>(first.gdi);
  std::string grew;
  if (program > kHeapSlack || system > kHeapSlack) grew += " heap";
  if (priv > kPrivateSlack) grew += " private";
  if (wine > kPrivateSlack) grew += " wine";
  if (kernel > kSlotSlack || handles > kSlotSlack) grew += " kernel";
  if (user > kSlotSlack || userCount > kSlotSlack) grew += " user";
  if (gdi > kSlotSlack || gdiCount > kSlotSlack) grew += " gdi";

  const double mb = 1024.0 * 1024.0;
  std::printf("%s: round %d -> round %d%30s per 50 rounds\n", kind.name, kFirstRounds, rounds, "");
  std::printf("  private bytes     %10.2f MB -> %10.2f MB   %+10.0f B\n", first.privateBytes / mb,
              end.privateBytes / mb, priv);
  if (underWine) {
    std::printf("  Wine's own side   %10.2f MB -> %10.2f MB   %+10.0f B\n", first.wineBytes / mb, end.wineBytes / mb,
                wine);
  }
  std::printf("  working set       %10.2f MB -> %10.2f MB   %+10.0f B\n", first.workingSet / mb, end.workingSet / mb,
              ws);
  std::printf("  program heap      %10.0f B  -> %10.0f B    %+10.1f B\n", first.programHeap, end.programHeap, program);
  std::printf("  system heaps      %10.0f B  -> %10.0f B    %+10.1f B\n", first.systemHeaps, end.systemHeaps, system);
  const auto row = [&](const char* name, DWORD a, DWORD b, long ta, long tb) {
    std::printf("  %-15s %6lu -> %6lu   in the table %6ld -> %6ld   %+8.2f\n", name, static_cast<unsigned long>(a),
                static_cast<unsigned long>(b), ta, tb, per50(ta, tb, rounds));
  };
  row("kernel handles", first.handles, end.handles, first.tables.kernel, end.tables.kernel);
  row("USER objects", first.user, end.user, first.tables.user, end.tables.user);
  row("GDI objects", first.gdi, end.gdi, first.tables.gdi, end.tables.gdi);
  std::printf("  verdict: %s%s\n", grew.empty() ? "flat" : "GROWING:", grew.c_str());
  std::fflush(stdout);
  return !grew.empty();
}

// The options of a quiet run: no start-up file, no report, the solution window shown.
void quietOptions(const fs::path& home) {
  fs::create_directories(home / "config");
  fs::create_directories(home / "work");
  const std::string config = (home / "config").string();
  const std::string work = (home / "work").string();
  _putenv_s("PALVERMONTINE_CONFIG_DIR", config.c_str());
  SetEnvironmentVariableA("PALVERMONTINE_CONFIG_DIR", config.c_str());
  _putenv_s("PALVERMONTINE_DOCUMENTS_DIR", work.c_str());
  SetEnvironmentVariableA("PALVERMONTINE_DOCUMENTS_DIR", work.c_str());
  SetCurrentDirectoryA(work.c_str());
  PV::XML::setOptionsHome({config, "bench"});
  auto& app = PV::XML::PalvermontineAppOptsFile::instance()->options();
  app.get_defaultValuesAppOpts().set_autoSave(false);
  app.get_rptAppOpts().set_displayReport(false);
  app.get_calcAppOpts().set_generateReportFile(false);
  app.get_calcAppOpts().set_displaySolutionWindow(true);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
  if (rounds < kFirstRounds) {
    std::fprintf(stderr,
                 "usage: app_growth_bench [rounds, at least %d] [choices dms criteria selector scoring solution]\n",
                 kFirstRounds);
    return 2;
  }
  // The kinds named after the rounds, or all.
  const std::vector<std::string> chosen(argv + std::min(argc, 2), argv + argc);
  quietOptions(fs::path(PV_GROWTH_BENCH_OUT));
  boxHook = SetWindowsHookExA(WH_CBT, closeBoxes, nullptr, GetCurrentThreadId());

  static char commandLine[] = "-mkdm";
  zProgram app(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
  zTheProgram = &app;
  int failures = 0;
  {
    PV::App::ProgramMain program(&app);
    if (!program.start()) return 1;
    mainWindow = program.window();
    pump();
    Kind kinds[] = {
        {"choices", "Choices editor", [] { return editorRound<PV::GUI::DChoices>(CM_CHOICES); }},
        {"dms", "DecisionMakers editor", [] { return editorRound<PV::GUI::DDecisionMakers>(CM_DECISION_MAKERS); }},
        {"criteria", "Criteria editor", [] { return editorRound<PV::GUI::DCriteria>(CM_CRITERIA); }},
        {"selector", "Compare Choices selector", selectorRound},
        {"scoring", "scoring window", scoringRound},
        {"solution", "solution window", solutionRound},
    };
    std::printf("%d rounds of each window in the main window on the demonstration model\n", rounds);
    for (Kind& kind : kinds) {
      if (!chosen.empty() && std::find(chosen.begin(), chosen.end(), kind.word) == chosen.end()) continue;
      // The scoring window is opened from the selector, which stays open beside it.
      const bool scoring = kind.round == scoringRound;
      if (scoring) command(CM_COMPARE);
      const DWORD start = GetTickCount();
      Sample first;
      bool opened = true;
      for (int i = 1; i <= rounds && opened; ++i) {
        opened = kind.round();
        if (i == kFirstRounds) first = sample();
      }
      const Sample end = sample();
      if (scoring && DCompareChoices::instance()) closeBox(DCompareChoices::instance());
      if (!opened) {
        std::printf("%s: a round did not open or close the window\n", kind.name);
        ++failures;
        continue;
      }
      if (report(kind, first, end, rounds)) ++failures;
      std::printf("  %.2f ms a round\n", static_cast<double>(GetTickCount() - start) / rounds);
    }
  }
  zTheProgram = nullptr;
  UnhookWindowsHookEx(boxHook);
  for (const std::string& caption : boxesSeen) {
    std::printf("a message box came up: %s\n", caption.c_str());
    ++failures;
  }
  return failures ? 1 : 0;
}
