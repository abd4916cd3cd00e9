#include "framework/core/zProgram.h"

#include <cstring>

#include <commctrl.h>
#include <ole2.h>

#include "framework/core/zControlFamilies.h"
#include "framework/core/zControlType.h"
#include "framework/core/zResId.h"
#include "framework/core/zSuperClass.h"
#include "framework/core/zSystemEntry.h"
#include "framework/core/zTaskDev.h"
#include "framework/core/zTimerDev.h"
#include "framework/core/zWindow.h"
#include "framework/core/ziWindowMap.h"
#include "framework/draw/zMeasure.h"

zProgram* zTheProgram = nullptr;
HWND ziMDIClientWindow = nullptr;
HWND ziCurrentModelessDialog = nullptr;
int32_t ziScreenHeight = 0;
int32_t ziScreenWidth = 0;
int32_t ziPixelsPerInchX = 0;
int32_t ziPixelsPerInchY = 0;
int32_t ziScreenWidthMm = 0;
int32_t ziScreenHeightMm = 0;

void readScreenMetrics(zScreenMetrics* metrics) {
  const HWND desktop = GetDesktopWindow();
  const HDC dc = GetDC(desktop);
  metrics->width = GetDeviceCaps(dc, HORZRES);
  if (metrics->width == 0) metrics->width = 640;
  metrics->height = GetDeviceCaps(dc, VERTRES);
  if (metrics->height == 0) metrics->height = 480;
  metrics->pixelsX = GetDeviceCaps(dc, LOGPIXELSX);
  metrics->pixelsY = GetDeviceCaps(dc, LOGPIXELSY);
  metrics->heightMm = GetDeviceCaps(dc, VERTSIZE);
  metrics->widthMm = GetDeviceCaps(dc, HORZSIZE);
  ReleaseDC(desktop, dc);
}

