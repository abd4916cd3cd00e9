// The recent-files list: the last model files opened or saved under a new name, most
// recent first, kept in a plain text file of one path a line ("<Empty>" for none),
// each path in UTF-8 like every file name of the program.
//
// Reading never fails: a missing file is created with empty entries, and a line that
// cannot be read or holds a control character ends the reading, the rest being
// empty.
// A list file that cannot be written leaves the list in memory as it is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace PV {
namespace GUI {

inline constexpr const char* RECENT_FILES_FILE = "palvermontinerecentfiles_menu.txt";
inline constexpr const char* RECENT_EMPTY = "<Empty>";

class MRUPersistentList {
 public:
  // Loads the list from the file, or creates the file with empty entries. With
  // createMissing false a missing file is left alone (a batch run only reads it).
  MRUPersistentList(const std::string& path, uint32_t maxEntries, bool createMissing = true);

  // The entry at the index (0 is the most recent); "<Empty>" past the list.
  const std::string& get(uint32_t index) const;
  bool isEmpty(uint32_t index) const { return get(index) == RECENT_EMPTY; }
  // Puts the path first and rewrites the file; false when it already was first.
  bool add(const std::string& path);
  uint32_t size() const { return static_cast<uint32_t>(entries_.size()); }
  const std::string& path() const { return filename_; }

 private:
  bool write() const;

  std::string filename_;
  std::vector<std::string> entries_;
};

}  // namespace GUI
}  // namespace PV
