#include "model/ModelFileName.h"

namespace PV {
namespace Data {

namespace {

constexpr std::size_t kExtensionLength = sizeof(kModelExtension) - 1;

bool endsInExtension(const std::string& name) {
  if (name.size() < kExtensionLength) return false;
  for (std::size_t i = 0; i < kExtensionLength; ++i) {
    char c = name[name.size() - kExtensionLength + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kModelExtension[i]) return false;
  }
  return true;
}

}  // namespace

bool isModelFileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  return path.size() - start > kExtensionLength && endsInExtension(path);
}

std::string withModelExtension(const std::string& name) {
  return isModelFileName(name) ? name : name + kModelExtension;
}

std::string withoutModelExtension(const std::string& name) {
  return endsInExtension(name) ? name.substr(0, name.size() - kExtensionLength) : name;
}

}  // namespace Data
}  // namespace PV
