// Copy and paste through the OLE clipboard. Each accessor owns one data object; every put
// changes it and places it on the clipboard at once. Reading goes to whatever data object
// the clipboard holds, which may come from another program.
//
// Failure: readers give null or 0 and change nothing when the clipboard or its data object
// refuses; writers pass on the data object's result (and still place the object) or the
// clipboard's own failure. Foreign text is read within its block and always terminated.
#pragma once

#include <cstddef>
#include <cstdint>

#include "foundation/FLCString.h"
#include "framework/core/zEvH.h"
#include "framework/periphery/zDataObject.h"

class zBitmap;
class zMetafileDisplay;
class zWindow;

// A clipboard format: kind 1 to 9 for the predefined formats of those ids, kind 10 for a
// format registered by name.
class zClipboardFormat {
 public:
  static constexpr int32_t registeredKind = 10;

  explicit zClipboardFormat(UINT id);
  explicit zClipboardFormat(const char* name);
  explicit zClipboardFormat(const FLCString& name);

  int32_t kind() const { return kind_; }
  UINT id() const { return id_; }
  bool operator==(const zClipboardFormat& o) const { return id_ == o.id_; }
  bool operator!=(const zClipboardFormat& o) const { return id_ != o.id_; }
  // Only a registered format has a name to compare with.
  bool operator==(const char* name) const;
  bool operator==(const FLCString& name) const;

 private:
  int32_t kind_;
  UINT id_;
};

class zClipboard : public zEvH {
 public:
  explicit zClipboard(zWindow* owner);
  // Flushes the clipboard, so that what this accessor put stays there after it is gone.
  ~zClipboard() override;

  zWindow* owner() const { return owner_; }
  zDataObject& data() { return data_; }

  HRESULT setText(const char* text);
  HRESULT setData(const zClipboardFormat& format, const void* bytes, size_t count);
  HRESULT setBitmap(zBitmap& bitmap);
  HRESULT setMetafile(zMetafileDisplay& metafile);
  // Places the emptied data object.
  HRESULT empty();

  int isTextAvailable();
  int isBitmapAvailable();
  int isMetafileAvailable();
  int isFormatAvailable(const zClipboardFormat& format);

  // A new zero-terminated text (delete[]), or null.
  char* getText();
  // A new block of the format's bytes (delete[]) with its size, or null.
  uint8_t* getData(const zClipboardFormat& format, size_t* count);
  // A copy of the clipboard's bitmap that the caller deletes, or null.
  HBITMAP getBitmap();
  // 1 when a metafile picture was handed to the display (which takes it over), else 0.
  int getMetafile(zMetafileDisplay& metafile);

 private:
  HRESULT place(HRESULT putResult);
  // GetData on the clipboard's current data object, released after the call.
  bool fetch(CLIPFORMAT format, STGMEDIUM* medium);
  int available(CLIPFORMAT format);

  zWindow* owner_;
  uint32_t flags_;
  zDataObject data_;
  IDataObject* placed_;
};