namespace {

bool deferNextWindowSystem = false;
bool nextExpectsNoWindows = false;

// Starts a deferred window system before the thread's first window exists.
LRESULT CALLBACK startBeforeFirstWindow(int code, WPARAM wParam, LPARAM lParam) {
  return ziFromSystem("startBeforeFirstWindow", [&] {
    if (code == HCBT_CREATEWND && zTheProgram) zTheProgram->startWindowSystem();
    return CallNextHookEx(nullptr, code, wParam, lParam);
  });
}

// The common controls library is bound here rather than imported: loading it registers
// its window classes, which costs a start a good part of its time, and only the
// trackbar and the up-down control need it.
void loadCommonControls() {
  HMODULE library = LoadLibraryA("comctl32.dll");
  if (!library) return;
  using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  using Init = void(WINAPI*)();
  if (auto initEx =
          reinterpret_cast<InitEx>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")))) {
    INITCOMMONCONTROLSEX classes = {sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    initEx(&classes);
  } else if (auto init =
                 reinterpret_cast<Init>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControls")))) {
    init();
  }
  // Kept loaded for the rest of the run: the classes live in it.
}

// The screen's metrics for drawing: those read when the window system was set up, which
// a deferred set-up does now.
bool programScreen(ziDeviceMetrics* metrics) {
  if (!zTheProgram) return false;
  zTheProgram->startWindowSystem();
  *metrics = ziDeviceMetrics{ziScreenWidth,    ziScreenHeight,  ziPixelsPerInchX,
                             ziPixelsPerInchY, ziScreenWidthMm, ziScreenHeightMm};
  return true;
}

}  // namespace

void zProgram::deferWindowSystem(bool defer) { deferNextWindowSystem = defer; }

void zProgram::expectNoWindows(bool none) { nextExpectsNoWindows = none; }

void zProgram::startWindowSystem() {
  if (windowSystemStarted_) return;
  // Set first: nothing the set-up calls may start it again.
  windowSystemStarted_ = true;
  if (startHook_) {
    UnhookWindowsHookEx(startHook_);
    startHook_ = nullptr;
  }
  zScreenMetrics screen;
  readScreenMetrics(&screen);
  ziScreenHeight = screen.height;
  ziScreenWidth = screen.width;
  ziPixelsPerInchX = screen.pixelsX;
  ziPixelsPerInchY = screen.pixelsY;
  ziScreenWidthMm = screen.widthMm;
  ziScreenHeightMm = screen.heightMm;
}

void zProgram::startOle() {
  if (oleTried_) return;
  oleTried_ = true;
  oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
}

void zStartOle() {
  if (zTheProgram) zTheProgram->startOle();
}

void zStartCommonControls() {
  static bool loaded = false;
  if (loaded) return;
  loaded = true;
  loadCommonControls();
}

zProgram::zProgram(HINSTANCE instance, HINSTANCE prevInstance, char* commandLine, int showCommand)
    : mail_(nullptr),
      releaseMail_(nullptr),
      startHook_(nullptr),
      windowSystemStarted_(false),
      oleTried_(false),
      oleStarted_(false),
      windowMap_(new ziWindowMap(&ziWindowMap::handleHash, 97)),
      registeredClasses_(new zSlist) {
  instance_ = instance;
  prevInstance_ = prevInstance;
  showCommand_ = showCommand;
  commandLine_ = commandLine;
  accelerators_ = nullptr;
  mainFrame_ = nullptr;
  ziMDIClientWindow = nullptr;
  ziCurrentModelessDialog = nullptr;
  taskDev_ = new zTaskDev;
  timerDev_ = nullptr;
  notifyList_ = nullptr;
  exitCode_ = 0;
  ziProgramScreen = &programScreen;

  resourceModuleName_ = nullptr;
  modalLoop_ = 0;
  resourceModule_ = nullptr;

  // The control families' types that dialog templates name: some for this application
  // object's life, the rest for the whole process (a later application object finds
  // them in place).
  for (uint32_t i = 0; i < ziProgramControlTypeCount; ++i)
    controlTypes_.push_back(new zControlType(ziProgramControlTypes[i].className, ziProgramControlTypes[i].create));
  ziRegisterControlFamilies();

  setDialogFontWeight(-1);

  // The hook is a call into the window library, which a run that opens no window never
  // loads.
  if (deferNextWindowSystem && !nextExpectsNoWindows)
    startHook_ = SetWindowsHookExA(WH_CBT, &startBeforeFirstWindow, nullptr, GetCurrentThreadId());
  else if (!deferNextWindowSystem)
    startWindowSystem();
}

zProgram::~zProgram() {
  if (startHook_) UnhookWindowsHookEx(startHook_);
  if (oleStarted_) OleUninitialize();
  if (mail_ && releaseMail_) releaseMail_(mail_);
  if (resourceModule_) FreeLibrary(resourceModule_);
  while (void* name = registeredClasses_->get()) {
    FLCString* className = static_cast<FLCString*>(name);
    UnregisterClassA(*className, instance_);
    delete className;
  }
  delete registeredClasses_;
  ziReleaseControlFamilies();
  zSuperClassSlist::deleteAll();
  delete windowMap_;
  windowMap_ = nullptr;
  // The control types registered here leave the global list with the application.
  for (zControlType* type : controlTypes_) delete type;
  delete notifyList_;
  delete taskDev_;
  delete timerDev_;
  delete[] resourceModuleName_;
  if (zTheProgram == this) zTheProgram = nullptr;
}

void zProgram::runMessageLoop() { loopUntil(nullptr); }

bool zProgram::runNestedLoop(const bool* ended) { return loopUntil(ended); }

bool zProgram::loopUntil(const bool* ended) {
  // A nested loop ends by its own flag, never by taking a quit: a quit belongs to the
  // program, and a nested loop that swallowed it would leave the program running with no
  // one to end it, while a quit meant for one modal run but taken by another run nested
  // in it would end the wrong one.
  MSG msg = {};
  for (;;) {
    if (ended && *ended) return false;
    if (taskDev_ && taskDev_->count() > 0 && !taskDev_->isPassRunning()) {
      if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        taskDev_->idle();
        continue;
      }
      GetMessageA(&msg, nullptr, 0, 0);
      if (msg.message == WM_QUIT) break;
    } else {
      const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
      if (got == 0 || got == -1 || msg.message == WM_QUIT) break;
    }
    if (accelerators_ && mainFrame_ && IsWindowEnabled(mainFrame_->handle()) &&
        TranslateAcceleratorA(mainFrame_->handle(), accelerators_, &msg))
      continue;
    if (modalLoop_ == 0 && ziMDIClientWindow && TranslateMDISysAccel(ziMDIClientWindow, &msg)) continue;
    if (ziCurrentModelessDialog && IsWindow(ziCurrentModelessDialog) && IsDialogMessageA(ziCurrentModelessDialog, &msg))
      continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (ended) {
    if (msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));
  } else {
    exitCode_ = static_cast<int32_t>(msg.wParam);
  }
  return msg.message == WM_QUIT;
}

