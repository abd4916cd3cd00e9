#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "framework/core/zControlType.h"
#include "framework/periphery/zMail.h"
#include "framework/core/zResId.h"
#include "framework/core/zSuperClass.h"
#include "framework/core/zTaskDev.h"
#include "framework/core/ziWindowMap.h"
#include "test_resources.h"

// The program's main routine for the entry test: a main frame, a quit message with exit
// code 3 (the deadline would give 99), and the frame destroyed after the loop.
namespace {
bool mainRoutineSawApplication = false;
bool deferredUntilTheFirstWindow = false;
void CALLBACK entryDeadline(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(kDeadlineExitCode); }
}  // namespace

bool zProgramOpensWindows(const char*) { return true; }

void zProgramMain(zProgram* app) {
  mainRoutineSawApplication = app == zTheProgram && app->commandLine() && std::string(app->commandLine()) == "-entry";
  // The entry leaves the window system's set-up to the first window, which a batch run
  // never makes.
  const bool deferred = !app->windowSystemStarted();
  LoggingFrame* frame = new LoggingFrame("Main");
  deferredUntilTheFirstWindow = deferred && app->windowSystemStarted() && ziScreenWidth > 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10000, &entryDeadline);
  PostQuitMessage(3);
  app->runMessageLoop();
  KillTimer(nullptr, timer);
  delete frame;
}

namespace {

TEST(Entry, PostedQuitWithCodeThreeMakesTheEntryReturnThree) {
  static char commandLine[] = "-entry";
  EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL), 3);
  EXPECT_TRUE(mainRoutineSawApplication);
  EXPECT_TRUE(deferredUntilTheFirstWindow);
  EXPECT_EQ(zTheProgram, nullptr);
  // The main frame's destruction asked for a loop end that nobody runs any more.
  MSG msg;
  PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

using Program = FrameworkTest;

TEST_F(Program, ConstructionState) {
  EXPECT_EQ(app_->dialogFontWeight(), 400);
  app_->setDialogFontWeight(700);
  EXPECT_EQ(app_->dialogFontWeight(), 700);
  app_->setDialogFontWeight(-1);
  EXPECT_EQ(app_->dialogFontWeight(), 400);
  EXPECT_EQ(app_->mainFrame(), nullptr);
  EXPECT_EQ(app_->timerDev(), nullptr);
  EXPECT_NE(app_->taskDev(), nullptr);
  EXPECT_EQ(app_->windowMap()->bucketCount(), 97u);
  EXPECT_EQ(app_->exitCode(), 0);
  EXPECT_EQ(app_->showCommand(), SW_SHOWNORMAL);
  EXPECT_STREQ(app_->commandLine(), "-test");
  EXPECT_GT(ziScreenWidth, 0);
  EXPECT_GT(ziScreenHeight, 0);
  EXPECT_GT(ziPixelsPerInchX, 0);
  zScreenMetrics m;
  readScreenMetrics(&m);
  EXPECT_EQ(m.width, ziScreenWidth);
  EXPECT_EQ(m.height, ziScreenHeight);
  EXPECT_EQ(m.widthMm, ziScreenWidthMm);
  // Mail is not available: sending says so instead of reporting success.
  EXPECT_EQ(app_->mailAvailable(), 0u);
  EXPECT_EQ(app_->mailSend("note", nullptr), zMail::notSupported);
  EXPECT_EQ(app_->mailSendTo("note", nullptr), zMail::notSupported);
}

TEST_F(Program, SixControlTypesLiveWithTheApplication) {
  const char* names[] = {"zTextPane", "zPaneControl",    "zBitmapPane",
                         "zTabCtrl",  "msctls_updown32", "msctls_trackbar32"};
  // The drawn controls' and the grid's types, registered at the first start, stay for the
  // whole process; these six come and go with the application object.
  const uint32_t withApplication = zControlType::count();
  EXPECT_GE(withApplication, 6u);
  EXPECT_NE(zControlType::find("zCheckBox3dClass"), nullptr);
  for (const char* name : names) {
    zControlType* type = zControlType::find(name);
    ASSERT_NE(type, nullptr) << name;
    EXPECT_STREQ(type->name(), name);
  }
  // The resource compiler upper-cases custom class names.
  EXPECT_EQ(zControlType::find("ZTEXTPANE"), zControlType::find("zTextPane"));
  EXPECT_EQ(zControlType::find("zTextPanes"), nullptr);
  delete app_;
  app_ = nullptr;
  EXPECT_EQ(zControlType::count(), withApplication - 6u);
  for (const char* name : names) EXPECT_EQ(zControlType::find(name), nullptr) << name;
  EXPECT_NE(zControlType::find("zCheckBox3dClass"), nullptr);
}

