// The PDF writer's records and internal helpers (shared by its source files only).
#pragma once

#include "foundation/Assert.h"
#include "pdf/cpdf.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <new>
#include <string>
#include <vector>

struct CpdfMemoryStream {
  uint32_t magic = 0xA5B5CAFE;
  char* buffer = nullptr;
  int32_t count = 0;
  int32_t size = 0;
};

struct MemStreamDeleter {
  void operator()(CpdfMemoryStream* stream) const { cpdf_memStreamFree(stream); }
};
using MemStreamPtr = std::unique_ptr<CpdfMemoryStream, MemStreamDeleter>;

// The memory of the page compressor, kept for the document's pages: each page is
// compressed from a fresh start as before, in the blocks the previous page used. Given
// back to the heap after each page, the compressor's quarter of a megabyte was taken
// back from the system and its pages touched again for the next page, four times in a
// report. Defined beside the compression in cpdfDocument.cpp.
struct CpdfCompressorMemory;
void cpdf_compressorMemoryFree(CpdfCompressorMemory* memory);
struct CompressorMemoryDeleter {
  void operator()(CpdfCompressorMemory* memory) const { cpdf_compressorMemoryFree(memory); }
};

struct CpdfPlotDomain {
  uint32_t magic = 0xDADA3333;
  CpdfDocument* doc = nullptr;
  float x = 0, y = 0, width = 0, height = 0;
  float xMin = 0, xMax = 1, yMin = 0, yMax = 1;
  int xType = 0, yType = 0, timeFlag = 0;
  std::string majorDash = "[2 3] 0", minorDash = "[2 3] 0";
  float majorWidth = 0.15f, minorWidth = 0.15f;
  float majorColor[3] = {0, 0, 0}, minorColor[3] = {0, 0, 0};
  float mesh[2][4] = {{0, 1, 0, 0.5f}, {0, 1, 0, 0.5f}};
  bool timeDomain = false;  // x runs in days from startTime
  struct tm startTime {
  }, endTime{};  // [axis][majorStart, majorStep, minorStart, minorStep]
};

struct CpdfFontDescriptor {
  int32_t objectNumber = 0;
  int written = 0;
  int ascent = 0, capHeight = 0, descent = 0;
  int32_t flags = 0;
  int fontBBox[4] = {0, 0, 0, 0};
  std::string fontName;
  double italicAngle = 0;
  int stemV = 0, stemH = 0, xHeight = 0, missingWidth = 0, leading = 0, maxWidth = 0, avgWidth = 0;
  std::string style;
  struct FontFile* fontFile = nullptr;  // not owned (owned by the external font)
};

// The three sections of a PFB file, one after another.
struct FontFile {
  int32_t objectNumber = 0;
  std::string data;
  int32_t length1 = 0, length2 = 0, length3 = 0;
};

struct CpdfExternalFont {
  std::string name;
  std::shared_ptr<CpdfFontDescriptor> descriptor;
  std::vector<uint16_t> widths;  // 268 entries
  int firstChar = 32, lastChar = 255;
  std::unique_ptr<FontFile> fontFile;
};

struct CpdfFont {
  int32_t objectNumber = 0;
  std::string resourceName;
  std::string baseFont;
  std::string nameAsked;
  bool hasEncoding = false;
  std::string encoding;
  int fontNumber = 0;
  int encodingIndex = 3;
  int kind = 0;
  int firstChar = 32, lastChar = 255;
  const uint16_t* widths = nullptr;  // built-in or the external font's
  std::shared_ptr<CpdfFontDescriptor> descriptor;
  int32_t cidObjectNumber = 0;
  bool numbersDescriptor = false;  // this entry writes the (shared) descriptor
  bool numbersFontFile = false;
};

struct CpdfImage {
  int32_t objectNumber = 0;
  std::string resourceName;
  int kind = 0;
  int invert = 0, mask = 0;
  int selector = 0;
  int width = 0, height = 0;
  int colorSpace = 1, bitsPerComponent = 8, components = 1, marker = 0;
  std::string fileName;
};

struct CpdfAnnotation {
  int32_t objectNumber = 0;
  int type = 0;
  int page = 0;
  int32_t flags = 0;
  float rect[4] = {0, 0, 0, 0};
  float color[3] = {0, 0, 0};
  std::string borderArray, borderStyle;
  bool hasBorderArray = false, hasBorderStyle = false;
  std::string content;
  std::string title;
};

