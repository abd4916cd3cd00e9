#include "app/program/BatchRun.h"

#include "app/program/MRUPersistentList.h"
#include "math/MathServer.h"
#include "math/model.h"
#include "app/services/AboutInfo.h"
#include "factory/DemoModel.h"
#include "foundation/FileNames.h"
#include "model/ModelFileName.h"
#include "model/RankSolutionData.h"
#include "report/PdfData.h"
#include "report/PdfReport.h"
#include "report/ReportDevice.h"
#include "report/ReportFileName.h"
#include "xml/SystemText.h"

#include <cstdio>
#include <exception>
#include <new>

namespace PV {
namespace App {

namespace {

constexpr const char* kLoadCaption = "WARNING: Missing File Or Directory or File Corrupted";

// The full path of a name, in the system's form; empty when the system cannot make one.
std::string fullPath(const std::string& name) { return Files::fullPath(name); }

}  // namespace

BatchRun::BatchRun(Util::PalvermontineOptions& options, const BatchEnvironment& environment)
    : options_(options), env_(environment) {}

BatchRun::~BatchRun() = default;

bool BatchRun::writeHelpLog(const std::string& folder, std::string* path) {
  const std::string file = folder.empty() ? std::string("PalvermontineHelp.log")
                                          : folder + Report::folderSeparator() + "PalvermontineHelp.log";
  if (path) *path = file;
  std::FILE* out = Files::open(file, "wb");
  if (!out) return false;
  const bool ok = std::fprintf(out, "%s\n%s\n", Util::PalvermontineOptions::usageText(),
                               "beta options exist, remove post beta") > 0;
  return std::fclose(out) == 0 && ok;
}

void BatchRun::makeDemoModel() {
  Data::RankSolutionData ranking;
  demoAlgorithm_ = Test::makeDataModel(ranking, false, false);
  demoBuilt_ = true;
  madeDefault_ = false;
}

void BatchRun::setCaptionFromFile() {
  const bool showPath = env_.appOpts && env_.appOpts->get_guiAppOpts().get_showDirPathInMainWndwTitle();
  // The caption is screen text: the file's name in the screen's code page.
  caption_ = XML::Utf8ToSystem(showPath || options_.isPath() ? fn_ : Report::fileNameOf(fn_)) + " - " + env_.appName;
}

bool BatchRun::loadModel(const std::string& name) {
  const std::string path = fullPath(name);
  if (!Data::isModelFileName(path)) {
    env_.ui->tell(BatchUi::TELL_WARNING, kLoadCaption, Files::nativeSeparators(name) + " not found or corrupt");
    return false;
  }
  Data::DecisionModel* model = nullptr;
  try {
    model = document_.load(path);
  } catch (const std::bad_alloc&) {
    env_.ui->tell(BatchUi::TELL_WARNING, kLoadCaption, path + " is too large to open");
    return false;
  }
  if (!model) {
    const std::string why = document_.lastError();
    env_.ui->tell(BatchUi::TELL_WARNING, kLoadCaption, why.empty() ? path + " not found or corrupt" : why);
    return false;
  }
  fn_ = path;
  madeDefault_ = false;
  model->set_filepath(path);
  setCaptionFromFile();
  tellLogError();
  return true;
}

void BatchRun::tellLogError() {
  auto* server = document_.server();
  if (!server || server->getLogError().empty()) return;
  // Forgotten before it is told: a box's own message loop may ask again.
  const std::string why = server->getLogError();
  server->clearLogError();
  env_.ui->tell(BatchUi::TELL_WARNING, env_.appName, why);
}

void BatchRun::makeNewDefaultModel() {
  Data::ModelParameters params;
  if (env_.mdlOpts) {
    const auto& p = env_.mdlOpts->get_parmMdlOpts();
    if (!p.get_note().empty()) params.set_note(p.get_note());
    params.set_cfi(p.get_cfi());
    params.set_cfl(p.get_cfl());
    params.set_sil(static_cast<int8_t>(p.get_sil()));
  }
  document_.newModel(params, "DecisionModel", std::string());
  fn_.clear();
  madeDefault_ = true;
  caption_ = "DecisionModel - " + env_.appName;
}

bool BatchRun::loadStartupModel() {
  if (!env_.appOpts) return false;
  const auto& defaults = env_.appOpts->get_defaultValuesAppOpts();
  if (defaults.get_useCrc()) {
    const std::string& path = defaults.get_defaultDirectory();
    return !path.empty() && loadModel(path);
  }
  if (defaults.get_autoSave() && !env_.recentFilesPath.empty()) {
    // Read from the list file itself: a batch run has no recent-files menu.
    GUI::MRUPersistentList recent(env_.recentFilesPath, 4, false);
    return !recent.isEmpty(0) && loadModel(recent.get(0));
  }
  return false;
}

std::string BatchRun::unsolvedText(uint32_t status) {
  std::string why;
  switch (status) {
    case Math::MODEL_NOT_IN_STEP:
      why = "The choices, criteria or decision makers were changed after the pairs were drawn";
      break;
    case Math::MODEL_SCORES_INCOMPLETE:
      why = "Please Score All Preference Pairs For Each Decision Maker And Criteria And Try Again";
      break;
    case MODEL_EXCEEDED_MAX_ITERATIONS:
      why = "The calculation did not settle within its limit of iterations";
      break;
    case MODEL_CANCELED:
      why = "The calculation was stopped before it settled";
      break;
    default:
      why = "The calculation ended without a ranking";
      break;
  }
  return "The Model Could Not Be Solved!\n" + why + " (status " + std::to_string(status) + ")";
}

bool BatchRun::solve(Data::RankSolutionData* result) {
  if (!document_.isComplete()) {
    env_.ui->tell(BatchUi::TELL_INFO, "Palvermontine",
                  "The Model Is Not Solvable!\nPlease Score All Preference Pairs For Each "
                  "Decision Maker And Criteria And Try Again");
    return false;
  }
  Data::RankSolutionData ranking;
  const uint32_t status = document_.solve(&ranking);
  tellLogError();
  if (status != MODEL_COMPLETED) {
    env_.ui->tell(BatchUi::TELL_ERROR, "Palvermontine", unsolvedText(status));
    return false;
  }
  if (result) *result = std::move(ranking);
  return true;
}

bool BatchRun::saveAs(const std::string& name) {
  const std::string path = fullPath(Data::withModelExtension(name));
  if (path.empty() || !document_.save(path)) {
    std::string text =
        "File is read-only or inaccessible, use File|SaveAs -or- set attrib to read-write "
        "and/or resolve storage error";
    if (!document_.lastError().empty()) text += "\n" + document_.lastError();
    env_.ui->tell(BatchUi::TELL_ERROR, "ERROR: While Saving Loaded Model File, A Write Error Occurred",
                  (path.empty() ? name : path) + ": " + text);
    return false;
  }
  // The saved file is now the model's file: its report goes beside it.
  fn_ = path;
  madeDefault_ = false;
  document_.model()->set_filepath(path);
  setCaptionFromFile();
  env_.ui->where("Model: " + path);
  return true;
}

std::string BatchRun::reportName(const std::string& requested) const {
  if (!requested.empty()) return requested;
  if (!fn_.empty()) {
    return Data::withoutModelExtension(fn_) + ".pdf";
  }
  const std::string name = Report::defaultReportFileName(document_.model()->get_nm());
  const std::string folder =
      env_.documentsFolder.empty() && env_.findDocumentsFolder ? env_.findDocumentsFolder() : env_.documentsFolder;
  return fullPath(folder.empty() ? name : folder + Report::folderSeparator() + name);
}

bool BatchRun::report(bool display, bool print) {
  auto* model = document_.model();
  std::string requested;
  const bool pdfGiven = options_.getPdf(requested) && !requested.empty();
  const Data::RptAppOpts defaults;
  const Data::RptAppOpts& rpt = env_.appOpts ? env_.appOpts->get_rptAppOpts() : defaults;

  // A path given on the command line is the report's name as it stands; the time
  // stamp goes into it only when the command line asks for one. The two marks of
  // the command line override the options for this run.
  const bool appendTimestamp = options_.isPdfAppendTimestamp() || (!pdfGiven && rpt.get_appendTimestamp());
  const bool includeScores = rpt.get_includeScores() && !options_.isPdfSuppressScores();
  // The name in full, as the system writes it, so that what the user is told is
  // where the file is.
  std::string name = reportName(pdfGiven ? requested : std::string());
  if (const std::string full = fullPath(name); !full.empty()) name = full;
  if (model->get_filepath().empty()) model->set_filepath(Data::withModelExtension(model->get_nm()));

  // A report that is neither shown nor printed needs no viewer (finding one reads the
  // registry).
  std::unique_ptr<ReportLauncher> viewer;
  if (env_.makeViewer && (display || print)) viewer = env_.makeViewer(print ? 2u : 1u);
  std::string viewerError;
  if ((display || print) && viewer && viewer->getError(viewerError)) {
    env_.ui->tell(BatchUi::TELL_WARNING, env_.appName,
                  name + ": " + viewerError + "\n Creating but not displaying PDF Report");
    viewer.reset();
  }

  Report::PdfData data(*model, Util::aboutTextsFrom(*Util::PalvermontineAboutInfo::instance()),
                       fn_.empty() ? std::nullopt : std::optional<std::string>(Report::folderOf(fn_)), env_.logo);
  Report::PdfReportOptions reportOptions(includeScores, appendTimestamp, name);
  int status = Report::REPORT_WRITER_FAILED;
  std::string message;
  std::string written;
  try {
    Report::PdfReport pdf(data, reportOptions, viewer.get());
    status = pdf.generate();
    message = pdf.errorMessage();
    written = pdf.getReportPath();
  } catch (const std::bad_alloc&) {
    message = "Not enough memory to make the report";
  } catch (const std::exception& e) {
    message = std::string("The report failed: ") + e.what();
  }
  if (status != Report::REPORT_WRITTEN) {
    std::string text = (written.empty() ? name : written) +
                       " is Locked by another process, or read-only, use timestamp option or "
                       "resolve file problem";
    if (!message.empty()) text += "\n" + message;
    env_.ui->tell(BatchUi::TELL_ERROR, env_.appName, text);
    return false;
  }
  reportFile_ = fullPath(written);
  if (reportFile_.empty()) reportFile_ = Files::nativeSeparators(written);
  env_.ui->where("Report: " + reportFile_);
  // The viewer's own failure comes after the file was written: tell it, and where the
  // report stands. A run that asked for no viewer has nothing to tell about one.
  if ((display || print) && viewer && viewer->getError(viewerError)) {
    env_.ui->tell(BatchUi::TELL_WARNING, env_.appName,
                  reportFile_ + ": " + viewerError + "\n Creating but not displaying PDF Report");
  }
  return true;
}

int32_t BatchRun::run() {
  try {
    return runSteps();
  } catch (const std::exception& e) {
    env_.ui->tell(BatchUi::TELL_ERROR, env_.appName,
                  std::string("The run stopped on an unexpected error: ") + e.what());
  }
  if (options_.isGuiMode() != 0 && !document_.hasModel()) makeNewDefaultModel();
  return BATCH_INTERNAL_ERROR;
}

void BatchRun::tellNotUnderstood() {
  const auto& words = options_.notUnderstood();
  if (words.empty()) return;
  std::string text = "Not understood on the command line, and ignored:";
  for (size_t i = 0; i < words.size(); ++i) text += (i ? ", \"" : " \"") + words[i] + "\"";
  env_.ui->tell(BatchUi::TELL_WARNING, env_.appName, text);
}

void BatchRun::tellSecondModelFile() {
  std::string leading;
  if (!options_.isPresent("-input") || !options_.getFileName(leading)) return;
  env_.ui->tell(BatchUi::TELL_WARNING, env_.appName,
                "Two model files on the command line: \"" + leading + "\" is ignored, the model is the one -input names");
}

std::string BatchRun::missingFileName(int32_t* code) const {
  // In the order of the steps, each with the code of its own failure.
  static const struct {
    const char* option;
    int32_t code;
  } valueOptions[] = {
      {"-input", BATCH_LOAD_FAILED},
      {"-output", BATCH_SAVE_FAILED},
      {"-pdf", BATCH_REPORT_FAILED},
  };
  for (const auto& v : valueOptions) {
    if (options_.isPresent(v.option) && options_.argument(v.option).empty()) {
      *code = v.code;
      return v.option;
    }
  }
  return std::string();
}

int32_t BatchRun::runSteps() {
  const bool console = options_.isGuiMode() == 0;
  tellNotUnderstood();
  tellSecondModelFile();
  // An option that takes a file name and has none (an empty script variable) is
  // refused before anything is loaded or written: in a console run the run ends there,
  // and an empty -input never stands for "no input", which would save a new empty
  // model over the -output file.
  int32_t missingCode = BATCH_OK;
  const std::string missing = missingFileName(&missingCode);
  if (!missing.empty()) {
    env_.ui->tell(BatchUi::TELL_ERROR, env_.appName, missing + " needs a file name");
    if (console) return missingCode;
  }

  std::string input;
  const bool inputGiven = options_.getInput(input);
  if (!inputGiven) options_.getFileName(input);
  if (inputGiven && input.empty()) {
    // A window goes on with a new default model: the name was refused above.
    if (!document_.hasModel()) makeNewDefaultModel();
  } else if (input.empty()) {
    if (console && !(options_.isMkdm() && demoBuilt_)) {
      // A model file named out of its place (after an option) is not opened: a console
      // run must not go on with the start-up model in its stead and call that success.
      for (const std::string& word : options_.notUnderstood()) {
        if (!Data::isModelFileName(word)) continue;
        env_.ui->tell(BatchUi::TELL_ERROR, env_.appName,
                      word + " was not opened: a model file is named first on the command line or after -input");
        return BATCH_LOAD_FAILED;
      }
    }
    if (options_.isMkdm() && demoBuilt_) {
      // The demonstration model stands: the start-up rule does not replace it.
      caption_ = "mkdm: Make Data Model Internal Demo - " + env_.appName;
    } else if (!loadStartupModel()) {
      makeNewDefaultModel();
    }
  } else if (!loadModel(Data::withModelExtension(input))) {
    if (console) return BATCH_LOAD_FAILED;
    // The window goes on with the model it has, or with a new default model when
    // this was the first: it never runs without one.
    if (!document_.hasModel()) makeNewDefaultModel();
  }

  if (options_.isSolve()) {
    const bool solved = env_.bestChoice ? env_.bestChoice() : solve();
    if (!solved && console) return BATCH_SOLVE_FAILED;
  }

  std::string output;
  if (options_.getOutput(output) && !output.empty() && !saveAs(output) && console) return BATCH_SAVE_FAILED;

  std::string pdf;
  const bool pdfGiven = options_.getPdf(pdf);
  if (pdfGiven && pdf.empty()) return BATCH_OK;  // refused above: a window writes no report
  if (options_.isLaunchPdf() || (pdfGiven && console)) {
    // A console run shows the report only when asked to launch it.
    const bool display = options_.isLaunchPdf() && env_.appOpts && env_.appOpts->get_rptAppOpts().get_displayReport();
    if (!report(display) && console) return BATCH_REPORT_FAILED;
  }
  return BATCH_OK;
}

}  // namespace App
}  // namespace PV
