// What the program's start-up asks of Windows: where its own file lies, the report
// logo from its resources, and the two ways a run talks to its user (lines on the
// standard streams in console mode, message boxes in GUI mode).
#pragma once

#include "app/program/BatchRun.h"
#include "report/ReportInputs.h"

#include <windows.h>

#include <string>

namespace PV {
namespace App {

// Folders as UTF-8, without a final separator: the program's own, and the user's
// documents folder, where new model files and the reports of models that were never
// saved go (PALVERMONTINE_DOCUMENTS_DIR in its place when set).
std::string programFolder();
std::string documentsFolder();

// A message box of UTF-8 texts (so that any file name shows as it is), with
// MessageBox's flags and answer.
int showMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// While one lives, the message boxes of the thread that made it show their whole
// caption: a box is laid out as wide as its text and buttons, so a long caption over a
// short text would be cut. Such a box is widened (within the screen) and its contents
// kept in the middle.
class WholeBoxCaptions {
 public:
  WholeBoxCaptions();
  ~WholeBoxCaptions();
  WholeBoxCaptions(const WholeBoxCaptions&) = delete;
  WholeBoxCaptions& operator=(const WholeBoxCaptions&) = delete;

 private:
  HHOOK hook_;
};

// While one lives, Escape answers No in every Yes/No box of the thread that made it, those
// opened with MessageBox directly too (showMessage does so for its own boxes): such a box
// has no Cancel button, and Escape would do nothing.
class EscapeAnswersNo {
 public:
  EscapeAnswersNo();
  ~EscapeAnswersNo();
  EscapeAnswersNo(const EscapeAnswersNo&) = delete;
  EscapeAnswersNo& operator=(const EscapeAnswersNo&) = delete;

 private:
  HHOOK hook_;
};

// The logo bitmap of the resources (683) as the report reads it; empty when missing.
Report::ReportLogo loadReportLogo(HINSTANCE module, int resourceId);

// Console mode: "where" lines on standard output, problems as "caption: text" on
// standard error; never a window.
class ConsoleUi : public BatchUi {
 public:
  void tell(Kind kind, const std::string& caption, const std::string& text) override;
  void where(const std::string& line) override;
};

// GUI mode: each problem in a message box; the "where" lines are collected.
class MessageBoxUi : public BatchUi {
 public:
  void tell(Kind kind, const std::string& caption, const std::string& text) override;
  void where(const std::string& line) override { lines_ += line + "\n"; }
  const std::string& lines() const { return lines_; }

 private:
  std::string lines_;
};

// Writes text to a standard stream of the process (attaching to the parent's
// console when the program has no stream of its own).
void writeStd(DWORD which, const std::string& text);

}  // namespace App
}  // namespace PV
