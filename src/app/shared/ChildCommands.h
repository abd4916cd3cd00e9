// The commands of the main window's menus and toolbar that belong to the active window
// (Cut, Copy, Paste, the item tables' row commands). The main window hands such a
// command to its active MDI child when the child takes it, and grays it otherwise; a
// model window takes part by deriving from this beside its window base.
#pragma once

#include <cstdint>

namespace PV {
namespace App {

class ChildCommands {
 public:
  virtual ~ChildCommands() = default;
  // Whether the command can be carried out now (the menu item and the toolbar button
  // are enabled while this child is active and this is true).
  virtual bool commandEnabled(uint32_t id) const = 0;
  // Carries the command out; true when it was taken.
  virtual bool doCommand(uint32_t id) = 0;
};

}  // namespace App
}  // namespace PV
