// The recent-files list shown as four items of the File menu ("&1 path" ...,
// "<Empty>" for an empty entry), kept in step with its list file.
#pragma once

#include "app/program/MRUPersistentList.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace PV {
namespace GUI {

class RecentFilesMenu {
 public:
  // The items firstId..lastId (four of them) of menu; owner's menu bar is redrawn
  // after each change (none: no redraw).
  RecentFilesMenu(HMENU menu, HWND owner, uint32_t firstId, uint32_t lastId, const std::string& listPath);

  void initMenu();
  // The path of entry index (0 to 3); "<Empty>" for an empty one.
  const std::string& pathForId(uint32_t index) const { return list_.get(index); }
  bool isEmpty(uint32_t index) const { return list_.isEmpty(index); }
  void addFile(const std::string& path);
  static std::string itemText(uint32_t index, const std::string& entry);

 private:
  HMENU menu_;
  HWND owner_;
  uint32_t firstId_;
  uint32_t lastId_;
  MRUPersistentList list_;
};

}  // namespace GUI
}  // namespace PV
