// The program's entry: the framework's WinMain calls zProgramMain with the
// application object.
#include "app/program/ProgramMain.h"
#include "framework/core/zProgram.h"

void zProgramMain(zProgram* app) { app->setExitCode(PV::App::runProgram(app)); }
