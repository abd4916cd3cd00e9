// The program's entry: the application object around the program's main routine.
#include "framework/core/zProgram.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR commandLine, int showCommand) {
  return zProgramEntry(instance, prevInstance, commandLine, showCommand, &zProgramMain);
}
