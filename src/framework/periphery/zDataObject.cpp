#include "framework/periphery/zDataObject.h"

#include <cstring>
#include <new>

#include "framework/draw/zMetafileDisplay.h"

namespace {

FORMATETC formatEtc(CLIPFORMAT format, DWORD tymed) {
  FORMATETC f;
  f.cfFormat = format;
  f.ptd = nullptr;
  f.dwAspect = DVASPECT_CONTENT;
  f.lindex = -1;
  f.tymed = tymed;
  return f;
}

// A new global block holding count bytes and a zero after them.
HGLOBAL copyToGlobal(const void* bytes, size_t count, UINT flags) {
  HGLOBAL block = GlobalAlloc(flags, count + 1);
  if (!block) return nullptr;
  char* p = static_cast<char*>(GlobalLock(block));
  if (!p) {
    GlobalFree(block);
    return nullptr;
  }
  if (count) std::memcpy(p, bytes, count);
  p[count] = 0;
  GlobalUnlock(block);
  return block;
}

// Foreign text need not end in a zero within its block: at most the block's size is read
// and the copy is always terminated.
char* textFromGlobal(HGLOBAL block) {
  const size_t size = GlobalSize(block);
  const char* p = static_cast<const char*>(GlobalLock(block));
  if (!p) return nullptr;
  const size_t length = strnlen(p, size);
  char* text = new (std::nothrow) char[length + 1];
  if (text) {
    std::memcpy(text, p, length);
    text[length] = 0;
  }
  GlobalUnlock(block);
  return text;
}

uint8_t* bytesFromGlobal(HGLOBAL block, size_t* count) {
  const size_t size = GlobalSize(block);
  const void* p = GlobalLock(block);
  if (!p) return nullptr;
  uint8_t* bytes = new (std::nothrow) uint8_t[size ? size : 1];
  if (bytes) {
    std::memcpy(bytes, p, size);
    if (count) *count = size;
  }
  GlobalUnlock(block);
  return bytes;
}

}  // namespace

DWORD ziMediumOf(CLIPFORMAT format) {
  switch (format) {
    case CF_BITMAP:
      return TYMED_GDI;
    case CF_METAFILEPICT:
      return TYMED_MFPICT;
    default:
      return TYMED_HGLOBAL;
  }
}

// A metafile picture is a record in global memory that names a metafile: both are copied.
// (Some systems' OleDuplicateData take the picture's handle for the metafile itself.)
HANDLE ziDuplicateData(HANDLE handle, CLIPFORMAT format) {
  if (!handle) return nullptr;
  if (format != CF_METAFILEPICT) return OleDuplicateData(handle, format, 0);
  const METAFILEPICT* source = static_cast<const METAFILEPICT*>(GlobalLock(handle));
  if (!source) return nullptr;
  METAFILEPICT pict = *source;
  GlobalUnlock(handle);
  pict.hMF = pict.hMF ? CopyMetaFileA(pict.hMF, nullptr) : nullptr;
  if (!pict.hMF) return nullptr;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof pict);
  void* p = copy ? GlobalLock(copy) : nullptr;
  if (!p) {
    if (copy) GlobalFree(copy);
    DeleteMetaFile(pict.hMF);
    return nullptr;
  }
  std::memcpy(p, &pict, sizeof pict);
  GlobalUnlock(copy);
  return copy;
}

// ---------------------------------------------------------------------------------------
// The data object.

zDataObjectImp::zDataObjectImp() : references_(1), releaseCallback_(nullptr), releaseData_(nullptr) {}

zDataObjectImp::~zDataObjectImp() { empty(); }

HRESULT STDMETHODCALLTYPE zDataObjectImp::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
    *out = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE zDataObjectImp::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE zDataObjectImp::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) {
    if (releaseCallback_) releaseCallback_(releaseData_);
    delete this;
  }
  return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE zDataObjectImp::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (!format || !medium) return E_INVALIDARG;
  if (!(format->dwAspect & DVASPECT_CONTENT)) return DV_E_FORMATETC;
  const DWORD tymed = ziMediumOf(format->cfFormat);
  if (!(format->tymed & tymed)) return DV_E_FORMATETC;
  const int at = find(format->cfFormat);
  if (at < 0) return DV_E_FORMATETC;
  HANDLE copy = ziDuplicateData(entries_[at].medium.hGlobal, format->cfFormat);
  if (!copy) return E_OUTOFMEMORY;
  medium->tymed = tymed;
  medium->hGlobal = static_cast<HGLOBAL>(copy);
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE zDataObjectImp::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

