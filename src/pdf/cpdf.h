// The system's PDF writer: plain functions over one document record.
//
// Order of use: cpdf_open, cpdf_enableCompression, cpdf_init, the information setters,
// then per page cpdf_pageInit, drawing, cpdf_finalizePage, and at the end
// cpdf_finalizeAll, cpdf_savePDFmemoryStreamToFile, cpdf_close.
//
// The raw operations take points in the page's default user space; the others take the
// units of the current plot domain (inches by default). Numbers are written locale-free;
// a NaN, an infinity or a magnitude above 1e15 given to an operator is refused (reported
// at level 1, nothing written). Operators while no page is open (before the first page,
// after a refused cpdf_pageInit or after the current page was finalized) do nothing.
//
// A call that writes several operators writes all of them or, when one is refused,
// none. Texts that become PDF syntax rather than strings (page boxes, encoding and
// filter names, dash patterns, link destinations and actions, outline actions, border
// arrays and styles) are checked against the syntax they must have; a malformed one is
// refused and reported, and the document stays as it was.
//
// Failures are reported through the document's error handler (level, label, message).
// A failure of a negative level (allocation, compression, object table) puts the
// document into a failed state: nothing more is written, cpdf_finalizeAll and
// cpdf_savePDFmemoryStreamToFile return CPDF_FAILED, and the process goes on.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <ctime>
#include <string>

struct CpdfDocument;
struct CpdfMemoryStream;
struct CpdfPlotDomain;
struct CpdfAxis;
struct CpdfOutlineEntry;

// ---- Limits and settings -------------------------------------------------------------

// Table sizes fixed at open; a value below 1 takes the default (100/100/100/100/5000).
struct CpdfLimits {
  int32_t pages;
  int32_t fonts;
  int32_t images;
  int32_t annotations;
  int32_t objects;
};

struct CpdfViewerSettings {
  int32_t pageMode;  // 0 UseNone, 1 UseOutlines, 2 UseThumbs, 3 FullScreen
  int32_t hideToolbar;
  int32_t hideMenubar;
  int32_t hideWindowUI;
  int32_t fitWindow;
  int32_t centerWindow;
  int32_t pageLayout;     // 0 SinglePage, 1 OneColumn, 2 TwoColumnLeft, 3 TwoColumnRight
  int32_t nonFSPageMode;  // 0..2
};

// Codes returned by the saving functions.
constexpr int CPDF_SAVE_OPEN_FAILED = -1001;
constexpr int CPDF_SAVE_SHORT_WRITE = -1002;
constexpr int CPDF_SAVE_CLOSE_FAILED = -1003;
constexpr int CPDF_FAILED = -1004;  // the document is in the failed state

// ---- Errors (document handler and the process-wide hook) ---------------------------

using CpdfErrorHandler = void (*)(CpdfDocument* doc, int level, const char* label, const char* format, va_list args);
using CpdfGlobalHook = void (*)(int level, const char* module, const char* format, va_list args);

