// The program started inside a test process as its main routine starts it: the
// framework's program object with a command line, then ProgramMain on it. stop() takes
// both down again and swallows the quit message their end posts, so that one test's
// program never ends the next one's message loop.
#pragma once

#include "GuiTestSupport.h"
#include "app/program/ProgramMain.h"
#include "app/program/WMain.h"
#include "framework/core/zProgram.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

class ProgramRun {
 public:
  PV::App::WMain* start(const std::string& commandLine) {
    // The program object keeps a pointer into the command line: it lives here.
    commandLine_ = commandLine;
    app_ = new zProgram(GetModuleHandleA(nullptr), nullptr, &commandLine_[0], SW_SHOWNORMAL);
    zTheProgram = app_;
    program_ = new PV::App::ProgramMain(app_);
    EXPECT_TRUE(program_->start());
    pump();
    return program_->window();
  }

  void stop() {
    delete program_;
    program_ = nullptr;
    delete app_;
    app_ = nullptr;
    zTheProgram = nullptr;
    pump();
    takeQuit();
  }

  PV::App::ProgramMain* program() const { return program_; }

 private:
  std::string commandLine_;
  zProgram* app_ = nullptr;
  PV::App::ProgramMain* program_ = nullptr;
};
