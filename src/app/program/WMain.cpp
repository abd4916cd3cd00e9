#include "app/program/WMain.h"

#include "app/dialogs/DAbout.h"
#include "app/dialogs/DAppOptions.h"
#include "app/dialogs/DModelOptions.h"
#include "app/dialogs/DModelProperties.h"
#include "app/dialogs/GuiUtils.h"
#include "app/program/MainWindowSupport.h"
#include "app/program/ShellServices.h"
#include "app/program/SystemText.h"
#include "app/program/res/program_ids.h"
#include "app/shared/AppOptionsChanged.h"
#include "app/shared/ChildCommands.h"
#include "app/windows/editors/ModelEditors.h"
#include "app/windows/scoring/DCompareChoices.h"
#include "app/windows/scoring/DPairedPrefScoring.h"
#include "framework/bars/zStatusLine.h"
#include "framework/bars/zToolTip.h"
#include "framework/bars/zToolbar.h"
#include "framework/core/zMenu.h"
#include "framework/core/zProgram.h"
#include "framework/core/zResId.h"
#include "framework/core/zResources.h"
#include "framework/draw/zBitmap.h"
#include "framework/frames/zMDIMarginFrame.h"
#include "framework/layout/zGravSizer.h"
#include "framework/layout/zSizer.h"
#include "framework/visual/zBitmapButton.h"
#include "math/MathServer.h"
#include "model/AppOptions.h"
#include "xml/PalvermontineAppOptsFile.h"

#include <shellapi.h>

#include <cstdio>

namespace PV {
namespace App {

bool WMain::modelOpen_ = false;
bool WMain::dmFemale_ = false;
int32_t WMain::exitMode_ = 2;
bool WMain::showDirPath_ = true;

using MainWindow::canRead;
using MainWindow::messageTable;

namespace {

// The window menu: the items of menu resource 571 in a popup of its own, in which the
// MDI client lists the open child windows and which the menu bar shows.
zMenu* makeWindowMenu() {
  zMenu* popup = new zMenu();
  const HMENU resource = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_WINDOW));
  if (resource) {
    if (const HMENU items = GetSubMenu(resource, 0)) zMDIAppFrame::insertMenuItems(items, popup->handle(), 0);
    DestroyMenu(resource);
  }
  return popup;
}

// The toolbar's row: buttons 23 pixels apart from x 6, in groups (file, clipboard,
// model lists, scoring and results, help, exit).
const int32_t kToolbarGaps[][2] = {{3, 9}, {6, 19}, {9, 16}, {12, 15}, {13, 16}, {-1, 0}};
const ToolbarLayout kToolbarLayout = {6, 23, kToolbarGaps};
// The pictures that depend on the options: the decision makers' second picture, and
// the exit button's two.
constexpr int32_t kDmFemaleImage = 176;
constexpr int32_t kExitImages[] = {0, 272, 288};

}  // namespace

// One row per command of the menus, the accelerators and the toolbar: its help in the
// status line while its menu item is highlighted, its tool tip, its toolbar slot and
// the x of its picture in the strip bitmap (slot -1: no button), its handler and its
// rule. A command without a handler is either the active child's (rule ActiveChild) or
// one whose window the program does not have yet (rule NotYet).
struct WMain::CommandRow {
  uint32_t id;
  const char* help;
  const char* tip;
  int32_t slot;
  int32_t image;
  int (WMain::*handler)(zEvent*);
  CommandRule rule;
};

