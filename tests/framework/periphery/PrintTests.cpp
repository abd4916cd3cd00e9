// Printing without a printer (the machine has none): the empty printer list, the display
// without a context, and a job that ends through its failure path; and the job's page
// sequence, cancel and abort over a printer display whose spooler calls are the test's
// own (nothing reaches a device).
#include "framework/periphery/zPrintJob.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PeripheryTestSupport.h"
#include "framework/core/zProgramFrame.h"
#include "framework/core/zResId.h"
#include "framework/core/zTaskDev.h"
#include "framework/draw/zBitmap.h"
#include "framework/periphery/zPrinter.h"
#include "periphery_test_resources.h"

namespace {

std::vector<std::string> journal;
int displaysDeleted = 0;
int dialogsDeleted = 0;

// A printer display whose spooler accepts everything and writes what it was asked into
// the journal.
class JournalPrinter : public zPrinterDisplay {
 public:
  explicit JournalPrinter(bool spoolerWorks = true) : spoolerWorks_(spoolerWorks) {}
  ~JournalPrinter() override { ++displaysDeleted; }
  bool startDoc(const char* name) override {
    journal.push_back(std::string("startDoc ") + name);
    return spoolerWorks_;
  }
  int startPage() override {
    journal.push_back("startPage");
    return 1;
  }
  int endPage() override {
    journal.push_back("endPage");
    return 1;
  }
  int endDoc() override {
    journal.push_back("endDoc");
    return 1;
  }
  int abortDoc() override {
    journal.push_back("abortDoc");
    return 1;
  }
  int setAbortProc(ABORTPROC proc) override {
    journal.push_back(proc == &zPrintJob::abortProc ? "abortProc" : "other proc");
    return 1;
  }

 private:
  bool spoolerWorks_;
};

// Something printable with the pane's protocol.
class Document {
 public:
  explicit Document(int pages) : pages_(pages) {}
  int beginPrint(zPrinterDisplay*, zPrintJob*) {
    journal.push_back("begin");
    return 1;
  }
  void endPrint(zPrinterDisplay*, zPrintJob*) { journal.push_back("end"); }
  int printPage(zPrinterDisplay* display, zRect&) {
    journal.push_back("page " + std::to_string(display->page()));
    if (zPrintJob* job = zPrintJob::current()) {
      if (job->dialog() && job->dialog()->handle()) {
        char text[32] = "";
        GetDlgItemTextA(job->dialog()->handle(), zDefPrJobDlg::pageTextId, text, sizeof text);
        shown.push_back(text);
      }
    }
    if (display->page() == failOnPage) {
      // The spooler reports an error from inside the page call.
      abortAnswer = zPrintJob::abortProc(nullptr, SP_ERROR);
    }
    return 1;
  }
  int nextPage() {
    if (next_ >= pages_) {
      next_ = 1;
      return 0;
    }
    ++next_;
    return 1;
  }

  std::vector<std::string> shown;
  int failOnPage = 0;
  BOOL abortAnswer = -1;

 private:
  int pages_;
  int next_ = 1;
};

// Answers every dialog that the thread shows with Cancel, as a user would; counts what it
// answered.
int dialogsCancelled = 0;
BOOL CALLBACK cancelDialog(HWND window, LPARAM) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  if (IsWindowVisible(window) && std::string(name) == "#32770") {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ++dialogsCancelled;
  }
  return TRUE;
}
void CALLBACK cancelDialogs(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), &cancelDialog, 0); }

class CountedDialog : public zDefPrJobDlg {
 public:
  CountedDialog() : zDefPrJobDlg(nullptr, zResId(IDD_PRINT_PROGRESS)) {}
  ~CountedDialog() override { ++dialogsDeleted; }
};

class Printing : public PeripheryTest {
 protected:
  void SetUp() override {
    PeripheryTest::SetUp();
    journal.clear();
    displaysDeleted = 0;
    dialogsDeleted = 0;
  }
};