// A caller tests the answer with SUCCEEDED: an absent format must be a failure code.
HRESULT STDMETHODCALLTYPE zDataObjectImp::QueryGetData(FORMATETC* format) {
  if (!format) return E_INVALIDARG;
  if (!(format->dwAspect & DVASPECT_CONTENT)) return DV_E_FORMATETC;
  if (find(format->cfFormat) < 0) return DV_E_FORMATETC;
  if (!(format->tymed & ziMediumOf(format->cfFormat))) return DV_E_TYMED;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE zDataObjectImp::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  if (!out) return E_INVALIDARG;
  out->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT STDMETHODCALLTYPE zDataObjectImp::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) {
  if (!format || !medium) return E_INVALIDARG;
  if (!(format->dwAspect & DVASPECT_CONTENT)) return DV_E_FORMATETC;
  const DWORD tymed = ziMediumOf(format->cfFormat);
  if (medium->tymed != tymed) return DV_E_TYMED;
  remove(format->cfFormat);
  HANDLE copy = ziDuplicateData(medium->hGlobal, format->cfFormat);
  if (!copy) return STG_E_MEDIUMFULL;
  append(format->cfFormat, tymed, copy);
  // With release the object owns the caller's medium: it keeps its copy, so the original
  // goes now.
  if (release) ReleaseStgMedium(medium);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE zDataObjectImp::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  if (direction != DATADIR_GET) return E_NOTIMPL;
  zEnumFormatEtc* e = new (std::nothrow) zEnumFormatEtc(*this);
  if (!e) return E_OUTOFMEMORY;
  *out = e;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE zDataObjectImp::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return E_FAIL; }

HRESULT STDMETHODCALLTYPE zDataObjectImp::DUnadvise(DWORD) { return E_FAIL; }

HRESULT STDMETHODCALLTYPE zDataObjectImp::EnumDAdvise(IEnumSTATDATA**) { return E_FAIL; }

HRESULT zDataObjectImp::putText(const char* text) {
  remove(CF_TEXT);
  const char* t = text ? text : "";
  HGLOBAL block = copyToGlobal(t, std::strlen(t), GMEM_MOVEABLE | GMEM_DDESHARE);
  if (!block) return STG_E_MEDIUMFULL;
  append(CF_TEXT, TYMED_HGLOBAL, block);
  return S_OK;
}

HRESULT zDataObjectImp::putData(const void* bytes, size_t count, CLIPFORMAT format) {
  if (ziMediumOf(format) != TYMED_HGLOBAL) return DV_E_FORMATETC;
  remove(format);
  if (!bytes) count = 0;
  HGLOBAL block = copyToGlobal(bytes, count, GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE);
  if (!block) return STG_E_MEDIUMFULL;
  append(format, TYMED_HGLOBAL, block);
  return S_OK;
}

HRESULT zDataObjectImp::putBitmap(HBITMAP bitmap) {
  remove(CF_BITMAP);
  if (!bitmap) return E_INVALIDARG;
  HANDLE copy = OleDuplicateData(bitmap, CF_BITMAP, 0);
  if (!copy) return STG_E_MEDIUMFULL;
  append(CF_BITMAP, TYMED_GDI, copy);
  return S_OK;
}

HRESULT zDataObjectImp::putMetafile(zMetafileDisplay& metafile) {
  remove(CF_METAFILEPICT);
  if (!metafile.metafile()) return E_INVALIDARG;
  METAFILEPICT pict;
  metafile.fillMetafilePict(pict);
  // The entry deletes its metafile when it goes, so it holds a copy: the display goes on
  // owning (and deleting) its own recording.
  pict.hMF = CopyMetaFileA(pict.hMF, nullptr);
  if (!pict.hMF) return STG_E_MEDIUMFULL;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof pict + 1);
  void* p = block ? GlobalLock(block) : nullptr;
  if (!p) {
    if (block) GlobalFree(block);
    DeleteMetaFile(pict.hMF);
    return STG_E_MEDIUMFULL;
  }
  std::memcpy(p, &pict, sizeof pict);
  GlobalUnlock(block);
  append(CF_METAFILEPICT, TYMED_MFPICT, block);
  return S_OK;
}

void zDataObjectImp::empty() {
  for (Entry& e : entries_) ReleaseStgMedium(&e.medium);
  entries_.clear();
}