const std::vector<WMain::CommandRow>& WMain::commands() {
  using R = CommandRule;
  static const std::vector<CommandRow> rows = {
      // File
      {CM_NEW, "Create a new decision model", "New - Ctrl+N", 0, 0, &WMain::cmNew, R::Always},
      {CM_OPEN, "Open a decision model", "Open Model - Ctrl+O", 1, 16, &WMain::cmOpen, R::Always},
      {CM_SAVE, "Save the current decision model", "Save - Ctrl+S", 2, 32, &WMain::cmSave, R::Always},
      {CM_SAVE_AS, "Save the decision model under a new name", nullptr, -1, 0, &WMain::cmSaveAs, R::Always},
      {CM_PRINT, "Print the decision model", "Print - Ctrl+P", 3, 48, &WMain::cmPrint, R::Always},
      {CM_RECENT_FIRST, "Open selected model file #1", nullptr, -1, 0, &WMain::cmRecent, R::Always},
      {CM_RECENT_FIRST + 1, "Open selected model file #2", nullptr, -1, 0, &WMain::cmRecent, R::Always},
      {CM_RECENT_FIRST + 2, "Open selected model file #3", nullptr, -1, 0, &WMain::cmRecent, R::Always},
      {CM_RECENT_LAST, "Open selected model file #4", nullptr, -1, 0, &WMain::cmRecent, R::Always},
      {CM_EXIT, "Exit the application", "Exit - Alt+F4", 14, -1, &WMain::cmExit, R::Always},
      // Edit: the active window's
      {CM_CUT, "Cut the selected item to the clipboard", "Cut - Ctrl+X, Shift+Del", 4, 64, nullptr, R::ActiveChild},
      {CM_COPY, "Copy the selected item to the clipboard", "Copy - Ctrl+C, Ctrl+Ins", 5, 80, nullptr, R::ActiveChild},
      {CM_PASTE, "Paste the clipboard data into document", "Paste - Ctrl+V, Shift+Ins", 6, 96, nullptr, R::ActiveChild},
      // Model
      {CM_CHOICES, "Create or edit choices for current model", "Choices - F3", 7, 144, &WMain::cmEditor, R::ModelOpen},
      {CM_DECISION_MAKERS, "Create or edit decision makers for current model", "DecisionMakers - F4", 8, -1,
       &WMain::cmEditor, R::ModelOpen},
      {CM_CRITERIA, "Create or edit criteria for current model", "Criteria - F5", 9, 192, &WMain::cmEditor,
       R::ModelOpen},
      {CM_COMPARE, "Select Choice Pairs Category and Create Paired Preference Scores", "Compare Choices - F6", 10, 208,
       &WMain::cmCompare, R::ModelOpen},
      {CM_CLEAR_COMPARISONS, "WARNING: Removes all choice pair preference scores", nullptr, -1, 0,
       &WMain::cmClearComparisons, R::ScoresLocked},
      {CM_TRANSITIVE_BIAS, "Check the transitive bias consistency", nullptr, -1, 0, &WMain::cmNothing, R::NotYet},
      {CM_DISTRIBUTIVE_BIAS, "Calculate the distributive bias over selected model components", nullptr, -1, 0,
       &WMain::cmNothing, R::NotYet},
      {CM_BEST_CHOICE, "Calculate ranking after all paired preference scores are completed", "Calculate Results - F9",
       11, 224, &WMain::cmBestChoice, R::Always},
      {CM_SNAPSHOT, "Show a quick summary of the current model", nullptr, -1, 0, &WMain::cmNothing, R::NotYet},
      {CM_REPORT, "Create a decision model report file", "Generate PDF Report - Ctrl+R", 12, 240, &WMain::cmReport,
       R::Always},
      {CM_PROPERTIES, "Show the current model properties", nullptr, -1, 0, &WMain::cmProperties, R::Always},
      // Group
      {CM_BROWSE_DATABASE, "Manage model database, open models, import export model files", nullptr, -1, 0,
       &WMain::cmNothing, R::NotYet},
      {CM_SAVE_TO_DATABASE, "Save to model database", nullptr, -1, 0, &WMain::cmNothing, R::NotYet},
      {CM_MODERATOR_MODE, "Selects the mode as moderator", nullptr, -1, 0, &WMain::cmNothing, R::NotYet},
      {CM_COLLABORATOR_MODE, "Selects the mode as collaborator", nullptr, -1, 0, &WMain::cmNothing, R::NotYet},
      {CM_EXPORT_MODEL, "Export the current moderated model  to a file for collaborative distribution", nullptr, -1, 0,
       &WMain::cmNothing, R::NotYet},
      {CM_MAIL_MODEL, "Send/Receive the current model file as a collaborator or moderator", nullptr, -1, 0,
       &WMain::cmNothing, R::NotYet},
      {CM_MERGE_MODEL, "Merge a collaborator model file into the current moderated model", nullptr, -1, 0,
       &WMain::cmNothing, R::NotYet},
      // Options
      {CM_APP_OPTIONS, "Edit the application default preferences", nullptr, -1, 0, &WMain::cmAppOptions, R::Always},
      {CM_MODEL_OPTIONS, "Edit the decision model default configuration", nullptr, -1, 0, &WMain::cmModelOptions,
       R::Always},
      {CM_SYNCHRONIZATION, "Set handheld or smartphone synchronization policy", nullptr, -1, 0, &WMain::cmNothing,
       R::NotYet},
      {CM_COLLABORATION, "Create or edit the collaboration default configuration", nullptr, -1, 0, &WMain::cmNothing,
       R::NotYet},
      // Help
      {CM_CONTENTS, "Help contents", "Help - F1", 13, 112, &WMain::cmGuide, R::Always},
      {CM_QUICKSTART, "Load the Palvermontine PDF QuickStart Guide", nullptr, -1, 0, &WMain::cmGuide, R::Always},
      {CM_USERS_GUIDE, "Load the Palvermontine PDF User Guide", nullptr, -1, 0, &WMain::cmGuide, R::Always},
      {CM_SUPPORT_WEB, "Access product web site for product updates, FAQ's, and support", nullptr, -1, 0,
       &WMain::cmSupportWeb, R::Always},
      {CM_CHECK_UPDATES, "Checkmark option to periodically check for product updates", nullptr, -1, 0,
       &WMain::cmCheckUpdates, R::Always},
      {CM_ABOUT, "Program information, version and copyright", nullptr, -1, 0, &WMain::cmAbout, R::Always},
      // Window
      {CM_CASCADE, "Cascade MDI Child Windows", nullptr, -1, 0, &WMain::cmWindowArrangement, R::Always},
      {CM_TILE, "Tile MDI Child Windows", nullptr, -1, 0, &WMain::cmWindowArrangement, R::Always},
      {CM_ARRANGE, "Arrange Iconized MDI Child Windows", nullptr, -1, 0, &WMain::cmWindowArrangement, R::Always},
  };
  return rows;
}

