// The work the command line asks for once the option files are open: build the
// demonstration model or load the input model (or the start-up model), solve it,
// save it under the output name and write its PDF report.
//
// Console mode never waits for a person: every problem is told through the UI
// object (standard error there) and ends the run with a non-zero exit code of its
// own (BatchExit), so that a calling script sees what failed. Where the files went
// is told as "Model: <path>" and "Report: <path>".
//
// The command line is checked before the first step: -input, -output or -pdf without a
// file name ("-input needs a file name") ends a console run with that step's code
// before anything is read or written (a window goes on without that step), and the
// words the program did not understand are named as a warning.
#pragma once

#include "app/document/ModelDocument.h"
#include "app/program/PalvermontineOptions.h"
#include "math/HJAlgorithm.h"
#include "model/AppOpts.h"
#include "model/MdlOpts.h"
#include "model/RankSolutionData.h"
#include "report/ReportInputs.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace PV {
namespace App {

enum BatchExit : int32_t {
  BATCH_OK = 0,
  BATCH_LOAD_FAILED = 2,
  BATCH_SOLVE_FAILED = 3,
  BATCH_SAVE_FAILED = 4,
  BATCH_REPORT_FAILED = 5,
  BATCH_HELP_FAILED = 6,
  // A step failed in a way none of them foresaw (an error the program did not expect):
  // the run stopped there and told its text.
  BATCH_INTERNAL_ERROR = 7,
};

// How the run talks to its user: console mode writes lines, GUI mode shows boxes.
class BatchUi {
 public:
  enum Kind { TELL_INFO, TELL_WARNING, TELL_ERROR };
  virtual ~BatchUi() = default;
  virtual void tell(Kind kind, const std::string& caption, const std::string& text) = 0;
  // One line saying where a file went.
  virtual void where(const std::string& line) = 0;
};

// A viewer that says afterwards why it could not show the file.
class ReportLauncher : public Report::ReportViewer {
 public:
  // True, with the text, when the viewer could not be found or started.
  virtual bool getError(std::string& text) const = 0;
};

struct BatchEnvironment {
  const Data::PalvermontineAppOpts* appOpts = nullptr;
  const Data::PalvermontineMdlOpts* mdlOpts = nullptr;
  // The recent-files list file; read only, never created by a batch run.
  std::string recentFilesPath;
  // Where the report of a model that has no file goes (the user's documents
  // folder, where a new model file is proposed too); empty: the current folder.
  std::string documentsFolder;
  // Finds that folder when documentsFolder is empty (asked once at most, when needed).
  std::function<std::string()> findDocumentsFolder;
  std::string appName = "Palvermontine";
  BatchUi* ui = nullptr;
  // The report logo, when the program has one.
  const Report::ReportLogo* logo = nullptr;
  // Makes the viewer for a report (mode 1 open); none: the report is not shown.
  std::function<std::unique_ptr<ReportLauncher>(uint32_t mode)> makeViewer;
  // Best Choice as the main window runs it ("-solve" in GUI mode: solve and show the
  // ranking); none: the run solves by itself.
  std::function<bool()> bestChoice;
};

class BatchRun {
 public:
  BatchRun(Util::PalvermontineOptions& options, const BatchEnvironment& environment);
  ~BatchRun();

  // "-help": writes "PalvermontineHelp.log" into the folder (current when empty);
  // false when it could not be written.
  static bool writeHelpLog(const std::string& folder, std::string* path = nullptr);

  // "-mkdm": the demonstration model becomes the current model.
  void makeDemoModel();
  // The second command-line step, all of it; BATCH_OK or the first failure's code.
  // An exception a step lets escape ends the run with BATCH_INTERNAL_ERROR after its
  // text was told; a GUI run then still has a model to show.
  int32_t run();

  // The model's full file path (empty for a model never saved), the caption the
  // main window would show, and the report written (empty when none).
  const std::string& modelFile() const { return fn_; }
  const std::string& caption() const { return caption_; }
  const std::string& reportFile() const { return reportFile_; }
  // Whether the current model is the new default model the run made itself.
  bool madeDefaultModel() const { return madeDefault_; }

  // The load routine: true when the model was loaded. A name that is not a model
  // file's is refused as not found.
  bool loadModel(const std::string& name);
  // The start-up model rule; true when it loaded a model.
  bool loadStartupModel();
  void makeNewDefaultModel();
  // Solves the model; the ranking into *ranking when one is given. False, with the
  // reason told, for a model not completely scored and for a solve that gave no
  // ranking.
  bool solve(Data::RankSolutionData* ranking = nullptr);
  bool saveAs(const std::string& name);
  // Writes the report; display hands it to the viewer to show, print to print (a
  // viewer that was not found is told and never asked to print).
  bool report(bool display, bool print = false);
  // The open model, which the main window and its model windows work on too.
  ModelDocument& document() { return document_; }
  // The model in memory has no file any more (a new model replaced it).
  void forgetModelFile() { fn_.clear(); }
  // Tells the user why the last reconcile's log could not be written, once.
  void tellLogError();
  // The caption for a model that has no file.
  void setCaption(const std::string& caption) { caption_ = caption; }

  // The report's file name: the path asked for, else the model file's name with
  // ".pdf" in place of ".xpv", else the model's name in the documents folder.
  std::string reportName(const std::string& requested) const;
  // What a solve that gave no ranking tells the user, by the solver's status.
  static std::string unsolvedText(uint32_t status);

 private:
  int32_t runSteps();
  // Tells the words of the command line that the program did not understand.
  void tellNotUnderstood();
  // A leading file name beside -input is not opened: the user is told so.
  void tellSecondModelFile();
  // The first option that takes a file name and was given none, with the code its
  // step fails with; empty when every such option has its name.
  std::string missingFileName(int32_t* code) const;
  void setCaptionFromFile();

  Util::PalvermontineOptions& options_;
  BatchEnvironment env_;
  ModelDocument document_;
  std::unique_ptr<Math::Algorithm> demoAlgorithm_;
  bool demoBuilt_ = false;
  bool madeDefault_ = false;
  std::string fn_;
  std::string caption_;
  std::string reportFile_;
};

}  // namespace App
}  // namespace PV