LRESULT CALLBACK superProcedure(HWND, UINT message, WPARAM, LPARAM lParam);
WNDPROC toldClassProcedure = nullptr;
LRESULT CALLBACK superProcedure(HWND, UINT message, WPARAM, LPARAM lParam) {
  if (message == 0) toldClassProcedure = reinterpret_cast<WNDPROC>(lParam);
  return 0;
}

TEST_F(Program, SuperClassRecordsAreFoundByName) {
  EXPECT_EQ(zSuperClassSlist::find("button"), nullptr);
  app_->registerSuperClass("button", &superProcedure, nullptr);
  const WNDPROC toldForButton = toldClassProcedure;
  app_->registerSuperClass("edit", &superProcedure, "no-such-module.dll");
  zSuperClass* button = zSuperClassSlist::find("button");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->procedure(), &superProcedure);
  WNDCLASSA wc;
  ASSERT_TRUE(GetClassInfoA(nullptr, "button", &wc));
  EXPECT_EQ(button->classProcedure(), wc.lpfnWndProc);
  EXPECT_EQ(toldForButton, wc.lpfnWndProc);
  zSuperClass* edit = zSuperClassSlist::find("edit");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->module(), nullptr);  // the failed load leaves no module
  delete app_;
  app_ = nullptr;
  EXPECT_EQ(zSuperClassSlist::find("button"), nullptr);
}

TEST_F(Program, QuitMessageEndsTheLoopWithItsCode) {
  LoggingFrame frame;
  PostQuitMessage(3);
  EXPECT_EQ(runLoopWithDeadline(), 3);
  app_->quit();
  EXPECT_EQ(runLoopWithDeadline(), 0);
}

struct Task {
  int calls = 0;
  int finishAt = 3;
  int run() {
    if (++calls < finishAt) return 0;
    PostQuitMessage(5);
    return 1;
  }
};

TEST_F(Program, IdleTasksRunWhileTheQueueIsEmpty) {
  LoggingFrame frame;
  Task task;
  app_->taskDev()->add(&task, &Task::run);
  EXPECT_EQ(app_->taskDev()->count(), 1);
  EXPECT_EQ(runLoopWithDeadline(), 5);
  EXPECT_EQ(task.calls, 3);
  EXPECT_EQ(app_->taskDev()->count(), 0);
}

struct SelfRemovingTask {
  zTaskDev* device = nullptr;
  int calls = 0;
  int run() {
    ++calls;
    device->remove(zTaskHandler(this, &SelfRemovingTask::run));
    return 0;
  }
};

TEST_F(Program, TaskRemovingItselfDuringAPassIsGoneAfterIt) {
  SelfRemovingTask task;
  task.device = app_->taskDev();
  Task other;
  other.finishAt = 100;
  app_->taskDev()->add(&task, &SelfRemovingTask::run);
  app_->taskDev()->add(&other, &Task::run);
  app_->taskDev()->idle();
  EXPECT_EQ(task.calls, 1);
  EXPECT_EQ(other.calls, 1);
  EXPECT_EQ(app_->taskDev()->count(), 1);
  app_->taskDev()->idle();
  EXPECT_EQ(task.calls, 1);
  EXPECT_EQ(other.calls, 2);
  // Switched off (the main frame's WM_DESTROY): no pass runs, the task stays queued.
  app_->taskDev()->switchOff();
  app_->taskDev()->idle();
  EXPECT_EQ(other.calls, 2);
  EXPECT_EQ(app_->taskDev()->count(), 1);
}

TEST_F(Program, StaleModelessDialogIsSkipped) {
  LoggingFrame frame;
  LoggingFrame* dialog = new LoggingFrame("Stale");
  ziCurrentModelessDialog = dialog->handle();
  delete dialog;  // destroyed without clearing the record
  struct Quitter {
    int got = 0;
    int onMessage(zEvent*) {
      ++got;
      PostQuitMessage(4);
      return 1;
    }
  } quitter;
  frame.addNotifyHandler(&quitter, &Quitter::onMessage, WM_USER + 3);
  PostMessageA(frame.handle(), WM_USER + 3, 0, 0);
  EXPECT_EQ(runLoopWithDeadline(), 4);
  EXPECT_EQ(quitter.got, 1);
  ziCurrentModelessDialog = nullptr;
}

