// Annotations (notes and links) and the document outline.
#include "pdf/cpdfInternal.h"

#include <cmath>
#include <cstring>

using cpdf_detail::beginObject;
using cpdf_detail::Line;
using cpdf_detail::newObject;
using cpdf_detail::out;

namespace {

// Escapes a note's contents: "(", ")" and "\" get a backslash, line ends become \r\n.
std::string noteText(const char* text, size_t n) {
  std::string s;
  for (size_t i = 0; i < n; ++i) {
    char c = text[i];
    if (c == '(' || c == ')' || c == '\\') {
      s += '\\';
      s += c;
    } else if (c == '\n' || c == '\r') {
      s += "\\r\\n";
    } else {
      s += c;
    }
  }
  return s;
}

bool addAnnotation(CpdfDocument* doc, const char* label, int type, float x1, float y1, float x2, float y2,
                   const CpdfAnnotationStyle* style, CpdfAnnotation&& a) {
  if (!cpdf_detail::contentAvailable(doc, label)) return false;
  if (static_cast<int>(doc->annotations.size()) >= doc->limits.annotations) {
    cpdf_docError(doc, 1, label, "too many annotations in this PDF: %d", doc->limits.annotations);
    return false;
  }
  const float rect[4] = {x1, y1, x2, y2};
  for (float v : rect) {
    if (!std::isfinite(v) || std::fabs(v) > 1e9f) {
      cpdf_docError(doc, 1, label, "Number is not finite: operator refused");
      return false;
    }
  }
  try {
    a.type = type;
    std::memcpy(a.rect, rect, sizeof rect);
    if (style) {
      a.flags = style->flags;
      a.color[0] = style->r;
      a.color[1] = style->g;
      a.color[2] = style->b;
      if (style->borderStyle) {
        a.hasBorderStyle = true;
        a.borderStyle = style->borderStyle;
      } else if (style->borderArray) {
        a.hasBorderArray = true;
        a.borderArray = style->borderArray;
      }
    } else {
      a.flags = 0;
      if (type == 0) {
        a.color[0] = 1;
        a.color[1] = 1;
        a.color[2] = 0;
      } else {
        a.color[2] = 1;
        if (type != 2) {
          a.hasBorderArray = true;
          a.borderArray = "[0 0 0]";
        }
      }
    }
    for (float c : a.color) {
      if (!cpdf_detail::usable(c)) {
        cpdf_docError(doc, 1, label, "Number is not finite: operator refused");
        return false;
      }
    }
    // Border and action texts are written into the annotation's dictionary as they are.
    using cpdf_detail::PdfSyntax;
    using cpdf_detail::pdfSyntaxValid;
    if ((a.hasBorderStyle && !pdfSyntaxValid(a.borderStyle.c_str(), PdfSyntax::DictionaryBody)) ||
        (a.hasBorderArray && !pdfSyntaxValid(a.borderArray.c_str(), PdfSyntax::BorderArray)) ||
        (type == 3 && !pdfSyntaxValid(a.content.c_str(), PdfSyntax::DictionaryBody))) {
      cpdf_docError(doc, 1, label, "Malformed destination, action or border refused");
      return false;
    }
    doc->annotations.push_back(std::move(a));
    cpdf_detail::pageUse(doc->pages[doc->currentPage].annots, static_cast<int>(doc->annotations.size()) - 1);
  } catch (const std::bad_alloc&) {
    cpdf_detail::failAllocation(doc);
    return false;
  }
  return true;
}

std::string decoded(CpdfDocument* doc, const char* text) {
  if (!text) return std::string();
  if (doc->hexText) return cpdf_bytesFromHex(text);
  return text;
}

}  // namespace

void pdf_rawSetAnnotation(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* title,
                          const char* contents, const CpdfAnnotationStyle* style) {
  CpdfAnnotation a;
  std::string c = decoded(doc, contents);
  std::string t = decoded(doc, title);
  a.content = noteText(c.data(), c.size());
  a.title = cpdf_quoteBytes(t.data(), static_cast<int32_t>(t.size()));
  addAnnotation(doc, "pdf_rawSetAnnotation()", 0, x1, y1, x2, y2, style, std::move(a));
}

