#include "app/program/CommandRules.h"

#include "app/shared/ChildCommands.h"

namespace PV {
namespace App {

bool commandEnabled(CommandRule rule, uint32_t id, const CommandState& state) {
  switch (rule) {
    case CommandRule::Always:
      return true;
    case CommandRule::NotYet:
      return false;
    case CommandRule::ModelOpen:
      return state.modelOpen;
    case CommandRule::ScoresLocked:
      return state.scoresLocked;
    case CommandRule::Solved:
      return state.solved;
    case CommandRule::ActiveChild:
      return state.activeChild && state.activeChild->commandEnabled(id);
  }
  return false;
}

int32_t toolbarX(const ToolbarLayout& layout, int32_t slot) {
  int32_t x = layout.left + slot * layout.pitch;
  for (const int32_t(*gap)[2] = layout.gaps; gap && (*gap)[0] >= 0 && (*gap)[0] < slot; ++gap) x += (*gap)[1];
  return x;
}

}  // namespace App
}  // namespace PV
