// The visual pane: events only with interactive visuals, the scroll origin added to the
// mouse point, and printing that lays the tree out for the page and back again.
#include <gtest/gtest.h>

#include "VisualTestSupport.h"
#include "framework/draw/zBitmapDisplay.h"
#include "framework/draw/zWinDisplay.h"
#include "framework/visual/zVisualCtrl.h"
#include "framework/visual/ziVisualPane.h"

namespace {

using VisualPane = FrameworkTest;

class Recorder : public ziVisual {
 public:
  Recorder(ziCompound* parent, zSizer* sizer) : ziVisual(parent, sizer) {}
  int onMouseDown(zEvent* e) override {
    down = zPoint::fromLParam(static_cast<uint32_t>(e->lParam_));
    return 1;
  }
  void draw(const zRect*) override { drawn = rect(); }
  void makeInteractive() { setFlags(interactiveBit); }
  zPoint down{-1, -1};
  zRect drawn;
};

TEST_F(VisualPane, EventsReachTheTreeOnlyWithInteractiveVisualsAndWithTheOriginAdded) {
  RecordingFrame frame;
  ziVisualPane* pane = new ziVisualPane(&frame, at(10, 10, 200, 100), WS_CHILD | WS_VISIBLE);
  Recorder* r = new Recorder(pane->shell(), new zGravSizer(gravClient, 0, pane->sizer()));
  pane->addVisual(r);
  pane->sizer()->update();
  zEvent down(MAKELPARAM(5, 5), MK_LBUTTON, WM_LBUTTONDOWN, pane->handle());
  EXPECT_EQ(pane->onMouseButtonDown(&down), 0);  // nothing interactive yet
  r->makeInteractive();
  pane->display()->setOrigin(0, 40);
  mouse(pane->handle(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  EXPECT_EQ(r->down.x(), 5);
  EXPECT_EQ(r->down.y(), 45);
  delete pane;
}

TEST_F(VisualPane, PrintingLaysTheTreeOutForThePageAndLeavesTheScreenLayoutAsItWas) {
  RecordingFrame frame;
  ziVisualPane* pane = new ziVisualPane(&frame, at(10, 10, 200, 100), WS_CHILD | WS_VISIBLE);
  Recorder* r = new Recorder(pane->shell(), new zGravSizer(gravClient, 0, pane->sizer()));
  pane->addVisual(r);
  pane->sizer()->update();
  const zDimension before = r->sizer()->extent();
  EXPECT_EQ(before.width(), 200);
  zBitmapDisplaySized page(pane->display(), 300, 400);
  EXPECT_EQ(pane->printPage(&page), 1);
  EXPECT_EQ(r->drawn.width(), 300);
  EXPECT_EQ(r->drawn.height(), 400);
  EXPECT_EQ(r->sizer()->extent().width(), before.width());
  EXPECT_EQ(r->sizer()->extent().height(), before.height());
  EXPECT_EQ(pane->sizer()->origin().x(), 10);
  delete pane;
}

}  // namespace
