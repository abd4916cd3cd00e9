#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "framework/core/zTaskDev.h"
#include "framework/core/zTimerDev.h"

namespace {
// A clock the tests set by hand; with `advancing` each reading is one later than the last.
uint32_t fakeNow = 0;
bool advancing = false;
uint32_t fakeClock() { return advancing ? fakeNow++ : fakeNow; }

struct TimerLog {
  std::vector<std::string> calls;
  int a(zEvent* e) {
    calls.push_back(e ? "a with event" : "a");
    return 1;
  }
  int b(zEvent*) {
    calls.push_back("b");
    return 1;
  }
  int c(zEvent*) {
    calls.push_back("c");
    return 0;
  }
};
}  // namespace

class Timers : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    fakeNow = 0;
    advancing = false;
  }
  // A timer device reading the hand-set clock, made before any timer so that their starts
  // come from that clock too.
  zTimerDev* fakeDevice(uint32_t now) {
    fakeNow = now;
    zTimerDev* device = app_->makeTimerDev();
    device->setTickSource(&fakeClock);
    return device;
  }
};

TEST(TimerDue, ElapsedTimeIsTakenAcrossTheWrapOfTheClock) {
  struct Case {
    uint32_t start, interval, now;
    bool due;
  };
  const Case cases[] = {
      {1000, 250, 1249, false},
      {1000, 250, 1250, true},
      {1000, 0, 1000, true},
      // start + interval wraps past 0: a sum compared with now would fire at once.
      {0xFFFFFFA0u, 250, 0xFFFFFFB0u, false},
      {0xFFFFFFA0u, 250, 0x00000099u, false},
      {0xFFFFFFA0u, 250, 0x0000009Au, true},
      // the clock wrapped but the sum did not: a sum would freeze for 49 days.
      {0xFFFFFF00u, 200, 0x00000010u, true},
      {0xFFFFFF00u, 300, 0x00000010u, false},
      // a start read after the tick's reading of the clock is not due yet.
      {1001, 0, 1000, false},
      {0, 0, 0xFFFFFFFFu, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(zTimerDev::isDue(c.start, c.interval, c.now), c.due)
        << std::hex << c.start << " + " << c.interval << " at " << c.now;
  }
}

// The real loop: the first timer starts the Windows timer on the main frame; a 250-ms
// one-shot timer fires once, at the first tick by which 250 ms have passed. The ticks'
// clock readings are those of the device: a periodic timer of interval 0 fires at every
// tick and keeps the tick's reading as its start.
TEST_F(Timers, OneShotTimerFiresOnceInTheMessageLoop) {
  LoggingFrame frame;
  struct Ticks {
    zTimer* everyTick = nullptr;
    zTimerOnce* once = nullptr;
    int ticks = 0;
    int oneShotCalls = 0;
    int firedAtTick = 0;
    bool sawEvent = false;
    int32_t sinceStartAtTickBefore = 0;
    int32_t sinceStartAtFiring = 0;
    int onTick(zEvent* e) {
      sawEvent |= e != nullptr;
      ++ticks;
      if (firedAtTick == ticks) sinceStartAtFiring = static_cast<int32_t>(everyTick->start() - once->start());
      if (ticks == 8) PostQuitMessage(7);
      return 1;
    }
    int onOnce(zEvent* e) {
      sawEvent |= e != nullptr;
      ++oneShotCalls;
      firedAtTick = ticks + 1;  // one-shot timers go before the periodic ones
      // Before the first tick this is the start of everyTick, made before the one-shot.
      sinceStartAtTickBefore = static_cast<int32_t>(everyTick->start() - once->start());
      return 1;
    }
  } t;
  zTimer everyTick(&t, &Ticks::onTick, 0);
  zTimerOnce once(&t, &Ticks::onOnce, 250);
  t.everyTick = &everyTick;
  t.once = &once;
  ASSERT_NE(app_->timerDev(), nullptr);
  EXPECT_EQ(app_->timerDev()->timerId(), 1u);
  EXPECT_EQ(app_->timerDev()->timerWindow(), frame.handle());
  EXPECT_EQ(runLoopWithDeadline(), 7);
  EXPECT_EQ(t.oneShotCalls, 1);
  EXPECT_GE(t.firedAtTick, 1);
  EXPECT_LT(t.sinceStartAtTickBefore, 250);
  EXPECT_GE(t.sinceStartAtFiring, 250);
  EXPECT_FALSE(t.sawEvent);
  EXPECT_EQ(app_->timerDev()->oneShots()->count(), 0u);
  EXPECT_EQ(app_->timerDev()->periodics()->count(), 1u);
}

TEST_F(Timers, TimersKeepTheirTimeAcrossTheWrapOfTheClock) {
  zTimerDev* device = fakeDevice(0xFFFFFFA0u);
  TimerLog log;
  zTimerOnce once(&log, &TimerLog::a, 250);
  zTimer every(&log, &TimerLog::b, 1000);
  EXPECT_EQ(once.start(), 0xFFFFFFA0u);
  const struct {
    uint32_t now;
    std::vector<std::string> fired;
  } steps[] = {
      {0xFFFFFFB0u, {}},    {0x00000099u, {}}, {0x0000009Au, {"a"}}, {0x0000009Au, {}},    {0x00000387u, {}},
      {0x00000388u, {"b"}}, {0x00000388u, {}}, {0x0000076Fu, {}},    {0x00000770u, {"b"}},
  };
  for (const auto& step : steps) {
    fakeNow = step.now;
    log.calls.clear();
    device->tick();
    EXPECT_EQ(log.calls, step.fired) << "at " << std::hex << step.now;
  }
  EXPECT_EQ(every.start(), 0x770u);
}

TEST_F(Timers, PeriodicTimerFiresOnceAfterAStall) {
  zTimerDev* device = fakeDevice(1000);
  TimerLog log;
  zTimer every(&log, &TimerLog::c, 1000);
  for (uint32_t now : {1999u, 6000u, 6000u, 6999u, 7000u}) {
    fakeNow = now;
    device->tick();
  }
  EXPECT_EQ(log.calls, (std::vector<std::string>{"c", "c"}));
}

// Timers made and deleted by handlers while a tick walks the lists.
TEST_F(Timers, HandlersMakeAndDeleteTimersDuringATick) {
  zTimerDev* device = fakeDevice(500);
  struct Owner {
    zTimerDev* device = nullptr;
    std::vector<std::string> calls;
    zTimer* victim = nullptr;
    zTimerOnce* made = nullptr;
    zTimerOnce* self = nullptr;
    int killer(zEvent*) {
      calls.push_back("killer");
      delete victim;
      victim = nullptr;
      return 1;
    }
    int victimFired(zEvent*) {
      calls.push_back("victim");
      return 1;
    }
    int maker(zEvent*) {
      calls.push_back("maker");
      if (!made) made = new zTimerOnce(this, &Owner::madeFired, 0);
      return 1;
    }
    int madeFired(zEvent*) {
      calls.push_back("made");
      return 1;
    }
    int selfDeleting(zEvent*) {
      calls.push_back("self");
      delete self;  // the owner deletes a fired one-shot timer
      self = nullptr;
      return 1;
    }
  } owner;
  owner.self = new zTimerOnce(&owner, &Owner::selfDeleting, 0);
  zTimerOnce maker(&owner, &Owner::maker, 0);
  zTimer killer(&owner, &Owner::killer, 0);
  owner.victim = new zTimer(&owner, &Owner::victimFired, 0);
  device->tick();
  // The timer made in a handler is appended and, due already, fires in the same tick.
  EXPECT_EQ(owner.calls, (std::vector<std::string>{"self", "maker", "made", "killer"}));
  EXPECT_EQ(device->oneShots()->count(), 0u);
  EXPECT_EQ(device->periodics()->count(), 1u);
  // A fired one-shot timer is in neither list when its owner deletes it.
  delete owner.made;
  owner.calls.clear();
  device->tick();
  EXPECT_EQ(owner.calls, (std::vector<std::string>{"killer"}));
}

// A timer made during a tick reads the clock later than the tick did: it is not due in
// that tick, however short its delay, but in the next one.
TEST_F(Timers, TimerMadeWithALaterClockReadingWaitsForTheNextTick) {
  zTimerDev* device = fakeDevice(100);
  advancing = true;
  struct Maker {
    std::vector<std::string> calls;
    zTimerOnce* made = nullptr;
    int make(zEvent*) {
      calls.push_back("make");
      made = new zTimerOnce(this, &Maker::fired, 0);
      return 1;
    }
    int fired(zEvent*) {
      calls.push_back("made");
      return 1;
    }
  } maker;
  zTimerOnce first(&maker, &Maker::make, 0);
  device->tick();
  EXPECT_EQ(maker.calls, (std::vector<std::string>{"make"}));
  device->tick();
  EXPECT_EQ(maker.calls, (std::vector<std::string>{"make", "made"}));
  delete maker.made;
}

// Without a main frame no Windows timer can start; the first timer made once there is one
// starts it on that frame, and a new main frame gets it again.
TEST_F(Timers, WindowsTimerRunsOnThePresentMainFrame) {
  TimerLog log;
  zTimer early(&log, &TimerLog::c, 100);
  EXPECT_EQ(app_->timerDev()->timerId(), 0u);
  HWND firstWindow = nullptr;
  {
    LoggingFrame frame;
    firstWindow = frame.handle();
    zTimer later(&log, &TimerLog::c, 100);
    EXPECT_EQ(app_->timerDev()->timerId(), 1u);
    EXPECT_EQ(app_->timerDev()->timerWindow(), firstWindow);
  }
  LoggingFrame second("Second");
  zTimer next(&log, &TimerLog::c, 100);
  EXPECT_EQ(app_->timerDev()->timerWindow(), second.handle());
  EXPECT_EQ(app_->timerDev()->periodics()->count(), 2u);
}

// ---------------------------------------------------------------- idle tasks

namespace {
struct Answers {
  std::vector<int> answers;
  int calls = 0;
  int run() {
    const int answer = calls < static_cast<int>(answers.size()) ? answers[calls] : 1;
    ++calls;
    return answer;
  }
  int other() { return 0; }
};

struct LoopEnd {
  int quit(zEvent*) {
    PostQuitMessage(8);
    return 1;
  }
};
}  // namespace

using IdleTasks = FrameworkTest;

// A task answering 0, 0, 1 runs in three idle passes; the loop then waits in GetMessage
// until a timer ends it, and the task is not called again.
TEST_F(IdleTasks, TaskAnsweringZeroTwiceThenOneTakesThreePasses) {
  LoggingFrame frame;
  Answers task;
  task.answers = {0, 0, 1};
  app_->taskDev()->add(&task, &Answers::run);
  LoopEnd end;
  zTimerOnce stop(&end, &LoopEnd::quit, 300);
  EXPECT_EQ(runLoopWithDeadline(), 8);
  EXPECT_EQ(task.calls, 3);
  EXPECT_EQ(app_->taskDev()->count(), 0);
}

TEST_F(IdleTasks, RemoveTakesEveryNodeOfTheObjectAndMember) {
  Answers task, otherTask;
  task.answers = {0, 0, 0, 0};
  zTaskDev* device = app_->taskDev();
  device->add(&task, &Answers::run);
  device->add(&task, &Answers::other);
  device->add(&task, &Answers::run);
  device->add(&otherTask, &Answers::run);
  device->remove(&task, &Answers::run);
  EXPECT_EQ(device->count(), 2);
  device->remove(&task, &Answers::run);  // none left: nothing changes
  EXPECT_EQ(device->count(), 2);
  device->idle();
  EXPECT_EQ(task.calls, 0);
  EXPECT_EQ(otherTask.calls, 1);  // answered 1 (no answers given): finished
  EXPECT_EQ(device->count(), 1);
  device->remove(&task, &Answers::other);
  EXPECT_EQ(device->count(), 0);
}

// ---------------------------------------------------------------- debug trace

namespace {
std::string readFile(const std::string& path) {
  std::string text;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    char buffer[512];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    std::fclose(f);
  }
  return text;
}
}  // namespace

TEST(DebugTrace, LinesGoToTheDebugStreamOnlyWhileTheSwitchIsOn) {
  char folder[MAX_PATH];
  char path[MAX_PATH];
  ASSERT_NE(GetTempPathA(MAX_PATH, folder), 0u);
  ASSERT_NE(GetTempFileNameA(folder, "trc", 0, path), 0u);
  FILE* stream = std::fopen(path, "wb");
  ASSERT_NE(stream, nullptr);
  EXPECT_FALSE(debugSwitch());
  EXPECT_EQ(setDebugStream(stream), 1);
  debugTrace("switched off %d", 1);
  setDebugSwitch(true);
  debugTrace("value %d of %s", 7, "ten");
  const std::string longText(1200, 'x');  // longer than any console line
  debugTrace("%s|", longText.c_str());
  debugTrace("%s", "");
  EXPECT_EQ(setDebugStream(nullptr), 1);
  debugTrace("to the debugger");  // OutputDebugString: nothing to read back, but no harm
  setDebugSwitch(false);
  std::fclose(stream);
  EXPECT_EQ(readFile(path), "value 7 of ten\n" + longText + "|\n\n");
  DeleteFileA(path);
}
