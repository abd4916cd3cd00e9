// The main window's command rules and toolbar slots, without windows.
#include "app/program/CommandRules.h"
#include "app/shared/ChildCommands.h"

#include <gtest/gtest.h>

namespace {

using PV::App::ChildCommands;
using PV::App::commandEnabled;
using PV::App::CommandRule;
using PV::App::CommandState;

class TakesOnly : public ChildCommands {
 public:
  explicit TakesOnly(uint32_t id) : id_(id) {}
  bool commandEnabled(uint32_t id) const override { return id == id_; }
  bool doCommand(uint32_t) override { return true; }

 private:
  uint32_t id_;
};

TEST(CommandRules, EachRuleReadsItsPartOfTheState) {
  const TakesOnly child(588);
  CommandState none;
  CommandState open;
  open.modelOpen = true;
  CommandState locked = open;
  locked.scoresLocked = true;
  CommandState solved = open;
  solved.solved = true;
  CommandState withChild = open;
  withChild.activeChild = &child;
  const struct {
    CommandRule rule;
    uint32_t id;
    const CommandState& state;
    bool enabled;
  } cases[] = {
      {CommandRule::Always, 577, none, true},
      {CommandRule::NotYet, 585, withChild, false},
      {CommandRule::ModelOpen, 598, none, false},
      {CommandRule::ModelOpen, 598, open, true},
      {CommandRule::ScoresLocked, 593, open, false},
      {CommandRule::ScoresLocked, 593, locked, true},
      {CommandRule::Solved, 597, locked, false},
      {CommandRule::Solved, 597, solved, true},
      {CommandRule::ActiveChild, 588, open, false},       // no child
      {CommandRule::ActiveChild, 588, withChild, true},   // the child takes it
      {CommandRule::ActiveChild, 589, withChild, false},  // the child does not take it
  };
  for (const auto& c : cases) {
    EXPECT_EQ(commandEnabled(c.rule, c.id, c.state), c.enabled)
        << "rule " << static_cast<int>(c.rule) << ", command " << c.id;
  }
}

TEST(CommandRules, ToolbarSlotsAreLaidOutByPitchAndGaps) {
  const int32_t gaps[][2] = {{1, 5}, {3, 10}, {-1, 0}};
  const PV::App::ToolbarLayout layout = {6, 23, gaps};
  const int32_t expected[] = {6, 29, 57, 80, 113, 136};
  for (int32_t slot = 0; slot < 6; ++slot) EXPECT_EQ(PV::App::toolbarX(layout, slot), expected[slot]) << slot;
  const PV::App::ToolbarLayout plain = {0, 20, nullptr};
  EXPECT_EQ(PV::App::toolbarX(plain, 4), 80);
}

}  // namespace
