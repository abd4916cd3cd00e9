#include "report/ReportDevice.h"

#include <cerrno>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <exception>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "foundation/Assert.h"
#include "foundation/FileNames.h"
#include "model/FileUtils.h"
#include "pdf/cpdf.h"
#include "report/NumberText.h"
#include "report/WinAnsiText.h"

namespace PV {
namespace Report {

ReportDevice* ReportDevice::instance_ = nullptr;

namespace {

// ": " and the system's text for an error number, or nothing when there is none.
std::string systemReason(int err) { return err == 0 ? std::string() : ": " + PV::Util::systemErrorText(err); }

// Renames the finished file over the target (replacing it where it exists); false
// with ": " and the system's reason otherwise.
bool replaceWithFile(const std::string& from, const std::string& to, std::string& why) {
  if (PV::Util::renameOver(from, to, why)) return true;
  why = ": " + why;
  return false;
}

// Trace arguments: texts in double quotes, numbers in decimal.
std::string traceArg(const char* text) { return text ? "\"" + std::string(text) + "\"" : std::string("NULL"); }
std::string traceArg(const std::string& text) { return "\"" + text + "\""; }
// Numbers as the writer receives them: every coordinate and colour is a float.
template <typename T>
std::string traceArg(T value) {
  static_assert(std::is_arithmetic<T>::value, "numbers only");
  if constexpr (std::is_floating_point<T>::value) {
    return shortestText(static_cast<float>(value));
  } else {
    return decimalText(static_cast<int64_t>(value));
  }
}

std::string hexHandle(const void* p) {
  char buffer[32];
  const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, reinterpret_cast<uintptr_t>(p), 16);
  return "0x" + std::string(buffer, r.ptr);
}

// The writer's error channel of a document opened by a report device: a failure is
// recorded on the device (found through the instance registered for the report)
// instead of printing and ending the process.
void deviceErrorHandler(CpdfDocument* /*doc*/, int level, const char* label, const char* format, va_list args) {
  std::string message;
  if (format) {
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n > 0) {
      std::vector<char> buffer(static_cast<size_t>(n) + 1);
      std::vsnprintf(buffer.data(), buffer.size(), format, args);
      message.assign(buffer.data(), static_cast<size_t>(n));
    }
  }
  if (ReportDevice::hasInstance()) {
    ReportDevice::instance().recordWriterError(level, label ? label : "", message);
  }
}

}  // namespace

namespace {
template <typename A, typename... Rest>
std::string joinArgs(const A& first, const Rest&... rest) {
  std::string s = traceArg(first);
  if constexpr (sizeof...(rest) > 0) s += ", " + joinArgs(rest...);
  return s;
}
template <typename... Args>
std::string traceCall(const char* name, const std::string& doc, const Args&... args) {
  std::string s = std::string(name) + "( " + doc;
  if constexpr (sizeof...(args) > 0) s += ", " + joinArgs(args...);
  return s + " )";
}
template <typename... Args>
void emitTrace(std::ostream& out, const std::string& doc, const char* name, const Args&... args) {
  out << traceCall(name, doc, args...) << '\n';
}
}  // namespace

// One trace line after a writer call, built only when a trace stream is set.
#define PV_TRACE(...)                                        \
  do {                                                       \
    if (trace_) emitTrace(*trace_, traceDoc(), __VA_ARGS__); \
  } while (0)

std::string ReportDevice::traceDoc() const { return hexHandle(pdf_); }

