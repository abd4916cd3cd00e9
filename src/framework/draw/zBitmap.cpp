#include "framework/draw/zBitmap.h"

#include "foundation/Assert.h"
#include "framework/draw/zDisplay.h"

#include <algorithm>
#include <cstring>

zBitmap::zBitmap(int width, int height, int bitsPerPixel, int planes) {
  handle_ = CreateBitmap(width, height, static_cast<UINT>(planes), static_cast<UINT>(bitsPerPixel), nullptr);
}

zBitmap::zBitmap(const zBitmapSource& source) {
  HMODULE module = nullptr;
  HMODULE loaded = nullptr;
  if (source.moduleName) {
    loaded = LoadLibraryA(source.moduleName);
    if (reinterpret_cast<uintptr_t>(loaded) < 33) loaded = nullptr;
    module = loaded;
  } else {
    module = source.module;
  }
  if (!module) module = source.fallback;
  handle_ = LoadBitmapA(module, source.name);
  if (loaded) FreeLibrary(loaded);
}

zDimension zBitmap::size() const {
  BITMAP bm;
  if (!handle_ || GetObjectA(handle_, sizeof bm, &bm) != sizeof bm) return zDimension(0, 0);
  return zDimension(bm.bmWidth, bm.bmHeight);
}

zBitmapCompatible::zBitmapCompatible(int width, int height, zDisplay* display) {
  PV_ASSERT(display != nullptr);
  handle_ = CreateCompatibleBitmap(display->hdc(), width, height);
}

zBitmapSystem::zBitmapSystem(int id) { handle_ = LoadBitmapA(nullptr, MAKEINTRESOURCEA(id)); }

// ---------------------------------------------------------------- ".bmp" files

namespace {

// Nothing larger is taken as a bitmap file.
constexpr uint32_t kMaxFileSize = 64u << 20;
constexpr uint32_t kMaxSide = 32768;
constexpr uint32_t kReadPiece = 32768;

uint16_t u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t u32(const uint8_t* p) {
  return p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

// Reads the whole file in pieces; false when it cannot be opened.
bool readFile(const char* name, std::vector<uint8_t>& data, bool& tooLarge) {
  tooLarge = false;
  HFILE file = _lopen(name, OF_READ);
  if (file == HFILE_ERROR) return false;
  const LONG end = _llseek(file, 0, FILE_END);
  if (end < 0 || static_cast<uint32_t>(end) > kMaxFileSize) {
    tooLarge = true;
    _lclose(file);
    return true;
  }
  _llseek(file, 0, FILE_BEGIN);
  data.resize(static_cast<size_t>(end));
  size_t done = 0;
  while (done < data.size()) {
    const UINT piece = static_cast<UINT>(std::min<size_t>(kReadPiece, data.size() - done));
    const UINT got = _lread(file, data.data() + done, piece);
    if (got == static_cast<UINT>(HFILE_ERROR) || got == 0) break;
    done += got;
  }
  data.resize(done);
  _lclose(file);
  return true;
}

}  // namespace

std::string ziParseDIB(const uint8_t* data, size_t size, ziPackedDIB& out) {
  out.bytes.clear();
  out.bitsOffset = 0;
  if (size > kMaxFileSize) return "file too large";

  // The file header is optional: without "BM" the info header starts the file.
  size_t pos = 0;
  uint32_t pixelOffset = 0;
  if (size >= 14 && data[0] == 'B' && data[1] == 'M') {
    pixelOffset = u32(data + 10);
    pos = 14;
  }
  if (size - pos < 4) return "no bitmap header";
  const uint32_t headerSize = u32(data + pos);
  if (headerSize != 12 && headerSize != 40) return "unknown bitmap header size";
  if (size - pos < headerSize) return "short bitmap header";
  const uint8_t* h = data + pos;
  const bool core = headerSize == 12;

  BITMAPINFOHEADER info;
  std::memset(&info, 0, sizeof info);
  info.biSize = sizeof info;
  uint32_t clrUsed = 0;
  uint32_t sizeImage = 0;
  if (core) {
    info.biWidth = u16(h + 4);
    info.biHeight = u16(h + 6);
    info.biPlanes = u16(h + 8);
    info.biBitCount = u16(h + 10);
    info.biCompression = BI_RGB;
  } else {
    info.biWidth = static_cast<LONG>(u32(h + 4));
    info.biHeight = static_cast<LONG>(u32(h + 8));
    info.biPlanes = u16(h + 12);
    info.biBitCount = u16(h + 14);
    info.biCompression = u32(h + 16);
    sizeImage = u32(h + 20);
    info.biXPelsPerMeter = static_cast<LONG>(u32(h + 24));
    info.biYPelsPerMeter = static_cast<LONG>(u32(h + 28));
    clrUsed = u32(h + 32);
    info.biClrImportant = u32(h + 36);
  }
  pos += headerSize;

  const uint32_t bits = info.biBitCount;
  if (info.biPlanes != 1) return "planes must be 1";
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && (core || (bits != 16 && bits != 32)))
    return "unsupported bit count";
  if (info.biWidth < 1 || static_cast<uint32_t>(info.biWidth) > kMaxSide) return "bad width";
  // A negative height is a top-down bitmap.
  const int64_t height = info.biHeight;
  const uint32_t rows = static_cast<uint32_t>(height < 0 ? -height : height);
  if (rows < 1 || rows > kMaxSide) return "bad height";

