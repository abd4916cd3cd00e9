// The program's entry: the framework's WinMain asks whether the run opens windows (a
// console run opens none, and then loads no window library), then calls zProgramMain
// with the application object.
#include "app/program/PalvermontineOptions.h"
#include "app/program/ProgramMain.h"
#include "framework/core/zProgram.h"

bool zProgramOpensWindows(const char* commandLine) {
  return PV::Util::PalvermontineOptions(commandLine).isGuiMode() != 0;
}

void zProgramMain(zProgram* app) { app->setExitCode(PV::App::runProgram(app)); }
