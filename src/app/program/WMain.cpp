#include "app/program/WMain.h"

#include "app/dialogs/DAbout.h"
#include "app/dialogs/DAppOptions.h"
#include "app/dialogs/DModelOptions.h"
#include "app/windows/scoring/DCompareChoices.h"
#include "app/windows/scoring/DPairedPrefScoring.h"
#include "app/dialogs/DModelProperties.h"
#include "app/dialogs/DNewModel.h"
#include "app/dialogs/GuiUtils.h"
#include "app/shared/AppOptionsChanged.h"
#include "app/shared/ChildCommands.h"
#include "app/windows/editors/ModelEditors.h"
#include "model/AppOptions.h"
#include "model/ModelFileName.h"
#include "app/program/ShellServices.h"
#include "app/program/SystemText.h"
#include "app/program/res/resource.h"
#include "app/windows/solution/res/solution_ids.h"
#include "factory/Factory.h"
#include "xml/PalvermontineAppOptsFile.h"
#include "foundation/Assert.h"
#include "foundation/FileNames.h"
#include "framework/bars/zStatusItems.h"
#include "framework/bars/zStatusLine.h"
#include "framework/bars/zStatusMessageTable.h"
#include "framework/bars/zToolTip.h"
#include "framework/bars/zToolbar.h"
#include "framework/core/zMenu.h"
#include "framework/draw/zBitmap.h"
#include "framework/frames/zMDIMarginFrame.h"
#include "framework/layout/zGravSizer.h"
#include "framework/visual/zBitmapButton.h"
#include "framework/core/zProgram.h"
#include "framework/core/zResId.h"
#include "framework/core/zResources.h"
#include "framework/frames/zCommonForms.h"
#include "framework/layout/zSizer.h"
#include "math/MathServer.h"
#include "app/services/AppFolders.h"
#include "report/ReportFileName.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace PV {
namespace App {

bool WMain::modelOpen_ = false;
bool WMain::dmFemale_ = false;
int32_t WMain::exitMode_ = 2;
bool WMain::showDirPath_ = true;

namespace {

constexpr const char* kLoadCaption = "WARNING: Missing File Or Directory or File Corrupted";

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string fileNamePart(const std::string& path) {
  const std::string::size_type at = path.find_last_of('\\');
  return at == std::string::npos ? path : path.substr(at + 1);
}

// File names are UTF-8 throughout (the file forms, the command line, the recent list
// and dropped files give them so); only captions turn them into the screen's code page.
std::string fullPathOf(const std::string& name) { return Files::fullPath(name); }

bool canRead(const std::string& path) {
  std::FILE* in = Files::open(path, "rb");
  if (!in) return false;
  std::fclose(in);
  return true;
}

// Where the file forms start: the user's documents folder.
std::string documentFolder() {
  const std::string folder = documentsFolder();
  return folder.empty() ? std::string(".") : folder;
}

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

// Null until the first model is made or opened.
Data::DecisionModel* currentModel() {
  auto* factory = Data::Factory::instance();
  return factory->hasModel() ? factory->currDataModel(0) : nullptr;
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
      {CM_COPY, "Copy the selected item to the clipboard", "Copy - Ctrl+C, Ctrl+Ins", 5, 80, nullptr,
       R::ActiveChild},
      {CM_PASTE, "Paste the clipboard data into document", "Paste - Ctrl+V, Shift+Ins", 6, 96, nullptr,
       R::ActiveChild},
      // Model
      {CM_CHOICES, "Create or edit choices for current model", "Choices - F3", 7, 144, &WMain::cmEditor,
       R::ModelOpen},
      {CM_DECISION_MAKERS, "Create or edit decision makers for current model", "DecisionMakers - F4", 8, -1,
       &WMain::cmEditor, R::ModelOpen},
      {CM_CRITERIA, "Create or edit criteria for current model", "Criteria - F5", 9, 192, &WMain::cmEditor,
       R::ModelOpen},
      {CM_COMPARE, "Select Choice Pairs Category and Create Paired Preference Scores", "Compare Choices - F6", 10,
       208, &WMain::cmCompare, R::ModelOpen},
      {CM_CLEAR_COMPARISONS, "WARNING: Removes all choice pair preference scores", nullptr, -1, 0,
       &WMain::cmClearComparisons, R::ScoresLocked},
      {CM_TRANSITIVE_BIAS, "Check the transitive bias consistency", nullptr, -1, 0, &WMain::cmNothing, R::NotYet},
      {CM_DISTRIBUTIVE_BIAS, "Calculate the distributive bias over selected model components", nullptr, -1, 0,
       &WMain::cmNothing, R::NotYet},
      {CM_BEST_CHOICE, "Calculate ranking after all paired preference scores are completed",
       "Calculate Results - F9", 11, 224, &WMain::cmBestChoice, R::Always},
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
      {CM_EXPORT_MODEL, "Export the current moderated model  to a file for collaborative distribution", nullptr, -1,
       0, &WMain::cmNothing, R::NotYet},
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
      {CM_COLLABORATION, "Create or edit the collaboration default configuration", nullptr, -1, 0,
       &WMain::cmNothing, R::NotYet},
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

namespace {

// The rows' help texts or tool tips as the status line's and the tool tips' tables
// take them, ended by a null text.
template <class Rows, class Text>
std::vector<zStatusMessage> messageTable(const Rows& rows, Text text) {
  std::vector<zStatusMessage> table;
  for (const auto& row : rows) {
    if (const char* t = text(row)) table.push_back({static_cast<int32_t>(row.id), t});
  }
  table.push_back({0, nullptr});
  return table;
}

}  // namespace

std::string statusSummary(size_t choices, size_t criteria, size_t dms, double cfl, double cfi, int scale,
                          uint32_t pairs) {
  const std::string gap = "   ";
  return "Ch:" + std::to_string(choices) + gap + "Cr:" + std::to_string(criteria) + gap + "DM:" + std::to_string(dms) +
         gap + "Conf:" + std::to_string(static_cast<long long>(cfl)) + "," +
         std::to_string(static_cast<long long>(cfi)) + gap + "Scale:" + std::to_string(scale) + gap +
         "Pairs:" + std::to_string(pairs) + gap;
}

WMain::WMain(const std::string& appName, BatchRun* batch, const BatchEnvironment* env, bool guiMode,
             const std::string& recentFilesPath)
    : zMDIAppFrame(nullptr, new zSizer(zPoint(CW_USEDEFAULT, CW_USEDEFAULT), zDimension(1100, 720), nullptr),
                   WS_OVERLAPPEDWINDOW, appName.c_str(), makeWindowMenu(), 1000),
      appName_(appName),
      winTitle_(appName),
      batch_(batch),
      env_(env) {
  // The menu bar, with the window menu before Help: the frame lists its children in
  // the window menu's popup.
  zMenu* bar = new zMenu(this, zResId(IDM_MAIN));
  char windowTitle[64] = {};
  if (LoadStringA(zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr), IDS_WINDOW_MENU, windowTitle,
                  sizeof windowTitle) <= 0) {
    std::snprintf(windowTitle, sizeof windowTitle, "&Window");
  }
  InsertMenuA(bar->handle(), 5, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu()->handle()),
              windowTitle);
  setMenu(bar);
  registerCommands();
  setIcon(new zIcon(zResId(IDI_APP)));
  buildBars();
  setModelDefEditLock(false);
  // An editor that goes is no longer asked before a save; a changed advance option
  // reaches the open editors at once.
  GUI::ModelDefViewerBase::setClosedHandler([this](ModelWindow* window) { removeModelWindow(window); });
  // An editor's Update with Auto Recalc refills the newest solution window.
  GUI::ModelDefViewerBase::setRecalcHandler([this] { return refreshSolutionWindow(); });
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
    DragAcceptFiles(handle(), TRUE);
  }
  DrawMenuBar(handle());
}