  const DWORD compression = info.biCompression;
  const bool rle = compression == BI_RLE8 || compression == BI_RLE4;
  if (compression == BI_RLE8 && bits != 8) return "RLE8 needs 8 bits per pixel";
  if (compression == BI_RLE4 && bits != 4) return "RLE4 needs 4 bits per pixel";
  if (compression == BI_BITFIELDS && bits != 16 && bits != 32) return "bit fields need 16 or 32 bits per pixel";
  if (compression != BI_RGB && !rle && compression != BI_BITFIELDS) return "unsupported compression";
  if (rle && height < 0) return "compressed bitmaps cannot be top-down";

  // The colour table: its size follows from the bit count unless the header names
  // fewer entries; more than the bit count can index are refused.
  const uint32_t maxColors = bits <= 8 ? 1u << bits : 256u;
  if (clrUsed > maxColors) return "too many colours";
  const uint32_t colors = clrUsed != 0 ? clrUsed : (bits <= 8 ? 1u << bits : 0u);
  const uint32_t masks = compression == BI_BITFIELDS ? 3 : 0;
  // Above 8 bits per pixel a colour table is only a hint for palette devices: it is
  // skipped in the file and left out of the packed bitmap.
  const uint32_t packedColors = bits <= 8 ? colors : 0;
  const uint32_t tableEntries = packedColors + masks;
  const size_t tableInFile = static_cast<size_t>(colors) * (core ? 3 : 4) + masks * 4;
  if (size - pos < tableInFile) return "short colour table";

  // The pixel data: uncompressed data must cover every row; the header's image size
  // may only be larger than that, and never larger than the data present.
  const uint64_t stride = (static_cast<uint64_t>(bits) * static_cast<uint32_t>(info.biWidth) + 31) / 32 * 4;
  const uint64_t needed = stride * rows;
  uint64_t imageSize;
  if (rle) {
    if (sizeImage == 0) return "compressed bitmap without image size";
    imageSize = sizeImage;
  } else {
    if (sizeImage != 0 && sizeImage < needed) return "image size too small for the bitmap";
    imageSize = needed;
  }
  size_t bitsAt = pos + tableInFile;
  if (pixelOffset != 0) {
    if (pixelOffset < bitsAt) return "pixel data overlaps the headers";
    bitsAt = pixelOffset;
  }
  if (sizeImage > size || bitsAt > size || size - bitsAt < sizeImage) return "image size larger than the file";
  if (size - bitsAt < imageSize) return "short pixel data";

  info.biSizeImage = static_cast<DWORD>(imageSize);
  info.biClrUsed = packedColors;
  const size_t tableBytes = static_cast<size_t>(tableEntries) * 4;
  out.bytes.assign(sizeof info + tableBytes + static_cast<size_t>(imageSize), 0);
  std::memcpy(out.bytes.data(), &info, sizeof info);
  uint8_t* table = out.bytes.data() + sizeof info;
  const uint8_t* src = data + pos;
  if (core) {
    for (uint32_t i = 0; i < packedColors; ++i) {  // RGBTRIPLE to RGBQUAD
      table[i * 4] = src[i * 3];
      table[i * 4 + 1] = src[i * 3 + 1];
      table[i * 4 + 2] = src[i * 3 + 2];
    }
  } else {
    std::memcpy(table, src, tableBytes);
  }
  out.bitsOffset = static_cast<uint32_t>(sizeof info + tableBytes);
  std::memcpy(out.bytes.data() + out.bitsOffset, data + bitsAt, static_cast<size_t>(imageSize));
  return std::string();
}

