// A band of an MDI frame's client area beside the MDI client: the main window keeps its
// toolbar in one and its status line in another. Its sizer is a gravity sizer docked along
// its edge, put among the frame's sizers before the client's, so the margins are laid out
// in order of construction before the client, which takes what is left.
#pragma once

#include "framework/core/zFrameWin.h"

class zMDIMarginFrame : public zFrameWin {
 public:
  enum Edge { topEdge = 0, bottomEdge = 1 };

  // The sizer's height is the band's thickness. The window is created at once.
  zMDIMarginFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title);
  ~zMDIMarginFrame() override;

  // DefWindowProc, without the frame's colour and minimum-size handling.
  LRESULT defProc(zEvent* event) override;
  WNDCLASSA* classInfo() override;
  void create() override;
  void createWindow();

  // The edge of the frame along which the band lies; the top unless set otherwise.
  Edge edge() const { return edge_; }
  void setEdge(Edge edge);
  // The band's breadth: the height of the sizer given at construction.
  int32_t thickness() const { return thickness_; }
  void setThickness(int32_t thickness);

  LRESULT route(zEvent* event);

 private:
  Edge edge_;
  int32_t thickness_;
};
