// Inline images and JPEG image XObjects.
#include "pdf/cpdfInternal.h"

#include <cstdint>

#include <cmath>
#include <cstring>

using cpdf_detail::beginObject;
using cpdf_detail::Line;
using cpdf_detail::newObject;
using cpdf_detail::out;

// ---- JPEG header ---------------------------------------------------------------------

namespace cpdf_detail {

int readJpegHeaderBytes(const uint8_t* data, size_t size, JpegInfo& info) {
  static const char* module = "cpdf jpegsize";
  if (size < 2 || data[0] != 255 || data[1] != 216) {
    cpdf_hookError(1, module, "Not a JPEG file");
    return -2;
  }
  auto premature = [&]() {
    cpdf_hookError(1, module, "Premature EOF in JPEG file");
    return -2;
  };
  size_t pos = 2;
  for (;;) {
    // Next marker: garbage before 0xFF is reported, fill bytes 0xFF are skipped.
    size_t garbage = 0;
    while (pos < size && data[pos] != 255) {
      ++pos;
      ++garbage;
    }
    if (garbage) cpdf_hookError(1, module, "Warning: garbage data found in JPEG file");
    while (pos < size && data[pos] == 255) ++pos;
    if (pos >= size) return premature();
    int marker = data[pos++];
    if (marker == 217 || marker == 218) return marker;
    if (marker == 0 || marker == 1 || marker == 216 || (marker >= 208 && marker <= 215))
      continue;  // markers without a length
    if (size - pos < 2) return premature();
    size_t length = (static_cast<size_t>(data[pos]) << 8) | data[pos + 1];
    if (length < 2) {
      cpdf_hookError(1, module, "Erroneous JPEG marker length");
      return -2;
    }
    if (length > size - pos) return premature();
    bool frame = (marker >= 192 && marker <= 195) || (marker >= 197 && marker <= 199) ||
                 (marker >= 201 && marker <= 203) || (marker >= 205 && marker <= 207);
    if (frame) {
      if (length < 8) {
        cpdf_hookError(1, module, "Bogus SOF marker length");
        return -2;
      }
      const uint8_t* p = data + pos + 2;
      info.bitsPerComponent = p[0];
      info.height = (p[1] << 8) | p[2];
      info.width = (p[3] << 8) | p[4];
      info.components = p[5];
      info.marker = marker;
      if (length != 8 + 3 * static_cast<size_t>(info.components)) {
        cpdf_hookError(1, module, "Bogus SOF marker length");
        return -2;
      }
    }
    pos += length;
  }
}

}  // namespace cpdf_detail

int read_JPEG_header(const char* fileName, CpdfImage* image) {
  std::string bytes;
  if (!cpdf_detail::readWholeFile(fileName, bytes)) {
    cpdf_hookError(1, "cpdf read_JPEG_header", "Can't open image file: %s", fileName);
    return -1;
  }
  cpdf_detail::JpegInfo info;
  int rc = cpdf_detail::readJpegHeaderBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), info);
  if (rc < 0) return rc;
  image->width = info.width;
  image->height = info.height;
  image->bitsPerComponent = info.bitsPerComponent;
  image->components = info.components;
  image->marker = info.marker;
  return rc;
}

// ---- inline images -------------------------------------------------------------------

namespace {

bool holdsEndMarker(const unsigned char* data, int32_t count) {
  for (int32_t i = 0; i + 1 < count; ++i)
    if (data[i] == 'E' && data[i + 1] == 'I') return true;
  return false;
}

// The bytes as ASCIIHexDecode data: two digits a byte, lines of 64 bytes, ">" at the end.
bool writeHexLines(CpdfMemoryStream* stream, const unsigned char* data, int32_t count) {
  static const char digits[] = "0123456789ABCDEF";
  constexpr int32_t kLineBytes = 64;
  char line[2 * kLineBytes + 1];
  for (int32_t at = 0; at < count; at += kLineBytes) {
    const int32_t n = count - at < kLineBytes ? count - at : kLineBytes;
    for (int32_t k = 0; k < n; ++k) {
      line[2 * k] = digits[data[at + k] >> 4];
      line[2 * k + 1] = digits[data[at + k] & 0xF];
    }
    line[2 * n] = at + n < count ? '\n' : '>';
    if (cpdf_memStreamWrite(stream, line, 2 * n + 1) != 0) return false;
  }
  return true;
}

}  // namespace

