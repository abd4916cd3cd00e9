// What the main window's files share: the little routines on
// file names and message tables its commands, its file commands and its status line use.
#pragma once

#include "framework/bars/zStatusMessageTable.h"
#include "model/DecisionModel.h"

#include <string>
#include <vector>

namespace PV {
namespace App {
namespace MainWindow {

std::string lower(std::string text);
std::string fileNamePart(const std::string& path);
// File names are UTF-8 throughout (the file forms, the command line, the recent list
// and dropped files give them so); only captions turn them into the screen's code page.
std::string fullPathOf(const std::string& name);
bool canRead(const std::string& path);
// Where the file forms start: the user's documents folder.
std::string documentFolder();

// The rows' help texts or tool tips as the status line's and the tool tips' tables
// take them, ended by a null text.
template <class Rows, class Text>
std::vector<zStatusMessage> messageTable(const Rows& rows, Text text) {
  std::vector<zStatusMessage> table;
  for (const auto& row : rows) {
    if (const char* t = text(row)) table.push_back({static_cast<int32_t>(row.id), t});
  }
  table.push_back({0, nullptr});
  return table;
}

}  // namespace MainWindow
}  // namespace App
}  // namespace PV