TEST_F(Printing, PrinterSpecsAreParsedIntoTheirThreeParts) {
  struct Case {
    const char* text;
    const char* device;
    const char* driver;
    const char* port;
  };
  const Case cases[] = {
      {"HP LaserJet 4,winspool,LPT1:", "HP LaserJet 4", "winspool", "LPT1:"},
      {"Office, winspool,   FILE:", "Office", "winspool", "FILE:"},
      {"Lonely", "Lonely", nullptr, nullptr},
      {"Half,drv", "Half", "drv", nullptr},
      {"", nullptr, nullptr, nullptr},
  };
  auto check = [](const char* part, const char* expected, const char* what) {
    if (!expected)
      EXPECT_EQ(part, nullptr) << what;
    else
      EXPECT_STREQ(part, expected) << what;
  };
  for (const Case& c : cases) {
    zPrinterSpec spec(c.text);
    check(spec.device, c.device, c.text);
    check(spec.driver, c.driver, c.text);
    check(spec.port, c.port, c.text);
    // A copy points into its own buffer.
    zPrinterSpec copy(spec);
    check(copy.device, c.device, c.text);
    check(copy.port, c.port, c.text);
    if (copy.device) {
      EXPECT_GE(copy.device, copy.text);
      EXPECT_LT(copy.device, copy.text + sizeof copy.text);
    }
  }
  // An overlong text is cut to the buffer, still terminated.
  const std::string longName(400, 'p');
  zPrinterSpec cut((longName + ",drv,port").c_str());
  EXPECT_EQ(std::string(cut.device).size(), zPrinterSpec::textSize - 1);
  EXPECT_EQ(cut.driver, nullptr);
}

TEST_F(Printing, WithoutPrintersTheListIsEmptyAndTheDisplayHasNoContext) {
  zPrinterList* list = printerList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->entries(), 0u) << "this machine has no printer";
  freePrinterList(list);
  freePrinterList(nullptr);

  zPrinterSpec defaultPrinter;
  EXPECT_EQ(defaultPrinter.driver, nullptr);

  zPrinterDisplay display;
  EXPECT_EQ(display.kind(), 3);
  EXPECT_EQ(display.hdc(), nullptr);
  EXPECT_FALSE(display.isLocked());
  EXPECT_EQ(display.horzRes(), 0);
  EXPECT_EQ(display.vertRes(), 0);
  EXPECT_EQ(display.pixelsPerInchX(), 0);
  EXPECT_EQ(display.pageRect(), zRect(0, 0, 0, 0));
  EXPECT_EQ(display.page(), 1);
  EXPECT_EQ(display.fromPage(), 1);
  EXPECT_EQ(display.toPage(), 32767);
  EXPECT_EQ(display.copies(), 1);
  EXPECT_EQ(display.collate(), 0);
  EXPECT_FALSE(display.startDoc("nothing"));
  EXPECT_EQ(display.startPage(), -1);
  zBitmap bitmap(4, 4, 1, 1);
  EXPECT_FALSE(display.drawBitmap(bitmap, zPoint(0, 0)));
  display.setPageRect(zRect(-5, -5, 100, 100), true);
  EXPECT_EQ(display.pageRect(), zRect(0, 0, 0, 0)) << "clipped to a device of no size";
}