struct CpdfOutlineEntry {
  int32_t objectNumber = 0;
  int count = 0;
  int page = -1;
  int open = 0;
  std::string dest;
  std::string title;
  CpdfOutlineEntry* parent = nullptr;
  CpdfOutlineEntry* prev = nullptr;
  CpdfOutlineEntry* next = nullptr;
  CpdfOutlineEntry* first = nullptr;
  CpdfOutlineEntry* last = nullptr;
};

struct CpdfPage {
  int pageNumber = -1;
  int32_t objectNumber = 0;
  int32_t parent = 0;
  int32_t contentObject = 0;
  int flags = 0;  // bit 0 finalized, bit 1 compressed
  std::string compressed;
  MemStreamPtr content;
  std::unique_ptr<CpdfPlotDomain> defaultDomain;
  int rotation = 0;
  std::vector<int> fonts, images, annots;
  std::string mediaBox, cropBox;
  float duration = -1.0f;
  std::string transition;
};

struct CpdfDocument {
  int32_t serial = -1;
  int32_t mode = 0;
  int major = 1, minor = 1;
  int state = 0;
  bool failed = false;
  bool finalized = false;  // cpdf_finalizeAll has written the file
  float pointsPerUnit = 72.0f;
  int currentRotation = 0;
  int toStdout = 0;
  int compression = 0;
  std::string compressCommand = "\\Bin\\zlibcomp";
  std::string filterName = "/FlateDecode";
  bool outputFileSet = false;
  std::string outputFile;
  CpdfViewerSettings viewer{};
  CpdfErrorHandler errorHandler = nullptr;
  CpdfPlotDomain* currentDomain = nullptr;
  float xScale = 1, yScale = 1, logXMin = 0, logXMax = 1, logYMin = 0, logYMax = 1;
  float curX = 0, curY = 0;
  // text state
  float textMatrix[6] = {1, 0, 0, 1, 0, 0};
  float wordSpacing = 0, charSpacing = 0, horizScale = 100.0f, leading = 0, rise = 0;
  float fontSize = 12.0f;
  int inText = 0;
  int hexText = 0;
  int currentFont = -1;
  // resources
  CpdfLimits limits{};
  std::vector<CpdfFont> fonts;
  std::vector<std::unique_ptr<CpdfExternalFont>> externalFonts;
  std::string fontMapFile = "fontmap.lst";
  std::string pfmFolder = "\\usr\\local\\font\\pfm";
  std::string pfbFolder = "\\usr\\local\\font\\pfb";
  std::vector<CpdfImage> images;
  int imageKinds = 0;
  int inlineImages = 0;
  int imageSelector = 0;
  std::vector<CpdfAnnotation> annotations;
  std::vector<std::unique_ptr<CpdfOutlineEntry>> outlineStore;
  int outlineCount = 0;
  CpdfOutlineEntry* firstOutline = nullptr;
  CpdfOutlineEntry* lastOutline = nullptr;
  std::string monthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  // output
  int wholeFileInMemory = 1;
  int pageContentInMemory = 1;
  MemStreamPtr file;
  MemStreamPtr scratch;
  std::unique_ptr<CpdfCompressorMemory, CompressorMemoryDeleter> compressorMemory;
  CpdfMemoryStream* currentContent = nullptr;  // null: no page open for drawing
  bool noPageReported = false;
  // One call that writes several operators (ContentGroup): where the group started, and
  // whether one of its operators was refused.
  int groupDepth = 0;
  bool groupRefused = false;
  CpdfMemoryStream* groupStream = nullptr;
  int32_t groupStart = 0;
  float groupX = 0, groupY = 0;
  float groupTextMatrix[6] = {1, 0, 0, 1, 0, 0};
  // Plot domains made current in this document: freeing one of them, or closing the
  // document, must leave no pointer behind in the other.
  std::vector<CpdfPlotDomain*> attachedDomains;
  std::string mediaBox, cropBox;
  std::vector<CpdfPage> pages;
  int highestPage = 0;
  int currentPage = 1;
  std::vector<int32_t> pageObjects;
  std::vector<int32_t> offsets;  // entry k: byte offset of object k, -1 unset
  int32_t nextObject = 1;
  int32_t byteCount = 0;
  int32_t xrefOffset = 0;
  bool haveCreationTime = false;
  struct tm creationTime {};
  // information
  std::string creator = "No creator", title = "No title", author = "No author", subject = "No subject",
              keywords = "No keywords";
  std::string producer[4];
};

