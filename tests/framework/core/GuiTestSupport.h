// Support for the framework's GUI tests: an application object per test, a frame that logs
// what reaches its virtual handlers, message pumping, and a deadline that ends a message
// loop which would otherwise wait for ever.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/zProgram.h"
#include "framework/core/zProgramFrame.h"

// Exit code that the deadline gives a loop it had to end.
constexpr int kDeadlineExitCode = 99;

// Puts text on the clipboard as CF_TEXT, the clipboard opened for owner; false when it
// could not be opened.
bool putOnClipboard(const std::string& text, HWND owner = nullptr);

// Dispatches every waiting message; a WM_QUIT among them stays waiting for takeQuit.
void pump();
// Counts, while it lives, the frame paints (WM_NCPAINT) this thread's windows of one
// class receive: a window's own scroll bars are drawn with its frame, so the count is
// how often they are drawn.
class FramePaintCounter {
 public:
  explicit FramePaintCounter(const char* className);
  ~FramePaintCounter();
  FramePaintCounter(const FramePaintCounter&) = delete;
  FramePaintCounter& operator=(const FramePaintCounter&) = delete;
  int count(HWND window) const;
  void reset() { paints_.clear(); }

 private:
  static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam);
  std::string className_;
  std::vector<std::pair<HWND, int>> paints_;
  HHOOK hook_ = nullptr;
};

// Whether a WM_QUIT is waiting (it is removed); its exit code into *code.
bool takeQuit(int* code = nullptr);

// Makes the application object for one test and destroys it afterwards; leftover quit
// messages and posted messages of earlier tests are drained first.
class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the application's message loop; a loop still running after ms milliseconds is
  // ended with kDeadlineExitCode. Returns the loop's exit code.
  int runLoopWithDeadline(unsigned ms = 10000);

  zProgram* app_ = nullptr;
};

// A top-level frame that logs its virtual handlers and default processing.
class LoggingFrame : public zProgramFrame {
 public:
  explicit LoggingFrame(const char* title = "Test frame", uint32_t style = WS_OVERLAPPEDWINDOW)
      : zProgramFrame(nullptr, nullptr, style, title) {}
  ~LoggingFrame() override { ++destroyed; }

  LRESULT defProc(zEvent* event) override {
    if (event && event->message_ == logged) log.push_back("default");
    return zProgramFrame::defProc(event);
  }
  int onClose(zEvent* e) override { return record("slot", closeAnswer, e); }
  int onCommand(zEvent* e) override { return record("slot", commandAnswer, e); }
  int onScroll(zEvent* e) override { return record("scroll", 0, e); }
  int onMouseButtonDown(zEvent* e) override { return record("slot", buttonAnswer, e); }
  int onActivate(zEvent* e) override { return record("slot", 0, e); }
  int onFocus(zEvent* e) override { return record("slot", 0, e); }

  // Handlers registered at run time.
  int handlerAnswering0(zEvent*) {
    log.push_back("handler0");
    return 0;
  }
  int handlerAnswering1(zEvent*) {
    log.push_back("handler1");
    return 1;
  }

  UINT logged = 0;
  int closeAnswer = 0;
  int commandAnswer = 0;
  int buttonAnswer = 0;
  std::vector<std::string> log;
  static int destroyed;

 private:
  int record(const char* what, int answer, zEvent* e) {
    if (e && e->message_ == logged) log.push_back(what);
    return answer;
  }
};
