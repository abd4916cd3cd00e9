// A percentage bar drawn by the framework itself, in two hosts: zProgressBar, a pane control
// with its own window (dialog templates name it "zProgressBar"), and zStatusItemProgBar, a
// status-line field that shows a label followed by the bar. Both hand the bar to
// ziProgressBarInfo, which holds its rectangle, style, colours, fonts, caption and
// percentage and paints it. Percentages are held to 0..100. The bar owns the font object
// and the brush it is given; giving it the one it holds again changes nothing.
#pragma once

#include <cstdint>

#include "foundation/FLCString.h"
#include "foundation/Geometry.h"
#include "framework/bars/zBarsArith.h"
#include "framework/bars/zStatusLine.h"
#include "framework/draw/zRCFont.h"
#include "framework/frames/zPane.h"

class zBrush;
class zDisplay;
class zFont;

// Class-type bit of zProgressBar (zEvH::setTypeBit).
constexpr unsigned zTypeProgressBar = 77;

class ziProgressBarInfo {
 public:
  ziProgressBarInfo();
  ziProgressBarInfo(const zRect& rect, uint32_t style);
  ziProgressBarInfo(const ziProgressBarInfo&) = delete;
  ziProgressBarInfo& operator=(const ziProgressBarInfo&) = delete;
  virtual ~ziProgressBarInfo();

  void setRect(const zRect& rect) { rect_ = rect; }
  const zRect& rect() const { return rect_; }
  void setPercent(float percent) { percent_ = zbars::clampPercent(percent); }
  float percent() const { return percent_; }
  void setCaption(const FLCString& caption) { caption_ = caption; }
  const FLCString& caption() const { return caption_; }
  void setBackColor(uint32_t color) { backColor_ = color; }
  void setTextColor(uint32_t color) { textColor_ = color; }
  void setFrameColor(uint32_t color) { frameColor_ = color; }
  void setTextAlign(int32_t align) { textAlign_ = align; }
  virtual void setFont(const zRCFont& font) { font_ = font; }
  // The bar takes the object: the old one is deleted, null leaves none.
  void setFontObject(zFont* font);
  zFont* fontObject() const { return fontObject_; }
  // The bar takes the brush: the old one is deleted, null puts the red bar back.
  void setBarBrush(zBrush* brush);
  uint32_t fillDirection() const { return zbars::fillDirection(style_); }
  void setFillDirection(uint32_t d) { style_ = zbars::setFillDirection(style_, d); }
  uint32_t frameStyle() const { return zbars::frameStyle(style_); }
  void setFrameStyle(uint32_t f) { style_ = zbars::setFrameStyle(style_, f); }
  uint32_t style() const { return style_; }
  // Paints frame, fill, rest and caption on the display.
  void paint(zDisplay* display);

 private:
  zRect rect_;
  uint32_t style_;
  int32_t textAlign_;
  zRCFont font_;
  zFont* fontObject_;
  zBrush* barBrush_;
  uint32_t textColor_;
  uint32_t backColor_;
  uint32_t frameColor_;
  FLCString caption_;
  float percent_;
};

class zProgressBar : public zPaneControl {
 public:
  // style: a fill direction and a frame (zbars::fillFromLeft ... frameNone) with the window
  // style bits; a text becomes the caption.
  zProgressBar(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  ~zProgressBar() override;
  // The bar a dialog template made for the item with that identifier (its creator made the
  // whole object, so there is nothing to take over); null when the item is none.
  static zProgressBar* find(zWindow* parent, int32_t id);
  void setPercent(float percent, int redraw = 1);
  uint32_t setBackgroundColor(const zColor& color) override;
  void setFont(const zRCFont& font, int redraw = 0) override;
  void setFont(zFont* font, int redraw = 0) override;
  int draw(zEvent* event) override;
  int onSize(zEvent* event) override;
  int onEraseBackground(zEvent*) override { return 1; }
  ziProgressBarInfo& info() { return *info_; }

 private:
  ziProgressBarInfo* info_;
};

class zStatusItemProgBar : public zStatusItem {
 public:
  zStatusItemProgBar(zStatusLine* line, zSizer* sizer, int32_t id, uint32_t style);
  // Width: the label's extent + barWidth + 8 (0 with gravClient); the caller adds the gap.
  zStatusItemProgBar(zStatusLine* line, int32_t gravity, const char* label, int32_t barWidth, int32_t id,
                     uint32_t style);
  void setPercent(float percent, int redraw = 1);
  virtual void setFont(const zRCFont& font, int redraw);
  virtual void setFontObject(zFont* font, int redraw);
  virtual void drawBar();
  void draw(const zRect* clip) override;
  void update() { draw(nullptr); }
  ziProgressBarInfo& info() { return info_; }

 private:
  void redrawNow();
  ziProgressBarInfo info_;
};

zWindow* zCreateProgressBar(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
// Registers the control types of the bars ("zProgressBar"); once per process.
void zRegisterBarsControlTypes();