int cpdf_rawPlaceInLineImage(CpdfDocument* doc, const void* data, int32_t byteCount, float x, float y, float angle,
                             float width, float height, int pixelsWide, int pixelsHigh, int bitsPerComponent,
                             int colourSpaceCode, int saveState) {
  static const char* label = "cpdf_rawPlaceInLineImage()";
  if (!cpdf_detail::contentAvailable(doc, label)) return -1;
  int code = colourSpaceCode & 3;
  int components = code == CS_RGB ? 3 : code == CS_CMYK ? 4 : 1;
  bool bpcOk = bitsPerComponent == 1 || bitsPerComponent == 2 || bitsPerComponent == 4 || bitsPerComponent == 8 ||
               bitsPerComponent == 16;
  if (code == IMAGE_MASK) bpcOk = bitsPerComponent == 1;
  // A wrong byte count would make readers look for EI in the wrong place and garble
  // the rest of the page, so only the exact count is accepted.
  // The sizes are checked before any arithmetic on them: the data are held in one
  // block of at most 2^31 - 1 bytes, so a row longer than that, or more rows than it
  // could hold, never matches; only then is the product formed.
  int64_t rowBytes = 0, expected = -1;
  if (bpcOk && pixelsWide >= 1 && pixelsHigh >= 1) {
    rowBytes = (static_cast<int64_t>(pixelsWide) * bitsPerComponent * components + 7) / 8;
    if (rowBytes <= INT32_MAX / pixelsHigh) expected = rowBytes * pixelsHigh;
  }
  if (!data || !bpcOk || expected < 0 || expected != byteCount) {
    cpdf_docError(doc, 1, label, "Inline image data do not match %dx%d pixels at %d bits", pixelsWide, pixelsHigh,
                  bitsPerComponent);
    return -1;
  }
  using cpdf_detail::usable;
  if (!usable(x) || !usable(y) || !usable(angle) || !usable(width) || !usable(height)) {
    cpdf_docError(doc, 1, label, "Number is not finite: operator refused");
    return -1;
  }
  cpdf_detail::ContentGroup group(doc);
  if (saveState == 1) cpdf_gsave(doc);
  cpdf_pointsMatrixConcat(doc, 1, 0, 0, 1, x, y);
  if (std::fabs(angle) > 0.001f) cpdf_turnAxes(doc, angle);
  cpdf_pointsMatrixConcat(doc, width, 0, 0, height, 0, 0);
  doc->inlineImages++;
  Line l;
  l.text("BI\n/W ").integer(pixelsWide).text("\n/H ").integer(pixelsHigh).text("\n/BPC ");
  l.integer(bitsPerComponent).text("\n");
  switch (code) {
    case IMAGE_MASK:
      l.text("/ImageMask true\n");
      doc->imageKinds |= 4;
      break;
    case CS_GRAY:
      l.text("/ColorSpace /DeviceGray\n");
      doc->imageKinds |= 1;
      break;
    case CS_RGB:
      l.text("/ColorSpace /DeviceRGB\n");
      doc->imageKinds |= 2;
      break;
    default:
      l.text("/ColorSpace /DeviceCMYK\n");
      doc->imageKinds |= 2;
      break;
  }
  // Many readers find the end of inline data by scanning for "EI" rather than by
  // counting bytes, so data holding those two bytes would end early for them and the
  // rest of the page be read differently. Such data go in hexadecimal, whose digits
  // and end mark cannot form "EI"; the rest stay binary, at half the size.
  const bool hex = holdsEndMarker(static_cast<const unsigned char*>(data), byteCount);
  if (hex) l.text("/F /AHx\n");
  l.text("ID ");
  CpdfMemoryStream* scratch = doc->scratch.get();
  cpdf_memStreamReset(scratch);
  bool written = cpdf_memStreamWrite(scratch, l.str().data(), static_cast<int32_t>(l.str().size())) == 0;
  if (written && hex) {
    written = writeHexLines(scratch, static_cast<const unsigned char*>(data), byteCount);
  } else if (written) {
    written = cpdf_memStreamWrite(scratch, data, byteCount) == 0;
  }
  if (!written || cpdf_memStreamPutText("\nEI\n", scratch) < 0) {
    cpdf_detail::failAllocation(doc);
    return -1;
  }
  cpdf_detail::contentBytes(doc, scratch->buffer, scratch->count);
  if (saveState == 1) cpdf_grestore(doc);
  return 0;
}

