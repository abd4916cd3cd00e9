// The main window's side of the model's windows: their registration, the save's
// questions to them, their closing when the model is replaced, the lock of the list
// editors while pairs exist, and the solution windows that Best Choice opens and a new
// solve refills.
#include "app/program/WMain.h"

#include "app/dialogs/GuiUtils.h"
#include "app/program/MainWindowSupport.h"
#include "app/windows/editors/ModelEditors.h"
#include "app/windows/scoring/DPairedPrefScoring.h"
#include "app/windows/solution/res/solution_ids.h"
#include "math/MathServer.h"
#include "model/AppOpts.h"

namespace PV {
namespace App {

int32_t WMain::addModelWindow(ModelWindow* window) { return modelWindows_.add(window); }

void WMain::removeModelWindow(ModelWindow* window) {
  modelWindows_.remove(window);
  updateCommands();
}

void WMain::closeSolutionWindows() { modelWindows_.discardNumbered(); }

void WMain::closeModelWindows() {
  // None of them may store into the model that is being replaced: the save prompt
  // has already asked about their edits.
  modelWindows_.discardAll();
}

bool WMain::commitModelWindows() { return modelWindows_.commitAll(); }

bool WMain::modelWindowsDirty() const { return modelWindows_.anyDirty(); }

void WMain::setModelDefEditLock(bool lock) {
  scoresLocked_ = lock;
  updateCommands();
  GUI::setEditorsEditLock(lock);
}

bool WMain::modelDefinitionComplete() {
  // An editor shows its kind in its caption after the unsaved-edits marker.
  std::string dirty;
  for (ModelWindow* window : modelWindows_.windows()) {
    const auto* frame = dynamic_cast<const zWindow*>(window);
    if (!window->isDirty() || !frame || dynamic_cast<const DPairedPrefScoring*>(window)) continue;
    char caption[128] = {};
    GetWindowTextA(frame->handle(), caption, sizeof caption);
    std::string kind(caption);
    kind.erase(0, kind.find_first_not_of("* "));
    if (!kind.empty()) dirty += kind + " ";
  }
  if (dirty.empty()) return true;
  // Owned by this window, so that it takes the keys (Enter and Esc answer it) and the
  // window takes them back after it.
  ask("Model Definition Dialog(s) are Incomplete, see (" + dirty + ") and click Update|Okay before scoring model",
      appName_ + ": Warning - Model Definition Dialogs Incomplete", MB_OK | MB_ICONEXCLAMATION, true);
  return false;
}

int32_t WMain::solutionOrientation() const {
  if (orientationSet_) return orientation_;
  const bool portrait =
      !env_ || !env_->appOpts || env_->appOpts->get_calcAppOpts().get_solutionWindowOrientation() == "portrait";
  return portrait ? GUI::TableChartWindow::Portrait : GUI::TableChartWindow::Landscape;
}

GUI::TableChartWindow* WMain::solutionWindow() const {
  return dynamic_cast<GUI::TableChartWindow*>(modelWindows_.latestNumbered());
}

GUI::TableChartWindow* WMain::solutionWindow(int32_t number) const {
  return dynamic_cast<GUI::TableChartWindow*>(modelWindows_.numbered(number));
}

std::vector<GUI::TableChartWindow*> WMain::solutionWindows() const {
  std::vector<GUI::TableChartWindow*> open;
  for (ModelWindow* window : modelWindows_.numberedWindows()) {
    if (auto* solution = dynamic_cast<GUI::TableChartWindow*>(window)) open.push_back(solution);
  }
  return open;
}

bool WMain::bestChoice() {
  GUI::WaitCursor wait;
  Data::RankSolutionData ranking;
  // A model not completely scored, or a solve that gave no ranking, is told and opens
  // no window.
  if (!batch_->solve(&ranking)) return false;
  ++bestChoiceCount_;
  const int32_t number = static_cast<int32_t>(modelWindows_.numberedWindows().size()) + 1;
  lastSolutionTitle_ = solutionTitle(number);
  updateStatusBar();
  const bool display = !env_ || !env_->appOpts || env_->appOpts->get_calcAppOpts().get_displaySolutionWindow();
  if (display) {
    auto* window = new GUI::TableChartWindow(this, nullptr, WS_OVERLAPPEDWINDOW, lastSolutionTitle_.c_str(),
                                             solutionOrientation(), ranking, IDI_SOLUTION);
    window->show(SW_SHOWNORMAL);
  }
  if (env_ && env_->appOpts && env_->appOpts->get_calcAppOpts().get_generateReportFile()) reportRun(false);
  return true;
}

bool WMain::refreshSolutionWindow() {
  GUI::TableChartWindow* window = solutionWindow();
  if (!window) return false;
  if (!document().isComplete()) return true;
  GUI::WaitCursor wait;
  Data::RankSolutionData ranking;
  if (!batch_->solve(&ranking)) return false;
  refillSolutionWindow(window, ranking);
  return true;
}

bool WMain::solveScoredModel() {
  GUI::WaitCursor wait;
  Data::RankSolutionData ranking;
  if (!batch_->solve(&ranking)) return false;
  if (GUI::TableChartWindow* window = solutionWindow()) refillSolutionWindow(window, ranking);
  return true;
}

// A refilled window keeps its number and takes the time of the solve it now shows.
void WMain::refillSolutionWindow(GUI::TableChartWindow* window, const Data::RankSolutionData& ranking) {
  window->fillTable(static_cast<uint32_t>(ranking.rows.size()), ranking);
  window->setTextString(solutionTitle(window->id()).c_str());
  window->refresh();
}

std::string WMain::solutionTitle(int32_t number) const {
  const Data::DecisionModel* model = currentModel();
  return "#" + std::to_string(number) + " Solution - Snapshot Result Calculated @ Time: " +
         (model ? model->get_slns().get_timestamp() : std::string());
}

bool WMain::reportRun(bool print) {
  GUI::WaitCursor wait;
  if (!currentModel()) return false;
  const bool display = env_ && env_->appOpts && env_->appOpts->get_rptAppOpts().get_displayReport();
  if (!batch_->report(display && !print, print)) return false;
  // A model without a file has no folder of its own for its report: the user is told
  // where it went.
  if (batch_->modelFile().empty()) {
    ask("The report was written to " + batch_->reportFile(), appName_, MB_OK | MB_ICONINFORMATION, true);
  }
  return true;
}

}  // namespace App
}  // namespace PV
