// An application object for each test (it initialises OLE and holds the idle tasks that a
// print job runs on), and a bitmap display to draw into and read back.
#pragma once

#include <gtest/gtest.h>

#include "framework/core/zProgram.h"
#include "framework/draw/zBitmapDisplay.h"

class PeripheryTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs idle passes until no task is queued or the count runs out; the passes run.
  static int runIdle(int most = 100);

  zProgram* app_ = nullptr;
};

// A white canvas of the given size.
zBitmapDisplay* newWhiteCanvas(int width, int height);
// The pixel as a COLORREF of plain RGB.
COLORREF pixelAt(zDisplay& display, int x, int y);