zBitmapFile::zBitmapFile(zDisplay* display, const char* fileName) {
  PV_ASSERT(display != nullptr && fileName != nullptr);
  display->lock();
  std::string name(fileName);
  if (name.find('.') == std::string::npos) name += ".bmp";
  std::vector<uint8_t> data;
  bool tooLarge = false;
  if (!readFile(name.c_str(), data, tooLarge)) {
    display->unlock();
    MessageBoxA(GetActiveWindow(), "Can't open file", name.c_str(), 0);
    return;
  }
  ziPackedDIB dib;
  if (!tooLarge && ziParseDIB(data.data(), data.size(), dib).empty()) {
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(dib.bytes.data());
    handle_ = CreateDIBitmap(display->hdc(), header, CBM_INIT, dib.bytes.data() + dib.bitsOffset,
                             reinterpret_cast<const BITMAPINFO*>(dib.bytes.data()), DIB_RGB_COLORS);
  }
  display->unlock();
}

// ---------------------------------------------------------------- packed DIBs

namespace {
// Where the pixel data of a packed DIB starts.
size_t dibBitsOffset(const BITMAPINFOHEADER* info) {
  size_t colors = info->biClrUsed;
  if (colors == 0 && info->biBitCount <= 8) colors = size_t{1} << info->biBitCount;
  if (info->biCompression == BI_BITFIELDS && colors == 0) colors = 3;
  return info->biSize + colors * sizeof(RGBQUAD);
}
}  // namespace

HGLOBAL bitmapToDIB(const zBitmap& bitmap, DWORD compression, int bitsPerPixel, HPALETTE palette) {
  BITMAP bm;
  if (!bitmap.handle() || GetObjectA(bitmap.handle(), sizeof bm, &bm) != sizeof bm) return nullptr;
  if (!palette) palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
  if (bitsPerPixel == 0) bitsPerPixel = bm.bmPlanes * bm.bmBitsPixel;

  BITMAPINFOHEADER info;
  std::memset(&info, 0, sizeof info);
  info.biSize = sizeof info;
  info.biWidth = bm.bmWidth;
  info.biHeight = bm.bmHeight;
  info.biPlanes = 1;
  info.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.biCompression = compression;
  // Room for the largest colour table while GetDIBits fills in the header.
  const size_t maxTableBytes = 256 * sizeof(RGBQUAD);

  HDC dc = GetDC(nullptr);
  if (!dc) return nullptr;
  HPALETTE oldPalette = SelectPalette(dc, palette, FALSE);
  RealizePalette(dc);

  HGLOBAL block = GlobalAlloc(GHND, sizeof info + maxTableBytes);
  bool ok = false;
  if (block) {
    auto* p = static_cast<BITMAPINFOHEADER*>(GlobalLock(block));
    *p = info;
    ok = GetDIBits(dc, bitmap.hbitmap(), 0, static_cast<UINT>(bm.bmHeight), nullptr, reinterpret_cast<BITMAPINFO*>(p),
                   DIB_RGB_COLORS) != 0;
    info = *p;
    GlobalUnlock(block);
  }
  if (ok) {
    if (info.biSizeImage == 0) {
      info.biSizeImage = static_cast<DWORD>((static_cast<uint32_t>(info.biBitCount) * info.biWidth + 31) / 32 * 4 *
                                            (info.biHeight < 0 ? -info.biHeight : info.biHeight));
      if (compression != BI_RGB) info.biSizeImage += info.biSizeImage / 2;
    }
    const size_t bitsAt = dibBitsOffset(&info);
    const size_t total = std::max<size_t>(bitsAt + info.biSizeImage, sizeof info + maxTableBytes);
    HGLOBAL bigger = GlobalReAlloc(block, total, GMEM_MOVEABLE);
    if (!bigger) {
      ok = false;
    } else {
      block = bigger;
      auto* p = static_cast<uint8_t*>(GlobalLock(block));
      std::memcpy(p, &info, sizeof info);
      ok = GetDIBits(dc, bitmap.hbitmap(), 0, static_cast<UINT>(bm.bmHeight), p + bitsAt,
                     reinterpret_cast<BITMAPINFO*>(p), DIB_RGB_COLORS) != 0;
      GlobalUnlock(block);
    }
  }
  SelectPalette(dc, oldPalette, FALSE);
  ReleaseDC(nullptr, dc);
  if (!ok && block) {
    GlobalFree(block);
    block = nullptr;
  }
  return block;
}

void drawDIB(HDC dc, int x, int y, int width, int height, HGLOBAL dib, int srcX, int srcY, int srcWidth, int srcHeight,
             DWORD rop) {
  if (!dib) {
    PatBlt(dc, x, y, width, height, rop);
    return;
  }
  auto* info = static_cast<BITMAPINFOHEADER*>(GlobalLock(dib));
  if (!info) return;
  const uint8_t* bits = reinterpret_cast<const uint8_t*>(info) + dibBitsOffset(info);
  StretchDIBits(dc, x, y, width, height, srcX, srcY, srcWidth, srcHeight, bits, reinterpret_cast<BITMAPINFO*>(info),
                DIB_RGB_COLORS, rop);
  GlobalUnlock(dib);
}
