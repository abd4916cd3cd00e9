// The PDF viewer launcher: finds the system's PDF viewer (the program associated
// with ".pdf", or Acrobat through its own registry key) and hands it a report to show
// or print.
//
// Every failure is kept as an error flag with its text for the caller to show: no
// reader, a missing file, a shell call that failed. A missing, empty or unquoted
// registry value is a reader that is not there or a path taken as it stands, never
// a reason to end the program; a proxy whose probing or launch failed refuses later
// launches with its error rather than trying again.
#pragma once

#include "app/program/BatchRun.h"
#include "app/services/ViewerRules.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace PV {
namespace Util {

// The value of a registry key under root, or false when the key or value is
// missing or empty.
bool readRegistryString(HKEY root, const char* subkey, const char* valueName, std::string& text);

class PdfReaderCommandOptions {
 public:
  PdfReaderCommandOptions();
  virtual ~PdfReaderCommandOptions() = default;

  bool useAcrobatReader() const { return useAcrobatReader_; }
  bool acrobatReaderExists() const { return acrobatReaderExists_; }
  bool defaultReaderExists() const { return defaultReaderExists_; }
  bool acrobatIsDefault() const { return acrobatIsDefault_; }
  // Switching to Acrobat takes effect only where Acrobat exists.
  void setUseAcrobatReader(bool on) { useAcrobatReader_ = on && acrobatReaderExists_; }
  bool getError(std::string& text) const;

  int open(const std::string& file) { return launch(VIEW_OPEN, file); }
  int print(const std::string& file) { return launch(VIEW_PRINT, file); }
  int printHidden(const std::string& file) { return launch(VIEW_PRINT_HIDDEN, file); }
  // 1 when the viewer was started, 0 (with the error set) when not.
  int launch(ViewerCommand command, const std::string& file);

  // The last shell call made (for the program's own checks and its tests).
  const ShellCall& lastCall() const { return lastCall_; }

 private:
  void fail(const std::string& text);

  bool useAcrobatReader_ = false;
  bool acrobatReaderExists_ = false;
  bool defaultReaderExists_ = false;
  bool acrobatIsDefault_ = false;
  bool error_ = false;
  std::string errorMessage_;
  std::string acrobatExePath_;
  std::string acrobatExe_;
  std::string assocPdfReader_;
  ShellCall lastCall_;
};

class PdfViewerProxy : public PdfReaderCommandOptions, public App::ReportLauncher {
 public:
  // Mode: 0 nothing, 1 open, 2 print, 3 print with Acrobat's hidden switches.
  explicit PdfViewerProxy(uint32_t mode) : mode_(mode) {}
  void setMode(uint32_t mode) { mode_ = mode; }
  uint32_t mode() const { return mode_; }
  int run(const std::string& file) override;
  bool getError(std::string& text) const override { return PdfReaderCommandOptions::getError(text); }

 private:
  uint32_t mode_;
};

}  // namespace Util
}  // namespace PV
