#include "app/program/ProgramMain.h"

#include "app/dialogs/DAppOptions.h"
#include "app/program/MRUPersistentList.h"
#include "app/program/PdfViewerProxy.h"
#include "app/program/res/program_ids.h"
#include "factory/DemoModel.h"
#include "factory/Factory.h"
#include "framework/core/zProgram.h"
#include "framework/core/zResId.h"
#include "app/services/AboutInfo.h"
#include "app/services/AppFolders.h"
#include "xml/PalvermontineAppOptsFile.h"
#include "xml/PalvermontineMdlOptsFile.h"
#include "xml/XmlOptsFile.h"

#include <windows.h>

namespace PV {
namespace App {

namespace {

// A string of the program's string table, in the ANSI code page as LoadStringA gives it,
// read through the loader alone: LoadString lives in the window library, which a batch
// run never loads. The table's block id / 16 + 1 holds sixteen counted UTF-16 strings.
std::string loadString(HINSTANCE module, UINT id, const char* fallback) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id / 16 + 1), MAKEINTRESOURCEW(6));  // RT_STRING
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const WCHAR* at = loaded ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
  if (!at) return fallback;
  const WCHAR* end = at + SizeofResource(module, found) / sizeof(WCHAR);
  for (UINT i = 0; i < id % 16 && at < end; ++i) at += 1 + *at;
  if (at >= end || *at == 0 || *at > end - at - 1) return fallback;
  const int length = *at++;
  const int n = WideCharToMultiByte(CP_ACP, 0, at, length, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return fallback;
  std::string text(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, at, length, &text[0], n, nullptr, nullptr);
  return text;
}

}  // namespace

ProgramMain::ProgramMain(zProgram* app)
    : app_(app),
      options_(app->commandLine()),
      console_(options_.isGuiMode() == 0),
      appName_(loadString(app->instance(), IDS_APP_NAME, "Palvermontine")) {}

ProgramMain::~ProgramMain() {
  delete window_;
  window_ = nullptr;
  batch_.reset();
  PV::Data::Factory::destroy();
  PV::XML::PalvermontineAppOptsFile::destroy();
  PV::XML::PalvermontineMdlOptsFile::destroy();
  PV::Util::PalvermontineAboutInfo::destroy();
}

bool ProgramMain::start() {
  BatchUi& ui = console_ ? static_cast<BatchUi&>(consoleUi_) : boxUi_;
  if (!console_) {
    wholeCaptions_ = std::make_unique<WholeBoxCaptions>();
    escapeAnswersNo_ = std::make_unique<EscapeAnswersNo>();
  }

  // Option files: read, or created with their defaults; a damaged one is set aside
  // and replaced, which the user is told.
  // The owner of a file made anew comes from the about information of that moment: this
  // run's object goes when the run ends, the folder's setting stays.
  PV::XML::setOptionsHome({PV::App::getConfigDirPath(), std::string(),
                           [] { return PV::Util::PalvermontineAboutInfo::instance()->get_userName(); }});
  auto* about = PV::Util::PalvermontineAboutInfo::instance();
  auto* mdlOpts = PV::XML::PalvermontineMdlOptsFile::instance();
  auto* appOpts = PV::XML::PalvermontineAppOptsFile::instance();
  about->set_userName(appOpts->options().get_idAppOpts().get_owner());
  for (const std::string* problem : {&mdlOpts->problem(), &appOpts->problem()}) {
    if (!problem->empty()) ui.tell(BatchUi::TELL_WARNING, appName_, *problem);
  }

  std::string usage;
  if (options_.getHelpText(usage)) {
    std::string path;
    if (!BatchRun::writeHelpLog(std::string(), &path)) {
      ui.tell(BatchUi::TELL_ERROR, appName_, "Cannot write " + path);
      if (console_) {
        code_ = BATCH_HELP_FAILED;
        return false;
      }
    } else if (console_) {
      consoleUi_.where("Help: " + path);
      return false;
    } else if (MessageBoxA(nullptr,
                           "-help created PalvermontineHelp.log, Do you want to close the "
                           "application to review log?",
                           "Command Line Help - Informational: Close Application?",
                           MB_YESNO | MB_ICONINFORMATION | MB_TASKMODAL) == IDYES) {
      return false;
    }
  }

  logo_ = loadReportLogo(app_->instance(), IDB_LOGO);
  env_.appOpts = &appOpts->options();
  env_.mdlOpts = &mdlOpts->options();
  // In the options folder, which was found (and made where missing) once above.
  env_.recentFilesPath = PV::XML::optionsFilePath(PV::GUI::RECENT_FILES_FILE);
  // Asked for only when a report has no other place: finding the folder starts the shell.
  env_.findDocumentsFolder = [] { return documentsFolder(); };
  env_.appName = appName_;
  env_.ui = &ui;
  env_.logo = logo_.usable() ? &logo_ : nullptr;
  env_.makeViewer = [](uint32_t mode) -> std::unique_ptr<ReportLauncher> {
    auto proxy = std::make_unique<PV::Util::PdfViewerProxy>(mode);
    if (proxy->useAcrobatReader()) proxy->setUseAcrobatReader(true);
    return proxy;
  };

  // "-solve" in GUI mode is the main window's Best Choice, which shows the ranking.
  if (!console_) env_.bestChoice = [this] { return window_ && window_->bestChoice(); };
  batch_ = std::make_unique<BatchRun>(options_, env_);
  if (options_.isMkdm()) batch_->makeDemoModel();
  if (console_) {
    code_ = batch_->run();
    return false;
  }

  // GUI mode: the window is up before the command line's model is loaded, so that
  // what goes wrong is shown over it. The recent-files list file is created here.
  WMain::setShowDirPathInTitle(env_.appOpts->get_guiAppOpts().get_showDirPathInMainWndwTitle() || options_.isPath());
  const auto& gui = env_.appOpts->get_guiAppOpts();
  bool female = gui.get_decisionMakerIcon() == "dm2";
  if (options_.isTbDm2()) female = true;
  if (options_.isTbDm1()) female = false;
  WMain::setDmFemale(female);
  int32_t exitMode = Dialogs::exitModeOf(gui.get_exitIcon());
  if (options_.isTbExitP()) exitMode = 2;
  if (options_.isTbExitB()) exitMode = 1;
  if (options_.isTbNoExit()) exitMode = 0;
  WMain::setTestExitMode(exitMode);
  window_ = new WMain(appName_, batch_.get(), &env_, true, env_.recentFilesPath);
  window_->show(options_.isFullScreen() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  // The solution windows' orientation: landscape prevails when both are given.
  if (options_.isTcPortrait()) window_->setSolutionOrientation(PV::GUI::TableChartWindow::Portrait);
  if (options_.isTcLandscape()) window_->setSolutionOrientation(PV::GUI::TableChartWindow::Landscape);
  code_ = batch_->run();
  window_->afterStartup();
  if (options_.isTestApp()) {
    PV::Test::dumpAppOpts();
    PV::Test::dumpMdlOpts();
  }
  app_->loadAccelerators(zResId(IDR_ACCELERATORS));
  return true;
}

int32_t runProgram(zProgram* app) {
  int32_t code = BATCH_OK;
  {
    ProgramMain program(app);
    if (!program.start()) {
      code = program.exitCode();
    } else {
      app->runMessageLoop();
      code = app->exitCode();
    }
  }
  return code;
}

}  // namespace App
}  // namespace PV
