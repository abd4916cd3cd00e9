#include "framework/bars/zStatusItems.h"

#include <cstring>

#include "framework/bars/zBarsArith.h"
#include "framework/core/zTimerDev.h"
#include "framework/draw/zDisplay.h"
#include "framework/layout/zGravSizer.h"

namespace {
zStatusClock::TimeSource clockSource = nullptr;

void copyCut(char* to, size_t size, const char* from) {
  if (!from) from = "";
  const size_t n = strnlen(from, size - 1);
  std::memcpy(to, from, n);
  to[n] = 0;
}
}  // namespace

// ---------------------------------------------------------------- on/off field

zStatusOnOffItem::zStatusOnOffItem(zStatusLine* line, int32_t gravity, int32_t id, const char* onText,
                                   const char* offText)
    : zStatusItemText(line, nullptr, id, zStatusNoGap | zStatusCentered),
      onText_(onText ? onText : ""),
      offText_(offText ? offText : "") {
  const std::string sample = zbars::onOffSample(onText, offText);
  sizer_ = new zGravSizer(gravity, measure(sample.data()).width() + 8, line->sizer());
  addGap();
  storeText(offText_);
}

// ---------------------------------------------------------------- key fields

zStatusKeyItem::zStatusKeyItem(zStatusLine* line, int32_t gravity, int32_t id, const char* onText, const char* offText,
                               int virtualKey, const char* defaultOn)
    : zStatusOnOffItem(line, gravity, id, onText, offText),
      timer_(nullptr),
      virtualKey_(virtualKey),
      defaultOn_(defaultOn) {
  timer_ = new zTimer(this, &zStatusKeyItem::tick, 1000);
}

zStatusKeyItem::~zStatusKeyItem() { delete timer_; }

void zStatusKeyItem::draw(const zRect* clip) {
  const bool on = (GetKeyState(virtualKey_) & 1) != 0;
  if (on)
    storeText(onText_.length() ? onText_.data() : defaultOn_);
  else
    storeText(offText_);
  zStatusItemText::draw(clip);
}

int zStatusKeyItem::tick(zEvent*) {
  if (line_->lineHelpShown()) return 0;
  zDisplay* d = display();
  if (!d) return 0;
  d->lock();
  draw(nullptr);
  d->unlock();
  return 0;
}

// ---------------------------------------------------------------- clock

void zStatusClock::setTimeSource(TimeSource source) { clockSource = source; }
std::time_t zStatusClock::now() { return clockSource ? clockSource() : std::time(nullptr); }

zStatusClock::zStatusClock(zStatusLine* line, int32_t gravity, int32_t id)
    : zStatusItemText(line, nullptr, id, zStatusNoGap | zStatusCentered), timer_(nullptr) {
  char buffer[8];
  use24Hour_ = static_cast<int32_t>(GetProfileIntA("intl", "iTime", 0));
  GetProfileStringA("intl", "sTime", ":", buffer, sizeof separator_);
  copyCut(separator_, sizeof separator_, buffer);
  GetProfileStringA("intl", "s1159", "AM", buffer, sizeof amText_);
  copyCut(amText_, sizeof amText_, buffer);
  GetProfileStringA("intl", "s2359", "PM", buffer, sizeof pmText_);
  copyCut(pmText_, sizeof pmText_, buffer);
  timer_ = new zTimer(this, &zStatusClock::tick, 500);
  shownTime_ = now();
  const std::string sample = zbars::clockSample(use24Hour_, separator_);
  sizer_ = new zGravSizer(gravity, measure(sample.data()).width() + 8, line->sizer());
  addGap();
}

zStatusClock::~zStatusClock() { delete timer_; }

void zStatusClock::setFormat(int use24Hour, const char* separator, const char* amText, const char* pmText) {
  use24Hour_ = use24Hour;
  copyCut(separator_, sizeof separator_, separator ? separator : ":");
  copyCut(amText_, sizeof amText_, amText ? amText : "AM");
  copyCut(pmText_, sizeof pmText_, pmText ? pmText : "PM");
}

FLCString zStatusClock::timeText() const {
  std::tm local{};
  const std::time_t t = shownTime_;
#ifdef _WIN32
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  return zbars::clockText(local.tm_hour, local.tm_min, use24Hour_, separator_, amText_, pmText_).c_str();
}

int zStatusClock::tick(zEvent*) {
  const std::time_t t = now();
  if (t / 60 == shownTime_ / 60) return 0;
  shownTime_ = t;
  if (line_->lineHelpShown()) return 0;
  const RECT r = rect().toRECT();
  if (IsWindow(line_->handle())) InvalidateRect(line_->handle(), &r, FALSE);
  return 0;
}

void zStatusClock::draw(const zRect* clip) {
  storeText(timeText());
  zStatusItemText::draw(clip);
}

// ---------------------------------------------------------------- zStatusLineEZ

zStatusLineEZ::zStatusLineEZ(zWindow* parent, zSizer* sizer, uint32_t flags, uint32_t paneStyle, const zRCFont& font,
                             FrameIs frame)
    : zStatusLine(parent, sizer, flags, paneStyle, font, frame), fillPlaced_(0) {
  makeItems();
}

zStatusLineEZ::zStatusLineEZ(zWindow* parent, zSizer* sizer, uint32_t flags, uint32_t paneStyle, zFont* font,
                             FrameIs frame)
    : zStatusLine(parent, sizer, flags, paneStyle, font, frame), fillPlaced_(0) {
  makeItems();
}

void zStatusLineEZ::makeItems() {
  const uint32_t f = styleFlags();
  // Each item measures its sample text as it is made: on one device context for all,
  // which the window server hands out once instead of once an item.
  zDisplay* measuring = display();
  if (measuring) measuring->lock();
  if (f & zStatusEZClock) new zStatusClock(this, gravRight, -1);
  if (f & zStatusEZNum) new zStatusNumLock(this, gravRight, -1);
  if (f & zStatusEZCaps) new zStatusCapsLock(this, gravRight, -1);
  if (f & zStatusEZFill) new zStatusItemText(this, nullptr, 0, zStatusClipped | 0x1);
  if (measuring) measuring->unlock();
  if (f & zStatusEZLineHelp)
    helpInLine();
  else if ((f & zStatusEZItemHelp) && (f & zStatusEZFill))
    helpInItem(0);
}

void zStatusLineEZ::show(int cmd) {
  if (flags() & zWinShown) {
    showWindow(cmd);
    return;
  }
  placeFill();
  zStatusLine::show(cmd);
}

int zStatusLineEZ::onSize(zEvent* event) {
  placeFill();
  return zStatusLine::onSize(event);
}

void zStatusLineEZ::placeFill() {
  if (!(styleFlags() & zStatusEZFill) || fillPlaced_) return;
  zStatusItem* fill = findItem(0);
  if (!fill) return;
  if (!fill->sizer()) fill->setSizer(new zGravSizer(gravClient, 0, sizer()));
  fillPlaced_ = 1;
}