int cpdf_domainInlineImage(CpdfDocument* doc, const void* data, int32_t byteCount, float x, float y, float angle,
                           float width, float height, int pixelsWide, int pixelsHigh, int bitsPerComponent,
                           int colourSpaceCode, int saveState) {
  return cpdf_rawPlaceInLineImage(doc, data, byteCount, x_Domain2Points(doc, x), y_Domain2Points(doc, y), angle, width,
                                  height, pixelsWide, pixelsHigh, bitsPerComponent, colourSpaceCode, saveState);
}

// ---- imported JPEG images --------------------------------------------------------------

int cpdf_imageSelectorSet(CpdfDocument* doc, int n) {
  int previous = doc->imageSelector;
  if (n >= 0) doc->imageSelector = n;
  return previous;
}

namespace {

// Settles one axis: a given size sets the scale, a given scale sets the size; with
// neither, the other axis lends its scale.
void settle(float& size, float& scale, int pixels, float otherScale, bool otherGiven) {
  const float eps = 0.00001f;
  if (std::fabs(size) >= eps) {
    scale = size / static_cast<float>(pixels);
  } else if (std::fabs(scale) >= eps) {
    size = static_cast<float>(pixels) * scale;
  } else if (otherGiven) {
    scale = otherScale;
    size = static_cast<float>(pixels) * scale;
  } else {
    scale = 1;
    size = static_cast<float>(pixels);
  }
}

}  // namespace

int pdf_rawImportImage(CpdfDocument* doc, const char* fileName, int kind, float x, float y, float angle, float* width,
                       float* height, float* xScale, float* yScale, int flags) {
  static const char* label = "pdf_rawImportImage()";
  if (kind == 3) {
    cpdf_hookError(1, "cpdf", "LIBTIFF library support is not compiled in.");
    return -1;
  }
  if (kind == 5) {
    cpdf_hookError(1, "cpdf", "PDFIMG support is not compiled in.");
    return -1;
  }
  if (kind != 0) return -4;
  if (!fileName || !cpdf_detail::contentAvailable(doc, label)) return -1;
  if (!cpdf_detail::usable(x) || !cpdf_detail::usable(y) || !cpdf_detail::usable(angle)) {
    cpdf_docError(doc, 1, label, "Number is not finite: operator refused");
    return -1;
  }
  int index = -1;
  try {
    for (size_t i = 0; i < doc->images.size(); ++i)
      if (doc->images[i].fileName == fileName && doc->images[i].selector == doc->imageSelector)
        index = static_cast<int>(i);
    if (index < 0) {
      if (static_cast<int>(doc->images.size()) >= doc->limits.images) {
        cpdf_docError(doc, 1, label, "Too many images in this PDF: %d. Increase limits by pdf_open()",
                      doc->limits.images);
        return 1;
      }
      CpdfImage im;
      im.kind = 0;
      im.mask = (flags >> 1) & 1;
      im.invert = (flags >> 2) & 1;
      im.selector = doc->imageSelector;
      int rc = read_JPEG_header(fileName, &im);
      if (rc < 0 || rc != 218 || im.width < 1 || im.height < 1 ||
          (im.components != 1 && im.components != 3 && im.components != 4)) {
        cpdf_docError(doc, 1, label, "Not a JPEG file?: %s", fileName);
        return rc < 0 ? rc : -2;
      }
      if (im.marker != 192) cpdf_versionAtLeast(doc, 1, 3);
      if (im.components == 1) doc->imageKinds |= 1;
      if (im.components > 2) doc->imageKinds |= 2;
      im.colorSpace = im.components;
      Line r;
      r.text("IMcpdf").integer(static_cast<long long>(doc->images.size()));
      im.resourceName = r.str();
      im.fileName = fileName;
      doc->images.push_back(std::move(im));
      index = static_cast<int>(doc->images.size()) - 1;
    }
    cpdf_detail::pageUse(doc->pages[doc->currentPage].images, index);
  } catch (const std::bad_alloc&) {
    cpdf_detail::failAllocation(doc);
    return -1;
  }
  const CpdfImage& im = doc->images[static_cast<size_t>(index)];
  const float eps = 0.00001f;
  float w = *width, h = *height, sx = *xScale, sy = *yScale;
  if (!cpdf_detail::usable(w) || !cpdf_detail::usable(h) || !cpdf_detail::usable(sx) || !cpdf_detail::usable(sy)) {
    cpdf_docError(doc, 1, label, "Number is not finite: operator refused");
    return -1;
  }
  bool yGiven = std::fabs(h) >= eps || std::fabs(sy) >= eps;
  float yLend = std::fabs(h) >= eps ? h / static_cast<float>(im.height) : sy;
  settle(w, sx, im.width, yLend, yGiven);
  settle(h, sy, im.height, sx, true);  // x is settled by now
  if (!cpdf_detail::usable(w) || !cpdf_detail::usable(h)) {
    cpdf_docError(doc, 1, label, "Number is not finite: operator refused");
    return -1;
  }
  *width = w;
  *height = h;
  *xScale = sx;
  *yScale = sy;
  cpdf_detail::ContentGroup group(doc);
  if (flags & 1) cpdf_gsave(doc);
  cpdf_pointsMatrixConcat(doc, 1, 0, 0, 1, x, y);
  if (std::fabs(angle) > 0.001f) cpdf_turnAxes(doc, angle);
  cpdf_pointsMatrixConcat(doc, w, 0, 0, h, 0, 0);
  Line d;
  d.text("/").text(im.resourceName).text(" Do\n");
  cpdf_detail::contentLine(doc, d, label);
  if (flags & 1) cpdf_grestore(doc);
  return 0;
}

