// When a command of the main window is enabled, and where its toolbar button stands.
//
// Every command has one rule. The main window runs one update pass over its commands
// whenever the state the rules read changes (a model loaded or made, the scores locked
// or freed, the model solved, another MDI child activated) and sets the menu item and
// the toolbar button of each command together from its rule, so neither can disagree
// with the other or with the state.
#pragma once

#include <cstdint>

namespace PV {
namespace App {

class ChildCommands;

enum class CommandRule : uint8_t {
  Always,
  // The program does not have the command's window yet: grayed. The window's developer
  // gives the command its real rule with the window.
  NotYet,
  ModelOpen,
  // The model holds scores, so its definition is locked (Clear Comparisons).
  ScoresLocked,
  // The model holds a solution.
  Solved,
  // The active MDI child carries the command out (Cut, Copy, Paste, the item tables'
  // row commands): enabled while the active child says it can.
  ActiveChild,
};

// What the rules read.
struct CommandState {
  bool modelOpen = false;
  bool scoresLocked = false;
  bool solved = false;
  const ChildCommands* activeChild = nullptr;
};

bool commandEnabled(CommandRule rule, uint32_t id, const CommandState& state);

// The toolbar: buttons of one size in a row, with a gap after some of them; a slot is a
// button's place in that row (-1: the command has no button).
struct ToolbarLayout {
  int32_t left;
  int32_t pitch;
  // Slots followed by a gap, and each gap's width, in slot order; ended by a slot -1.
  const int32_t (*gaps)[2];
};

// The x of the button in the slot.
int32_t toolbarX(const ToolbarLayout& layout, int32_t slot);

}  // namespace App
}  // namespace PV