TEST_F(Printing, TheProgressDialogIsADialogFrameThatNeverEndsTheProgram) {
  CountedDialog* dialog = new CountedDialog;
  EXPECT_TRUE(dialog->hasTypeBit(zTypeDialogFrame));
  EXPECT_EQ(app_->mainFrame(), nullptr) << "made before any other frame, still not the main frame";
  for (int id : {zDefPrJobDlg::pageTextId, zDefPrJobDlg::bandTextId})
    EXPECT_TRUE(dialog->childById(id)->hasTypeBit(zTypeStaticText)) << id;
  EXPECT_TRUE(dialog->childById(IDCANCEL)->hasTypeBit(zTypeDefPushButton));
  dialog->showPage(3);
  dialog->showBand(12);
  char text[32] = "";
  GetDlgItemTextA(dialog->handle(), zDefPrJobDlg::pageTextId, text, sizeof text);
  EXPECT_STREQ(text, "Page #3");
  GetDlgItemTextA(dialog->handle(), zDefPrJobDlg::bandTextId, text, sizeof text);
  EXPECT_STREQ(text, "Band #12");
  // Cancel without a job only hides it.
  dialog->show();
  SendMessageA(dialog->handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_FALSE(IsWindowVisible(dialog->handle()));
  EXPECT_EQ(dialogsDeleted, 0);
  delete dialog;
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "no quit for the program's loop";
  struct Task {
    int runs = 0;
    int run() { return ++runs; }  // done after one pass
  } task;
  app_->taskDev()->add(&task, &Task::run);
  runIdle(1);
  EXPECT_EQ(task.runs, 1) << "idle tasks still run";
}

TEST_F(Printing, AJobWithoutAPrinterEndsThroughItsFailurePath) {
  Document document(3);
  CountedDialog* dialog = new CountedDialog;
  ASSERT_NE(dialog->handle(), nullptr) << "the progress dialog comes from the template";
  zPrintJob* job = new zPrintJob(&document, new zPrinterDisplay, dialog);
  EXPECT_EQ(zPrintJob::current(), job);
  EXPECT_EQ(dialog->job(), job);
  job->setDocName("Model report");
  // The refused document ends the job at once; it is gone when print returns.
  EXPECT_FALSE(job->print(false));
  EXPECT_EQ(journal, (std::vector<std::string>{"begin", "end"}));
  EXPECT_EQ(zPrintJob::current(), nullptr);
  EXPECT_EQ(dialogsDeleted, 1);
  EXPECT_EQ(app_->taskDev()->count(), 0) << "nothing left to run in idle time";
  runIdle();

  // The same through a display of the test's, to see the display go with the job.
  journal.clear();
  zPrintJob* second = new zPrintJob(&document, new JournalPrinter(false), nullptr);
  EXPECT_FALSE(second->print(true));
  EXPECT_EQ(journal, (std::vector<std::string>{"abortProc", "begin", "startDoc ", "end"}));
  EXPECT_EQ(displaysDeleted, 1);
}

TEST_F(Printing, PagesRunInIdleTimeAndCollatedCopiesRestartOnce) {
  struct Case {
    int collate;
    int copies;
    std::vector<std::string> expected;
  };
  const std::vector<std::string> onePass = {"startPage", "page 1", "endPage", "startPage", "page 2", "endPage"};
  std::vector<std::string> once = {"abortProc", "begin", "startDoc Scores"};
  once.insert(once.end(), onePass.begin(), onePass.end());
  std::vector<std::string> twice = once;
  twice.insert(twice.end(), onePass.begin(), onePass.end());
  for (auto* list : {&once, &twice}) {
    list->push_back("endDoc");
    list->push_back("end");
  }
  const Case cases[] = {
      {1, 2, twice},  // collated: the sequence restarts once at the first page
      {0, 2, once},   // not collated: once; the device makes the copies
      {1, 1, once},
  };
  for (const Case& c : cases) {
    journal.clear();
    displaysDeleted = dialogsDeleted = 0;
    Document document(2);
    JournalPrinter* display = new JournalPrinter;
    display->setCollate(c.collate);
    display->setCopies(c.copies);
    CountedDialog* dialog = new CountedDialog;
    zPrintJob* job = new zPrintJob(&document, display, dialog);
    job->setDocName("Scores");
    ASSERT_TRUE(job->print(false));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(app_->taskDev()->count(), 1);
    runIdle();
    EXPECT_EQ(app_->taskDev()->count(), 0);
    EXPECT_EQ(journal, c.expected) << "collate " << c.collate << ", copies " << c.copies;
    EXPECT_EQ(displaysDeleted, 1);
    EXPECT_EQ(dialogsDeleted, 1);
    EXPECT_EQ(zPrintJob::current(), nullptr);
    ASSERT_GE(document.shown.size(), 2u);
    EXPECT_EQ(document.shown[0], "Page #1");
    EXPECT_EQ(document.shown[1], "Page #2");
  }
}

TEST_F(Printing, CancelAndSpoolerErrorsEndTheJobSafely) {
  // Cancel from the progress dialog between pages.
  {
    Document document(5);
    CountedDialog* dialog = new CountedDialog;
    zPrintJob* job = new zPrintJob(&document, new JournalPrinter, dialog);
    ASSERT_TRUE(job->print(false));
    app_->taskDev()->idle();  // page 2
    SendMessageA(dialog->handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(zPrintJob::current(), nullptr);
    EXPECT_EQ(dialogsDeleted, 1);
    EXPECT_EQ(displaysDeleted, 1);
    EXPECT_EQ(app_->taskDev()->count(), 0);
    runIdle();
    ASSERT_GE(journal.size(), 4u);
    const std::vector<std::string> tail(journal.end() - 4, journal.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"page 2", "endPage", "abortDoc", "end"}));
  }
  // The abort procedure: no error, or no job, goes on.
  EXPECT_EQ(zPrintJob::abortProc(nullptr, 0), TRUE);
  EXPECT_EQ(zPrintJob::abortProc(nullptr, SP_ERROR), TRUE);

  // A spooler error during page 2: the job ends after that page call has returned.
  journal.clear();
  displaysDeleted = dialogsDeleted = 0;
  Document document(5);
  document.failOnPage = 2;
  zPrintJob* job = new zPrintJob(&document, new JournalPrinter, new CountedDialog);
  ASSERT_TRUE(job->print(false));
  runIdle();
  EXPECT_EQ(document.abortAnswer, FALSE);
  EXPECT_EQ(zPrintJob::current(), nullptr);
  EXPECT_EQ(displaysDeleted, 1);
  EXPECT_EQ(dialogsDeleted, 1);
  EXPECT_EQ(journal, (std::vector<std::string>{"abortProc", "begin", "startDoc ", "startPage", "page 1", "endPage",
                                               "startPage", "page 2", "endPage", "abortDoc", "end"}));
}

