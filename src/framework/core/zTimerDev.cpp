#include "framework/core/zTimerDev.h"

#include "foundation/Assert.h"
#include "framework/core/zProgram.h"
#include "framework/core/zWindow.h"

namespace {
constexpr UINT_PTR kWindowsTimerId = 1;
constexpr UINT kWindowsTimerPeriod = 100;  // milliseconds

uint32_t systemTicks() { return static_cast<uint32_t>(GetTickCount()); }
}  // namespace

// ---------------------------------------------------------------- zTimer

zTimer::zTimer(const zEventHandler& handler, uint32_t interval, uint32_t periodic)
    : handler_(handler), start_(0), periodic_(periodic), interval_(interval) {
  PV_ASSERT(zTheProgram != nullptr);
  // Longer intervals would read as a start in the future (see zTimerDev::isDue).
  PV_ASSERT(interval < 0x80000000u);
  zTimerDev* device = zTheProgram->makeTimerDev();
  device->add(this);
  start_ = device->now();
}

zTimer::~zTimer() {
  if (zTheProgram && zTheProgram->timerDev()) zTheProgram->timerDev()->remove(this);
}

// ---------------------------------------------------------------- zTimerDev

zTimerDev::zTimerDev()
    : oneShots_(nullptr), periodics_(nullptr), timerId_(0), timerWindow_(nullptr), tickSource_(&systemTicks) {}

// The window is remembered from SetTimer rather than asked of the main frame object,
// which may already be gone when the application ends.
zTimerDev::~zTimerDev() {
  if (timerId_) KillTimer(timerWindow_, timerId_);
  delete oneShots_;
  delete periodics_;
}

void zTimerDev::setTickSource(zTickSource source) { tickSource_ = source ? source : &systemTicks; }

bool zTimerDev::isDue(uint32_t start, uint32_t interval, uint32_t now) {
  const uint32_t elapsed = now - start;
  return elapsed < 0x80000000u && elapsed >= interval;
}

// The Windows timer dies with its window: when the main frame has changed since it was
// started, it is started again on the present one. Without a main frame nothing starts;
// the next timer made once a main frame exists starts it.
void zTimerDev::startWindowsTimer() {
  zWindow* frame = zTheProgram ? zTheProgram->mainFrame() : nullptr;
  HWND window = frame ? frame->handle() : nullptr;
  if (!window) return;
  if (timerId_ && window == timerWindow_ && IsWindow(window)) return;
  if (timerId_ && window != timerWindow_) KillTimer(timerWindow_, timerId_);
  SetTimer(window, kWindowsTimerId, kWindowsTimerPeriod, nullptr);
  timerId_ = static_cast<uint32_t>(kWindowsTimerId);
  timerWindow_ = window;
}

void zTimerDev::add(zTimer* timer) {
  startWindowsTimer();
  zTimerDlist*& list = timer->periodic_ ? periodics_ : oneShots_;
  if (!list) list = new zTimerDlist;
  list->append(timer);
}

void zTimerDev::remove(zTimer* timer) {
  if (periodics_ && periodics_->remove(timer)) return;
  if (oneShots_) oneShots_->remove(timer);
}

// Handlers may make and delete timers (themselves included) and may run message loops
// that tick again, nested: the lists' iterators step over removed links, a one-shot timer
// is unlinked and a periodic one restarted before its handler runs, and nothing of a timer
// is used once its handler has been called.
void zTimerDev::tick() {
  const uint32_t now = tickSource_();
  if (oneShots_) {
    zPListIter it(oneShots_);
    while (void* item = it.next()) {
      zTimer* timer = static_cast<zTimer*>(item);
      if (!isDue(timer->start_, timer->interval_, now)) continue;
      it.removeCurrent();
      const zEventHandler handler = timer->handler_;
      handler(nullptr);
    }
  }
  if (periodics_) {
    zPListIter it(periodics_);
    while (void* item = it.next()) {
      zTimer* timer = static_cast<zTimer*>(item);
      if (!isDue(timer->start_, timer->interval_, now)) continue;
      timer->start_ = now;
      const zEventHandler handler = timer->handler_;
      handler(nullptr);
    }
  }
}
