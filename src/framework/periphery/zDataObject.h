// The data object that the clipboard accessor places on the OLE clipboard: a COM object
// implementing IDataObject over a list of entries (a FORMATETC with its medium, at most one
// per format), the enumerator of its formats, and zDataObject, the framework's handle that
// creates the COM object and forwards to it.
//
// Failure: every COM result goes back to the caller unchanged and nothing is shown to the
// user. Memory that cannot be allocated gives STG_E_MEDIUMFULL (0x80030070) and leaves the
// earlier entry of that format removed. A format without an entry gives DV_E_FORMATETC,
// never a success code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <ole2.h>

class zMetafileDisplay;

class zDataObjectImp final : public IDataObject {
 public:
  // Called once when the last reference goes, before the object deletes itself.
  using ReleaseCallback = void (*)(void* data);

  // Starts with one reference, which the creator holds.
  zDataObjectImp();
  zDataObjectImp(const zDataObjectImp&) = delete;
  zDataObjectImp& operator=(const zDataObjectImp&) = delete;

  void setReleaseCallback(ReleaseCallback callback, void* data) {
    releaseCallback_ = callback;
    releaseData_ = data;
  }

  // IUnknown.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDataObject.
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) override;

  // Putting a format replaces the earlier entry of that format.
  HRESULT putText(const char* text);
  HRESULT putData(const void* bytes, size_t count, CLIPFORMAT format);
  // The entry holds its own copy of the handle; the caller keeps the bitmap.
  HRESULT putBitmap(HBITMAP bitmap);
  // The entry holds its own copy of the recorded metafile; the display keeps its own.
  HRESULT putMetafile(zMetafileDisplay& metafile);
  // Releases every entry.
  void empty();

  // The object's own entries. Text and data come as new blocks (delete[]); null without.
  char* getText() const;
  uint8_t* getData(CLIPFORMAT format, size_t* count) const;
  // A copy the caller deletes; null without.
  HBITMAP getBitmap() const;
  // Hands a copy of the recorded metafile to the display (which takes it over); 0, or
  // DV_E_FORMATETC when there is none.
  HRESULT getMetafile(zMetafileDisplay& metafile) const;
  bool hasText() const { return find(CF_TEXT) >= 0; }
  bool hasBitmap() const { return find(CF_BITMAP) >= 0; }
  bool hasMetafile() const { return find(CF_METAFILEPICT) >= 0; }
  bool hasFormat(CLIPFORMAT format) const { return find(format) >= 0; }

  // The formats in entry order.
  std::vector<FORMATETC> formats() const;
  size_t entryCount() const { return entries_.size(); }

 private:
  struct Entry {
    FORMATETC format;
    STGMEDIUM medium;
  };
  ~zDataObjectImp();

  int find(CLIPFORMAT format) const;
  void remove(CLIPFORMAT format);
  void append(CLIPFORMAT format, DWORD tymed, HANDLE handle);

  LONG references_;
  ReleaseCallback releaseCallback_;
  void* releaseData_;
  std::vector<Entry> entries_;
};

// The storage medium that goes with a clipboard format: TYMED_GDI for bitmaps,
// TYMED_MFPICT for metafile pictures, TYMED_HGLOBAL for text and every other format.
DWORD ziMediumOf(CLIPFORMAT format);
// A copy of a medium's handle that the caller owns: global memory, a bitmap, or a metafile
// picture together with its metafile. Null when it cannot be made.
HANDLE ziDuplicateData(HANDLE handle, CLIPFORMAT format);

class zEnumFormatEtc final : public IEnumFORMATETC {
 public:
  // Over a copy of the records; starts with one reference, which the creator holds.
  zEnumFormatEtc(const FORMATETC* formats, size_t count, size_t position = 0);
  explicit zEnumFormatEtc(const zDataObjectImp& object);
  zEnumFormatEtc(const zEnumFormatEtc&) = delete;
  zEnumFormatEtc& operator=(const zEnumFormatEtc&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // S_OK when all n were fetched, S_FALSE when fewer (none at the end).
  HRESULT STDMETHODCALLTYPE Next(ULONG n, FORMATETC* out, ULONG* fetched) override;
  // S_FALSE, without moving, when fewer than n records remain.
  HRESULT STDMETHODCALLTYPE Skip(ULONG n) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** out) override;

 private:
  ~zEnumFormatEtc() = default;

  LONG references_;
  size_t position_;
  std::vector<FORMATETC> formats_;
};

// The framework's handle on one data object: it holds one reference, given back when the
// handle goes (the OLE clipboard may hold its own references for longer).
class zDataObject {
 public:
  zDataObject();
  zDataObject(const zDataObject&) = delete;
  zDataObject& operator=(const zDataObject&) = delete;
  ~zDataObject();

  zDataObjectImp* imp() const { return imp_; }
  IDataObject* dataObject() const { return imp_; }

  HRESULT putText(const char* text) { return imp_->putText(text); }
  HRESULT putData(const void* bytes, size_t count, CLIPFORMAT format) { return imp_->putData(bytes, count, format); }
  HRESULT putBitmap(HBITMAP bitmap) { return imp_->putBitmap(bitmap); }
  HRESULT putMetafile(zMetafileDisplay& metafile) { return imp_->putMetafile(metafile); }
  void empty() { imp_->empty(); }
  char* getText() const { return imp_->getText(); }
  uint8_t* getData(CLIPFORMAT format, size_t* count) const { return imp_->getData(format, count); }
  HBITMAP getBitmap() const { return imp_->getBitmap(); }
  HRESULT getMetafile(zMetafileDisplay& metafile) const { return imp_->getMetafile(metafile); }
  bool hasText() const { return imp_->hasText(); }
  bool hasBitmap() const { return imp_->hasBitmap(); }
  bool hasMetafile() const { return imp_->hasMetafile(); }
  bool hasFormat(CLIPFORMAT format) const { return imp_->hasFormat(format); }

 private:
  zDataObjectImp* imp_;
};
