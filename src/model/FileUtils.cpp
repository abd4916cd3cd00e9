#include "model/FileUtils.h"

namespace PV {
namespace Util {

void trimChar(std::string& text, int mode, char ch) {
  if (text.empty()) return;
  const std::size_t first = text.find_first_not_of(ch);
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  const std::size_t last = text.find_last_not_of(ch);
  switch (mode) {
    case 0:
      text = text.substr(first);
      break;
    case 1:
      text = text.substr(0, last + 1);
      break;
    case 2:
      text = text.substr(first, last - first + 1);
      break;
    default:
      break;
  }
}

int replaceFile(const char* source, const char* target) {
  if (std::remove(target) != 0) return -1;
  int result = -1;
  for (int attempt = 0; attempt < 31 && result != 0; ++attempt) {
    result = std::rename(source, target);
  }
  return result == 0 ? 0 : -1;
}

long fileSize(FILE* file) {
  const long position = std::ftell(file);
  std::fseek(file, 0, SEEK_END);
  const long size = std::ftell(file);
  std::fseek(file, position, SEEK_SET);
  return size;
}

}  // namespace Util
}  // namespace PV