struct CommandCounter {
  std::vector<int> commands;
  int onCommand(zEvent* e) {
    commands.push_back(LOWORD(e->wParam_));
    return 1;
  }
  int onDone(zEvent*) {
    PostQuitMessage(6);
    return 1;
  }
};

TEST_F(Program, AcceleratorsOnlyWhileTheMainFrameIsEnabled) {
  LoggingFrame frame;
  EXPECT_FALSE(app_->loadAccelerators(zResId(4242)));  // no such table
  EXPECT_FALSE(app_->loadAccelerators(zResId(kTestAccelerators, "no-such-module.dll")));
  EXPECT_EQ(app_->accelerators(), nullptr);
  ASSERT_TRUE(app_->loadAccelerators(zResId(kTestAccelerators)));
  CommandCounter counter;
  frame.appendCommandNode(
      new zNotifyNode(kTestCommand, zEventHandler(&counter, &CommandCounter::onCommand), WM_COMMAND));
  frame.addNotifyHandler(&counter, &CommandCounter::onDone, WM_USER + 4);
  // Enabled: the key becomes the command.
  PostMessageA(frame.handle(), WM_KEYDOWN, VK_F5, 0);
  PostMessageA(frame.handle(), WM_USER + 4, 0, 0);
  EXPECT_EQ(runLoopWithDeadline(), 6);
  EXPECT_EQ(counter.commands, (std::vector<int>{kTestCommand}));
  // Disabled (as while a modal dialog runs): no translation.
  frame.disable();
  PostMessageA(frame.handle(), WM_KEYDOWN, VK_F5, 0);
  PostMessageA(frame.handle(), WM_USER + 4, 0, 0);
  EXPECT_EQ(runLoopWithDeadline(), 6);
  EXPECT_EQ(counter.commands.size(), 1u);
  frame.enable();
}

// Ctrl+F4 closes the active MDI child through TranslateMDISysAccel, except while a modal
// dialog runs its loop.
TEST_F(Program, MdiSystemKeysOnlyOutsideModalLoops) {
  LoggingFrame frame;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefMDIChildProcA;
  wc.hInstance = app_->instance();
  wc.lpszClassName = "TestMdiChildCL";
  RegisterClassA(&wc);
  CLIENTCREATESTRUCT ccs = {nullptr, 100};
  const HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 300,
                                      frame.handle(), nullptr, app_->instance(), &ccs);
  ASSERT_TRUE(client);
  ziMDIClientWindow = client;
  auto makeChild = [client]() {
    MDICREATESTRUCTA mcs = {};
    mcs.szClass = "TestMdiChildCL";
    mcs.szTitle = "Child";
    mcs.hOwner = GetModuleHandleA(nullptr);
    mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
    return reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  };
  const HWND child = makeChild();
  ASSERT_TRUE(IsWindow(child));
  BYTE keys[256];
  GetKeyboardState(keys);
  BYTE withControl[256];
  std::copy(keys, keys + 256, withControl);
  withControl[VK_CONTROL] = 0x80;
  SetKeyboardState(withControl);
  CommandCounter counter;
  frame.addNotifyHandler(&counter, &CommandCounter::onDone, WM_USER + 4);

  app_->setModalLoop(1);
  PostMessageA(child, WM_KEYDOWN, VK_F4, 0);
  PostMessageA(frame.handle(), WM_USER + 4, 0, 0);
  EXPECT_EQ(runLoopWithDeadline(), 6);
  EXPECT_TRUE(IsWindow(child)) << "a modal loop leaves MDI keys alone";

  app_->setModalLoop(0);
  PostMessageA(child, WM_KEYDOWN, VK_F4, 0);
  PostMessageA(frame.handle(), WM_USER + 4, 0, 0);
  EXPECT_EQ(runLoopWithDeadline(), 6);
  EXPECT_FALSE(IsWindow(child)) << "outside modal loops Ctrl+F4 closes the child";

  SetKeyboardState(keys);
  ziMDIClientWindow = nullptr;
  // Children go before the client does.
  SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(makeChild()), 0);
  DestroyWindow(client);
  UnregisterClassA("TestMdiChildCL", app_->instance());
}

}  // namespace
