#include "xml/XmlFile.h"
#include "foundation/FileNames.h"

#include "model/FileUtils.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace PV {
namespace XML {
namespace FileIo {

namespace {
bool renameOver(const std::string& from, const std::string& to, std::string& err) {
  std::string why;
  if (PV::Util::renameOver(from, to, why)) return true;
  err = "cannot replace " + to + ": " + why;
  return false;
}
}  // namespace

bool readBytes(const std::string& name, std::string& bytes, uint32_t limit, std::string& err) {
  bytes.clear();
  errno = 0;
  std::FILE* f = PV::Files::open(name, "rb");
  if (!f) {
    err = "cannot open " + name + ": " + PV::Util::systemErrorText(errno);
    return false;
  }
  // Never more than one byte beyond the limit: enough to tell that a file is too long.
  // Read in pieces as long as the file is: the files are mostly small, and a buffer of
  // the limit's size, zeroed for nothing, took a start 16 fresh pages of memory per file.
  const std::size_t most = static_cast<std::size_t>(limit) + 1;
  std::string buf;
  char piece[4096];
  bool bad = false;
  while (buf.size() < most) {
    const std::size_t want = std::min(sizeof piece, most - buf.size());
    const std::size_t got = std::fread(piece, 1, want, f);
    buf.append(piece, got);
    if (got < want) {
      bad = std::ferror(f) != 0;
      break;
    }
  }
  const int readErr = bad ? errno : 0;
  std::fclose(f);
  if (bad) {
    err = "cannot read " + name + (readErr != 0 ? ": " + PV::Util::systemErrorText(readErr) : std::string());
    return false;
  }
  bytes.swap(buf);
  return true;
}

bool isSevenBit(const std::string& bytes) {
  // A zero byte ends a text wherever it stands: it is no more text than 0x80 is.
  for (char c : bytes)
    if (c == '\0' || static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

bool replaceWithText(const std::string& name, const std::string& text, std::string& err) {
  const std::string tmp = name + ".tmp";
  std::FILE* f = PV::Files::open(tmp, "wb");
  if (!f) {
    err = "cannot create " + tmp + ": " + PV::Util::systemErrorText(errno);
    return false;
  }
  // The first failure's reason is the one to tell: a full disk shows in the write
  // or only in the flush or close that follows it.
  int why = 0;
  errno = 0;
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  if (!ok) why = errno;
  errno = 0;
  if (std::fflush(f) != 0) {
    if (ok) why = errno;
    ok = false;
  }
  errno = 0;
  if (std::fclose(f) != 0) {
    if (ok) why = errno;
    ok = false;
  }
  if (!ok) {
    err = "cannot write " + tmp + (why != 0 ? ": " + PV::Util::systemErrorText(why) : std::string());
    PV::Files::remove(tmp);
    return false;
  }
  if (!renameOver(tmp, name, err)) {
    PV::Files::remove(tmp);
    return false;
  }
  return true;
}

std::string asSentence(std::string reason) {
  if (reason.empty()) return reason;
  if (reason[0] >= 'a' && reason[0] <= 'z') reason[0] = static_cast<char>(reason[0] - 'a' + 'A');
  const char last = reason.back();
  if (last != '.' && last != '!' && last != '?') reason += '.';
  return reason;
}

}  // namespace FileIo
}  // namespace XML
}  // namespace PV
