// The one application object of the process: the window map, the idle-task and timer
// devices, the accelerator table, the names of the window classes that the framework
// registered, the mail service, and the message loop that the main routine enters once and
// modal dialog frames enter again, nested.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/FLCString.h"
#include "foundation/PointerLists.h"
#include "framework/core/zNotifyNode.h"

class zControlType;
class zMail;
class zResId;
class zTaskDev;
class zTimerDev;
class zWindow;
class ziWindowMap;

class zProgram {
 public:
  zProgram(HINSTANCE instance, HINSTANCE prevInstance, char* commandLine, int showCommand);
  zProgram(const zProgram&) = delete;
  zProgram& operator=(const zProgram&) = delete;
  ~zProgram();

  // Runs until WM_QUIT and keeps its wParam as the exit code.
  void runMessageLoop();
  // A nested loop (a modal run): runs until *ended turns true, or until WM_QUIT, which it
  // posts again so that every loop around it ends too. True when a quit ended it.
  bool runNestedLoop(const bool* ended);
  // PostQuitMessage(0).
  void quit();
  // Loads the accelerator table; true when a table was loaded.
  bool loadAccelerators(const zResId& id);
  // -1 (as a pointer) clears the module name; otherwise loads the named module.
  void setResourceModule(const char* name);
  const char* resourceModuleName() const { return resourceModuleName_; }
  HMODULE resourceModule() const { return resourceModule_; }
  // -1 stores 400.
  void setDialogFontWeight(int32_t weight) { dialogFontWeight_ = weight == -1 ? 400 : weight; }
  int32_t dialogFontWeight() const { return dialogFontWeight_; }

  HINSTANCE instance() const { return instance_; }
  HINSTANCE prevInstance() const { return prevInstance_; }
  int showCommand() const { return showCommand_; }
  // The arguments after the program's name; the program's entry passes them as UTF-8.
  const char* commandLine() const { return commandLine_; }
  zWindow* mainFrame() const { return mainFrame_; }
  void setMainFrame(zWindow* frame) { mainFrame_ = frame; }
  ziWindowMap* windowMap() const { return windowMap_; }
  zTaskDev* taskDev() const { return taskDev_; }
  zTimerDev* timerDev() const { return timerDev_; }
  // Creates the timer device on first use.
  zTimerDev* makeTimerDev();
  HACCEL accelerators() const { return accelerators_; }
  int32_t exitCode() const { return exitCode_; }
  // The exit code of a program that ends without entering its message loop.
  void setExitCode(int32_t code) { exitCode_ = code; }
  int modalLoop() const { return modalLoop_; }
  void setModalLoop(int on) { modalLoop_ = on; }

  // Names of the window classes the framework registered, in order, each once (every
  // window of a kind registers its class again); each is unregistered when the
  // application ends.
  const zSlist* registeredClasses() const { return registeredClasses_; }
  void addRegisteredClass(const FLCString& name);
  bool isRegisteredClass(const char* name) const;

  // The application's handler list, consulted after a window's own general list.
  void addNotifyHandler(const zEventHandler& handler, UINT message);
  template <class T, class C>
  void addNotifyHandler(T* object, int (C::*member)(zEvent*), UINT message) {
    addNotifyHandler(zEventHandler(object, member), message);
  }
  void removeNotifyHandler(const zEventHandler& handler, UINT message);
  template <class T, class C>
  void removeNotifyHandler(T* object, int (C::*member)(zEvent*), UINT message) {
    removeNotifyHandler(zEventHandler(object, member), message);
  }
  zNotifyNodeDlist* notifyList() const { return notifyList_; }

  // The mail library is loaded at the first use of mail (periphery/zMail.cpp holds these,
  // so the application object depends on no mail service until one is used).
  uint32_t mailSend(const char* noteText, const char* attachmentPath);
  uint32_t mailSendTo(const char* noteText, const char* attachmentPath, const char* const* addresses = nullptr,
                      uint32_t count = 0);
  uint32_t mailAvailable();

