// The report's one drawing surface over one PDF document: it keeps the page, the
// current position, colours and font, and enforces the drawing protocol (a line, a
// polygon and a text are each opened and closed explicitly, never overlap, and
// attributes change only while nothing is open). It is the only caller of the PDF
// writer; a failure inside the writer is recorded and returned by close(), never
// allowed to end the program.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "report/Color.h"
#include "report/FontAttributes.h"
#include "report/GraphicsXform.h"
#include "report/Position.h"
#include "report/ReportInputs.h"

struct CpdfDocument;

namespace PV {
namespace Report {

enum : int32_t { FILL_RULE_NON_ZERO_WINDING = 1, FILL_RULE_EVEN_ODD = 2 };

// Colour selectors, bits of a mask.
enum : int32_t {
  COLOR_LINE = 1,
  COLOR_POLYGON_EDGE = 2,
  COLOR_POLYGON_FILL = 4,
  COLOR_TEXT_STROKE = 8,
  COLOR_TEXT_FILL = 16,
  COLOR_TEXT_HIGHLIGHT = 32
};

// Inline image formats.
enum : int32_t { IMAGE_MASK = 0, CS_GRAY = 1, CS_RGB = 2, CS_CMYK = 3 };

// Close statuses.
enum : int32_t {
  REPORT_WRITTEN = 0,
  REPORT_WRITER_FAILED = 1,
  REPORT_NOT_IN_MEMORY = 2,
  REPORT_NOTHING_DRAWN = 3,
  REPORT_CANNOT_OPEN_FILE = 4,
  REPORT_SHORT_WRITE = 5,
  REPORT_CLOSE_FAILED = 6
};

class ReportDevice {
 public:
  ReportDevice(const std::string& modelName, const std::string& modelPath, const std::string& reportPath,
               const std::string& reportTime, const AboutTexts& aboutInfo, ReportViewer* viewerOptions, bool forceSave);
  ~ReportDevice();
  ReportDevice(const ReportDevice&) = delete;
  ReportDevice& operator=(const ReportDevice&) = delete;

  static ReportDevice& instance();
  static bool hasInstance();
  static void setInstance(ReportDevice* device);

  // Finalises and saves the document, hands a written file to the viewer, closes
  // the document. Returns one of the close statuses; errorMessage() tells why, with
  // the system's reason. The file is written beside the report path and renamed
  // over it only when whole: a failed save keeps the previous report of that name
  // and leaves no partial file.
  int32_t close();
  const std::string& errorMessage() const { return errorMessage_; }

  // Page box and margin, in points.
  uint32_t pageLeft() const { return pageLeft_; }
  uint32_t pageRight() const { return pageRight_; }
  uint32_t pageBottom() const { return pageBottom_; }
  uint32_t pageTop() const { return pageTop_; }
  double margin(int unit = 0) const { return unit == 0 ? 72.0 : 0.0; }
  int32_t pageCount() const { return pageCount_; }

  uint32_t getFontStyleIndex() const { return fontStyleIndex_; }
  const FontEncoding& getFontEncoding() const { return fontEncoding_; }
  int32_t getFontWeight() const { return fontWeight_; }
  double getFontHeightPoints() const { return fontHeightPoints_; }
  double getTextAngle() const { return textAngle_; }
  Position getCurrentPosition() const { return currentPosition_; }
  void getCurrentPosition(double& x, double& y) const {
    x = currentPosition_.getX();
    y = currentPosition_.getY();
  }
  double getX() const { return currentPosition_.getX(); }
  double getY() const { return currentPosition_.getY(); }

  // Attribute setters: each stores the value and marks its group changed.
  void setColor(int32_t mask, const Color& color);
  void setPolygonFillRule(int32_t polygonFillRule);
  void setPolygonEdge(bool on);
  void setFontStyleIndex(uint32_t index);
  void setFontEncoding(const FontEncoding& encoding);
  void setFontWeight(int32_t weight);
  void setFontHeightPoints(double points);
  void setTextAngle(double degrees);
  void setTextHighlight(bool on);

  // Positions (device coordinates unless "World").
  void moveTo(const Position& position);
  void setPosition(double x, double y);
  void moveToWorld(const Position& position);
  void lineToWorld(const Position& position);
  Position toDevice(const Position& position) const;
  Position toDeviceInverse(const Position& position) const;

