#include "framework/periphery/zPrintJob.h"

#include <cstdio>

#include "framework/core/zProgram.h"
#include "framework/core/zTaskDev.h"
#include "framework/controls/zButton.h"
#include "framework/core/zWindow.h"
#include "framework/periphery/zPrinter.h"

// ---------------------------------------------------------------------------------------
// The progress dialog.

zPrJobDlg::zPrJobDlg(zWindow* owner, const zResId& templateId) : zDialogFrame(owner, templateId), job_(nullptr) {
  // A progress dialog made before any other frame must not become the program's main
  // frame: its window going would stop the idle tasks and end the program's loop.
  if (zTheProgram && zTheProgram->mainFrame() == this) zTheProgram->setMainFrame(nullptr);
}

zPrJobDlg::~zPrJobDlg() = default;

int zPrJobDlg::onCommand(zEvent* event) {
  if (event && LOWORD(event->wParam_) == IDCANCEL) {
    cancel();  // may delete the dialog: nothing of it is touched after
    return 1;
  }
  return zDialogFrame::onCommand(event);
}

void zPrJobDlg::close() {
  if (handle_) ShowWindow(handle_, SW_HIDE);
}

zDefPrJobDlg::zDefPrJobDlg(zWindow* owner, const zResId& templateId)
    : zPrJobDlg(owner, templateId), pageText_(nullptr), bandText_(nullptr) {
  // A template without one of the three leaves that part out.
  if (childById(bandTextId)) bandText_ = new zStaticText(this, bandTextId);
  if (childById(pageTextId)) pageText_ = new zStaticText(this, pageTextId);
  if (childById(IDCANCEL)) {
    zDefPushButton* button = new zDefPushButton(this, IDCANCEL);
    button->addCommandNotify(this, &zDefPrJobDlg::onCancel);
  }
}

int zDefPrJobDlg::onCancel(zEvent*) {
  cancel();  // may delete the dialog: nothing of it is touched after
  return 1;
}

void zDefPrJobDlg::showBand(int band) {
  char text[32];
  std::snprintf(text, sizeof text, "Band #%d", band);
  if (bandText_) bandText_->setText(text);
}

void zDefPrJobDlg::showPage(int page) {
  char text[32];
  std::snprintf(text, sizeof text, "Page #%d", page);
  if (pageText_) pageText_->setText(text);
}

void zDefPrJobDlg::cancel() {
  if (job()) {
    job()->abort(true);
  } else {
    close();
  }
}

// ---------------------------------------------------------------------------------------
// The job.

zPrintJob* zPrintJob::current_ = nullptr;

zPrintJob::zPrintJob(zPrinterDisplay* display, zPrJobDlg* dialog)
    : display_(display),
      dialog_(dialog),
      banding_(0),
      band_(0),
      page_(display ? display->page() : 1),
      copiesLeft_(1),
      started_(false),
      docOpen_(false),
      inPageCall_(false),
      abortRequested_(false),
      deleteDialogOnAbort_(true),
      queued_(false),
      disabledOwner_(nullptr) {
  current_ = this;
  if (dialog_) dialog_->setJob(this);
}

zPrintJob::~zPrintJob() {
  if (queued_ && zTheProgram && zTheProgram->taskDev()) zTheProgram->taskDev()->remove(this, &zPrintJob::step);
  // A job deleted by its maker while it runs leaves no document open in the spooler.
  if (docOpen_ && display_) display_->abortDoc();
  docOpen_ = false;
  if (display_ || dialog_) finish(true);
  if (current_ == this) current_ = nullptr;
}

BOOL CALLBACK zPrintJob::abortProc(HDC, int code) {
  if (code == 0 || !current_) return TRUE;
  // The spooler calls this from inside a page call of the job: the job ends when that
  // call has returned.
  current_->abortRequested_ = true;
  current_->deleteDialogOnAbort_ = true;
  return FALSE;
}

