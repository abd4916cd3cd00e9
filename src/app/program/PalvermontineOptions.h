// The program's 24 command-line options and one query per option.
#pragma once

#include "app/program/OptionParser.h"

#include <cstdint>
#include <string>

namespace PV {
namespace Util {

class PalvermontineOptions : public Options {
 public:
  // From the program's command-line text: GUI mode unless "-console" is given.
  explicit PalvermontineOptions(const char* commandLine);
  // From an argument vector: console mode unless "-gui" is given.
  PalvermontineOptions(int argc, const char* const* argv);

  // 1 when "-gui" is present, else 0 when "-console" is present, else the default of
  // the way the set was built. "-gui" wins when both are given.
  int32_t isGuiMode();
  bool isModeGiven() const { return isPresent("-gui") || isPresent("-console"); }

  bool getInput(std::string& s) const { return binary("-input", s); }
  bool getOutput(std::string& s) const { return binary("-output", s); }
  bool getPdf(std::string& s) const { return binary("-pdf", s); }
  bool getFileName(std::string& s) const;
  bool getHelpText(std::string& s) const;

  bool isSolve() const { return isPresent("-solve"); }
  bool isLaunchPdf() const { return isPresent("-launch_pdf"); }
  bool isPdfMfn() const { return isPresent("-pdf_mfn"); }
  bool isTbDm1() const { return isPresent("-tbdm1"); }
  bool isTbDm2() const { return isPresent("-tbdm2"); }
  bool isTbNoExit() const { return isPresent("-tbnoexit"); }
  bool isTbExitB() const { return isPresent("-tbexitb"); }
  bool isTbExitP() const { return isPresent("-tbexitp"); }
  bool isMkdm() const { return isPresent("-mkdm"); }
  bool isPath() const { return isPresent("-path"); }
  bool isTestApp() const { return isPresent("-testapp"); }
  bool isTcPortrait() const { return isPresent("-tc_portrait"); }
  bool isTcLandscape() const { return isPresent("-tc_landscape"); }
  bool isPdfSuppressScores() const { return isPresent("-pdf_suppress_scores"); }
  bool isPdfAppendTimestamp() const { return isPresent("-pdf_append_timestamp"); }
  bool isFullScreen() const { return isPresent("-fullscreen"); }
  bool isHelp() const { return isPresent("-help"); }

  // The usage text that "-help" writes.
  static const char* usageText();

 private:
  bool binary(const char* name, std::string& s) const;
  int32_t guiDefault_;
};

}  // namespace Util
}  // namespace PV