CpdfErrorHandler cpdf_errorHandlerSet(CpdfDocument* doc, CpdfErrorHandler handler);
CpdfGlobalHook cpdf_globalHookSet(CpdfGlobalHook hook);
void cpdf_docError(CpdfDocument* doc, int level, const char* label, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
void cpdf_hookError(int level, const char* module, const char* format, ...) __attribute__((format(printf, 3, 4)));
// The default printers: "label: message.\n" on standard error. They never end the process.
void cpdf_defaultErrorHandler(CpdfDocument* doc, int level, const char* label, const char* format, va_list args);
void cpdf_defaultGlobalHook(int level, const char* module, const char* format, va_list args);
// Reports a null pointer through the hook ("cpdf malloc", level -2); true when not null.
bool cpdf_allocCheck(const void* pointer);
// True once a failure of a negative level has been reported for the document.
bool cpdf_failed(const CpdfDocument* doc);

// ---- Document information, time and string utilities --------------------------------

void cpdf_infoCreator(CpdfDocument* doc, const char* text);
void cpdf_infoTitle(CpdfDocument* doc, const char* text);
void cpdf_infoAuthor(CpdfDocument* doc, const char* text);
void cpdf_infoSubject(CpdfDocument* doc, const char* text);
void cpdf_infoKeywords(CpdfDocument* doc, const char* text);
void cpdf_infoProducer(CpdfDocument* doc, const char* s1, const char* s2, const char* s3, const char* s4);
// Escapes the text (UTF-8) as the inside of a PDF literal string and keeps at most
// capacity - 1 bytes of it, never leaving a broken escape or character at the cut. A
// text beyond ASCII is stored as UTF-16BE with its byte order mark, so that readers
// show it as typed.
void cpdf_infoFieldStore(std::string& field, const char* text, int32_t capacity);
// Fixes the time written as /CreationDate (otherwise the local time at finalizing).
void cpdf_creationTimeSet(CpdfDocument* doc, const struct tm* time);

std::string cpdf_timeStampText(int withSeparators);
std::string cpdf_timeStampTextOf(int withSeparators, const struct tm& time);
void cpdf_timeText(const struct tm* time);
float cpdf_dayCount(const struct tm* t1, const struct tm* t2);
void cpdf_normalizeTime(struct tm* time);
int cpdf_leapYear(int year);
int32_t cpdf_serialNext(int32_t* id);
int cpdf_hexDigitValue(char c);
std::string cpdf_bytesFromHex(const char* text);
std::string cpdf_hexFromBytes(const uint8_t* bytes, int32_t count, int markFlag);
void cpdf_putNumberText(std::string& text, int n);
std::string cpdf_slashesToBackslashes(const char* in);
float cpdf_exponentSplit(float value, int* exponent);
float cpdf_storeIfPositive(float* target, float value);
void cpdf_matrixProduct(float m[6], const float n[6]);

// PDF string escaping: "(", ")" and "\" get a backslash, a carriage return becomes \r.
bool cpdf_quoteText(const char* text, std::string& out);  // false: no escaping needed
std::string cpdf_quoteTextCopy(const char* text);
std::string cpdf_quoteBytes(const char* bytes, int32_t count);

// ---- Memory streams ----------------------------------------------------------------

CpdfMemoryStream* cpdf_memStreamCreate();
int cpdf_memStreamWrite(CpdfMemoryStream* stream, const void* data, int32_t n);
int cpdf_memStreamPutChar(int byte, CpdfMemoryStream* stream);
int cpdf_memStreamPutText(const char* text, CpdfMemoryStream* stream);
void cpdf_memStreamBuffer(CpdfMemoryStream* stream, char** buffer, int32_t* count, int32_t* size);
void cpdf_memStreamReset(CpdfMemoryStream* stream);
void cpdf_memStreamFree(CpdfMemoryStream* stream);
int cpdf_memStreamToFile(CpdfMemoryStream* stream, const char* fileName);
void cpdf_memStreamCheck(const char* label, CpdfMemoryStream* stream);
// Appends the text to the current page's content exactly as given: the one call that
// is raw by design, for callers that write operators of their own. It is not checked;
// a malformed text makes the page unreadable.
void cpdf_contentOut(CpdfDocument* doc, const char* text);

// ---- Document lifecycle --------------------------------------------------------------

// Null when memory is exhausted.
CpdfDocument* cpdf_open(int32_t mode, const CpdfLimits* limits);
void cpdf_defaultLimitsSet(int32_t pages, int32_t fonts, int32_t images, int32_t annotations, int32_t objects);
void cpdf_enableCompression(CpdfDocument* doc, int flag);
void cpdf_compressionFilterSet(CpdfDocument* doc, const char* command, const char* filterName);
void cpdf_init(CpdfDocument* doc);
void cpdf_viewerPrefsSet(CpdfDocument* doc, const CpdfViewerSettings* settings);
int cpdf_pageInit(CpdfDocument* doc, int pageNumber, int rotation, const char* mediaBox, const char* cropBox);
int cpdf_switchPage(CpdfDocument* doc, int pageNumber);
void cpdf_finalizePage(CpdfDocument* doc, int pageNumber);
int cpdf_finalizeAll(CpdfDocument* doc);
int cpdf_savePDFmemoryStreamToFile(CpdfDocument* doc, const char* fileName);
void cpdf_close(CpdfDocument* doc);
void cpdf_versionAtLeast(CpdfDocument* doc, int major, int minor);
void cpdf_getVersion(const CpdfDocument* doc, int* major, int* minor);

void cpdf_getPageSize(CpdfDocument* doc, char* mediaBox, int mediaMax, char* cropBox, int cropMax);
int cpdf_getBoxValues(const char* boxText, int* llx, int* lly, int* urx, int* ury);
void cpdf_pageBoxesSet(CpdfDocument* doc, int llx, int lly, int urx, int ury);
void cpdf_mediaBoxSet(CpdfDocument* doc, int llx, int lly, int urx, int ury);
void cpdf_cropBoxSet(CpdfDocument* doc, int llx, int lly, int urx, int ury);
// Output file for cpdf_finalizeAll to write directly ("-" is the standard output).
void cpdf_outputFileSet(CpdfDocument* doc, const char* fileName);
void cpdf_pageDurationSet(CpdfDocument* doc, float seconds);
void cpdf_documentBuffer(CpdfDocument* doc, const char** buffer, int32_t* length);

// ---- Graphics state, colour and paths ------------------------------------------------

void cpdf_gsave(CpdfDocument* doc);
void cpdf_grestore(CpdfDocument* doc);
void cpdf_dashPattern(CpdfDocument* doc, const char* dash);
void cpdf_solidLine(CpdfDocument* doc);
void cpdf_pointsMatrixConcat(CpdfDocument* doc, float a, float b, float c, float d, float e, float f);
void cpdf_domainMatrixConcat(CpdfDocument* doc, float a, float b, float c, float d, float e, float f);
void cpdf_turnAxes(CpdfDocument* doc, float angle);
void cpdf_pointsShift(CpdfDocument* doc, float x, float y);
void cpdf_shiftAxes(CpdfDocument* doc, float x, float y);
void cpdf_scaleAxes(CpdfDocument* doc, float sx, float sy);
void cpdf_flatnessI(CpdfDocument* doc, int flatness);
void cpdf_lineJoinJ(CpdfDocument* doc, int join);
void cpdf_lineCapJ(CpdfDocument* doc, int cap);
void cpdf_miterLimitM(CpdfDocument* doc, float limit);
void cpdf_lineWidthW(CpdfDocument* doc, float width);
void cpdf_strokeAdjust(CpdfDocument* doc, int flag);  // writes nothing

void cpdf_grayFillG(CpdfDocument* doc, float gray);
void cpdf_grayStrokeG(CpdfDocument* doc, float gray);
void cpdf_setrgbcolorfill(CpdfDocument* doc, float r, float g, float b);
void cpdf_setrgbcolorStroke(CpdfDocument* doc, float r, float g, float b);
void cpdf_cmykFillK(CpdfDocument* doc, float c, float m, float y, float k);
void cpdf_cmykStrokeK(CpdfDocument* doc, float c, float m, float y, float k);
void cpdf_grayBoth(CpdfDocument* doc, float gray);
void cpdf_rgbBoth(CpdfDocument* doc, float r, float g, float b);
void cpdf_cmykBoth(CpdfDocument* doc, float c, float m, float y, float k);

void cpdf_rawGetPosition(CpdfDocument* doc, float* x, float* y);
void cpdf_rawMoveto(CpdfDocument* doc, float x, float y);
void cpdf_pointsRelMove(CpdfDocument* doc, float dx, float dy);
void cpdf_rawLineto(CpdfDocument* doc, float x, float y);
void cpdf_pointsRelLine(CpdfDocument* doc, float dx, float dy);
void cpdf_pointsCurve(CpdfDocument* doc, float x1, float y1, float x2, float y2, float x3, float y3);
void cpdf_rawRect(CpdfDocument* doc, float x, float y, float width, float height);
void cpdf_pointsTurnedRect(CpdfDocument* doc, float x, float y, float width, float height, float angle);
void cpdf_pointsTwoCurveCircle(CpdfDocument* doc, float x, float y, float r);
void cpdf_pointsCircle(CpdfDocument* doc, float x, float y, float r);
void cpdf_pointsArc(CpdfDocument* doc, float x, float y, float r, float start, float end, int movetoFlag);
void cpdf_domainCircle(CpdfDocument* doc, float x, float y, float r);
void cpdf_domainArc(CpdfDocument* doc, float x, float y, float r, float start, float end, int movetoFlag);
void cpdf_moveto(CpdfDocument* doc, float x, float y);  // domain units
void cpdf_lineto(CpdfDocument* doc, float x, float y);  // domain units
void cpdf_closepath(CpdfDocument* doc);
void cpdf_stroke(CpdfDocument* doc);
void cpdf_fill(CpdfDocument* doc);
void cpdf_eofill(CpdfDocument* doc);
void cpdf_fillAndStroke(CpdfDocument* doc);
void cpdf_eofillAndStroke(CpdfDocument* doc);
void cpdf_clipNonZero(CpdfDocument* doc);
void cpdf_clipEvenOdd(CpdfDocument* doc);
void cpdf_newpath(CpdfDocument* doc);
void cpdf_turnPoint(float x, float y, float angle, float* xOut, float* yOut);

// ---- Text ------------------------------------------------------------------------------

void cpdf_beginText(CpdfDocument* doc);
void cpdf_endText(CpdfDocument* doc);
void cpdf_wordSpacingTw(CpdfDocument* doc, float spacing);
void cpdf_charSpacingTc(CpdfDocument* doc, float spacing);
void cpdf_horizScaleTz(CpdfDocument* doc, float percent);
void cpdf_textLeadingTL(CpdfDocument* doc, float leading);
void cpdf_textRiseTs(CpdfDocument* doc, float rise);
void cpdf_setTextRenderingMode(CpdfDocument* doc, int mode);
void cpdf_textMatrixTm(CpdfDocument* doc, float a, float b, float c, float d, float e, float f);
void cpdf_textMatrixProduct(CpdfDocument* doc, float a, float b, float c, float d, float e, float f);
void cpdf_turnText(CpdfDocument* doc, float angle);
void cpdf_slantText(CpdfDocument* doc, float alpha, float beta);
void cpdf_pointsTextPlace(CpdfDocument* doc, float x, float y);
void cpdf_domainTextPlace(CpdfDocument* doc, float x, float y);
void cpdf_pointsTextShift(CpdfDocument* doc, float dx, float dy);
void cpdf_domainTextShift(CpdfDocument* doc, float dx, float dy);
void cpdf_textNextLine(CpdfDocument* doc);
void cpdf_textShowTj(CpdfDocument* doc, const char* text);
void cpdf_textNextLineShow(CpdfDocument* doc, const char* text);
void cpdf_rawText(CpdfDocument* doc, float x, float y, float angle, const char* text);
void cpdf_domainText(CpdfDocument* doc, float x, float y, float angle, const char* text);
void cpdf_pointsAlignedText(CpdfDocument* doc, float x, float y, float angle, int code, const char* text);
void cpdf_hexTextSet(CpdfDocument* doc, int flag);

// ---- Fonts ---------------------------------------------------------------------------

int cpdf_setFont(CpdfDocument* doc, const char* name, const char* encoding, float size);
float cpdf_stringWidth(CpdfDocument* doc, const char* text);
float cpdf_fontCapHeightOf(CpdfDocument* doc);
float cpdf_fontAscentOf(CpdfDocument* doc);
float cpdf_fontDescentOf(CpdfDocument* doc);
void cpdf_fontMapFileSet(CpdfDocument* doc, const char* name);
void cpdf_fontFoldersSet(CpdfDocument* doc, const char* pfmFolder, const char* pfbFolder);

// ---- Images --------------------------------------------------------------------------

constexpr int IMAGE_MASK = 0;
constexpr int CS_GRAY = 1;
constexpr int CS_RGB = 2;
constexpr int CS_CMYK = 3;

// byteCount must be exactly the rows the dictionary states: ceil(w*bpc*components/8) * h.
int cpdf_rawPlaceInLineImage(CpdfDocument* doc, const void* data, int32_t byteCount, float x, float y, float angle,
                             float width, float height, int pixelsWide, int pixelsHigh, int bitsPerComponent,
                             int colourSpaceCode, int saveState);
int cpdf_domainInlineImage(CpdfDocument* doc, const void* data, int32_t byteCount, float x, float y, float angle,
                           float width, float height, int pixelsWide, int pixelsHigh, int bitsPerComponent,
                           int colourSpaceCode, int saveState);
int pdf_rawImportImage(CpdfDocument* doc, const char* fileName, int kind, float x, float y, float angle, float* width,
                       float* height, float* xScale, float* yScale, int flags);
int cpdf_domainJpegImage(CpdfDocument* doc, const char* fileName, float x, float y, float angle, float* width,
                         float* height, float* xScale, float* yScale, int flags);
int cpdf_imageSelectorSet(CpdfDocument* doc, int n);

// ---- Annotations, links and outlines -------------------------------------------------

struct CpdfAnnotationStyle {
  int32_t flags;
  const char* borderArray;  // e.g. "[0 0 1]", or null
  const char* borderStyle;  // contents of a /BS dictionary, or null
  float r, g, b;
};

void pdf_rawSetAnnotation(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* title,
                          const char* contents, const CpdfAnnotationStyle* style);
void pdf_rawSetActionURL(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* url,
                         const CpdfAnnotationStyle* style);
void pdf_rawSetLinkGoToPage(CpdfDocument* doc, float x1, float y1, float x2, float y2, int page,
                            const char* destination, const CpdfAnnotationStyle* style);
void pdf_rawSetLinkAction(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* action,
                          const CpdfAnnotationStyle* style);
int pdf_rawIncludeTextFileAsAnnotation(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* title,
                                       const char* fileName, const CpdfAnnotationStyle* style);
void cpdf_domainNote(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* title, const char* contents,
                     const CpdfAnnotationStyle* style);
void cpdf_domainUrlLink(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* url,
                        const CpdfAnnotationStyle* style);
void cpdf_domainPageLink(CpdfDocument* doc, float x1, float y1, float x2, float y2, int page, const char* destination,
                         const CpdfAnnotationStyle* style);
void cpdf_domainActionLink(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* action,
                           const CpdfAnnotationStyle* style);
int cpdf_domainTextFileNote(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* title,
                            const char* fileName, const CpdfAnnotationStyle* style);

CpdfOutlineEntry* pdf_addOutlineEntry(CpdfDocument* doc, CpdfOutlineEntry* after, int sublevel, int open, int page,
                                      const char* title, int destType, float a, float b, float c, float d);
CpdfOutlineEntry* cpdf_outlineEntryWithAction(CpdfDocument* doc, CpdfOutlineEntry* after, int sublevel, int open,
                                              const char* action, const char* title);

// ---- Plot domains and axes -----------------------------------------------------------

CpdfPlotDomain* cpdf_newPlotDomain(float x, float y, float width, float height, float xMin, float xMax, float yMin,
                                   float yMax, int xType, int yType, int timeFlag);
CpdfPlotDomain* cpdf_newTimePlotDomain(float x, float y, float width, float height, const struct tm* startTime,
                                       const struct tm* endTime, float yMin, float yMax, int xType, int yType,
                                       int timeFlag);
void cpdf_plotDomainFree(CpdfPlotDomain* domain);
CpdfPlotDomain* pdf_setPlotDomain(CpdfDocument* doc, CpdfPlotDomain* domain);
float x_Domain2Points(CpdfDocument* doc, float x);
float y_Domain2Points(CpdfDocument* doc, float y);
void cpdf_meshStepsSet(CpdfPlotDomain* domain, int axis, float majorStart, float majorStep, float minorStart,
                       float minorStep);
void cpdf_meshColorSet(CpdfPlotDomain* domain, float majorR, float majorG, float majorB, float minorR, float minorG,
                       float minorB);
void cpdf_meshDashSet(CpdfPlotDomain* domain, const char* majorDash, const char* minorDash);
void cpdf_domainGrayBackground(CpdfPlotDomain* domain, float gray);
void cpdf_domainColorBackground(CpdfPlotDomain* domain, float r, float g, float b);
void cpdf_domainClipRect(CpdfPlotDomain* domain);
void cpdf_paintDomainMesh(CpdfPlotDomain* domain);
void cpdf_tickRangeRound(float min, float max, float* low, float* high, float* majorStart, float* majorStep,
                         float* minorStart, float* minorStep);

CpdfAxis* cpdf_newAxis(float angle, float length, int type, float min, float max);
CpdfAxis* cpdf_newTimeAxis(float angle, float length, int type, const struct tm* startTime, const struct tm* endTime);
void cpdf_axisFree(CpdfAxis* axis);
// Time axes: month names instead of numbers, two-digit years, the label font.
void cpdf_axisLabelFont(CpdfAxis* axis, int monthNames, int shortYears, const char* fontName, float size,
                        const char* encoding);
void cpdf_bindAxisDomain(CpdfAxis* axis, CpdfPlotDomain* domain, float xOffset, float yOffset);
void cpdf_paintAxis(CpdfAxis* axis);
void cpdf_axisLineWidths(CpdfAxis* axis, float lineWidth, float majorTickLength, float minorTickLength,
                         float majorTickWidth, float minorTickWidth);
void cpdf_axisTicValues(CpdfAxis* axis, float majorStart, float majorStep, float minorStart, float minorStep);
void cpdf_axisLogMasks(CpdfAxis* axis, int tickMask, int labelMask);
void cpdf_axisNumberFormat(CpdfAxis* axis, const char* format, const char* fontName, float size, const char* encoding);
void cpdf_axisLabelTexts(CpdfAxis* axis, int count, const char* const* texts);
void cpdf_axisTitleText(CpdfAxis* axis, const char* text, const char* fontName, const char* encoding, float size);
void cpdf_monthNamesSet(CpdfDocument* doc, const char* const names[12]);
