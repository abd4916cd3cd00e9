// The system's common dialogs, each run by its constructor: open a file, save a file
// under a name, choose a colour, choose a font. The caller reads the completion flag and
// the result right after construction.
#pragma once

#include <cstdint>
#include <string>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "foundation/Geometry.h"

class zWindow;

// The file name and default extension that a file form starts with, from the initial name
// or pattern and the filter list (pairs of description and pattern, null-terminated). The
// name is cut to fit its buffer of `capacity` characters, terminator included.
struct zFileFormStart {
  std::string defaultExtension;
  bool hasDefaultExtension = false;
};
zFileFormStart ziFileFormStart(bool saveForm, const char* initial, const char* const* filters, char* name,
                               size_t capacity);
// The filter text of the dialog: every string followed by a zero, then two more zeros; the
// built-in "All Files (*.*)" filter without a list.
std::string ziFileFormFilter(const char* const* filters);

// The chosen name's room in bytes, terminator included: a Windows path of MAX_PATH
// characters as UTF-8.
constexpr size_t zFileFormNameCapacity = MAX_PATH * 4;

// The file forms take and give names as UTF-8 (the system's wide form underneath).
class zFileOpenForm {
 public:
  zFileOpenForm(zWindow* owner, const char* title, const char* initial, const char* const* filters);
  const char* name() const { return name_; }
  int32_t& completed() { return completed_; }

 private:
  char name_[zFileFormNameCapacity];
  int32_t completed_;
};

class zFileSaveAsForm {
 public:
  zFileSaveAsForm(zWindow* owner, const char* title, const char* initial, const char* const* filters);
  const char* name() const { return name_; }
  int32_t& completed() { return completed_; }

 private:
  char name_[zFileFormNameCapacity];
  int32_t completed_;
};

class zColorSelForm {
 public:
  explicit zColorSelForm(zWindow* owner);
  zColorSelForm(zWindow* owner, const zColor& initial);
  int32_t& completed() { return completed_; }
  const zColor& color() const { return color_; }
  // The custom colours that every colour form of the run offers.
  static COLORREF* customColors();

 private:
  void run(zWindow* owner, const zColor& initial);

  int32_t completed_;
  zColor color_;
};

// A logical font and its size in tenths of a point.
struct zFontDescript {
  LOGFONTA logFont;
  uint16_t pointSize;
};

class zFontSelForm {
 public:
  // A null description gets a new zero-filled one, which the caller takes over.
  zFontSelForm(zWindow* owner, const zColor& color, zFontDescript* description);
  zFontDescript* description() const { return description_; }
  const zColor& color() const { return color_; }
  int32_t result() const { return result_; }

 private:
  zFontDescript* description_;
  zColor color_;
  int32_t result_;
};
