// The main window's file commands (New, Open, Save, Save As, the recent files, a
// dropped file, Exit) and the routines they share: the one load routine, the one save
// prompt, and the caption that names the model's file; and the state of the model the
// command line left.
#include "app/program/WMain.h"

#include "app/dialogs/DNewModel.h"
#include "app/program/MainWindowSupport.h"
#include "app/program/SystemText.h"
#include "app/program/res/program_ids.h"
#include "foundation/FileNames.h"
#include "framework/core/zMenu.h"
#include "framework/core/zProgram.h"
#include "framework/frames/zCommonForms.h"
#include "model/FileUtils.h"
#include "model/ModelFileName.h"

#include <shellapi.h>

namespace PV {
namespace App {

using MainWindow::canRead;
using MainWindow::documentFolder;
using MainWindow::fileNamePart;
using MainWindow::fullPathOf;
using MainWindow::lower;

namespace {

constexpr const char* kLoadCaption = "WARNING: Missing File Or Directory or File Corrupted";

}  // namespace

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

void WMain::setCaption(const std::string& caption) {
  winTitle_ = caption;
  setTitle(caption.c_str());
}

void WMain::setCaptionForFile(const std::string& path) {
  setCaption(Utf8ToSystem(showDirPath_ ? path : fileNamePart(path)) + " - " + appName_);
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
}

bool WMain::savePrompt() {
  const Data::DecisionModel* model = currentModel();
  if (!model) return true;
  const bool dirtyWindows = modelWindowsDirty();
  if (document().isUnmodified() && !dirtyWindows) return true;
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
                         : !model->get_nm().empty() ? Util::safeFileName(model->get_nm(), Data::kModelExtension)
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

}  // namespace App
}  // namespace PV
