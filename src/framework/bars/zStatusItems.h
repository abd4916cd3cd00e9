// Ready-made status fields and the status line that makes them from its style word: an
// on/off text field, the Num Lock and Caps Lock fields (read at every paint and once a
// second), a clock (checked twice a second, repainted when the minute changes) in the
// format of the system profile's "intl" section, and zStatusLineEZ.
#pragma once

#include <cstdint>
#include <ctime>

#include "foundation/FLCString.h"
#include "framework/bars/zStatusLine.h"

class zTimer;

class zStatusOnOffItem : public zStatusItemText {
 public:
  // Texts may be null. The field is as wide as the wider text written in "M"s, plus 8.
  zStatusOnOffItem(zStatusLine* line, int32_t gravity, int32_t id, const char* onText, const char* offText);
  const FLCString& onText() const { return onText_; }
  const FLCString& offText() const { return offText_; }
  // Shows the on-text (or the off-text).
  void setOn(int on) { setText(on ? onText_ : offText_); }

 protected:
  FLCString onText_;
  FLCString offText_;
};

// A field that shows a key's toggle state: the on-text (or its default) while the key is
// toggled on, the off-text otherwise.
class zStatusKeyItem : public zStatusOnOffItem {
 public:
  zStatusKeyItem(zStatusLine* line, int32_t gravity, int32_t id, const char* onText, const char* offText,
                 int virtualKey, const char* defaultOn);
  ~zStatusKeyItem() override;
  void draw(const zRect* clip) override;
  int tick(zEvent*);

 private:
  zTimer* timer_;
  int virtualKey_;
  const char* defaultOn_;
};

class zStatusNumLock : public zStatusKeyItem {
 public:
  zStatusNumLock(zStatusLine* line, int32_t gravity, int32_t id = -1, const char* onText = nullptr,
                 const char* offText = nullptr)
      : zStatusKeyItem(line, gravity, id, onText, offText, VK_NUMLOCK, "NUM") {}
};

class zStatusCapsLock : public zStatusKeyItem {
 public:
  zStatusCapsLock(zStatusLine* line, int32_t gravity, int32_t id = -1, const char* onText = nullptr,
                  const char* offText = nullptr)
      : zStatusKeyItem(line, gravity, id, onText, offText, VK_CAPITAL, "CAP") {}
};

class zStatusClock : public zStatusItemText {
 public:
  using TimeSource = std::time_t (*)();
  zStatusClock(zStatusLine* line, int32_t gravity, int32_t id = -1);
  ~zStatusClock() override;
  void draw(const zRect* clip) override;
  // Every 500 ms: repaints when the minute changed (not while help covers the line).
  int tick(zEvent*);
  // The text for the minute on display.
  FLCString timeText() const;
  std::time_t shownTime() const { return shownTime_; }
  // The format in place of the profile's (tests, and programs with a format of their own).
  void setFormat(int use24Hour, const char* separator, const char* amText, const char* pmText);
  // Where the clock reads the time; null puts the system clock back.
  static void setTimeSource(TimeSource source);
  static std::time_t now();

 private:
  zTimer* timer_;
  char separator_[2];
  char amText_[5];
  char pmText_[5];
  int32_t use24Hour_;
  std::time_t shownTime_;
};

// Style bits of zStatusLineEZ.
constexpr uint32_t zStatusEZFill = 0x0100;      // a filling text field, id 0
constexpr uint32_t zStatusEZNum = 0x0800;       // Num Lock
constexpr uint32_t zStatusEZClock = 0x1000;     // clock
constexpr uint32_t zStatusEZLineHelp = 0x2000;  // help across the line
constexpr uint32_t zStatusEZCaps = 0x4000;      // Caps Lock
constexpr uint32_t zStatusEZItemHelp = 0x8000;  // help in the id-0 field (with 0x0100, without 0x2000)

class zStatusLineEZ : public zStatusLine {
 public:
  zStatusLineEZ(zWindow* parent, zSizer* sizer, uint32_t flags, uint32_t paneStyle, const zRCFont& font,
                FrameIs frame = frameIsParent);
  zStatusLineEZ(zWindow* parent, zSizer* sizer, uint32_t flags, uint32_t paneStyle, zFont* font,
                FrameIs frame = frameIsParent);
  // The id-0 field gets its filling sizer here, after every other field's, so that it
  // takes what is left between the left and right fields.
  void show(int cmd) override;
  int onSize(zEvent* event) override;

 private:
  void makeItems();
  void placeFill();
  int32_t fillPlaced_;
};