namespace cpdf_detail {

// Locale-free formatting of one content or dictionary line.
class Line {
 public:
  Line& text(const char* s);
  Line& text(const std::string& s) { return text(s.c_str()); }
  Line& integer(long long v);
  Line& fixed(double v, int decimals);  // refuses NaN and infinity
  Line& general(double v);              // "%g" without an exponent for ordinary values
  bool ok() const { return ok_; }
  const std::string& str() const { return s_; }

 private:
  std::string s_;
  bool ok_ = true;
};

// The numbers the writer accepts: finite and of a magnitude up to 1e15, so that fixed
// notation stays short and readers do not overflow.
inline bool usable(double v) { return v == v && v <= 1e15 && v >= -1e15; }

// The lines of one call that writes several operators are written all or not at all:
// when one of them is refused, whatever the call wrote since the group opened is taken
// back (with the current point and the text matrix) and the rest of the call writes
// nothing. Groups nest; the outermost one decides.
class ContentGroup {
 public:
  explicit ContentGroup(CpdfDocument* doc);
  ~ContentGroup();
  ContentGroup(const ContentGroup&) = delete;
  ContentGroup& operator=(const ContentGroup&) = delete;

 private:
  CpdfDocument* doc_;
};

// Texts that the writer places into the file as PDF syntax rather than as strings.
enum class PdfSyntax {
  Box,             // four numbers: "0 0 612 792"
  EncodingName,    // a name written after a slash: "WinAnsiEncoding"
  FilterNames,     // one or more names: "/FlateDecode"
  DashPattern,     // an array of numbers and a phase: "[2 3] 0"
  Destination,     // a destination after its page, a known type with its operands: "/Fit", "/XYZ 0 792 0"
  DictionaryBody,  // key and value pairs of a dictionary: "/S /URI /URI (x)"
  BorderArray,     // an array of numbers, perhaps ending in a dash array: "[0 0 1 [3]]"
};
bool pdfSyntaxValid(const char* text, PdfSyntax kind);

// Appends an operator line to the current page; refused lines and a missing page are
// reported and nothing is written.
void contentLine(CpdfDocument* doc, const Line& line, const char* op);
// An operator line of numbers, each with the given decimals, then the operator:
// "1 0 0 1 72 720 cm". False when a number is not finite (the line is then refused
// as above).
bool numbersLine(CpdfDocument* doc, std::initializer_list<float> values, int decimals, const char* op,
                 const char* label);
// Whether every value is a finite number the writer can print.
bool finite(std::initializer_list<float> values);
bool contentAvailable(CpdfDocument* doc, const char* op);
void contentBytes(CpdfDocument* doc, const char* data, int32_t n);

void failAllocation(CpdfDocument* doc);
// Tests only: the n-th following allocation of a memory stream or of compression fails.
void injectAllocationFailure(int n);
bool allocationShouldFail();

void domainInit(CpdfDocument* doc, CpdfPage& page, float llx, float lly, float urx, float ury);
float fontCapHeight(CpdfDocument* doc);
void writeFonts(CpdfDocument* doc);
void numberFonts(CpdfDocument* doc);
void writeImages(CpdfDocument* doc);
void numberImages(CpdfDocument* doc);
void writeAnnotations(CpdfDocument* doc);
void numberAnnotations(CpdfDocument* doc);
void writeOutlines(CpdfDocument* doc);
void numberOutlines(CpdfDocument* doc);
int32_t newObject(CpdfDocument* doc);
void beginObject(CpdfDocument* doc, int32_t number);
void out(CpdfDocument* doc, const std::string& text);
void outBytes(CpdfDocument* doc, const char* data, int32_t n);
void pageUse(std::vector<int>& list, int index);

// Byte readers over untrusted font and image files (offsets checked against the size).
struct JpegInfo {
  int width = 0, height = 0, bitsPerComponent = 0, components = 0, marker = 0;
};
int readJpegHeaderBytes(const uint8_t* data, size_t size, JpegInfo& info);
int readPfbBytes(const uint8_t* data, size_t size, const char* path, FontFile& out);
int readPfmBytes(const uint8_t* data, size_t size, const char* path, CpdfExternalFont& out);
bool readWholeFile(const char* path, std::string& out);

}  // namespace cpdf_detail

// Reads the frame of a JPEG file: the last marker read (218 or 217), -1 when the file
// cannot be opened, -2 when it is not a JPEG file.
int read_JPEG_header(const char* fileName, CpdfImage* image);