char* zDataObjectImp::getText() const {
  const int at = find(CF_TEXT);
  return at < 0 ? nullptr : textFromGlobal(entries_[at].medium.hGlobal);
}

uint8_t* zDataObjectImp::getData(CLIPFORMAT format, size_t* count) const {
  const int at = find(format);
  if (at < 0 || entries_[at].medium.tymed != TYMED_HGLOBAL) return nullptr;
  return bytesFromGlobal(entries_[at].medium.hGlobal, count);
}

HBITMAP zDataObjectImp::getBitmap() const {
  const int at = find(CF_BITMAP);
  if (at < 0) return nullptr;
  return static_cast<HBITMAP>(OleDuplicateData(entries_[at].medium.hBitmap, CF_BITMAP, 0));
}

HRESULT zDataObjectImp::getMetafile(zMetafileDisplay& metafile) const {
  const int at = find(CF_METAFILEPICT);
  if (at < 0) return DV_E_FORMATETC;
  HGLOBAL copy = static_cast<HGLOBAL>(ziDuplicateData(entries_[at].medium.hMetaFilePict, CF_METAFILEPICT));
  if (!copy) return E_OUTOFMEMORY;
  METAFILEPICT* pict = static_cast<METAFILEPICT*>(GlobalLock(copy));
  if (!pict) {
    GlobalFree(copy);
    return E_OUTOFMEMORY;
  }
  metafile.adoptMetafile(pict->hMF);
  GlobalUnlock(copy);
  GlobalFree(copy);  // the picture record only; its metafile now belongs to the display
  return S_OK;
}

std::vector<FORMATETC> zDataObjectImp::formats() const {
  std::vector<FORMATETC> result;
  result.reserve(entries_.size());
  for (const Entry& e : entries_) result.push_back(e.format);
  return result;
}

int zDataObjectImp::find(CLIPFORMAT format) const {
  for (size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].format.cfFormat == format) return static_cast<int>(i);
  return -1;
}

void zDataObjectImp::remove(CLIPFORMAT format) {
  const int at = find(format);
  if (at < 0) return;
  ReleaseStgMedium(&entries_[at].medium);
  entries_.erase(entries_.begin() + at);
}

void zDataObjectImp::append(CLIPFORMAT format, DWORD tymed, HANDLE handle) {
  Entry e;
  e.format = formatEtc(format, tymed);
  std::memset(&e.medium, 0, sizeof e.medium);
  e.medium.tymed = tymed;
  e.medium.hGlobal = static_cast<HGLOBAL>(handle);
  e.medium.pUnkForRelease = nullptr;
  entries_.push_back(e);
}

// ---------------------------------------------------------------------------------------
// The format enumerator.

zEnumFormatEtc::zEnumFormatEtc(const FORMATETC* formats, size_t count, size_t position)
    : references_(1), position_(position), formats_(formats, formats + count) {
  if (position_ > formats_.size()) position_ = formats_.size();
}

zEnumFormatEtc::zEnumFormatEtc(const zDataObjectImp& object)
    : references_(1), position_(0), formats_(object.formats()) {}

HRESULT STDMETHODCALLTYPE zEnumFormatEtc::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IEnumFORMATETC)) {
    *out = static_cast<IEnumFORMATETC*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE zEnumFormatEtc::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE zEnumFormatEtc::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE zEnumFormatEtc::Next(ULONG n, FORMATETC* out, ULONG* fetched) {
  if (!out) return S_FALSE;
  if (!fetched && n != 1) return E_POINTER;
  ULONG copied = 0;
  while (copied < n && position_ < formats_.size()) out[copied++] = formats_[position_++];
  if (fetched) *fetched = copied;
  return copied == n ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE zEnumFormatEtc::Skip(ULONG n) {
  if (n > formats_.size() - position_) return S_FALSE;
  position_ += n;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE zEnumFormatEtc::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE zEnumFormatEtc::Clone(IEnumFORMATETC** out) {
  if (!out) return E_POINTER;
  *out = new (std::nothrow) zEnumFormatEtc(formats_.data(), formats_.size(), position_);
  return *out ? S_OK : E_OUTOFMEMORY;
}

// ---------------------------------------------------------------------------------------
// The handle.

zDataObject::zDataObject() : imp_(new zDataObjectImp) {}

zDataObject::~zDataObject() { imp_->Release(); }
