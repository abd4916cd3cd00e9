#include "app/shared/ModelWindowRegistry.h"

#include "app/shared/ModelWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace PV {
namespace App {
namespace {

// A window that records what the registry asked of it; a discarded one forgets itself
// as a window going does (from its destructor), possibly taking another one with it.
struct FakeWindow : ModelWindow {
  explicit FakeWindow(ModelWindowRegistry* r, bool numbered = false, bool refuses = false)
      : registry(r), numbered_(numbered), refuses_(refuses) {}
  bool commitToModel() override {
    ++commits;
    return !refuses_;
  }
  bool isDirty() const override { return dirty; }
  void discard() override {
    ++discards;
    if (alsoCloses) registry->remove(alsoCloses);
    registry->remove(this);
  }
  bool isNumbered() const override { return numbered_; }

  ModelWindowRegistry* registry;
  bool numbered_;
  bool refuses_;
  bool dirty = false;
  int commits = 0;
  int discards = 0;
  FakeWindow* alsoCloses = nullptr;
};

TEST(ModelWindowRegistry, NumbersAreTheOpenNumberedCountPlusOne) {
  ModelWindowRegistry r;
  FakeWindow editor(&r), a(&r, true), b(&r, true), c(&r, true), d(&r, true);
  EXPECT_EQ(r.add(&editor), 0);
  EXPECT_EQ(r.add(&a), 1);
  EXPECT_EQ(r.add(&b), 2);
  EXPECT_EQ(r.add(&a), 1) << "a second registration changes nothing";
  EXPECT_EQ(r.windows().size(), 3u);
  EXPECT_EQ(r.latestNumbered(), &b);
  // The newer one closes: the older one is the latest again; a new one takes its number.
  r.remove(&b);
  EXPECT_EQ(r.latestNumbered(), &a);
  EXPECT_EQ(r.add(&c), 2);
  r.remove(&a);
  EXPECT_EQ(r.numberedWindows(), (std::vector<ModelWindow*>{&c}));
  // Two open windows may share a number: the lookup finds the newer one.
  EXPECT_EQ(r.add(&d), 2);
  EXPECT_EQ(r.numbered(2), &d);
  EXPECT_EQ(r.numberOf(&c), 2);
  EXPECT_EQ(r.numbered(1), nullptr);
  EXPECT_EQ(r.numbered(0), nullptr);
  EXPECT_EQ(r.numberOf(&editor), 0);
  EXPECT_EQ(r.add(nullptr), 0);
  EXPECT_FALSE(r.contains(nullptr));
}

TEST(ModelWindowRegistry, SaveAsksEveryWindowAndReplacingTheModelClosesThem) {
  ModelWindowRegistry r;
  FakeWindow editor(&r), refusing(&r, false, true), solution(&r, true);
  for (FakeWindow* w : {&editor, &refusing, &solution}) r.add(w);
  EXPECT_FALSE(r.anyDirty());
  refusing.dirty = true;
  EXPECT_TRUE(r.anyDirty());
  EXPECT_FALSE(r.commitAll()) << "one refused";
  EXPECT_EQ(editor.commits + refusing.commits + solution.commits, 3) << "all were asked";

  // Clearing the scores closes the solution windows only.
  r.discardNumbered();
  EXPECT_EQ(solution.discards, 1);
  EXPECT_EQ(r.windows(), (std::vector<ModelWindow*>{&editor, &refusing}));
  // A replaced model closes the rest, each once, even one another's discard took along.
  editor.alsoCloses = &refusing;
  r.discardAll();
  EXPECT_TRUE(r.windows().empty());
  EXPECT_EQ(editor.discards, 1);
  EXPECT_EQ(refusing.discards, 0);
  EXPECT_EQ(r.latestNumbered(), nullptr);
}

}  // namespace
}  // namespace App
}  // namespace PV
