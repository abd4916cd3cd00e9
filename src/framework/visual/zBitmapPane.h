// A pane control that shows one bitmap, at its top-left corner or centred, and paints
// nothing else (the rest is its erased background). Dialogs place one with the class name
// "zBitmapPane" in their templates and take it over by identifier to give it a picture.
// The pane owns its bitmap. A takeover that finds no bitmap pane with the identifier
// leaves an empty object (no window) and reports the fault.
#pragma once

#include <cstdint>

#include "framework/frames/zPane.h"

class zBitmap;

class zBitmapPane : public zPaneControl {
 public:
  // With the bitmap of the resource (none when it cannot be loaded).
  zBitmapPane(zWindow* parent, uint32_t resourceId, zSizer* sizer);
  // Takes the bitmap over (null: none).
  zBitmapPane(zWindow* parent, zBitmap* bitmap, zSizer* sizer);
  // No bitmap: the form that dialog templates create.
  zBitmapPane(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id);
  // Takes the place of the bitmap pane with this identifier among the parent's children:
  // its window, its bitmap and its place in the list; that object is deleted here, once,
  // and the parent no longer holds it.
  zBitmapPane(zWindow* parent, int32_t id);
  ~zBitmapPane() override;

  zBitmap* bitmap() const { return bitmap_; }
  int centred() const { return centred_; }
  // Shows the bitmap (null: none) and returns the previous one, which passes to the
  // caller. With resize, the pane takes the bitmap's size, its top-left corner staying
  // where it is; without a bitmap nothing is resized.
  zBitmap* setBitmap(zBitmap* bitmap, int resize = 0, int centred = 0);
  // Where the bitmap's top-left corner goes in a pane of the given size (halves rounded
  // toward zero; negative when a centred bitmap is larger than the pane).
  static zPoint bitmapOrigin(const zDimension& pane, const zDimension& bitmap, int centred);

  int onSize(zEvent* event) override;
  int draw(zEvent* event) override;
  // No window: the takeover found nothing to take.
  int isEmpty() const { return handle_ ? 0 : 1; }

 private:
  void takeOver(int32_t id);
  zBitmap* bitmap_;
  int32_t centred_;
};

// Makes the bitmap pane a dialog template names ("zBitmapPane"), without a picture: the
// dialog's code takes the pane over by identifier and gives it one.
zWindow* zCreateBitmapPane(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