void pdf_rawSetActionURL(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* url,
                         const CpdfAnnotationStyle* style) {
  CpdfAnnotation a;
  // The address goes into a PDF string: unescaped parentheses would end it early.
  a.content = cpdf_quoteTextCopy(url ? url : "");
  addAnnotation(doc, "pdf_rawSetActionURL()", 1, x1, y1, x2, y2, style, std::move(a));
}

void pdf_rawSetLinkGoToPage(CpdfDocument* doc, float x1, float y1, float x2, float y2, int page,
                            const char* destination, const CpdfAnnotationStyle* style) {
  static const char* label = "pdf_rawSetLinkGoToPage()";
  // A link to a page that does not exist would point at no object.
  if (page < 1 || page >= static_cast<int>(doc->pages.size()) || doc->pages[page].pageNumber != page) {
    cpdf_docError(doc, 1, label, "Page %d has not yet been created for link.", page);
    return;
  }
  if (destination && !cpdf_detail::pdfSyntaxValid(destination, cpdf_detail::PdfSyntax::Destination)) {
    cpdf_docError(doc, 1, label,
                  "Destination refused: a link to a page takes /XYZ, /Fit, /FitH, /FitV, /FitR, /FitB, /FitBH or "
                  "/FitBV with its own number of operands");
    return;
  }
  CpdfAnnotation a;
  a.page = page;
  a.content = destination ? destination : "/Fit";
  addAnnotation(doc, label, 2, x1, y1, x2, y2, style, std::move(a));
}

void pdf_rawSetLinkAction(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* action,
                          const CpdfAnnotationStyle* style) {
  CpdfAnnotation a;
  a.content = action ? action : "";
  addAnnotation(doc, "pdf_rawSetLinkAction()", 3, x1, y1, x2, y2, style, std::move(a));
}

int pdf_rawIncludeTextFileAsAnnotation(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* title,
                                       const char* fileName, const CpdfAnnotationStyle* style) {
  std::string text;
  if (!fileName || !cpdf_detail::readWholeFile(fileName, text)) {
    cpdf_docError(doc, 1, "pdf_rawIncludeTextFileAsAnnotation()", "cannot open annotation text file: %s",
                  fileName ? fileName : "");
    return -1;
  }
  CpdfAnnotation a;
  a.content = cpdf_quoteBytes(text.data(), static_cast<int32_t>(text.size()));
  a.title = cpdf_quoteTextCopy(title ? title : "");
  return addAnnotation(doc, "pdf_rawSetAnnotation()", 0, x1, y1, x2, y2, style, std::move(a)) ? 0 : -1;
}

void cpdf_domainNote(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* title, const char* contents,
                     const CpdfAnnotationStyle* style) {
  pdf_rawSetAnnotation(doc, x_Domain2Points(doc, x1), y_Domain2Points(doc, y1), x_Domain2Points(doc, x2),
                       y_Domain2Points(doc, y2), title, contents, style);
}
void cpdf_domainUrlLink(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* url,
                        const CpdfAnnotationStyle* style) {
  pdf_rawSetActionURL(doc, x_Domain2Points(doc, x1), y_Domain2Points(doc, y1), x_Domain2Points(doc, x2),
                      y_Domain2Points(doc, y2), url, style);
}
void cpdf_domainPageLink(CpdfDocument* doc, float x1, float y1, float x2, float y2, int page, const char* destination,
                         const CpdfAnnotationStyle* style) {
  pdf_rawSetLinkGoToPage(doc, x_Domain2Points(doc, x1), y_Domain2Points(doc, y1), x_Domain2Points(doc, x2),
                         y_Domain2Points(doc, y2), page, destination, style);
}
void cpdf_domainActionLink(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* action,
                           const CpdfAnnotationStyle* style) {
  pdf_rawSetLinkAction(doc, x_Domain2Points(doc, x1), y_Domain2Points(doc, y1), x_Domain2Points(doc, x2),
                       y_Domain2Points(doc, y2), action, style);
}
int cpdf_domainTextFileNote(CpdfDocument* doc, float x1, float y1, float x2, float y2, const char* title,
                            const char* fileName, const CpdfAnnotationStyle* style) {
  return pdf_rawIncludeTextFileAsAnnotation(doc, x_Domain2Points(doc, x1), y_Domain2Points(doc, y1),
                                            x_Domain2Points(doc, x2), y_Domain2Points(doc, y2), title, fileName, style);
}