TEST_F(Printing, MemberFunctionTargetsAndAJobNeverStarted) {
  Document document(1);
  zPrintJob* job = new zPrintJob(new JournalPrinter, nullptr);
  job->setBegin(zPrintJob::BeginHandler(&document, &Document::beginPrint));
  job->setPrintPage(zPrintJob::PageHandler(&document, &Document::printPage));
  job->setEnd(zPrintJob::EndHandler(&document, &Document::endPrint));
  job->setDocName("Members");
  ASSERT_TRUE(job->print(false));
  runIdle();
  EXPECT_EQ(journal, (std::vector<std::string>{"abortProc", "begin", "startDoc Members", "startPage", "page 1",
                                               "endPage", "endDoc", "end"}));
  // With modal, the main frame takes no input while the job runs.
  journal.clear();
  zProgramFrame frame(nullptr, nullptr, WS_OVERLAPPEDWINDOW, "Main");
  app_->setMainFrame(&frame);
  zPrintJob* modal = new zPrintJob(&document, new JournalPrinter, new CountedDialog);
  ASSERT_TRUE(modal->print(true));
  EXPECT_FALSE(IsWindowEnabled(frame.handle()));
  runIdle();
  EXPECT_TRUE(IsWindowEnabled(frame.handle()));
  EXPECT_EQ(journal.back(), "end");
  app_->setMainFrame(nullptr);

  // Made and dropped without printing: no end call, the display goes.
  journal.clear();
  displaysDeleted = dialogsDeleted = 0;
  zPrintJob* unused = new zPrintJob(&document, new JournalPrinter, new CountedDialog);
  delete unused;
  EXPECT_TRUE(journal.empty());
  EXPECT_EQ(displaysDeleted, 1);
  EXPECT_EQ(dialogsDeleted, 1);
  EXPECT_EQ(zPrintJob::current(), nullptr);

  // Deleted by its maker while it runs: the document is aborted and the idle queue
  // forgets the job.
  Document longer(4);
  zPrintJob* running = new zPrintJob(&longer, new JournalPrinter, nullptr);
  ASSERT_TRUE(running->print(false));
  journal.clear();
  delete running;
  EXPECT_EQ(journal, (std::vector<std::string>{"abortDoc", "end"}));
  EXPECT_EQ(app_->taskDev()->count(), 0);
  runIdle();
}

TEST_F(Printing, ACancelledPrintDialogChangesNothing) {
  zPrinterDisplay display;
  dialogsCancelled = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, &cancelDialogs);
  const bool confirmed = display.setup();
  KillTimer(nullptr, timer);
  EXPECT_FALSE(confirmed);
  EXPECT_EQ(display.hdc(), nullptr);
  EXPECT_EQ(display.copies(), 1);
  EXPECT_EQ(display.collate(), 0);
}

}  // namespace
