#include "framework/periphery/zClipboard.h"

#include <cstring>
#include <new>

#include "framework/core/zProgram.h"
#include "framework/draw/zBitmap.h"
#include "framework/draw/zMetafileDisplay.h"

// ---------------------------------------------------------------------------------------
// Formats.

zClipboardFormat::zClipboardFormat(UINT id)
    : kind_(id >= 1 && id <= 9 ? static_cast<int32_t>(id) : registeredKind), id_(id) {}

zClipboardFormat::zClipboardFormat(const char* name)
    : kind_(registeredKind), id_(name ? RegisterClipboardFormatA(name) : 0) {}

zClipboardFormat::zClipboardFormat(const FLCString& name) : zClipboardFormat(name.data()) {}

bool zClipboardFormat::operator==(const char* name) const {
  if (kind_ != registeredKind || !name) return false;
  char buffer[50];
  const int n = GetClipboardFormatNameA(id_, buffer, sizeof buffer);
  return n > 0 && std::strcmp(buffer, name) == 0;
}

bool zClipboardFormat::operator==(const FLCString& name) const {
  if (kind_ != registeredKind) return false;
  char buffer[50];
  const int n = GetClipboardFormatNameA(id_, buffer, sizeof buffer);
  return n > 0 && name.compareTo(buffer) == 0;
}

// ---------------------------------------------------------------------------------------
// The accessor.

namespace {

FORMATETC query(CLIPFORMAT format) {
  FORMATETC f;
  f.cfFormat = format;
  f.ptd = nullptr;
  f.dwAspect = DVASPECT_CONTENT;
  f.lindex = -1;
  f.tymed = ziMediumOf(format);
  return f;
}

}  // namespace

zClipboard::zClipboard(zWindow* owner) : owner_(owner), flags_(0), placed_(nullptr) {
  // The system clipboard takes and gives data objects through OLE.
  zStartOle();
  data_.dataObject()->QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&placed_));
}

zClipboard::~zClipboard() {
  // Flushing renders the object's data into the clipboard and lets the object go; only
  // this accessor's own object is flushed, never one that another has placed since.
  if (placed_ && OleIsCurrentClipboard(placed_) == S_OK) OleFlushClipboard();
  if (placed_) placed_->Release();
}

HRESULT zClipboard::place(HRESULT putResult) {
  const HRESULT placed = OleSetClipboard(placed_);
  return FAILED(putResult) ? putResult : placed;
}

HRESULT zClipboard::setText(const char* text) { return place(data_.putText(text)); }

HRESULT zClipboard::setData(const zClipboardFormat& format, const void* bytes, size_t count) {
  return place(data_.putData(bytes, count, static_cast<CLIPFORMAT>(format.id())));
}

HRESULT zClipboard::setBitmap(zBitmap& bitmap) { return place(data_.putBitmap(bitmap.hbitmap())); }

HRESULT zClipboard::setMetafile(zMetafileDisplay& metafile) { return place(data_.putMetafile(metafile)); }

HRESULT zClipboard::empty() {
  data_.empty();
  return place(S_OK);
}

int zClipboard::available(CLIPFORMAT format) {
  IDataObject* current = nullptr;
  if (FAILED(OleGetClipboard(&current)) || !current) return 0;
  FORMATETC f = query(format);
  const int result = current->QueryGetData(&f) == S_OK ? 1 : 0;
  current->Release();
  return result;
}

int zClipboard::isTextAvailable() { return available(CF_TEXT); }
int zClipboard::isBitmapAvailable() { return available(CF_BITMAP); }
int zClipboard::isMetafileAvailable() { return available(CF_METAFILEPICT); }
int zClipboard::isFormatAvailable(const zClipboardFormat& format) {
  return available(static_cast<CLIPFORMAT>(format.id()));
}

bool zClipboard::fetch(CLIPFORMAT format, STGMEDIUM* medium) {
  IDataObject* current = nullptr;
  if (FAILED(OleGetClipboard(&current)) || !current) return false;
  FORMATETC f = query(format);
  std::memset(medium, 0, sizeof *medium);
  const HRESULT got = current->GetData(&f, medium);
  current->Release();
  if (FAILED(got)) return false;
  if (medium->tymed != f.tymed || !medium->hGlobal) {
    ReleaseStgMedium(medium);
    return false;
  }
  return true;
}

char* zClipboard::getText() {
  STGMEDIUM medium;
  if (!fetch(CF_TEXT, &medium)) return nullptr;
  // The block may come from another program and need not hold a terminating zero: no
  // more than its size is read.
  const size_t size = GlobalSize(medium.hGlobal);
  char* text = nullptr;
  if (const char* p = static_cast<const char*>(GlobalLock(medium.hGlobal))) {
    const size_t length = strnlen(p, size);
    text = new (std::nothrow) char[length + 1];
    if (text) {
      std::memcpy(text, p, length);
      text[length] = 0;
    }
    GlobalUnlock(medium.hGlobal);
  }
  ReleaseStgMedium(&medium);
  return text;
}

uint8_t* zClipboard::getData(const zClipboardFormat& format, size_t* count) {
  const CLIPFORMAT cf = static_cast<CLIPFORMAT>(format.id());
  if (ziMediumOf(cf) != TYMED_HGLOBAL) return nullptr;
  STGMEDIUM medium;
  if (!fetch(cf, &medium)) return nullptr;
  const size_t size = GlobalSize(medium.hGlobal);
  uint8_t* bytes = nullptr;
  if (const void* p = GlobalLock(medium.hGlobal)) {
    bytes = new (std::nothrow) uint8_t[size ? size : 1];
    if (bytes) {
      std::memcpy(bytes, p, size);
      if (count) *count = size;
    }
    GlobalUnlock(medium.hGlobal);
  }
  ReleaseStgMedium(&medium);
  return bytes;
}

HBITMAP zClipboard::getBitmap() {
  STGMEDIUM medium;
  if (!fetch(CF_BITMAP, &medium)) return nullptr;
  HBITMAP copy = static_cast<HBITMAP>(OleDuplicateData(medium.hBitmap, CF_BITMAP, 0));
  ReleaseStgMedium(&medium);
  return copy;
}

int zClipboard::getMetafile(zMetafileDisplay& metafile) {
  STGMEDIUM medium;
  if (!fetch(CF_METAFILEPICT, &medium)) return 0;
  int taken = 0;
  HGLOBAL copy = static_cast<HGLOBAL>(ziDuplicateData(medium.hMetaFilePict, CF_METAFILEPICT));
  if (copy) {
    if (METAFILEPICT* pict = static_cast<METAFILEPICT*>(GlobalLock(copy))) {
      if (pict->hMF) {
        metafile.adoptMetafile(pict->hMF);
        taken = 1;
      }
      GlobalUnlock(copy);
    }
    GlobalFree(copy);  // the record only: its metafile now belongs to the display
  }
  ReleaseStgMedium(&medium);
  return taken;
}