WMain::WMain(const std::string& appName, BatchRun* batch, const BatchEnvironment* env, bool guiMode,
             const std::string& recentFilesPath)
    : zMDIAppFrame(nullptr, new zSizer(zPoint(CW_USEDEFAULT, CW_USEDEFAULT), zDimension(1100, 720), nullptr),
                   WS_OVERLAPPEDWINDOW, appName.c_str(), makeWindowMenu(), 1000, new zIcon(zResId(IDI_APP))),
      appName_(appName),
      winTitle_(appName),
      batch_(batch),
      env_(env) {
  // The menu bar, with the window menu before Help: the frame lists its children in
  // the window menu's popup. The bar is attached once it is whole, so that the window
  // lays it out once.
  zMenu* bar = new zMenu(zResId(IDM_MAIN));
  char windowTitle[64] = {};
  if (LoadStringA(zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr), IDS_WINDOW_MENU, windowTitle,
                  sizeof windowTitle) <= 0) {
    std::snprintf(windowTitle, sizeof windowTitle, "&Window");
  }
  InsertMenuA(bar->handle(), 5, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu()->handle()),
              windowTitle);
  setMenu(bar);
  bar->attach(this);
  registerCommands();
  buildBars();
  setModelDefEditLock(false);
  // The window follows every change of the model from now on.
  batch_->document().addListener(this);
  // A changed advance option reaches the open editors at once.
  GUI::AppOptions::instance()->setChangeHandler([](uint32_t) { GUI::applyNavigationToEditors(); });
  if (guiMode) {
    const HMENU file = GetSubMenu(bar->handle(), 0);
    HMENU recent = nullptr;
    for (int i = 0, n = GetMenuItemCount(file); i < n && !recent; ++i) {
      HMENU sub = GetSubMenu(file, i);
      if (sub && GetMenuItemID(sub, 0) == CM_RECENT_FIRST) recent = sub;
    }
    if (recent) {
      rfm_ = std::make_unique<GUI::RecentFilesMenu>(recent, handle(), CM_RECENT_FIRST, CM_RECENT_LAST, recentFilesPath);
    }
    acceptDroppedFiles(true);
  }
  // No DrawMenuBar: the window is still hidden, its first show draws the bar, and a frame
  // change now would cost the start a layout of every bar.
}

