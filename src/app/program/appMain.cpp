// The program's main routine: opens the option files, reads the command line and
// carries out what it asks. A console run ends here with the exit code of the
// batch run, without a window and without a message loop.
#include "app/program/BatchRun.h"
#include "app/program/MRUPersistentList.h"
#include "app/program/PdfViewerProxy.h"
#include "app/program/ShellServices.h"
#include "app/program/pv_cmdlineopts.h"
#include "app/program/res/resource.h"
#include "framework/core/zProgram.h"
#include "app/services/AboutInfo.h"
#include "app/services/AppFolders.h"
#include "factory/DemoModel.h"
#include "factory/Factory.h"
#include "xml/PalvermontineAppOptsFile.h"
#include "xml/PalvermontineMdlOptsFile.h"

#include <windows.h>

#include <memory>
#include <string>

namespace {

std::string loadString(HINSTANCE module, UINT id, const char* fallback) {
  char buffer[256] = {};
  const int n = LoadStringA(module, id, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string(fallback);
}

void releaseSingletons() {
  PV::Data::Factory::destroy();
  PV::XML::PalvermontineAppOptsFile::destroy();
  PV::XML::PalvermontineMdlOptsFile::destroy();
  PV::Util::PalvermontineAboutInfo::destroy();
}

int32_t runProgram(zProgram* app) {
  const HINSTANCE module = app->instance();
  PV::Utils::PalvermontineOptions options(app->commandLine());
  const bool console = options.isGuiMode() == 0;
  PV::App::ConsoleUi consoleUi;
  PV::App::MessageBoxUi boxUi;
  PV::App::BatchUi& ui = console ? static_cast<PV::App::BatchUi&>(consoleUi) : boxUi;
  const std::string appName = loadString(module, IDS_APP_NAME, "Palvermontine");

  // Option files: read, or created with their defaults; a damaged one is set aside
  // and replaced, which the user is told.
  auto* about = PV::Util::PalvermontineAboutInfo::instance();
  PV::XML::setOptionsHome({PV::App::getConfigDirPath(), about->get_userName()});
  auto* mdlOpts = PV::XML::PalvermontineMdlOptsFile::instance();
  auto* appOpts = PV::XML::PalvermontineAppOptsFile::instance();
  about->set_userName(appOpts->options().get_idAppOpts().get_owner());
  for (const std::string* problem : {&mdlOpts->problem(), &appOpts->problem()}) {
    if (!problem->empty()) ui.tell(PV::App::BatchUi::TELL_WARNING, appName, *problem);
  }

  std::string usage;
  if (options.getHelpText(usage)) {
    std::string path;
    if (!PV::App::BatchRun::writeHelpLog(std::string(), &path)) {
      ui.tell(PV::App::BatchUi::TELL_ERROR, appName, "Cannot write " + path);
      if (console) return PV::App::BATCH_HELP_FAILED;
    } else if (console) {
      consoleUi.where("Help: " + path);
      return PV::App::BATCH_OK;
    } else if (MessageBoxA(nullptr,
                           "-help created PalvermontineHelp.log, Do you want to close the "
                           "application to review log?",
                           "Command Line Help - Informational: Close Application?",
                           MB_YESNO | MB_ICONINFORMATION | MB_TASKMODAL) == IDYES) {
      return PV::App::BATCH_OK;
    }
  }

  const PV::Report::ReportLogo logo = PV::App::loadReportLogo(module, IDB_LOGO);
  PV::App::BatchEnvironment env;
  env.appOpts = &appOpts->options();
  env.mdlOpts = &mdlOpts->options();
  env.recentFilesPath = PV::App::configFilePath(PV::GUI::RECENT_FILES_FILE);
  env.programFolder = PV::App::programFolder();
  env.appName = appName;
  env.ui = &ui;
  env.logo = logo.usable() ? &logo : nullptr;
  env.makeViewer = [](uint32_t mode) -> std::unique_ptr<PV::App::ReportLauncher> {
    auto proxy = std::make_unique<PV::Util::PdfViewerProxy>(mode);
    if (proxy->useAcrobatReader()) proxy->setUseAcrobatReader(true);
    return proxy;
  };

  PV::App::BatchRun batch(options, env);
  if (options.isMkdm()) batch.makeDemoModel();
  const int32_t code = batch.run();
  if (console) return code;

  if (options.isTestApp()) {
    PV::Test::dumpAppOpts();
    PV::Test::dumpMdlOpts();
  }
  // The main window joins the program in its next stage; until then a GUI start
  // says what the command line did.
  const std::string text = (batch.caption().empty() ? appName : batch.caption()) + "\n\n" +
                           (boxUi.lines().empty() ? std::string("Nothing was written.") : boxUi.lines());
  MessageBoxA(nullptr, text.c_str(), appName.c_str(), MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
  return code;
}

}  // namespace

void zProgramMain(zProgram* app) {
  const int32_t code = runProgram(app);
  releaseSingletons();
  app->setExitCode(code);
}
