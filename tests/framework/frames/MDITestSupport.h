// An MDI frame with a menu bar ("&File", "&Window") and children that log their end.
#pragma once

#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "framework/core/zMenu.h"
#include "framework/layout/zSizer.h"
#include "framework/frames/zMDIAppFrame.h"

class TestChild : public zMDIChildFrame {
 public:
  TestChild(zWindow* parent, const char* title, std::vector<std::string>* log = nullptr)
      : zMDIChildFrame(parent, nullptr, WS_OVERLAPPEDWINDOW, title), log_(log), name_(title) {}
  ~TestChild() override {
    if (log_) log_->push_back(name_);
    ++destroyed;
  }
  int onClose(zEvent*) override { return refuseClose; }

  int refuseClose = 0;
  static int destroyed;

 private:
  std::vector<std::string>* log_;
  std::string name_;
};

inline zMDIAppFrame* makeTestMDIFrame(const char* title = "MDI Test") {
  zMenu* windowMenu = new zMenu();
  zMDIAppFrame* frame =
      new zMDIAppFrame(nullptr, new zSizer(zPoint(20, 20), zDimension(640, 480), nullptr), 0, title, windowMenu, 1000);
  zMenu* bar = new zMenu(frame);
  const HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, 40, "E&xit");
  AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu->handle()), "&Window");
  frame->setMenu(bar);
  DrawMenuBar(frame->handle());
  return frame;
}

inline std::vector<std::string> menuTexts(HMENU menu) {
  std::vector<std::string> texts;
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    char text[100] = {0};
    GetMenuStringA(menu, static_cast<UINT>(i), text, 99, MF_BYPOSITION);
    texts.push_back(text);
  }
  return texts;
}