bool zPrintJob::print(bool modal) {
  started_ = true;
  if (display_) {
    display_->setAbortProc(&zPrintJob::abortProc);
    copiesLeft_ = display_->copies();
  }
  if (begin_.isSet()) begin_(display_, this);
  if (!display_ || !display_->startDoc(docName_)) {
    finish(true);
    delete this;
    return false;
  }
  docOpen_ = true;
  if (dialog_) {
    if (!dialog_->isVisible()) dialog_->show();
    dialog_->showPage(page_);
  }
  printOnePage();
  if (abortRequested_) {
    endAborted();
    return false;
  }
  if (zTheProgram && zTheProgram->taskDev()) {
    zTheProgram->taskDev()->add(this, &zPrintJob::step);
    queued_ = true;
  }
  if (modal) {
    zWindow* frame = zTheProgram ? zTheProgram->mainFrame() : nullptr;
    if (frame && frame->handle() && IsWindowEnabled(frame->handle())) {
      disabledOwner_ = frame->handle();
      EnableWindow(disabledOwner_, FALSE);
    }
  }
  return true;
}

void zPrintJob::printOnePage() {
  inPageCall_ = true;
  display_->startPage();
  zRect whole;
  if (printPage_.isSet()) printPage_(display_, whole);
  display_->endPage();
  inPageCall_ = false;
}

int zPrintJob::step() {
  if (abortRequested_) return endAborted();
  if (!printPage_.isSet()) {
    if (docOpen_) display_->endDoc();
    docOpen_ = false;
    finish(true);
    delete this;
    return 1;
  }
  if (banding_) {
    zRect band;
    inPageCall_ = true;
    display_->nextBand(band);
    inPageCall_ = false;
    if (abortRequested_) return endAborted();
    if (band.width() > 0 && band.height() > 0) {
      if (dialog_) dialog_->showBand(band_);
      ++band_;
      inPageCall_ = true;
      printPage_(display_, band);
      inPageCall_ = false;
      return abortRequested_ ? endAborted() : 0;
    }
  }
  // Each page was ended right after it was printed, so no page is open here to end.
  const int more = nextPage_.isSet() ? nextPage_() : 0;
  if (more) {
    page_ = display_->page() + 1;
    display_->setPage(page_);
    if (dialog_) dialog_->showPage(page_);
    printOnePage();
    return abortRequested_ ? endAborted() : 0;
  }
  if (!display_->collate() || --copiesLeft_ <= 0) {
    display_->endDoc();
    docOpen_ = false;
    finish(true);
    delete this;
    return 1;
  }
  page_ = display_->fromPage();
  if (dialog_) dialog_->showPage(page_);
  display_->setPage(page_);
  printOnePage();
  return abortRequested_ ? endAborted() : 0;
}

void zPrintJob::abort(bool deleteDialog) {
  if (inPageCall_) {
    // A cancel that arrives during a page call (a page that pumps messages) waits for it.
    abortRequested_ = true;
    deleteDialogOnAbort_ = deleteDialog;
    return;
  }
  abortRequested_ = true;
  deleteDialogOnAbort_ = deleteDialog;
  endAborted();
}

int zPrintJob::endAborted() {
  if (docOpen_ && display_) display_->abortDoc();
  docOpen_ = false;
  finish(deleteDialogOnAbort_);
  delete this;
  return 1;
}

void zPrintJob::finish(bool deleteDialog) {
  if (started_ && end_.isSet()) end_(display_, this);
  started_ = false;
  delete display_;
  display_ = nullptr;
  if (disabledOwner_) {
    EnableWindow(disabledOwner_, TRUE);
    disabledOwner_ = nullptr;
  }
  if (dialog_) {
    dialog_->close();
    dialog_->setJob(nullptr);
    if (deleteDialog) delete dialog_;
    dialog_ = nullptr;
  }
  if (current_ == this) current_ = nullptr;
  begin_ = BeginHandler();
  end_ = EndHandler();
  printPage_ = PageHandler();
  nextPage_ = NextPageHandler();
}
