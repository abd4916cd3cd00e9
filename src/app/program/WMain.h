// The program's main window: the MDI frame with the menu bar, the window menu, the
// status texts that sum up the current model, and the commands of the menus.
//
// Every path to a loaded model goes through one load routine (File Open, the recent
// files, a dropped file), and everything that would discard changes asks the one save
// prompt first. The model work itself (loading, saving, solving, the report) is the
// batch run's, which the window shares with the command line; the window adds the
// questions, the captions and the menu states around it. Every failure is shown in a
// message box and leaves the loaded model as it was.
//
// The window is the model windows' host: they register with it and it keeps them in
// one registry. Its members live in a file per concern: WMain.cpp the frame and the
// commands, MainFileCommands.cpp the file commands, MainModelWindows.cpp the model's
// windows and the solution windows; the status line is an object of its own
// (MainStatusLine).
#pragma once

#include "app/program/BatchRun.h"
#include "app/program/CommandRules.h"
#include "app/program/MainStatusLine.h"
#include "app/shared/ModelWindow.h"
#include "app/shared/ModelWindowHost.h"
#include "app/shared/ModelWindowRegistry.h"
#include "app/program/RecentFilesMenu.h"
#include "app/windows/solution/TableChartWindow.h"
#include "framework/bars/zStatusMessageTable.h"
#include "framework/frames/zMDIAppFrame.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class zMDIMarginFrame;
class zStatusLineEZ;
class zToolbar;
class zToolTipCtrl;
class zBitmap;

namespace PV {
namespace App {

class WMain : public zMDIAppFrame, public ModelWindowHost {
 public:
  // The caption is the application's name. guiMode: the window gets the recent-files
  // menu (list file at recentFilesPath) and accepts dropped files; it is shown by the
  // caller.
  WMain(const std::string& appName, BatchRun* batch, const BatchEnvironment* env, bool guiMode,
        const std::string& recentFilesPath);
  ~WMain() override;

  // After the command line's work: the caption and status texts of the model it left,
  // 597 grayed and 618 unchecked.
  void afterStartup();

  int onClose(zEvent* event) override;

  // The shared routines of the file commands.
  bool loadModel(const std::string& name);
  bool savePrompt();
  bool overwritePrompt(const std::string& path);
  void makeNewDefaultModel();
  // Save and Save As; true when the model was written.
  bool save();
  bool saveAs();

  // The open model, the batch run's, which every model window and dialog shares.
  ModelDocument& document() override { return batch_->document(); }
  Data::DecisionModel* currentModel() const { return batch_->document().model(); }

  // The status texts from the current model.
  void updateStatusBar() override;
  // The caption the new-model dialog gives the model it made.
  void setModelCaption(const char* caption) override;
  // Enables (lock) or grays 593 and sets the model editors' edit lock.
  void setModelDefEditLock(bool lock) override;
  // The pairs went: the solution windows showing their ranking close.
  void closeSolutionWindows() override;
  // Sets every command's menu item and toolbar button from its rule and the state now;
  // run by every change of that state.
  void updateCommands();
  CommandState commandState();
  void onActiveChildChanged() override;
  // The last score of the model was stored: solves it and refills the newest solution
  // window; opens none and writes no report (Best Choice does both).
  bool solveScoredModel() override;

  // The model's windows, every family alike (the registry numbers the solution windows).
  int32_t addModelWindow(ModelWindow* window) override;
  void removeModelWindow(ModelWindow* window) override;
  const ModelWindowRegistry& modelWindows() const { return modelWindows_; }

  // Runs the best choice, and the report (viewer mode print for Print); false when
  // refused or failed. Best Choice opens a new solution window numbered the count of
  // open ones plus one (when the options ask for one).
  bool bestChoice();
  // After the model was solved again (an editor's update, the last score stored):
  // solves it into the newest open solution window. False when no window is open or
  // the solve gave no ranking (which is told); true when the window shows the new
  // ranking, or when the model is not completely scored yet and it was left as it was.
  bool refreshSolutionWindow() override;
  // "#n Solution - Snapshot Result Calculated @ Time: ..." with the model's solve time.
  std::string solutionTitle(int32_t number) const;
  // The newest open solution window, or null; never one that was closed.
  GUI::TableChartWindow* solutionWindow() const;
  // The newest open solution window numbered so, or null.
  GUI::TableChartWindow* solutionWindow(int32_t number) const;
  // The open solution windows, oldest first.
  std::vector<GUI::TableChartWindow*> solutionWindows() const;
  // The orientation of the solution windows this run opens, from the command line
  // (TableChartWindow::Portrait or Landscape); without it the options decide.
  void setSolutionOrientation(int32_t orientation) {
    orientation_ = orientation;
    orientationSet_ = true;
  }
  int32_t solutionOrientation() const;
  bool reportRun(bool print);

  const std::string& appName() const { return appName_; }
  const std::string& caption() const { return winTitle_; }
  const std::string& modelFile() const { return batch_->modelFile(); }
  const StatusTexts& statusTexts() const { return statusLine_->texts(); }
  bool isNewModel() const { return newModel_; }
  bool isSaved() const { return saved_; }
  uint32_t solutionWindowCount() const { return bestChoiceCount_; }
  const std::string& lastSolutionTitle() const { return lastSolutionTitle_; }
  GUI::RecentFilesMenu* recentFiles() const { return rfm_.get(); }
  zToolbar* toolbar() const { return toolbar_; }
  zToolTipCtrl* toolTips() const { return toolTips_.get(); }
  zStatusLineEZ* statusLine() const { return statusLine_ ? statusLine_->line() : nullptr; }