ReportDevice::ReportDevice(const std::string& modelName, const std::string& modelPath, const std::string& reportPath,
                           const std::string& reportTime, const AboutTexts& aboutInfo, ReportViewer* viewerOptions,
                           bool forceSave)
    : modelName_(modelName),
      modelPath_(modelPath),
      reportPath_(reportPath),
      reportTime_(reportTime),
      forceSave_(forceSave),
      aboutInfo_(aboutInfo),
      viewerOptions_(viewerOptions),
      uncaughtAtConstruction_(std::uncaught_exceptions()) {
  mediaBox_ = decimalText(pageLeft_) + " " + decimalText(pageBottom_) + " " + decimalText(pageRight_) + " " +
              decimalText(pageTop_);
  cropBox_ = mediaBox_;

  const Color black = hsv(0, 0, 0);
  lineColor_ = black;
  polygonEdgeColor_ = black;
  polygonFillColor_ = hsv(0, 0, 0.5f);
  textStrokeColor_ = black;
  textFillColor_ = hsv(0, 0, 1);
  textHighlightColor_ = hsv(0, 0, 0.5f);

  pdf_ = cpdf_open(0, nullptr);
  PV_ASSERT(pdf_ != NULL);
  // The writer reports its failures to this device from here on, so that none of
  // them can end the program; the process-wide hook stays cleared.
  cpdf_errorHandlerSet(pdf_, deviceErrorHandler);
  cpdf_enableCompression(pdf_, 1);
  cpdf_init(pdf_);
  cpdf_globalHookSet(nullptr);

  beginPage();

  cpdf_infoProducer(pdf_, aboutInfo_.programName.c_str(), aboutInfo_.version.c_str(), aboutInfo_.osName.c_str(),
                    aboutInfo_.osVersion.c_str());
  cpdf_infoCreator(pdf_, aboutInfo_.creator.c_str());
  const std::string title =
      aboutInfo_.programName + " report dated " + reportTime_ + " for decision model file " + modelPath_;
  cpdf_infoTitle(pdf_, title.c_str());
  cpdf_infoAuthor(pdf_, aboutInfo_.userName.c_str());
  const std::string subject = "Decision model name:  " + modelName_;
  cpdf_infoSubject(pdf_, subject.c_str());
  cpdf_infoKeywords(pdf_, aboutInfo_.description.c_str());
}

ReportDevice::~ReportDevice() {
  if (pdf_) {
    if (std::uncaught_exceptions() > uncaughtAtConstruction_) {
      // Unwinding: the report is incomplete; release the document without saving.
      cpdf_close(pdf_);
      pdf_ = nullptr;
    } else {
      close();
    }
  }
  if (instance_ == this) instance_ = nullptr;
}

ReportDevice& ReportDevice::instance() {
  PV_ASSERT(instance_);
  return *instance_;
}
bool ReportDevice::hasInstance() { return instance_ != nullptr; }
void ReportDevice::setInstance(ReportDevice* device) { instance_ = device; }

void ReportDevice::recordWriterError(int level, const std::string& label, const std::string& message) {
  // Negative levels are failures the document cannot recover from; the others are
  // notes (a substituted font, say) after which the writer goes on soundly.
  if (level < 0) failWith((label.empty() ? "" : label + ": ") + message);
}

void ReportDevice::failWith(const std::string& message) {
  if (!failed_) {
    failed_ = true;
    errorMessage_ = message;
  }
}

// ---------------------------------------------------------------------------------
// Attributes

void ReportDevice::setColor(int32_t mask, const Color& color) {
  if (mask & COLOR_LINE) {
    lineColor_ = color;
    lineAttributesChanged_ = true;
  }
  if (mask & COLOR_POLYGON_EDGE) {
    polygonEdgeColor_ = color;
    polygonAttributesChanged_ = true;
  }
  if (mask & COLOR_POLYGON_FILL) {
    polygonFillColor_ = color;
    polygonAttributesChanged_ = true;
  }
  if (mask & COLOR_TEXT_STROKE) {
    textStrokeColor_ = color;
    textAttributesChanged_ = true;
  }
  if (mask & COLOR_TEXT_FILL) {
    textFillColor_ = color;
    textAttributesChanged_ = true;
  }
  if (mask & COLOR_TEXT_HIGHLIGHT) {
    textHighlightColor_ = color;
    textAttributesChanged_ = true;
  }
}

void ReportDevice::setPolygonFillRule(int32_t polygonFillRule) {
  PV_ASSERT(FILL_RULE_NON_ZERO_WINDING == polygonFillRule || FILL_RULE_EVEN_ODD == polygonFillRule);
  polygonFillRule_ = polygonFillRule;
  polygonAttributesChanged_ = true;
}

void ReportDevice::setPolygonEdge(bool on) {
  polygonEdge_ = on;
  polygonAttributesChanged_ = true;
}

void ReportDevice::setFontStyleIndex(uint32_t index) {
  PV_ASSERT(index < NUM_FONT_STYLES);
  fontStyleIndex_ = index;
  textAttributesChanged_ = true;
}

void ReportDevice::setFontEncoding(const FontEncoding& encoding) {
  fontEncoding_ = encoding;
  textAttributesChanged_ = true;
}

