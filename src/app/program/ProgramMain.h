// The program's main routine up to its message loop: opens the option files, reads
// the command line and carries out what it asks. A console run ends there with the
// exit code of the batch run, without a window; a GUI run leaves the main window
// shown with the model the command line (or the start-up rule) gave it.
#pragma once

#include "app/program/BatchRun.h"
#include "app/program/ShellServices.h"
#include "app/program/WMain.h"
#include "app/program/PalvermontineOptions.h"
#include "report/ReportInputs.h"

#include <cstdint>
#include <memory>
#include <string>

class zProgram;

namespace PV {
namespace App {

class ProgramMain {
 public:
  explicit ProgramMain(zProgram* app);
  // Deletes the main window, then the model, option and information singletons.
  ~ProgramMain();
  ProgramMain(const ProgramMain&) = delete;
  ProgramMain& operator=(const ProgramMain&) = delete;

  // Everything before the message loop. True when the loop is to run (GUI mode);
  // false when the program ends here with exitCode().
  bool start();
  int32_t exitCode() const { return code_; }
  WMain* window() const { return window_; }

 private:
  zProgram* app_;
  PV::Util::PalvermontineOptions options_;
  bool console_;
  std::unique_ptr<WholeBoxCaptions> wholeCaptions_;
  std::unique_ptr<EscapeAnswersNo> escapeAnswersNo_;
  ConsoleUi consoleUi_;
  MessageBoxUi boxUi_;
  std::string appName_;
  Report::ReportLogo logo_;
  BatchEnvironment env_;
  std::unique_ptr<BatchRun> batch_;
  WMain* window_ = nullptr;
  int32_t code_ = BATCH_OK;
};

// The whole program: start, message loop, end.
int32_t runProgram(zProgram* app);

}  // namespace App
}  // namespace PV