void zProgram::quit() { PostQuitMessage(0); }

namespace {
void loadAcceleratorTable(HMODULE module, LPCSTR name, void* out) {
  *static_cast<HACCEL*>(out) = LoadAcceleratorsA(module, name);
}
}  // namespace

bool zProgram::loadAccelerators(const zResId& id) {
  HACCEL table = nullptr;
  if (!zLoadFromResourceModule(id, &loadAcceleratorTable, &table)) return false;
  accelerators_ = table;
  return accelerators_ != nullptr;
}

void zProgram::setResourceModule(const char* name) {
  if (name == reinterpret_cast<const char*>(-1)) {
    delete[] resourceModuleName_;
    resourceModuleName_ = nullptr;
    return;
  }
  delete[] resourceModuleName_;
  resourceModuleName_ = nullptr;
  if (name) {
    const size_t n = std::strlen(name) + 1;
    resourceModuleName_ = new char[n];
    std::memcpy(resourceModuleName_, name, n);
  }
  if (resourceModule_) {
    FreeLibrary(resourceModule_);
    resourceModule_ = nullptr;
  }
  if (name) resourceModule_ = LoadLibraryA(name);
}

zTimerDev* zProgram::makeTimerDev() {
  if (!timerDev_) timerDev_ = new zTimerDev;
  return timerDev_;
}

void zProgram::addRegisteredClass(const FLCString& name) {
  if (!isRegisteredClass(name)) registeredClasses_->append(new FLCString(name.copy()));
}

bool zProgram::isRegisteredClass(const char* name) const {
  zSlistIter it(*registeredClasses_);
  while (void* item = it.next()) {
    if (static_cast<FLCString*>(item)->compareTo(name) == 0) return true;
  }
  return false;
}

void zProgram::addNotifyHandler(const zEventHandler& handler, UINT message) {
  if (!notifyList_) notifyList_ = new zNotifyNodeDlist;
  notifyList_->append(new zNotifyNode(handler, message, nullptr));
}

void zProgram::removeNotifyHandler(const zEventHandler& handler, UINT message) {
  if (!notifyList_) return;
  notifyList_->removeFirst(zEvent(0, 0, message, nullptr), handler);
}

void zProgram::registerSuperClass(const char* name, WNDPROC procedure, const char* moduleFile) {
  HMODULE module = nullptr;
  if (moduleFile) {
    module = LoadLibraryA(moduleFile);
    if (reinterpret_cast<uintptr_t>(module) <= 32) module = nullptr;
  }
  zSuperClass* record = new zSuperClass(name, procedure, module);
  if (record->procedure())
    CallWindowProcA(record->procedure(), nullptr, 0, 0, reinterpret_cast<LPARAM>(record->classProcedure()));
}

int zProgramEntry(HINSTANCE instance, HINSTANCE prevInstance, char* commandLine, int showCommand,
                  void (*mainRoutine)(zProgram*), bool opensWindows) {
  zProgram::deferWindowSystem(true);
  zProgram::expectNoWindows(!opensWindows);
  zProgram* app = new zProgram(instance, prevInstance, commandLine, showCommand);
  zProgram::deferWindowSystem(false);
  zProgram::expectNoWindows(false);
  zTheProgram = app;
  mainRoutine(app);
  const int exitCode = app->exitCode();
  delete app;
  zTheProgram = nullptr;
  return exitCode;
}
