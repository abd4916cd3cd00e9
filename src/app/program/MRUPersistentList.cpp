#include "app/program/MRUPersistentList.h"

#include "foundation/Assert.h"
#include "foundation/FileNames.h"

#include <algorithm>
#include <cstdio>

namespace PV {
namespace GUI {

namespace {
const std::string kEmpty = RECENT_EMPTY;
// The longest line taken for a path: a Windows path holds up to 32767 UTF-16 units,
// each at most three bytes of UTF-8. A longer line is no path.
constexpr size_t kMaxLine = 3 * 32767;

// Reads one line without its line end; false at the end of the file, or when the line
// is longer than any path.
bool readLine(std::FILE* in, std::string& text) {
  text.clear();
  int c;
  while ((c = std::fgetc(in)) != EOF && c != '\n') {
    if (text.size() == kMaxLine) return false;
    text += static_cast<char>(c);
  }
  return c != EOF || !text.empty();
}
}  // namespace

MRUPersistentList::MRUPersistentList(const std::string& path, uint32_t maxEntries, bool createMissing)
    : filename_(path), entries_(maxEntries, kEmpty) {
  PV_ASSERT(maxEntries > 0);
  std::FILE* in = Files::open(path, "rb");
  if (!in) {
    if (createMissing) write();
    return;
  }
  // A line is read whole, however long: a path in Greek or accented letters takes two
  // bytes of UTF-8 a letter, and a cut line would be two false entries.
  std::string text;
  for (uint32_t i = 0; i < maxEntries; ++i) {
    if (!readLine(in, text)) break;
    while (!text.empty() && text.back() == '\r') text.pop_back();
    // Paths are UTF-8 (a line of an older list in the ANSI code page still names
    // its file); a line with control characters is no path, and ends the list.
    const bool path =
        std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (!path || text.empty()) break;
    entries_[i] = text;
  }
  std::fclose(in);
}

const std::string& MRUPersistentList::get(uint32_t index) const {
  return index < entries_.size() ? entries_[index] : kEmpty;
}

bool MRUPersistentList::add(const std::string& path) {
  if (path.empty() || entries_.front() == path) return false;
  auto it = std::find(entries_.begin(), entries_.end(), path);
  if (it != entries_.end()) {
    entries_.erase(it);
  } else {
    entries_.pop_back();
  }
  entries_.insert(entries_.begin(), path);
  write();
  return true;
}

bool MRUPersistentList::write() const {
  std::FILE* out = Files::open(filename_, "wb");
  if (!out) return false;
  bool ok = true;
  for (const std::string& entry : entries_) {
    ok = ok && std::fputs(entry.c_str(), out) >= 0 && std::fputc('\n', out) != EOF;
  }
  return std::fclose(out) == 0 && ok;
}

}  // namespace GUI
}  // namespace PV