void ReportDevice::setFontWeight(int32_t weight) {
  if (weight == 1) {
    textRenderingMode_ = 0;
  } else if (weight == 2) {
    textRenderingMode_ = 2;
  } else {
    PV_ASSERT(!"ReportDevice::setFontWeight():  invalid font weight");
  }
  fontWeight_ = weight;
  textAttributesChanged_ = true;
}

void ReportDevice::setFontHeightPoints(double points) {
  fontHeightPoints_ = points;
  textAttributesChanged_ = true;
}

void ReportDevice::setTextAngle(double degrees) {
  textAngle_ = degrees;
  textAttributesChanged_ = true;
}

void ReportDevice::setTextHighlight(bool on) {
  textHighlight_ = on;
  textAttributesChanged_ = true;
}

// ---------------------------------------------------------------------------------
// Colours and font in force in the writer

void ReportDevice::setWriterFill(const Color& c) {
  const double r = c.getRed(0, 1), g = c.getGreen(0, 1), b = c.getBlue(0, 1);
  if (writerFill_.known && writerFill_.r == r && writerFill_.g == g && writerFill_.b == b) return;
  cpdf_setrgbcolorfill(pdf_, static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
  PV_TRACE("cpdf_setrgbcolorfill", r, g, b);
  writerFill_ = WriterColor{true, r, g, b};
}

void ReportDevice::setWriterStroke(const Color& c) {
  const double r = c.getRed(0, 1), g = c.getGreen(0, 1), b = c.getBlue(0, 1);
  if (writerStroke_.known && writerStroke_.r == r && writerStroke_.g == g && writerStroke_.b == b) return;
  cpdf_setrgbcolorStroke(pdf_, static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
  PV_TRACE("cpdf_setrgbcolorStroke", r, g, b);
  writerStroke_ = WriterColor{true, r, g, b};
}

void ReportDevice::forgetWriterState() {
  writerFill_.known = false;
  writerStroke_.known = false;
  writerFontKnown_ = false;
  writerRenderingMode_ = -1;
}

void ReportDevice::applyLineAttributes() {
  setWriterStroke(lineColor_);
  lineAttributesChanged_ = false;
}

void ReportDevice::applyPolygonAttributes() {
  if (polygonEdge_) setWriterStroke(polygonEdgeColor_);
  setWriterFill(polygonFillColor_);
  polygonAttributesChanged_ = false;
}

void ReportDevice::applyTextAttributes() {
  PV_ASSERT(fontStyleIndex_ != NO_FONT_STYLE_SELECTED);
  PV_ASSERT(!fontEncoding_ || !fontEncoding_->empty());
  PV_ASSERT(fontHeightPoints_ > 0.0);
  if (!writerFontKnown_ || writerFontStyle_ != fontStyleIndex_ || writerFontEncoding_ != fontEncoding_ ||
      writerFontHeight_ != fontHeightPoints_) {
    // Text fonts take the Windows character set, which the texts are converted to as
    // they are measured and drawn; the symbol fonts keep their own codes.
    const char* encoding = usesTextEncoding() ? REPORT_TEXT_ENCODING : fontEncoding_ ? fontEncoding_->c_str() : nullptr;
    if (cpdf_setFont(pdf_, fontStyleName(fontStyleIndex_), encoding, static_cast<float>(fontHeightPoints_)) != 0) {
      failWith("the report uses more fonts than the PDF document can hold");
    }
    PV_TRACE("cpdf_setFont", fontStyleName(fontStyleIndex_), encoding, fontHeightPoints_);
    writerFontKnown_ = true;
    writerFontStyle_ = fontStyleIndex_;
    writerFontEncoding_ = fontEncoding_;
    writerFontHeight_ = fontHeightPoints_;
  }
  if (writerRenderingMode_ != textRenderingMode_) {
    cpdf_setTextRenderingMode(pdf_, textRenderingMode_);
    PV_TRACE("cpdf_setTextRenderingMode", textRenderingMode_);
    writerRenderingMode_ = textRenderingMode_;
  }
  textAttributesChanged_ = false;
}

// ---------------------------------------------------------------------------------
// Positions

void ReportDevice::moveTo(const Position& position) { currentPosition_ = position; }

void ReportDevice::setPosition(double x, double y) {
  currentPosition_.setX(x);
  currentPosition_.setY(y);
}

namespace {
TNT::Vector<double> vectorOf(const Position& p) {
  TNT::Vector<double> v(3);
  v[0] = p.getX();
  v[1] = p.getY();
  v[2] = p.getZ();
  return v;
}
Position positionOf(const TNT::Vector<double>& v) { return Position(v[0], v[1], v[2]); }
}  // namespace

Position ReportDevice::toDevice(const Position& position) const {
  return positionOf(xform_.toDevice(vectorOf(position)));
}

Position ReportDevice::toDeviceInverse(const Position& position) const {
  return positionOf(xform_.toDeviceInverse(vectorOf(position)));
}

void ReportDevice::moveToWorld(const Position& position) { moveTo(toDevice(position)); }

void ReportDevice::lineToWorld(const Position& position) { lineTo(toDevice(position)); }

// ---------------------------------------------------------------------------------
// Drawing

void ReportDevice::beginLine() {
  PV_ASSERT(!drawingLine_ && !drawingPolygon_ && !drawingText_);
  applyLineAttributes();
  cpdf_rawMoveto(pdf_, static_cast<float>(currentPosition_.getX()), static_cast<float>(currentPosition_.getY()));
  PV_TRACE("cpdf_rawMoveto", currentPosition_.getX(), currentPosition_.getY());
  drawingLine_ = true;
}

void ReportDevice::lineTo(const Position& position) {
  drawnSomething_ = true;
  PV_ASSERT(!drawingText_);
  if (drawingPolygon_) {
    PV_ASSERT(!drawingLine_);
    PV_ASSERT(!polygonAttributesChanged_);
  }
  if (drawingLine_) PV_ASSERT(!lineAttributesChanged_);
  currentPosition_ = position;
  cpdf_rawLineto(pdf_, static_cast<float>(position.getX()), static_cast<float>(position.getY()));
  PV_TRACE("cpdf_rawLineto", position.getX(), position.getY());
}

void ReportDevice::closePath() {
  PV_ASSERT(drawingLine_ || drawingPolygon_);
  cpdf_closepath(pdf_);
  PV_TRACE("cpdf_closepath");
}

void ReportDevice::endLine() {
  PV_ASSERT(drawingLine_);
  cpdf_stroke(pdf_);
  PV_TRACE("cpdf_stroke");
  drawingLine_ = false;
}

void ReportDevice::beginPolygon() {
  PV_ASSERT(!drawingLine_ && !drawingPolygon_ && !drawingText_);
  applyPolygonAttributes();
  cpdf_rawMoveto(pdf_, static_cast<float>(currentPosition_.getX()), static_cast<float>(currentPosition_.getY()));
  PV_TRACE("cpdf_rawMoveto", currentPosition_.getX(), currentPosition_.getY());
  drawingPolygon_ = true;
}

void ReportDevice::endPolygon() {
  PV_ASSERT(drawingPolygon_);
  if (polygonFillRule_ == FILL_RULE_NON_ZERO_WINDING) {
    if (polygonEdge_) {
      cpdf_fillAndStroke(pdf_);
      PV_TRACE("cpdf_fillAndStroke");
    } else {
      cpdf_fill(pdf_);
      PV_TRACE("cpdf_fill");
    }
  } else {
    if (polygonEdge_) {
      cpdf_eofillAndStroke(pdf_);
      PV_TRACE("cpdf_eofillAndStroke");
    } else {
      cpdf_eofill(pdf_);
      PV_TRACE("cpdf_eofill");
    }
  }
  drawingPolygon_ = false;
}

void ReportDevice::drawRect(double x, double y, double width, double height) {
  PV_ASSERT(!drawingText_);
  drawnSomething_ = true;
  cpdf_rawRect(pdf_, static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
               static_cast<float>(height));
  PV_TRACE("cpdf_rawRect", x, y, width, height);
}

void ReportDevice::drawRect(const Position& position, double width, double height) {
  drawRect(position.getX(), position.getY(), width, height);
}

void ReportDevice::newPath() {
  cpdf_newpath(pdf_);
  PV_TRACE("cpdf_newpath");
  currentPosition_.setX(0);
  currentPosition_.setY(0);
}

bool ReportDevice::usesTextEncoding() const {
  return fontStyleIndex_ != SYMBOL && std::strcmp(fontStyleName(fontStyleIndex_), "ZapfDingbats") != 0;
}

void ReportDevice::beginText() {
  PV_ASSERT(!drawingLine_ && !drawingPolygon_ && !drawingText_);
  drawingText_ = true;
  applyTextAttributes();
  cpdf_beginText(pdf_);
  PV_TRACE("cpdf_beginText");
}

void ReportDevice::drawText(const std::string& text) {
  drawnSomething_ = true;
  PV_ASSERT(drawingText_);
  PV_ASSERT(!textAttributesChanged_);
  // The fill colour is the text's own; bold text is outlined in the stroke colour.
  if (fontWeight_ == 2) setWriterStroke(textStrokeColor_);
  setWriterFill(textFillColor_);
  const std::string shown = usesTextEncoding() ? winAnsiFromUtf8(text) : text;
  cpdf_rawText(pdf_, static_cast<float>(currentPosition_.getX()), static_cast<float>(currentPosition_.getY()),
               static_cast<float>(textAngle_), shown.c_str());
  PV_TRACE("cpdf_rawText", currentPosition_.getX(), currentPosition_.getY(), textAngle_, shown);
}

void ReportDevice::endText() {
  PV_ASSERT(drawingText_);
  cpdf_endText(pdf_);
  PV_TRACE("cpdf_endText");
  drawingText_ = false;
}

double ReportDevice::stringWidth(const std::string& text) {
  if (text.empty()) return 0.0;
  PV_ASSERT(!drawingLine_ && !drawingPolygon_ && !drawingText_);
  applyTextAttributes();
  const std::string shown = usesTextEncoding() ? winAnsiFromUtf8(text) : text;
  const double width = cpdf_stringWidth(pdf_, shown.c_str());
  if (trace_) {
    *trace_ << "stringWidth = " << shortestText(static_cast<float>(width)) << " = "
            << traceCall("cpdf_stringWidth", traceDoc(), shown) << '\n';
  }
  return width;
}

void ReportDevice::pushTransform(int32_t type) {
  cpdf_gsave(pdf_);
  PV_TRACE("cpdf_gsave");
  xform_.push(type);
}

void ReportDevice::popTransform() {
  cpdf_grestore(pdf_);
  PV_TRACE("cpdf_grestore");
  xform_.pop();
  // Q restores the writer's colours and font to those before q.
  forgetWriterState();
}

void ReportDevice::setWindows(double xMinDevice, double xMaxDevice, double yMinDevice, double yMaxDevice,
                              double xMinWorld, double xMaxWorld, double yMinWorld, double yMaxWorld) {
  xform_.setWindows(xMinDevice, xMaxDevice, yMinDevice, yMaxDevice, xMinWorld, xMaxWorld, yMinWorld, yMaxWorld, 0.0,
                    0.0);
}

void ReportDevice::drawLink(double x1, double y1, double x2, double y2, const std::string& url) {
  if (trace_) {
    *trace_ << "device_rawSetActionURL( " << joinArgs(x1, y1, x2, y2, 0, 0) << ", "
            << (url.empty() ? std::string("NULL") : traceArg(url)) << " )\n";
  }
  pdf_rawSetActionURL(pdf_, static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                      static_cast<float>(y2), url.c_str(), nullptr);
}

void ReportDevice::placeImage(const uint8_t* data, int32_t byteCount, double x, double y, double angle,
                              double drawWidth, double drawHeight, int32_t pixelWidth, int32_t pixelHeight,
                              int32_t bitsPerComponent, int32_t format) {
  PV_ASSERT(pdf_ && data && byteCount > 0 && x > 0.0 && y > 0.0 && drawWidth > 0.0 && drawHeight > 0.0 &&
            pixelWidth > 0 && pixelHeight > 0 && bitsPerComponent > 0);
  PV_ASSERT(IMAGE_MASK == format || CS_GRAY == format || CS_RGB == format || CS_CMYK == format);
  // The writer copies exactly the bytes the image dictionary promises; any other
  // count would make a reader lose its place in the page.
  const int64_t components = format == CS_RGB ? 3 : format == CS_CMYK ? 4 : 1;
  const int64_t rowBytes = (int64_t{pixelWidth} * bitsPerComponent * components + 7) / 8;
  PV_ASSERT(int64_t{byteCount} == rowBytes * pixelHeight);
  cpdf_rawPlaceInLineImage(pdf_, data, byteCount, static_cast<float>(x), static_cast<float>(y),
                           static_cast<float>(angle), static_cast<float>(drawWidth), static_cast<float>(drawHeight),
                           pixelWidth, pixelHeight, bitsPerComponent, format, 1);
  PV_TRACE("cpdf_rawPlaceInLineImage", byteCount, x, y, angle, drawWidth, drawHeight, pixelWidth, pixelHeight,
           bitsPerComponent, format, 1);
  forgetWriterState();
}

// ---------------------------------------------------------------------------------
// Pages, saving and closing

void ReportDevice::beginPage() {
  ++pageCount_;
  const int rc = cpdf_pageInit(pdf_, pageCount_, 0, mediaBox_.c_str(), cropBox_.c_str());
  PV_TRACE("cpdf_pageInit", pageCount_, 0, mediaBox_, cropBox_);
  if (rc != 0) {
    failWith("page " + decimalText(pageCount_) + " could not be started in the PDF document");
  }
  // A new page starts with the writer's defaults: black, no font.
  forgetWriterState();
  writerFill_ = WriterColor{true, 0, 0, 0};
  writerStroke_ = WriterColor{true, 0, 0, 0};
  writerRenderingMode_ = 0;
  applyTextAttributes();
}

void ReportDevice::finishPage() {
  if (pageCount_ > 0) {
    cpdf_finalizePage(pdf_, pageCount_);
    PV_TRACE("cpdf_finalizePage", pageCount_);
  }
}

int32_t ReportDevice::save() {
  if (!forceSave_ && !drawnSomething_) {
    errorMessage_ = "Nothing was drawn, so no report was written";
    return REPORT_NOTHING_DRAWN;
  }
  // Failures reported only through the process-wide channel (which stays cleared)
  // still leave the document in its failed state.
  if (cpdf_failed(pdf_)) failWith("The PDF writer failed while making the report");
  if (failed_) return REPORT_WRITER_FAILED;
  if (!finalized_) {
    cpdf_finalizeAll(pdf_);
    PV_TRACE("cpdf_finalizeAll");
    finalized_ = true;
  }
  if (cpdf_failed(pdf_)) failWith("The PDF writer failed while finishing the report");
  if (failed_) return REPORT_WRITER_FAILED;
  // The document goes to a file beside the target and replaces it only once it is
  // whole on disk: a full disk or any other failure leaves the previous report with
  // this name as it was, and no partial file behind.
  const std::string partial = reportPath_ + ".tmp";
  errno = 0;
  const int pdfSaveStatus = cpdf_savePDFmemoryStreamToFile(pdf_, partial.c_str());
  const int saveErrno = errno;
  if (trace_) {
    *trace_ << "pdfSaveStatus = " << pdfSaveStatus << " = "
            << traceCall("cpdf_savePDFmemoryStreamToFile", traceDoc(), partial) << '\n';
  }
  const std::string why = systemReason(saveErrno);
  switch (pdfSaveStatus) {
    case 0:
      break;
    case -1:
      errorMessage_ = "The PDF document was not kept in memory and could not be saved";
      return REPORT_NOT_IN_MEMORY;
    case -1001:
      PV::Files::remove(partial);
      errorMessage_ = "Cannot open " + partial + " for writing" + why;
      return REPORT_CANNOT_OPEN_FILE;
    case -1002:
      PV::Files::remove(partial);
      errorMessage_ = "Could not write the whole of " + partial + why;
      return REPORT_SHORT_WRITE;
    case -1003:
      PV::Files::remove(partial);
      errorMessage_ = "Could not close " + partial + why;
      return REPORT_CLOSE_FAILED;
    default:
      PV::Files::remove(partial);
      errorMessage_ = "The PDF writer returned status " + decimalText(pdfSaveStatus) + " saving " + partial;
      return REPORT_WRITER_FAILED;
  }
  std::string renameWhy;
  if (!replaceWithFile(partial, reportPath_, renameWhy)) {
    PV::Files::remove(partial);
    errorMessage_ = "Could not replace " + reportPath_ + renameWhy;
    return REPORT_CLOSE_FAILED;
  }
  return REPORT_WRITTEN;
}

int32_t ReportDevice::close() {
  PV_ASSERT(pdf_ != NULL);
  const int32_t status = save();
  if (status == REPORT_WRITTEN && (drawnSomething_ || forceSave_) && viewerOptions_) {
    viewerOptions_->run(reportPath_);
  }
  cpdf_close(pdf_);
  PV_TRACE("cpdf_close");
  pdf_ = nullptr;
  return status;
}

}  // namespace Report
}  // namespace PV
