// Resources beyond the accelerator table: string-table strings (zString), blocks of
// strings kept as user resources (zResStrBlock), message boxes (zMessage) and icons
// (zIcon). A missing resource gives an empty string, a null data pointer or no icon;
// callers test for that.
#pragma once

#include <cstdint>

#include "foundation/FLCString.h"
#include "framework/core/zResId.h"

class zWindow;

class zString : public FLCString {
 public:
  zString() = default;
  zString(const char* text) : FLCString(text ? text : "") {}  // NOLINT: as FLCString
  explicit zString(char c);
  // The string-table entry; empty when there is none. bufferSize bounds its length.
  zString(const zResId& id, uint32_t bufferSize);
  static zString fromResource(const zResId& id);

  zString& operator=(const char* text);
  zString& operator=(char c);
  zString& operator+=(const char* text);
  zString& operator+=(char c);
  zString& operator+=(const zString& other);
  bool operator==(const char* text) const;
  uint32_t reserve(uint32_t n);
};

// A user resource (type RCDATA), locked while the object lives; data() is null when it
// could not be found or loaded.
class zUserResource {
 public:
  // RCDATA unless another resource type is named.
  explicit zUserResource(const zResId& id, LPCSTR type = RT_RCDATA);
  zUserResource(const zUserResource&) = delete;
  zUserResource& operator=(const zUserResource&) = delete;
  virtual ~zUserResource();
  const char* data() const { return data_; }
  uint32_t size() const { return size_; }

 private:
  HMODULE module_;
  bool moduleLoaded_;
  const char* data_;
  uint32_t size_;
};

// Zero-terminated strings one after another, ended by an empty string; list and combo
// boxes fill themselves from such blocks. A block without its closing empty string ends
// at the end of the resource.
class zResStrBlock : public zUserResource {
 public:
  explicit zResStrBlock(const zResId& id);
  // The first string, then each next one; 0 after the last.
  const char* nextString();
  void rewind() { current_ = nullptr; }

 private:
  bool inside(const char* p) const { return p && p < data() + size(); }

  const char* current_;
  const char* first_;
};

// A message box; the answer is kept.
class zMessage {
 public:
  zMessage(zWindow* parent, const char* text, const char* title, uint16_t flags = MB_OK);
  int answer() const { return answer_; }
  bool isYes() const { return answer_ == IDYES; }
  bool isNo() const { return answer_ == IDNO; }
  bool isCancel() const { return answer_ == IDCANCEL; }

 private:
  int answer_;
};

class zIcon {
 public:
  // From the resources; owned.
  explicit zIcon(const zResId& id);
  // A system icon (IDI_...); not owned.
  explicit zIcon(uint16_t systemId);
  // The first icon of a file; none when the file has none.
  explicit zIcon(const char* file);
  zIcon(const zIcon& other);
  zIcon& operator=(const zIcon&) = delete;
  ~zIcon();

  HICON handle() const { return handle_; }
  bool owned() const { return owned_ != 0; }
  void disown() { owned_ = 0; }

 private:
  HICON handle_;
  uint32_t owned_;
  zResId resId_;
  uint16_t systemId_;
};

// Cursors from the resources (by the icon rule) and system cursors.
HCURSOR zLoadCursor(const zResId& id);