  static bool isModelOpen() { return modelOpen_; }
  static void setModelOpen(bool open) { modelOpen_ = open; }
  // The toolbar's decision makers' picture (the second one when female) and its exit
  // button: 0 none, 1 the first picture, 2 the second; read when the window is made.
  static bool isDmFemale() { return dmFemale_; }
  static void setDmFemale(bool female) { dmFemale_ = female; }
  static int32_t getTestExitMode() { return exitMode_; }
  static void setTestExitMode(int32_t mode) { exitMode_ = mode; }
  static bool getShowDirPathInTitle() { return showDirPath_; }
  static void setShowDirPathInTitle(bool on) { showDirPath_ = on; }

  // What the application options dialog changes: the toolbar's pictures, the caption's
  // path; the model windows are told with kAppOptionsChangedMessage, on which they read
  // the options they follow (highlight, navigation, solution defaults) anew.
  void applyAppOptions(bool dmFemale, int32_t exitMode, bool showDirPath) override;
  // The status-line help of Best Choice and Report says which of their steps the
  // application options leave out (no solution window, no report file, no display).
  void updateCommandHelpTexts();
  // The decision makers' picture: the toolbar button, and the decision makers editor's
  // icon when it is open.
  void applyDmIcon(bool female);

  // The maker's web site, opened by Support Web Site.
  static constexpr const char* kSupportWebSite = "https://palvermontine.example.org/support";

 private:
  void refillSolutionWindow(GUI::TableChartWindow* window, const Data::RankSolutionData& ranking);
  struct CommandRow;
  // The program's commands, one row each.
  static const std::vector<CommandRow>& commands();
  void registerCommands();
  // The toolbar in a band along the top and the status line in one along the bottom.
  void buildBars();
  // Whether the frame takes files dropped on it (WM_DROPFILES).
  void acceptDroppedFiles(bool accept);
  void setCaption(const std::string& caption);
  void setCaptionForFile(const std::string& path);
  // The state of a model that was just loaded, made or saved.
  void modelReplaced();
  // The windows of the model (editors, selector, scoring and solution windows) go,
  // without committing anything to the model being replaced.
  void closeModelWindows();
  // Stores the open editors' tables into the model; false when one refuses.
  bool commitModelWindows();
  // Whether an editor or the scoring window holds edits not yet in the model.
  bool modelWindowsDirty() const;
  int ask(const std::string& text, const std::string& caption, UINT flags, bool withParent = false);

  int onDropFiles(zEvent* event);
  int onStatusClick(zEvent* event);
  int cmWindowArrangement(zEvent* event);
  int cmNew(zEvent* event);
  int cmOpen(zEvent* event);
  int cmSave(zEvent* event);
  int cmSaveAs(zEvent* event);
  int cmPrint(zEvent* event);
  int cmRecent(zEvent* event);
  int cmExit(zEvent* event);
  int cmBestChoice(zEvent* event);
  int cmReport(zEvent* event);
  int cmProperties(zEvent* event);
  int cmModelOptions(zEvent* event);
  int cmAppOptions(zEvent* event);
  int cmAbout(zEvent* event);
  // The toolbar's button of the command with the picture at the strip's x (the
  // decision makers' and the exit button, which the options change).
  void placeToolButton(uint32_t id, int32_t slot, int32_t image);
  void dropToolButton(uint32_t id);
  int cmGuide(zEvent* event);
  int cmSupportWeb(zEvent* event);
  int cmCheckUpdates(zEvent* event);
  // Choices, DecisionMakers, Criteria: the list editors.
  int cmEditor(zEvent* event);
  int onMenuOpening(zEvent* event);
  int cmNothing(zEvent* event);
  // Compare Choices and Clear Comparisons, and the check of the model's lists that
  // comes first in both: false, after telling which editors hold edits not yet
  // stored, when any does.
  int cmCompare(zEvent* event);
  int cmClearComparisons(zEvent* event);
  bool modelDefinitionComplete();
  // A command of the active window's: handed to the active MDI child.
  int cmActiveChild(zEvent* event);

  std::string appName_;
  std::string winTitle_;
  BatchRun* batch_;
  const BatchEnvironment* env_;
  std::unique_ptr<GUI::RecentFilesMenu> rfm_;
  zMDIMarginFrame* topBand_ = nullptr;
  zToolbar* toolbar_ = nullptr;
  std::unique_ptr<zBitmap> toolStrip_;
  std::unique_ptr<zToolTipCtrl> toolTips_;
  std::unique_ptr<MainStatusLine> statusLine_;
  std::vector<zStatusMessage> helpTable_;
  bool newModel_ = false;
  bool saved_ = false;
  bool checkUpdates_ = true;
  bool scoresLocked_ = false;
  uint32_t bestChoiceCount_ = 0;
  std::string lastSolutionTitle_;
  bool orientationSet_ = false;
  int32_t orientation_ = GUI::TableChartWindow::Portrait;
  ModelWindowRegistry modelWindows_;

  static bool modelOpen_;
  static bool showDirPath_;
  static bool dmFemale_;
  static int32_t exitMode_;
};

}  // namespace App
}  // namespace PV