int cpdf_domainJpegImage(CpdfDocument* doc, const char* fileName, float x, float y, float angle, float* width,
                         float* height, float* xScale, float* yScale, int flags) {
  return pdf_rawImportImage(doc, fileName, 0, x_Domain2Points(doc, x), y_Domain2Points(doc, y), angle, width, height,
                            xScale, yScale, flags);
}

namespace cpdf_detail {

void numberImages(CpdfDocument* doc) {
  for (CpdfImage& im : doc->images) im.objectNumber = newObject(doc);
}

void writeImages(CpdfDocument* doc) {
  static const char* spaces[] = {"", "DeviceGray", "", "DeviceRGB", "DeviceCMYK"};
  for (CpdfImage& im : doc->images) {
    // The data are read now; the file must still be the JPEG that was measured.
    std::string data;
    JpegInfo info;
    if (!readWholeFile(im.fileName.c_str(), data) ||
        readJpegHeaderBytes(reinterpret_cast<const uint8_t*>(data.data()), data.size(), info) != 218 ||
        info.width != im.width || info.height != im.height || info.components != im.components) {
      cpdf_docError(doc, -1, "pdf_finalizeAll()", "Image file changed or unreadable: %s", im.fileName.c_str());
      return;
    }
    beginObject(doc, im.objectNumber);
    Line l;
    l.text("<<\n/Type /XObject\n/Subtype /Image\n/Name /").text(im.resourceName);
    l.text("\n/Width ").integer(im.width).text("\n/Height ").integer(im.height);
    l.text("\n/Filter /DCTDecode\n");
    if (im.invert) {
      l.text("/Decode [");
      for (int k = 0; k < im.components; ++k) l.text(k ? " 1 0" : "1 0");
      l.text("]\n");
    }
    l.text("/BitsPerComponent ").integer(im.bitsPerComponent).text("\n");
    if (im.bitsPerComponent == 1 && im.components == 1 && im.mask)
      l.text("/ImageMask true\n");
    else
      l.text("/ColorSpace /").text(spaces[im.colorSpace]).text("\n");
    l.text("/Length ").integer(static_cast<long long>(data.size())).text("\n>>\nstream\n");
    out(doc, l.str());
    out(doc, data);
    out(doc, "\nendstream\nendobj\n");
  }
}

}  // namespace cpdf_detail