WMain::~WMain() {
  batch_->document().removeListener(this);
  GUI::AppOptions::instance()->setChangeHandler(nullptr);
  // The model's windows go first, storing nothing, while the list that knows them lives.
  closeModelWindows();
  // Their objects go now, on the deletions their windows asked of this frame.
  MSG message;
  while (PeekMessageA(&message, handle(), 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  if (handle()) acceptDroppedFiles(false);
}

void WMain::acceptDroppedFiles(bool accept) {
  // The style bit is all that taking dropped files sets; set here, it spares the start
  // loading the shell library, which only the first drop needs.
  const LONG style = GetWindowLongA(handle(), GWL_EXSTYLE);
  SetWindowLongA(handle(), GWL_EXSTYLE, accept ? style | WS_EX_ACCEPTFILES : style & ~WS_EX_ACCEPTFILES);
}

// ---- the list editors ----------------------------------------------------------------------

int WMain::cmEditor(zEvent* event) {
  if (!currentModel()) return 1;
  switch (LOWORD(event->wParam())) {
    case CM_CHOICES:
      GUI::DChoices::open(this);
      break;
    case CM_DECISION_MAKERS:
      GUI::DDecisionMakers::setFemaleFigure(dmFemale_);
      GUI::DDecisionMakers::open(this);
      break;
    case CM_CRITERIA:
      GUI::DCriteria::open(this);
      break;
    default:
      break;
  }
  updateCommands();
  return 1;
}

void WMain::buildBars() {
  topBand_ = new zMDIMarginFrame(this, new zSizer(zPoint(0, 0), zDimension(0, 30), nullptr), 0, "");
  toolbar_ = new zToolbar(topBand_, new zGravSizer(gravClient, 0, topBand_->sizer()),
                          zToolbarEdgeFromGravity | zToolbarPanel, 0, zToolbar::frameIsGrandparent);
  toolStrip_ = std::make_unique<zBitmap>(zResId(IDB_TOOLBAR));
  // The strip's background (the colour of its top-left pixel) takes the toolbar's.
  GUI::replaceBitmapColor(toolStrip_->hbitmap(), GetSysColor(COLOR_BTNFACE));
  toolTips_ = std::make_unique<zToolTipCtrl>(this);
  static const std::vector<zStatusMessage> tips =
      messageTable(commands(), [](const CommandRow& row) { return row.tip; });
  toolTips_->setMessageTable(tips.data());
  for (const CommandRow& row : commands()) {
    if (row.slot < 0) continue;
    // The decision makers' picture and the exit button follow the options.
    int32_t image = row.image;
    if (row.id == CM_DECISION_MAKERS) image = dmFemale_ ? kDmFemaleImage : 160;
    if (row.id == CM_EXIT) {
      if (exitMode_ != 1 && exitMode_ != 2) continue;
      image = kExitImages[exitMode_];
    }
    placeToolButton(row.id, row.slot, image);
  }

  statusLine_ = std::make_unique<MainStatusLine>(this);
  updateCommandHelpTexts();
  statusLine_->line()->addMessageHandler(this, &WMain::onStatusClick, WM_LBUTTONDOWN);
  topBand_->show(SW_SHOW);
  toolbar_->show(SW_SHOW);
  statusLine_->show();
}

int WMain::onStatusClick(zEvent* event) {
  // A click on the model's summary opens its properties.
  if (event->message() == WM_LBUTTONDOWN && statusLine_->isOnSummary(event->point())) {
    cmProperties(event);
    return 1;
  }
  return 0;
}

void WMain::updateStatusBar() {
  const Data::DecisionModel* model = currentModel();
  auto* server = model ? document().server() : nullptr;
  // Every edit of the model ends here: an edit that reconciled the pairs and could
  // not write their log is told now.
  if (server && !server->getLogError().empty()) batch_->tellLogError();
  statusLine_->setTexts(statusTextsOf(model, server));
  updateCommands();
}

void WMain::updateCommandHelpTexts() {
  const Data::PalvermontineAppOpts& options = XML::PalvermontineAppOptsFile::instance()->options();
  const bool window = options.get_calcAppOpts().get_displaySolutionWindow();
  const bool reportFile = options.get_calcAppOpts().get_generateReportFile();
  const bool display = options.get_rptAppOpts().get_displayReport();
  const char* bestChoice = window && reportFile ? "Calculate ranking after all paired preference scores are completed"
                           : window ? "Calculate ranking and create PDF Report, No Auto Create Report Option"
                           : reportFile
                               ? "Calculate ranking and create PDF report, No Create Chart Option"
                               : "Calculate ranking and create PDF report, No Create Chart and No Create Report Option";
  const char* report =
      display ? "Create a decision model report file" : "Create a decision model report file, No Display Report Option";
  helpTable_ = messageTable(commands(), [&](const CommandRow& row) -> const char* {
    if (row.id == CM_BEST_CHOICE) return bestChoice;
    if (row.id == CM_REPORT) return report;
    return row.help;
  });
  if (statusLine_) statusLine_->setHelpTable(helpTable_.data());
}
void WMain::placeToolButton(uint32_t id, int32_t slot, int32_t image) {
  zSizer* place = new zSizer(zPoint(toolbarX(kToolbarLayout, slot), 3), zDimension(24, 23), toolbar_->sizer());
  place->setGravity(gravNone);
  zToolButton* button =
      new zToolButton(toolbar_, place, 0, static_cast<int32_t>(id), toolStrip_.get(), zRect(image, 0, image + 16, 16));
  button->show(SW_SHOW);
  toolTips_->addTool(button);
}

void WMain::dropToolButton(uint32_t id) {
  if (zWindow* button = toolbar_->findItem(static_cast<int32_t>(id))) {
    toolTips_->removeTool(button);
    delete button;
  }
}

void WMain::registerCommands() {
  zMenu* bar = menu();
  for (const CommandRow& row : commands()) {
    if (row.handler) {
      bar->setCommand(this, row.handler, row.id);
    } else if (row.rule == CommandRule::ActiveChild) {
      bar->setCommand(this, &WMain::cmActiveChild, row.id);
    }
  }
  addMessageHandler(this, &WMain::onDropFiles, WM_DROPFILES);
  addMessageHandler(this, &WMain::onMenuOpening, WM_INITMENUPOPUP);
}

int WMain::onMenuOpening(zEvent*) {
  // The active window's commands follow what it holds (the clipboard, the current
  // cell), which changes without telling the frame: the menu is brought up to date
  // as it opens.
  updateCommands();
  return 0;
}

CommandState WMain::commandState() {
  CommandState state;
  state.modelOpen = modelOpen_;
  state.scoresLocked = scoresLocked_;
  state.solved = statusLine_ && statusLine_->texts().state == "SLV";
  state.activeChild = dynamic_cast<const ChildCommands*>(activeChild());
  return state;
}

void WMain::updateCommands() {
  zMenu* bar = menu();
  if (!bar) return;
  const CommandState state = commandState();
  for (const CommandRow& row : commands()) {
    const bool on = commandEnabled(row.rule, row.id, state);
    bar->grayItem(row.id, on ? 0 : 1);
    if (toolbar_ && row.slot >= 0) toolbar_->enableItem(static_cast<int32_t>(row.id), on ? 1 : 0);
  }
}

void WMain::onActiveChildChanged() { updateCommands(); }

int WMain::cmActiveChild(zEvent* event) {
  const uint32_t id = LOWORD(event->wParam());
  if (auto* child = dynamic_cast<ChildCommands*>(activeChild())) {
    if (child->commandEnabled(id)) child->doCommand(id);
  }
  return 1;
}

int WMain::ask(const std::string& text, const std::string& caption, UINT flags, bool withParent) {
  const int answer = showMessage(withParent ? handle() : nullptr, text, caption, flags);
  // A box without an owner leaves no window active when it goes: the keyboard comes
  // back to this window (its menu keys included) without a click.
  if (handle() && IsWindowVisible(handle())) {
    SetActiveWindow(handle());
    SetFocus(handle());
  }
  return answer;
}

// ---- Model, Options, Help, Window ---------------------------------------------------

int WMain::cmWindowArrangement(zEvent* event) {
  switch (LOWORD(event->wParam())) {
    case CM_CASCADE:
      cascade();
      break;
    case CM_TILE:
      tile();
      break;
    case CM_ARRANGE:
      arrangeIcons();
      break;
    default:
      break;
  }
  return 1;
}

int WMain::cmBestChoice(zEvent*) {
  bestChoice();
  return 1;
}

int WMain::cmReport(zEvent*) {
  reportRun(false);
  return 1;
}

int WMain::cmProperties(zEvent*) {
  const Data::DecisionModel* model = currentModel();
  const std::string before = model ? model->get_nm() : std::string();
  DModelProperties dialog(this);
  dialog.runModal();
  model = currentModel();
  if (model && model->get_nm() != before && batch_->modelFile().empty()) {
    // A model without a file shows its name in the caption: the new one from now on.
    const std::string oldName = Utf8ToSystem(before);
    const std::string newName = Utf8ToSystem(model->get_nm());
    if (winTitle_ == "New Model: " + oldName + " - " + appName_) {
      setModelCaption(("New Model: " + newName + " - " + appName_).c_str());
    } else if (winTitle_ == oldName + " - " + appName_) {
      setModelCaption((newName + " - " + appName_).c_str());
    }
  }
  return 1;
}

int WMain::cmAppOptions(zEvent*) {
  DAppOptions dialog(this);
  dialog.runModal();
  return 1;
}

int WMain::cmAbout(zEvent*) {
  DAbout dialog(this);
  dialog.runModal();
  return 1;
}

void WMain::applyDmIcon(bool female) {
  dmFemale_ = female;
  if (!toolbar_) return;
  for (const CommandRow& row : commands()) {
    if (row.id != CM_DECISION_MAKERS || row.slot < 0) continue;
    dropToolButton(row.id);
    placeToolButton(row.id, row.slot, female ? kDmFemaleImage : 160);
  }
  // An open decision makers editor shows the picture too: it follows the notice that
  // applyAppOptions sends.
}

void WMain::applyAppOptions(bool dmFemale, int32_t exitMode, bool showDirPath) {
  const bool toolbarChanged = dmFemale != dmFemale_ || exitMode != exitMode_;
  if (dmFemale != dmFemale_) applyDmIcon(dmFemale);
  if (exitMode != exitMode_ && toolbar_) {
    exitMode_ = exitMode;
    for (const CommandRow& row : commands()) {
      if (row.id != CM_EXIT || row.slot < 0) continue;
      dropToolButton(row.id);
      if (exitMode == 1 || exitMode == 2) placeToolButton(row.id, row.slot, kExitImages[exitMode]);
    }
  }
  exitMode_ = exitMode;
  if (toolbarChanged && toolbar_) {
    updateCommands();
    toolbar_->invalidate(nullptr, true);
  }
  if (showDirPath != showDirPath_) {
    showDirPath_ = showDirPath;
    if (!batch_->modelFile().empty() && !newModel_) setCaptionForFile(batch_->modelFile());
  }
  updateCommandHelpTexts();
  // The model windows read what they follow anew.
  if (client() && client()->handle()) {
    for (HWND child = GetWindow(client()->handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      SendMessageA(child, kAppOptionsChangedMessage, 0, 0);
    }
  }
}

int WMain::cmModelOptions(zEvent*) {
  DModelOptions dialog(this);
  dialog.runModal();
  return 1;
}

int WMain::cmGuide(zEvent* event) {
  const char* file = LOWORD(event->wParam()) == CM_QUICKSTART ? "pvquickstart.pdf" : "pvusersguide.pdf";
  const std::string path = programFolder() + "\\" + file;
  if (canRead(path)) {
    // Where no viewer shows it, the user still learns where the guide is.
    const std::string why = GUI::showThroughShell("open", path);
    if (!why.empty()) {
      ask(path + ": " + why + "\n The guide could not be shown; open it from its folder with a PDF viewer.", appName_,
          MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
    }
  } else {
    ask(std::string("Palvermontine: Error loading the ") + file + " file",
        std::string("WARNING: File ") + file + " Not Found", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
  }
  return 1;
}

int WMain::cmSupportWeb(zEvent*) {
  GUI::shellExecute(kSupportWebSite, handle(), "open");
  return 1;
}

int WMain::cmCheckUpdates(zEvent*) {
  menu()->checkItem(CM_CHECK_UPDATES, checkUpdates_ ? 1 : 0);
  checkUpdates_ = !checkUpdates_;
  return 1;
}

int WMain::cmNothing(zEvent*) { return 1; }

// ---- Compare Choices and Clear Comparisons ----------------------------------------------

int WMain::cmCompare(zEvent*) {
  if (!modelDefinitionComplete()) return 1;
  ModelDocument& model = document();
  if (!model.hasModel()) return 1;
  if (!model.isScoreable()) {
    ask("The Model Is Not Scorable!\nYou Must Create And Store At Least 2 Choices, 1 Decision Maker, And 1 Criteria "
        "And Try Again!",
        "Palvermontine", MB_OK | MB_ICONINFORMATION, true);
    return 1;
  }
  if (!model.server()->hasAlgorithm()) {
    std::string text =
        "Generating pairs will freeze the model in its current state.\nYou will only be allowed to modify decision "
        "maker and criteria weights\n\nDo not continue if the three core model components of decision makers, "
        "choices, and criteria\ndefining the model are not complete.\n\nBased on the number of core model "
        "components defined and the confidence level and \nconfidence interval settings, the total number of pairs "
        "that will be generated is NNN pairs.\n\nAre you sure you want to continue?";
    text.replace(text.find("NNN"), 3, std::to_string(model.pairsNeeded()));
    if (ask(text, appName_ + ": Compare Choices Warning", MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL) != IDYES)
      return 1;
  }
  // The selector draws the pairs; the notice of the draw locks the lists.
  DCompareChoices::open(this);
  return 1;
}

int WMain::cmClearComparisons(zEvent*) {
  if (!modelDefinitionComplete()) return 1;
  const std::string text =
      "This operation will clear out the list of pairs that have \nbeen generated and this will remove all the pairs "
      "score selections that \nbeen made. You will be able to edit the three core model components\n(add, delete or "
      "modify decision makers, criteria, and choices) and \nedit confidence level and interval to generate new "
      "pairs. \n\nIf you accidently remove all pairs, you can attempt to recover by\nselecting Open Model to load "
      "this model as of the last time\nit was saved.\nAre you sure you want to continue?";
  if (ask(text, appName_ + ": Clear Comparisons Warning", MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL) != IDYES)
    return 1;
  // The pairs, their scores and their ranking go; the notice closes the windows that
  // show them (selector, scoring and solution windows, storing nothing) and unlocks
  // the lists.
  document().clearComparisons();
  return 1;
}

}  // namespace App
}  // namespace PV
