#include "xml/XmlFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace PV {
namespace XML {
namespace FileIo {

namespace {
std::string systemMessage(int err) {
  std::string text = std::strerror(err);
  return text.empty() ? "error " + std::to_string(err) : text;
}

bool renameOver(const std::string& from, const std::string& to, std::string& err) {
#ifdef _WIN32
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  const DWORD code = GetLastError();
  char text[512] = {0};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                           sizeof text, nullptr);
  while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == ' ' || text[n - 1] == '.')) --n;
  err = "cannot replace " + to + ": " + (n > 0 ? std::string(text, n) : "system error " + std::to_string(code));
  return false;
#else
  if (std::rename(from.c_str(), to.c_str()) == 0) return true;
  err = "cannot replace " + to + ": " + systemMessage(errno);
  return false;
#endif
}
}  // namespace

bool readBytes(const std::string& name, std::string& bytes, uint32_t limit, std::string& err) {
  bytes.clear();
  errno = 0;
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (!f) {
    err = "cannot open " + name + ": " + systemMessage(errno);
    return false;
  }
  // Never more than one byte beyond the limit: enough to tell that a file is too long.
  std::string buf(static_cast<std::size_t>(limit) + 1, '\0');
  std::size_t got = std::fread(&buf[0], 1, buf.size(), f);
  bool bad = std::ferror(f) != 0;
  const int readErr = bad ? errno : 0;
  std::fclose(f);
  if (bad) {
    err = "cannot read " + name + (readErr != 0 ? ": " + systemMessage(readErr) : std::string());
    return false;
  }
  buf.resize(got);
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
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) {
    err = "cannot create " + tmp + ": " + systemMessage(errno);
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
    err = "cannot write " + tmp + (why != 0 ? ": " + systemMessage(why) : std::string());
    std::remove(tmp.c_str());
    return false;
  }
  if (!renameOver(tmp, name, err)) {
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

}  // namespace FileIo
}  // namespace XML
}  // namespace PV
