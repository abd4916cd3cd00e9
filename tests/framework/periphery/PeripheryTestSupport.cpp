#include "PeripheryTestSupport.h"

#include "framework/core/zTaskDev.h"

void PeripheryTest::SetUp() {
  static char commandLine[] = "-test";
  app_ = new zProgram(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
  zTheProgram = app_;
}

void PeripheryTest::TearDown() {
  delete app_;
  app_ = nullptr;
  zTheProgram = nullptr;
}

int PeripheryTest::runIdle(int most) {
  int passes = 0;
  while (passes < most && zTheProgram->taskDev()->count() > 0) {
    zTheProgram->taskDev()->idle();
    ++passes;
  }
  return passes;
}

zBitmapDisplay* newWhiteCanvas(int width, int height) {
  ziInfoDisplay screen;
  zBitmapDisplay* canvas = new zBitmapDisplaySized(&screen, width, height);
  PatBlt(canvas->hdc(), 0, 0, width, height, WHITENESS);
  return canvas;
}

COLORREF pixelAt(zDisplay& display, int x, int y) { return display.getPixel(x, y).colorRef() & 0xFFFFFF; }
