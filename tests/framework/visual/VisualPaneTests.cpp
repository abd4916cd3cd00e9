// The visual pane: events only with interactive visuals, the scroll origin added to the
// mouse point, and printing that lays the tree out for the page and back again.
#include <gtest/gtest.h>

#include "VisualTestSupport.h"
#include "framework/draw/zBitmapDisplay.h"
#include "framework/core/zWinDisplay.h"
#include "framework/visual/zVisualCtrl.h"
#include "framework/visual/ziVisText.h"
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
  int onMouseUp(zEvent* e) override {
    up = zPoint::fromLParam(static_cast<uint32_t>(e->lParam_));
    return 1;
  }
  void draw(const zRect*) override { drawn = rect(); }
  void makeInteractive() { setFlags(interactiveBit); }
  zPoint down{-1, -1};
  zPoint up{-1, -1};
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
  // The release is judged where the press was: in the same coordinates.
  mouse(pane->handle(), WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(r->up.y(), 45);
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

TEST_F(VisualPane, AnAutoSizedTextTakesTheSizeOfItsTextAndFollowsNewTexts) {
  RecordingFrame frame;
  ziVisualPane* pane = new ziVisualPane(&frame, at(10, 10, 300, 100), WS_CHILD | WS_VISIBLE);
  zSizer* given = new zGravSizer(gravClient, 0, pane->sizer());
  ziVisText* text = new ziVisText(pane->shell(), given, "Short", 1);
  pane->addVisual(text);
  // The given sizer made way for the text's own, docked at the top of the same parent.
  ASSERT_NE(text->sizer(), nullptr);
  EXPECT_EQ(text->sizer()->parent(), pane->sizer());
  EXPECT_EQ(text->sizer()->gravity(), gravTop);
  pane->sizer()->update();
  // Measured on the pane's own display, in the font the text is drawn in.
  SIZE shortSize{0, 0};
  SIZE longSize{0, 0};
  pane->display()->lock();
  GetTextExtentPoint32A(pane->display()->hdc(), "Short", 5, &shortSize);
  GetTextExtentPoint32A(pane->display()->hdc(), "A much longer text", 18, &longSize);
  pane->display()->unlock();
  EXPECT_EQ(text->sizer()->extent().height(), shortSize.cy);
  // Drawn at its sizer's origin: strokes inside the text's extent, none right of it, on the
  // pane's face.
  const zPoint o = text->sizer()->origin();
  const COLORREF face = pixel(pane->handle(), 299, 99);
  int inside = 0, beyond = 0, white = 0;
  for (int y = o.y(); y < o.y() + shortSize.cy; ++y) {
    for (int x = o.x(); x < o.x() + shortSize.cx; ++x) {
      const COLORREF c = pixel(pane->handle(), x, y);
      inside += c != face;
      white += c == 0xFFFFFF;  // the text sits on the pane's face
    }
    for (int x = o.x() + shortSize.cx + 2; x < o.x() + shortSize.cx + 20; ++x)
      beyond += pixel(pane->handle(), x, y) != face;
  }
  EXPECT_GT(inside, 5);
  EXPECT_EQ(white, 0);
  EXPECT_EQ(beyond, 0);
  text->setText("A much longer text");
  EXPECT_GT(longSize.cx, shortSize.cx);
  zSizeInfo info;
  text->sizeQuery(info);
  EXPECT_EQ(info.prefSize.width(), longSize.cx);
  EXPECT_EQ(info.minSize.width(), info.maxSize.width());
  // A plain text visual is no caption: it never claims a mnemonic.
  EXPECT_STREQ(static_cast<const char*>(text->text()), "A much longer text");
  delete pane;
}

TEST_F(VisualPane, ACaptionLosesItsUnderlineWhenItsNewTextHasNoMark) {
  RecordingFrame frame;
  ziVisualPane* pane = new ziVisualPane(&frame, at(10, 10, 200, 40), WS_CHILD | WS_VISIBLE);
  ziVisText3d* caption =
      new ziVisText3d(pane->shell(), new zGravSizer(gravClient, 0, pane->sizer()), ziTextNearLeft, "Save && &Exit");
  pane->addVisual(caption);
  pane->sizer()->update();
  caption->draw(nullptr);
  EXPECT_TRUE(caption->mnemonicPresent());
  EXPECT_EQ(caption->mnemonicIndex(), 7);  // "Save & Exit": the E
  caption->setText("Plain");
  caption->draw(nullptr);
  EXPECT_FALSE(caption->mnemonicPresent());
  delete pane;
}

}  // namespace
