// Reads a dialog template (resource type 5, the standard DLGTEMPLATE form) and builds
// framework objects from it: the frame's style, caption, font and rectangle, and one
// control per item. No Windows dialog is ever made from a template.
//
// Templates are read within the bounds of the resource: a template that ends early, or
// one in the extended form (DIALOGEX), is refused with a message (error()) and gives no
// controls; items with creation data are stepped over by the data's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/FLCString.h"
#include "foundation/Geometry.h"
#include "framework/core/zResId.h"
#include "framework/draw/zRCFont.h"
#include "framework/frames/zDialogUnit.h"

class zSizer;
class zWindow;

class ziDialogReader {
 public:
  enum Status { usable = 0, notFound = 1, extendedForm = 2, damaged = 3 };

  // Loads the template from the resources and reads its header.
  ziDialogReader(zWindow* frame, const zResId& templateId);
  // Reads a template held in memory (the bytes must outlive the reader).
  ziDialogReader(zWindow* frame, const void* data, size_t size);
  ziDialogReader(const ziDialogReader&) = delete;
  ziDialogReader& operator=(const ziDialogReader&) = delete;
  ~ziDialogReader();

  // One control per item, children of the frame; false when the items are damaged (the
  // controls made before the damage stay).
  bool createControls();
  // The template rectangle in pixels into a sizer: position and extent.
  void setFrameGeometry(zSizer* sizer) const;

  Status status() const { return status_; }
  bool isUsable() const { return status_ == usable; }
  // Why the template was refused; empty when it was read.
  const std::string& error() const { return error_; }
  uint32_t style() const { return style_; }
  const FLCString& caption() const { return caption_; }
  zRCFont font() const { return font_; }
  bool hasMenu() const { return hasMenu_ != 0; }
  uint32_t menuId() const { return menuId_; }
  uint32_t defaultId() const { return defaultId_; }
  uint32_t itemCount() const { return itemCount_; }
  const zRect& rect() const { return rect_; }

 private:
  void loadTemplate(const zResId& templateId);
  void readHeader();
  void fail(Status status, const std::string& text);
  // Bounded reads at the cursor; false (and the reader damaged) past the end.
  bool readWord(uint16_t& value);
  bool readDword(uint32_t& value);
  bool readText(FLCString& text);
  bool skipText();
  bool align();
  zWindow* createControl(const std::string& className, uint16_t atom, const FLCString& title, uint16_t id,
                         const zRect& pixels, uint32_t style);

  Status status_;
  const uint8_t* data_;
  size_t size_;
  size_t cursor_;
  uint32_t menuId_;
  uint32_t itemCount_;
  zWindow* frame_;
  zRect rect_;
  zRCFont font_;
  // The dialog font's measures, taken once for the frame and all its items.
  zDialogUnit::Base base_;
  HGLOBAL resource_;
  HMODULE module_;
  bool moduleLoaded_;
  uint32_t defaultId_;
  FLCString caption_;
  uint32_t hasMenu_;
  uint32_t style_;
  std::string error_;
  std::string templateName_;
};

// Makes the framework control for an item of a predefined class (atoms 0x80 to 0x85:
// button, edit, static, list box, scroll bar, combo box), created and shown; null for an
// atom it does not know. The sizer passes to the control.
zWindow* ziCreateTemplateControl(uint16_t atom, zWindow* parent, zSizer* sizer, uint32_t style, const char* title,
                                 int32_t id);