  // Drawing, in points.
  void beginLine();
  void lineTo(const Position& position);
  void closePath();
  void endLine();
  void beginPolygon();
  void endPolygon();
  void drawRect(double x, double y, double width, double height);
  void drawRect(const Position& position, double width, double height);
  void newPath();
  void beginText();
  void drawText(const std::string& text);
  void endText();
  double stringWidth(const std::string& text);

  void pushTransform(int32_t type);
  void popTransform();
  void setWindows(double xMinDevice, double xMaxDevice, double yMinDevice, double yMaxDevice, double xMinWorld,
                  double xMaxWorld, double yMinWorld, double yMaxWorld);
  GraphicsXform& transform() { return xform_; }

  void drawLink(double x1, double y1, double x2, double y2, const std::string& url);
  void placeImage(const uint8_t* data, int32_t byteCount, double x, double y, double angle, double drawWidth,
                  double drawHeight, int32_t pixelWidth, int32_t pixelHeight, int32_t bitsPerComponent, int32_t format);

  void beginPage();
  void finishPage();

  // One line per writer call to the stream (none: no trace).
  void setTrace(std::ostream* trace) { trace_ = trace; }

  // Called by the writer's error channel of this document.
  void recordWriterError(int level, const std::string& label, const std::string& message);

 private:
  struct WriterColor {
    bool known = false;
    double r = 0, g = 0, b = 0;
  };
  void applyLineAttributes();
  void applyPolygonAttributes();
  void applyTextAttributes();
  // The current font is a text font (not a symbol font): declared with the Windows
  // character set encoding, its texts converted from UTF-8 to it.
  bool usesTextEncoding() const;
  void setWriterFill(const Color& c);
  void setWriterStroke(const Color& c);
  void forgetWriterState();
  int32_t save();
  void failWith(const std::string& message);
  std::string traceDoc() const;

  // Copies: the device never depends on the lifetime of its caller's texts.
  std::string modelName_;
  std::string modelPath_;
  std::string reportPath_;
  std::string reportTime_;
  bool forceSave_;
  AboutTexts aboutInfo_;
  ReportViewer* viewerOptions_;
  CpdfDocument* pdf_ = nullptr;

  uint32_t pageLeft_ = 0, pageRight_ = 612, pageBottom_ = 0, pageTop_ = 792;
  std::string mediaBox_;
  std::string cropBox_;

  GraphicsXform xform_;
  bool drawnSomething_ = false;
  bool finalized_ = false;
  int32_t pageCount_ = 0;
  Position currentPosition_{0, 0, 0};

  bool drawingLine_ = false;
  bool lineAttributesChanged_ = false;
  Color lineColor_;

  bool drawingPolygon_ = false;
  bool polygonAttributesChanged_ = false;
  int32_t polygonFillRule_ = FILL_RULE_NON_ZERO_WINDING;
  bool polygonEdge_ = true;
  Color polygonFillColor_;
  Color polygonEdgeColor_;

  bool drawingText_ = false;
  bool textAttributesChanged_ = false;
  bool textHighlight_ = false;
  Color textStrokeColor_;
  Color textFillColor_;
  Color textHighlightColor_;
  uint32_t fontStyleIndex_ = BOOKMAN_LIGHT;
  FontEncoding fontEncoding_;
  int32_t fontWeight_ = 1;
  int32_t textRenderingMode_ = 0;
  double fontHeightPoints_ = 10.0;
  double textAngle_ = 0.0;

  // What is in force in the writer's graphics state, so that every path and text
  // is drawn in the colours and font the device holds.
  WriterColor writerFill_;
  WriterColor writerStroke_;
  bool writerFontKnown_ = false;
  uint32_t writerFontStyle_ = NO_FONT_STYLE_SELECTED;
  FontEncoding writerFontEncoding_;
  double writerFontHeight_ = 0.0;
  int32_t writerRenderingMode_ = -1;

  bool failed_ = false;
  std::string errorMessage_;
  std::ostream* trace_ = nullptr;
  int uncaughtAtConstruction_;

  static ReportDevice* instance_;
};

}  // namespace Report
}  // namespace PV