WMain::~WMain() {
  GUI::ModelDefViewerBase::setClosedHandler(nullptr);
  GUI::ModelDefViewerBase::setRecalcHandler(nullptr);
  GUI::AppOptions::instance()->setChangeHandler(nullptr);
  // The model's windows go first, storing nothing, while the list that knows them lives.
  closeModelWindows();
  // Their objects go now, on the deletions their windows asked of this frame.
  MSG message;
  while (PeekMessageA(&message, handle(), 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  if (handle()) DragAcceptFiles(handle(), FALSE);
  // Before the MDI client goes: it misbehaves when destroyed with children open.
  GUI::TableChartWindow::closeAll();
}

// ---- the list editors ----------------------------------------------------------------------

int WMain::cmEditor(zEvent* event) {
  if (!currentModel()) return 1;
  ModelWindow* editor = nullptr;
  switch (LOWORD(event->wParam())) {
    case CM_CHOICES:
      editor = GUI::DChoices::open(this);
      break;
    case CM_DECISION_MAKERS:
      GUI::DDecisionMakers::setFemaleFigure(dmFemale_);
      editor = GUI::DDecisionMakers::open(this);
      break;
    case CM_CRITERIA:
      editor = GUI::DCriteria::open(this);
      break;
    default:
      break;
  }
  if (editor) addModelWindow(editor);
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

  bottomBand_ = new zMDIMarginFrame(this, new zSizer(zPoint(0, 0), zDimension(0, 24), nullptr), 0, "");
  bottomBand_->setEdge(zMDIMarginFrame::bottomEdge);
  statusLine_ = new zStatusLineEZ(bottomBand_, new zGravSizer(gravClient, 0, bottomBand_->sizer()),
                                  zStatusEZClock | zStatusEZNum | zStatusEZCaps | zStatusEZFill | zStatusEZItemHelp, 0,
                                  zRCFont("Arial", zDimension(0, -12)), zStatusLine::frameIsGrandparent);
  stateItem_ = new zStatusOnOffItem(statusLine_, gravRight, 1, "SCO", "SLV");
  // The fields are measured from samples: together they leave the help field room on a
  // screen 800 pixels wide (a longer name or summary is clipped, never pushed off).
  nameItem_ = new zStatusItemText(statusLine_, gravRight, "MMMMMMMMMMMM", 2, zStatusClipped);
  nameItem_->addGap();
  summaryItem_ = new zStatusItemText(statusLine_, gravRight, "Ch:10   Cr:7   DM:2   Conf:100,50   Scale:5   Pairs:999",
                                     3, zStatusClipped);
  summaryItem_->addGap();
  updateCommandHelpTexts();
  statusLine_->addMessageHandler(this, &WMain::onStatusClick, WM_LBUTTONDOWN);
  topBand_->show(SW_SHOW);
  toolbar_->show(SW_SHOW);
  bottomBand_->show(SW_SHOW);
  statusLine_->show(SW_SHOW);
}

void WMain::updateCommandHelpTexts() {
  const Data::PalvermontineAppOpts& options = XML::PalvermontineAppOptsFile::instance()->options();
  const bool window = options.get_calcAppOpts().get_displaySolutionWindow();
  const bool reportFile = options.get_calcAppOpts().get_generateReportFile();
  const bool display = options.get_rptAppOpts().get_displayReport();
  const char* bestChoice =
      window && reportFile ? "Calculate ranking after all paired preference scores are completed"
      : window             ? "Calculate ranking and create PDF Report, No Auto Create Report Option"
      : reportFile         ? "Calculate ranking and create PDF report, No Create Chart Option"
                           : "Calculate ranking and create PDF report, No Create Chart and No Create Report Option";
  const char* report =
      display ? "Create a decision model report file" : "Create a decision model report file, No Display Report Option";
  helpTable_ = messageTable(commands(), [&](const CommandRow& row) -> const char* {
    if (row.id == CM_BEST_CHOICE) return bestChoice;
    if (row.id == CM_REPORT) return report;
    return row.help;
  });
  if (statusLine_) statusLine_->setMessageTable(0, helpTable_.data());
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

int WMain::onStatusClick(zEvent* event) {
  // A click on the model's summary opens its properties.
  if (event->message() == WM_LBUTTONDOWN && summaryItem_ && summaryItem_->rect().contains(event->point())) {
    cmProperties(event);
    return 1;
  }
  return 0;
}

void WMain::showStatusTexts() {
  if (!statusLine_) return;
  stateItem_->setText(status_.state.c_str());
  nameItem_->setText(status_.name.c_str());
  summaryItem_->setText(status_.summary.c_str());
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
  state.solved = status_.state == "SLV";
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

void WMain::afterStartup() {
  newModel_ = batch_->madeDefaultModel();
  modelOpen_ = true;
  setCaption(batch_->caption().empty() ? "DecisionModel - " + appName_ : batch_->caption());
  const Data::DecisionModel* model = currentModel();
  setModelDefEditLock(model && !model->get_ss().empty());
  updateStatusBar();
  menu()->checkItem(CM_CHECK_UPDATES, 0);
  // The model the command line left (opened, or saved under -output) is a recent file,
  // as one that File Open or Save As reached is.
  if (rfm_ && !batch_->modelFile().empty()) rfm_->addFile(batch_->modelFile());
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

void WMain::setCaption(const std::string& caption) {
  winTitle_ = caption;
  setTitle(caption.c_str());
}

void WMain::setCaptionForFile(const std::string& path) {
  setCaption(Utf8ToSystem(showDirPath_ ? path : fileNamePart(path)) + " - " + appName_);
}

// ---- the status texts ------------------------------------------------------------

void WMain::updateStatusBar() {
  auto* factory = Data::Factory::instance();
  const Data::DecisionModel* model = currentModel();
  auto* server = model ? factory->getMathServer(0) : nullptr;
  if (!model || !server) {
    status_ = StatusTexts();
    showStatusTexts();
    updateCommands();
    return;
  }
  bool pairSets = false;
  server->hasAlgorithmOnly(&pairSets);
  const uint32_t pairs = pairSets ? server->getModelState().numpairs_ : 0;
  const auto& params = model->get_params();
  // Every edit of the model ends here: an edit that reconciled the pairs and could
  // not write their log is told now.
  if (!server->getLogError().empty()) batch_->tellLogError();
  status_.name = Utf8ToSystem(model->get_nm());
  status_.summary = statusSummary(model->get_chs().size(), model->get_crs().size(), model->get_dms().size(),
                                  params.get_cfl(), params.get_cfi(), params.get_sil(), pairs);
  status_.state = server->isComplete() ? "SLV" : server->isScoreable() ? "SCO" : "";
  showStatusTexts();
  updateCommands();
}

void WMain::setModelDefEditLock(bool lock) {
  scoresLocked_ = lock;
  updateCommands();
  GUI::setEditorsEditLock(lock);
}

void WMain::setSolutionsFlag(bool flag) {
  if (Data::DecisionModel* model = currentModel()) model->get_slns().set_flag(flag);
}

void WMain::registerWindow(const AppWindow& entry) {
  const bool listed =
      std::any_of(appWindowsVec_.begin(), appWindowsVec_.end(), [&](const AppWindow& e) { return e.w == entry.w; });
  PV_ASSERT(!"Duplicate|Re-Used ptr address" || !listed);
  appWindowsVec_.push_back(entry);
}

void WMain::unregisterWindow(const AppWindow& entry) {
  const size_t before = appWindowsVec_.size();
  appWindowsVec_.erase(
      std::remove_if(appWindowsVec_.begin(), appWindowsVec_.end(), [&](const AppWindow& e) { return e.w == entry.w; }),
      appWindowsVec_.end());
  PV_ASSERT(before - appWindowsVec_.size() == 1);
}

// ---- the model's windows -----------------------------------------------------------

void WMain::addModelWindow(ModelWindow* window) {
  if (std::find(modelWindows_.begin(), modelWindows_.end(), window) == modelWindows_.end())
    modelWindows_.push_back(window);
}

void WMain::removeModelWindow(ModelWindow* window) {
  modelWindows_.erase(std::remove(modelWindows_.begin(), modelWindows_.end(), window), modelWindows_.end());
  updateCommands();
}

void WMain::closeModelWindows() {
  // None of them may store into the model that is being replaced: the save prompt
  // has already asked about their edits.
  const std::vector<ModelWindow*> open = modelWindows_;
  modelWindows_.clear();
  for (ModelWindow* window : open) window->discard();
  GUI::TableChartWindow::closeAll();
  solutionWindows_.clear();
}

bool WMain::commitModelWindows() {
  bool all = true;
  for (ModelWindow* window : std::vector<ModelWindow*>(modelWindows_)) all = window->commitToModel() && all;
  return all;
}

bool WMain::modelWindowsDirty() const {
  return std::any_of(modelWindows_.begin(), modelWindows_.end(), [](const ModelWindow* w) { return w->isDirty(); });
}

void WMain::modelReplaced() {
  menu()->checkItem(CM_CHECK_UPDATES, 0);
  checkUpdates_ = true;
  modelOpen_ = true;
  updateStatusBar();
}

// ---- the shared routines of the file commands ----------------------------------------

void WMain::makeNewDefaultModel() {
  newModel_ = true;
  batch_->makeNewDefaultModel();
  setCaption("DecisionModel - " + appName_);
  setModelDefEditLock(false);
  updateStatusBar();
}

bool WMain::savePrompt() {
  const Data::DecisionModel* model = currentModel();
  if (!model) return true;
  const bool dirtyWindows = modelWindowsDirty();
  if (Data::Factory::instance()->isUnmodified() && !dirtyWindows) return true;
  if (newModel_ && !dirtyWindows && model->get_chs().empty() && model->get_dms().empty() && model->get_crs().empty()) {
    return true;
  }
  const std::string& fn = batch_->modelFile();
  const std::string name = fn.empty() ? model->get_nm() : fileNamePart(fn);
  const int answer = ask("Save changes to " + name, appName_, MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL);
  if (answer == IDCANCEL) return false;
  if (answer == IDYES) {
    save();
    return saved_;
  }
  return true;
}

bool WMain::overwritePrompt(const std::string& path) {
  if (!canRead(path)) return true;
  return ask(path + " already exists.\r\nDo you want to replace it?", "Save As",
             MB_YESNO | MB_ICONEXCLAMATION | MB_TASKMODAL) == IDYES;
}

bool WMain::loadModel(const std::string& name) {
  const std::string path = name.empty() ? std::string() : fullPathOf(name);
  if (path.empty()) {
    ask(Files::nativeSeparators(name) + " not found or corrupt", kLoadCaption, MB_OK | MB_ICONINFORMATION, true);
    return false;
  }
  const std::string& fn = batch_->modelFile();
  if (!fn.empty() && lower(path) == lower(fn)) {
    const int answer =
        ask(fileNamePart(fn) + " is already loaded!  Do you want to continue?",
            appName_ + ": The Same Model File is Currently Loaded", MB_YESNO | MB_ICONINFORMATION | MB_TASKMODAL, true);
    if (answer != IDYES) return false;
  }
  // Whatever replaced the last file (New included), its changes are asked about.
  if (!savePrompt()) return false;
  closeModelWindows();
  // A refused file leaves the model in memory as it was: the user keeps it.
  if (!batch_->loadModel(path)) {
    if (!currentModel()) makeNewDefaultModel();
    updateStatusBar();
    return false;
  }
  newModel_ = false;
  setCaptionForFile(batch_->modelFile());
  modelReplaced();
  setModelDefEditLock(!currentModel()->get_ss().empty());
  if (rfm_) rfm_->addFile(batch_->modelFile());
  return true;
}

bool WMain::save() {
  saved_ = false;
  if (!commitModelWindows()) return false;
  if (batch_->modelFile().empty()) return saveAs();
  // The batch run writes the file and tells why it could not, as for Save As.
  if (!batch_->saveAs(batch_->modelFile())) return false;
  saved_ = true;
  return true;
}

bool WMain::saveAs() {
  saved_ = false;
  const Data::DecisionModel* model = currentModel();
  if (!model) return false;
  const std::string& fn = batch_->modelFile();
  std::string proposed = !fn.empty()                ? fn
                         : newModel_                ? Data::withModelExtension("DecisionModel")
                         : !model->get_nm().empty() ? Data::withModelExtension(model->get_nm())
                                                    : std::string();
  if (fn.empty()) proposed = documentFolder() + "\\" + proposed;
  zFileSaveAsForm form(this, "Save File As", proposed.c_str(), Data::kModelFileFilter);
  if (!form.completed()) return false;
  modelOpen_ = true;
  newModel_ = false;
  std::string path = form.name();
  if (path.empty()) return false;
  path = Data::withModelExtension(path);
  if (!overwritePrompt(path)) return false;
  if (!batch_->saveAs(path)) return false;
  saved_ = true;
  if (rfm_) rfm_->addFile(batch_->modelFile());
  setCaptionForFile(batch_->modelFile());
  return true;
}

// ---- File ---------------------------------------------------------------------------

int WMain::cmNew(zEvent*) {
  if (!savePrompt()) return 1;
  closeModelWindows();
  // The dialog makes the model and gives it its caption.
  DNewModel dialog(this);
  dialog.runModal();
  if (dialog.completed() != 1) return 1;
  batch_->forgetModelFile();
  newModel_ = false;
  modelReplaced();
  setModelDefEditLock(false);
  return 1;
}

void WMain::setModelCaption(const char* caption) {
  batch_->setCaption(caption ? caption : "");
  setCaption(batch_->caption());
}

int WMain::cmOpen(zEvent*) {
  const std::string folder = documentFolder();
  const std::string initial = (folder.empty() ? std::string(".") : folder) + "\\" + Data::kModelFileFilter[1];
  zFileOpenForm form(this, "Open A Palvermontine Decision Model File", initial.c_str(), Data::kModelFileFilter);
  if (!form.completed()) return 1;
  modelOpen_ = true;
  if (form.name()[0]) loadModel(form.name());
  return 1;
}

int WMain::cmSave(zEvent*) {
  save();
  return 1;
}

int WMain::cmSaveAs(zEvent*) {
  saveAs();
  return 1;
}

int WMain::cmPrint(zEvent*) {
  if (!reportRun(true)) {
    ask("Command model report print", "Error: Internal", MB_YESNO | MB_ICONINFORMATION | MB_TASKMODAL);
  }
  return 1;
}

int WMain::cmRecent(zEvent* event) {
  const uint32_t id = LOWORD(event->wParam());
  if (!rfm_ || id < CM_RECENT_FIRST || id > CM_RECENT_LAST) return 1;
  const uint32_t index = id - CM_RECENT_FIRST;
  if (!rfm_->isEmpty(index)) loadModel(rfm_->pathForId(index));
  return 1;
}

int WMain::cmExit(zEvent*) {
  if (!savePrompt()) return 1;
  if (zTheProgram) zTheProgram->quit();
  return 1;
}

int WMain::onClose(zEvent*) {
  // Nonzero refuses the close; zero lets the frame close the window.
  return savePrompt() ? 0 : 1;
}

int WMain::onDropFiles(zEvent* event) {
  HDROP drop = reinterpret_cast<HDROP>(event->wParam());
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring name(length + 1, L'\0');
  const UINT n = length > 0 ? DragQueryFileW(drop, 0, &name[0], length + 1) : 0;
  DragFinish(drop);
  name.resize(n <= length ? n : 0);
  const std::string file = Files::fromWide(name);
  if (Data::isModelFileName(file)) loadModel(file);
  return 1;
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

int32_t WMain::solutionOrientation() const {
  if (orientationSet_) return orientation_;
  const bool portrait = !env_ || !env_->appOpts ||
                        env_->appOpts->get_calcAppOpts().get_solutionWindowOrientation() == "portrait";
  return portrait ? GUI::TableChartWindow::Portrait : GUI::TableChartWindow::Landscape;
}

namespace {

// Drops the entries of the numbered table whose window closed. An entry at the address
// of a window just made (fresh) belongs to a closed one: addresses come back.
template <class Entry>
void dropClosedSolutions(std::vector<Entry>& entries, const GUI::TableChartWindow* fresh) {
  const auto& open = GUI::TableChartWindow::windows();
  entries.erase(std::remove_if(entries.begin(), entries.end(),
                               [&](const Entry& e) {
                                 return e.window == fresh || std::find(open.begin(), open.end(), e.window) == open.end();
                               }),
                entries.end());
}

}  // namespace

int32_t WMain::registerSolutionWindow(GUI::TableChartWindow* window, int32_t number) {
  PV_ASSERT(window != nullptr);
  if (number == 0) number = static_cast<int32_t>(bestChoiceCount_);
  // Pruned here too: Best Choice may open and close windows all day without a read.
  dropClosedSolutions(solutionWindows_, window);
  solutionWindows_.push_back({number, window});
  return number;
}

GUI::TableChartWindow* WMain::solutionWindow(int32_t number) const {
  dropClosedSolutions(solutionWindows_, nullptr);
  for (auto it = solutionWindows_.rbegin(); it != solutionWindows_.rend(); ++it) {
    if (it->number == number) return it->window;
  }
  return nullptr;
}

bool WMain::bestChoice() {
  GUI::WaitCursor wait;
  Data::RankSolutionData ranking;
  // A model not completely scored, or a solve that gave no ranking, is told and opens
  // no window.
  if (!batch_->solve(&ranking)) return false;
  ++bestChoiceCount_;
  const int32_t number = GUI::TableChartWindow::count() + 1;
  lastSolutionTitle_ = solutionTitle(number);
  updateStatusBar();
  const bool display = !env_ || !env_->appOpts || env_->appOpts->get_calcAppOpts().get_displaySolutionWindow();
  if (display) {
    auto* window = new GUI::TableChartWindow(this, nullptr, WS_OVERLAPPEDWINDOW, lastSolutionTitle_.c_str(),
                                             solutionOrientation(), ranking, IDI_SOLUTION);
    registerSolutionWindow(window, number);
    window->show(SW_SHOWNORMAL);
  }
  if (env_ && env_->appOpts && env_->appOpts->get_calcAppOpts().get_generateReportFile()) reportRun(false);
  return true;
}

bool WMain::refreshSolutionWindow() {
  GUI::TableChartWindow* window = solutionWindow();
  if (!window) return false;
  auto* server = Data::Factory::instance()->getMathServer(0);
  if (!server || !server->isComplete()) return true;
  GUI::WaitCursor wait;
  Data::RankSolutionData ranking;
  if (!batch_->solve(&ranking)) return false;
  refillSolutionWindow(window, ranking);
  updateStatusBar();
  return true;
}

bool WMain::solveScoredModel() {
  GUI::WaitCursor wait;
  Data::RankSolutionData ranking;
  if (!batch_->solve(&ranking)) return false;
  if (GUI::TableChartWindow* window = solutionWindow()) refillSolutionWindow(window, ranking);
  updateStatusBar();
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
  updateStatusBar();
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
      ask(path + ": " + why + "\n The guide could not be shown; open it from its folder with a PDF viewer.",
          appName_, MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
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

bool WMain::modelDefinitionComplete() {
  // An editor shows its kind in its caption after the unsaved-edits marker.
  std::string dirty;
  for (ModelWindow* window : modelWindows_) {
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

int WMain::cmCompare(zEvent*) {
  if (!modelDefinitionComplete()) return 1;
  auto* server = Data::Factory::instance()->getMathServer(0);
  if (!currentModel() || !server) return 1;
  server->update();
  if (!server->isScoreable()) {
    ask("The Model Is Not Scorable!\nYou Must Create And Store At Least 2 Choices, 1 Decision Maker, And 1 Criteria "
        "And Try Again!",
        "Palvermontine", MB_OK | MB_ICONINFORMATION, true);
    return 1;
  }
  const bool drawing = !server->hasAlgorithm();
  if (drawing) {
    std::string text =
        "Generating pairs will freeze the model in its current state.\nYou will only be allowed to modify decision "
        "maker and criteria weights\n\nDo not continue if the three core model components of decision makers, "
        "choices, and criteria\ndefining the model are not complete.\n\nBased on the number of core model "
        "components defined and the confidence level and \nconfidence interval settings, the total number of pairs "
        "that will be generated is NNN pairs.\n\nAre you sure you want to continue?";
    text.replace(text.find("NNN"), 3, std::to_string(server->numScoresNeeded()));
    if (ask(text, appName_ + ": Compare Choices Warning", MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL) != IDYES)
      return 1;
  }
  DCompareChoices::open(this);
  if (drawing) updateStatusBar();
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
  auto* server = Data::Factory::instance()->getMathServer(0);
  Data::DecisionModel* model = currentModel();
  if (!server || !model) return 1;
  // The scoring windows go first, storing nothing: their pairs are about to go.
  if (DPairedPrefScoring* scoring = DCompareChoices::scoringDialog()) scoring->discard();
  if (DCompareChoices* selector = DCompareChoices::instance()) selector->discard();
  if (server->hasAlgorithm()) server->deleteAlgorithm();
  model->get_ss().clear();
  // A ranking of scores that no longer exist would live on in reports and in the
  // next Best Choice's window: it goes with them.
  auto& solutions = model->get_slns();
  solutions.clear();
  solutions.set_flag(false);
  solutions.set_timestamp(std::string());
  // Open solution windows show that ranking: they close, as they do when a model loads.
  GUI::TableChartWindow::closeAll();
  solutionWindows_.clear();
  server->update();
  setModelDefEditLock(false);
  updateStatusBar();
  return 1;
}

}  // namespace App
}  // namespace PV