// ---- outlines --------------------------------------------------------------------------

namespace {

CpdfOutlineEntry* addEntry(CpdfDocument* doc, CpdfOutlineEntry* after, int sublevel, int open, int page,
                           std::string dest, const char* title) {
  try {
    auto entry = std::make_unique<CpdfOutlineEntry>();
    CpdfOutlineEntry* e = entry.get();
    e->page = page;
    e->open = open;
    e->dest = std::move(dest);
    std::string t = decoded(doc, title ? title : "");
    e->title = cpdf_quoteBytes(t.data(), static_cast<int32_t>(t.size()));
    if (after && sublevel) {
      // A child goes after the former last child, so that every child stays linked.
      e->parent = after;
      if (after->last) {
        e->prev = after->last;
        after->last->next = e;
      } else {
        after->first = e;
      }
      after->last = e;
    } else if (after) {
      e->parent = after->parent;
      e->prev = after;
      e->next = after->next;
      if (after->next) after->next->prev = e;
      after->next = e;
      if (e->parent) {
        if (e->parent->last == after) e->parent->last = e;
      } else if (doc->lastOutline == after) {
        doc->lastOutline = e;
      }
    } else {
      if (doc->lastOutline) {
        e->prev = doc->lastOutline;
        doc->lastOutline->next = e;
      } else {
        doc->firstOutline = e;
      }
      doc->lastOutline = e;
    }
    if (!e->parent || e->parent->open) doc->outlineCount++;
    for (CpdfOutlineEntry* a = e->parent; a; a = a->parent) {
      a->count++;
      if (!a->open) break;
    }
    doc->outlineStore.push_back(std::move(entry));
    return e;
  } catch (const std::bad_alloc&) {
    cpdf_detail::failAllocation(doc);
    return nullptr;
  }
}

}  // namespace

CpdfOutlineEntry* pdf_addOutlineEntry(CpdfDocument* doc, CpdfOutlineEntry* after, int sublevel, int open, int page,
                                      const char* title, int destType, float a, float b, float c, float d) {
  if (page < 1 || page > doc->highestPage || doc->pages[page].pageNumber != page) {
    cpdf_docError(doc, 1, "pdf_addOutlineEntry()", "Page %d has not yet been created for outline (book mark).", page);
    return nullptr;
  }
  for (float v : {a, b, c, d}) {
    if (!cpdf_detail::usable(v)) {
      cpdf_docError(doc, 1, "pdf_addOutlineEntry()", "Number is not finite: operator refused");
      return nullptr;
    }
  }
  Line l;
  switch (destType) {
    case 1:
      l.text("/XYZ ").fixed(a, 0).text(" ").fixed(b, 0).text(" ").fixed(c, 3);
      break;
    case 2:
      l.text("/Fit");
      break;
    case 3:
      l.text("/FitH ").fixed(a, 0);
      break;
    case 4:
      l.text("/FitV ").fixed(a, 0);
      break;
    case 5:
      l.text("/FitR ").fixed(a, 0).text(" ").fixed(b, 0).text(" ").fixed(c, 0).text(" ").fixed(d, 0);
      break;
    case 6:
      l.text("/FitB");
      break;
    case 7:
      l.text("/FitBH ").fixed(a, 0);
      break;
    case 8:
      l.text("/FitBV ").fixed(a, 0);
      break;
    case 9:
      l.text("/XYZ null ").fixed(a, 0).text(" null");
      break;
    default:
      l.text("/XYZ null null null");
      break;
  }
  if (!l.ok()) {
    cpdf_docError(doc, 1, "pdf_addOutlineEntry()", "Number is not finite: operator refused");
    return nullptr;
  }
  return addEntry(doc, after, sublevel, open, page, l.str(), title);
}