  // The window system's set-up: the screen's metrics. An application object does it at
  // construction, unless it was deferred for it (the program's entry does: a batch run
  // opens no window and needs none of it). Deferred, it happens before the first window
  // of the thread is created, at the first reading of the screen's metrics, or when
  // called; once either way.
  void startWindowSystem();
  // OLE, for this thread, at the first work that needs it (the clipboard's data objects,
  // the shell, the file forms), once: starting it costs a start some milliseconds and
  // most runs never need it. Undone when the application object goes.
  void startOle();
  bool windowSystemStarted() const { return windowSystemStarted_; }
  // Defers the set-up of the application objects made from now on.
  static void deferWindowSystem(bool defer);
  // Makes the application objects made from now on (deferred ones) touch no window
  // library at all: a run that opens no window then loads none. Their set-up waits for a
  // reading of the screen's metrics or a call of startWindowSystem(), not for a window.
  static void expectNoWindows(bool none);

  // Loads moduleFile when given (a failed load leaves the module 0), records the superclass
  // and tells its procedure the class's own procedure: procedure(0, 0, 0, classProcedure).
  void registerSuperClass(const char* name, WNDPROC procedure, const char* moduleFile);

 private:
  zMail& mail();
  // The loop of both: until *ended (when given) or WM_QUIT; true when a quit ended it.
  bool loopUntil(const bool* ended);

  zMail* mail_;
  void (*releaseMail_)(zMail*);
  HHOOK startHook_;
  bool windowSystemStarted_;
  bool oleTried_;
  bool oleStarted_;
  int showCommand_;
  char* commandLine_;
  zWindow* mainFrame_;
  zTaskDev* taskDev_;
  zTimerDev* timerDev_;
  zNotifyNodeDlist* notifyList_;
  int32_t dialogFontWeight_;
  ziWindowMap* windowMap_;
  HMODULE resourceModule_;
  HINSTANCE instance_;
  HINSTANCE prevInstance_;
  zSlist* registeredClasses_;
  HACCEL accelerators_;
  char* resourceModuleName_;
  int32_t exitCode_;
  int modalLoop_;
  std::vector<zControlType*> controlTypes_;
};

// The one application object; set by the entry right after construction.
extern zProgram* zTheProgram;
// The MDI client window; 0 when there is none.
extern HWND ziMDIClientWindow;
// The modeless dialog whose messages go through IsDialogMessage; 0 for none.
extern HWND ziCurrentModelessDialog;
// The screen as read when the window system was set up (zProgram::startWindowSystem).
extern int32_t ziScreenHeight;
extern int32_t ziScreenWidth;
extern int32_t ziPixelsPerInchX;
extern int32_t ziPixelsPerInchY;
extern int32_t ziScreenWidthMm;
extern int32_t ziScreenHeightMm;

struct zScreenMetrics {
  int32_t width;     // HORZRES, 640 when 0
  int32_t height;    // VERTRES, 480 when 0
  int32_t pixelsX;   // LOGPIXELSX
  int32_t pixelsY;   // LOGPIXELSY
  int32_t heightMm;  // VERTSIZE
  int32_t widthMm;   // HORZSIZE
};
void readScreenMetrics(zScreenMetrics* metrics);

// OLE for the application object's thread (zProgram::startOle); nothing without one.
void zStartOle();
// The common controls' window classes (the trackbar's, the up-down control's), loaded at
// their first use and kept for the rest of the process.
void zStartCommonControls();

// The program's main routine, which the program provides: it creates the main window, runs
// the message loop and destroys the main window.
void zProgramMain(zProgram* app);
// The entry's work: makes the application object, runs the main routine, and returns the
// exit code of the outermost message loop. WinMain calls it with zProgramMain.
// opensWindows false: the run opens no window (zProgram::expectNoWindows).
int zProgramEntry(HINSTANCE instance, HINSTANCE prevInstance, char* commandLine, int showCommand,
                  void (*mainRoutine)(zProgram* app), bool opensWindows = true);
// The program provides it too: whether a run with these arguments (UTF-8) opens windows.
// The entry asks before the application object is made.
bool zProgramOpensWindows(const char* commandLine);
