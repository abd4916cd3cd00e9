// A display that records drawing into a memory metafile, to be played back into a
// rectangle of another display or handed to the clipboard.
#pragma once

#include "framework/draw/zDisplay.h"

class zMetafileDisplay : public zReadableDisplay {
 public:
  // The reference display (may be null) measures text and gives the size; its
  // device metrics and colours are copied.
  explicit zMetafileDisplay(zDisplay* reference);
  ~zMetafileDisplay() override;

  // Plays the recording into the rectangle of the target (locked by the caller).
  void play(zDisplay& target, int x, int y, int width, int height, int srcX = 0, int srcY = 0) override;
  void size(zRect& r) override;
  void updateRect(zRect& r) override;
  zDimension textExtent(const char* text, int length = 0) override;

  // Mapping mode, size and handle, for clipboard transfer.
  void fillMetafilePict(METAFILEPICT& pict);
  // The recorded metafile (null until recorded), still owned by the display.
  HMETAFILE metafile() const { return metafile_; }
  zDisplay* reference() const { return reference_; }
  // Takes over a metafile received from elsewhere (the clipboard) in place of the
  // recording; the one held before is deleted, so replacing never leaks it.
  void adoptMetafile(HMETAFILE metafile);

 protected:
  // Each recording starts a new metafile; the previous one is deleted.
  void acquireDC() override;
  void releaseDC() override;

 private:
  zDisplay* reference_;
  HMETAFILE metafile_;
};
