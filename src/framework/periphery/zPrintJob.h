// A print job: prints a pane (or any object through four member functions) page by page
// as an idle task of the application, while a progress dialog shows the page and offers
// to cancel. One job at a time is current; the abort procedure that the spooler calls
// works on it.
//
// Lifecycle: made with new; print() starts it; it then runs in idle time and deletes
// itself (and its printer display and dialog) when it is done, fails, is cancelled or is
// aborted. print() answers false when the job already ended that way (a spooler that
// refused the document): the caller must not touch the job again in either case. A job
// that was never started may be deleted by its maker.
//
// Failure: a refused document ends the job at once through its end handler. A spooler
// error reported to the abort procedure, or the dialog's cancel, ends the job at the next
// point where no page call is running, so nothing runs on a job that is gone.
#pragma once

#include <cstdint>

#include "foundation/FLCString.h"
#include "foundation/Geometry.h"
#include "framework/core/zBoundMember.h"
#include "framework/core/zEvH.h"
#include "framework/core/zResId.h"
#include "framework/frames/zDialogFrame.h"

class zPrinterDisplay;
class zPrintJob;
class zStaticText;
class zWindow;

// The progress dialog of a print job: a dialog frame made from a dialog template of the
// caller's. Shown modeless; closing it does not end the job (cancel does, in the default
// dialog).
class zPrJobDlg : public zDialogFrame {
 public:
  // The template is looked up in the id's module, or in the application's.
  zPrJobDlg(zWindow* owner, const zResId& templateId);
  ~zPrJobDlg() override;

  virtual void showBand(int band) { (void)band; }
  virtual void showPage(int page) { (void)page; }
  // Cancel (IDCANCEL) from the dialog; the base ignores it. May delete the dialog.
  virtual void cancel() {}
  // IDCANCEL goes to cancel(); nothing of the dialog is touched after it.
  int onCommand(zEvent* event) override;

  using zDialogFrame::show;
  void show() { show(SW_SHOW); }
  // Hides the window; it stays until the object goes.
  void close();
  zPrintJob* job() const { return job_; }
  void setJob(zPrintJob* job) { job_ = job; }

 private:
  zPrintJob* job_;
};

// "Page #" and "Band #" lines (static texts 102 and 103) and a default cancel button
// (id 2) that aborts the job; the dialog takes the three over from its template.
class zDefPrJobDlg : public zPrJobDlg {
 public:
  static constexpr int pageTextId = 102;
  static constexpr int bandTextId = 103;

  zDefPrJobDlg(zWindow* owner, const zResId& templateId);
  void showBand(int band) override;
  void showPage(int page) override;
  // Aborts the job, which deletes its dialog (this one) with it.
  void cancel() override;

 private:
  int onCancel(zEvent* event);

  zStaticText* pageText_;
  zStaticText* bandText_;
};

class zPrintJob : public zEvH {
 public:
  using BeginHandler = zBoundMember<int(zPrinterDisplay*, zPrintJob*)>;
  using EndHandler = zBoundMember<void(zPrinterDisplay*, zPrintJob*)>;
  using PageHandler = zBoundMember<int(zPrinterDisplay*, zRect&)>;
  using NextPageHandler = zBoundMember<int()>;

  // A pane, or anything with the pane's printing protocol: beginPrint, endPrint,
  // printPage and nextPage. The job owns the display and the dialog (which may be null).
  template <class P>
  zPrintJob(P* pane, zPrinterDisplay* display, zPrJobDlg* dialog) : zPrintJob(display, dialog) {
    begin_ = BeginHandler(pane, &P::beginPrint);
    end_ = EndHandler(pane, &P::endPrint);
    printPage_ = PageHandler(pane, &P::printPage);
    nextPage_ = NextPageHandler(pane, &P::nextPage);
  }
  // For member-function targets, set with the four setters.
  zPrintJob(zPrinterDisplay* display, zPrJobDlg* dialog);
  ~zPrintJob() override;

  void setBegin(const BeginHandler& h) { begin_ = h; }
  void setEnd(const EndHandler& h) { end_ = h; }
  void setPrintPage(const PageHandler& h) { printPage_ = h; }
  void setNextPage(const NextPageHandler& h) { nextPage_ = h; }
  void setDocName(const char* name) { docName_ = name ? name : ""; }
  const FLCString& docName() const { return docName_; }
  zPrinterDisplay* display() const { return display_; }
  zPrJobDlg* dialog() const { return dialog_; }
  void setBanding(bool on) { banding_ = on ? 1 : 0; }

  // Starts the job. With modal, the owner of the dialog (the main frame) is disabled
  // while the job runs. False when the job has already ended (and is deleted).
  bool print(bool modal);
  // Aborts the document and ends the job, which deletes itself; while a page call is
  // running, at the end of that call.
  void abort(bool deleteDialog);
  // One idle step: a page, a band or the end; nonzero when the job has ended (and is
  // deleted).
  int step();

  static zPrintJob* current() { return current_; }
  // The spooler's abort procedure: continue while there is no error or no job; otherwise
  // the current job is aborted and the spooler told to stop.
  static BOOL CALLBACK abortProc(HDC dc, int code);

 private:
  void printOnePage();
  // End handler, display and dialog go; the job stops being current.
  void finish(bool deleteDialog);
  // Ends a job whose abort was asked for; returns 1 (the job is deleted).
  int endAborted();

  static zPrintJob* current_;

  zPrinterDisplay* display_;
  zPrJobDlg* dialog_;
  FLCString docName_;
  BeginHandler begin_;
  EndHandler end_;
  PageHandler printPage_;
  NextPageHandler nextPage_;
  int32_t banding_;
  int32_t band_;
  int32_t page_;
  int32_t copiesLeft_;
  bool started_;
  bool docOpen_;
  bool inPageCall_;
  bool abortRequested_;
  bool deleteDialogOnAbort_;
  bool queued_;
  HWND disabledOwner_;
};