CpdfOutlineEntry* cpdf_outlineEntryWithAction(CpdfDocument* doc, CpdfOutlineEntry* after, int sublevel, int open,
                                              const char* action, const char* title) {
  // The action is written as the body of the entry's action dictionary.
  if (!action || !cpdf_detail::pdfSyntaxValid(action, cpdf_detail::PdfSyntax::DictionaryBody)) {
    cpdf_docError(doc, 1, "cpdf_outlineEntryWithAction()", "Malformed action refused");
    return nullptr;
  }
  return addEntry(doc, after, sublevel, open, -1, action, title);
}

namespace cpdf_detail {

void numberAnnotations(CpdfDocument* doc) {
  for (CpdfAnnotation& a : doc->annotations) a.objectNumber = newObject(doc);
}

void writeAnnotations(CpdfDocument* doc) {
  for (const CpdfAnnotation& a : doc->annotations) {
    beginObject(doc, a.objectNumber);
    Line l;
    l.text("<<\n/Type /Annot\n/Subtype /").text(a.type == 0 ? "Text" : "Link").text("\n/Rect [");
    l.fixed(a.rect[0], 0).text(" ").fixed(a.rect[1], 0).text(" ").fixed(a.rect[2], 0).text(" ");
    l.fixed(a.rect[3], 0).text("]\n");
    switch (a.type) {
      case 0:
        l.text("/T (").text(a.title).text(")\n/Contents (").text(a.content).text(")\n");
        break;
      case 1:
        l.text("/A << /S /URI\n/URI (").text(a.content).text(")\n>>\n");
        break;
      case 2:
        l.text("/Dest [").integer(doc->pages[a.page].objectNumber).text(" 0 R ");
        l.text(a.content).text("]\n");
        break;
      default:
        l.text("/A <<\n").text(a.content).text("\n>>\n");
        break;
    }
    if (a.hasBorderStyle)
      l.text("/BS <<\n").text(a.borderStyle).text("\n>>\n");
    else if (a.hasBorderArray)
      l.text("/Border ").text(a.borderArray).text("\n");
    else
      l.text("/Border [0 0 1]\n");
    l.text("/C [").fixed(a.color[0], 4).text(" ").fixed(a.color[1], 4).text(" ");
    l.fixed(a.color[2], 4).text("]\n/F ").integer(a.flags).text("\n>>\nendobj\n");
    out(doc, l.str());
  }
}

namespace {

void numberTree(CpdfDocument* doc, CpdfOutlineEntry* e) {
  for (; e; e = e->next) {
    e->objectNumber = newObject(doc);
    numberTree(doc, e->first);
  }
}

void writeTree(CpdfDocument* doc, const CpdfOutlineEntry* e) {
  for (; e; e = e->next) {
    beginObject(doc, e->objectNumber);
    Line l;
    l.text("<<\n/Parent ").integer(e->parent ? e->parent->objectNumber : 2).text(" 0 R\n");
    if (e->page < 0)
      l.text("/A <<\n").text(e->dest).text("\n>>\n");
    else
      l.text("/Dest [").integer(doc->pages[e->page].objectNumber).text(" 0 R ").text(e->dest).text("]\n");
    l.text("/Title (").text(e->title).text(")\n");
    if (e->next) l.text("/Next ").integer(e->next->objectNumber).text(" 0 R\n");
    if (e->prev) l.text("/Prev ").integer(e->prev->objectNumber).text(" 0 R\n");
    if (e->first) l.text("/First ").integer(e->first->objectNumber).text(" 0 R\n");
    if (e->last) l.text("/Last ").integer(e->last->objectNumber).text(" 0 R\n");
    if (e->count != 0) l.text("/Count ").text(e->open ? "" : "-").integer(e->count).text("\n");
    l.text(">>\nendobj\n");
    out(doc, l.str());
    writeTree(doc, e->first);
  }
}

}  // namespace

void numberOutlines(CpdfDocument* doc) { numberTree(doc, doc->firstOutline); }
void writeOutlines(CpdfDocument* doc) { writeTree(doc, doc->firstOutline); }

}  // namespace cpdf_detail
