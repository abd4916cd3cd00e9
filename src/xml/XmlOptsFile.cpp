#include "xml/XmlOptsFile.h"

#include "foundation/Assert.h"

namespace PV {
namespace XML {

namespace {

OptionsHome& home() {
  static OptionsHome theHome;
  return theHome;
}

}  // namespace

void setOptionsHome(const OptionsHome& where) { home() = where; }

const OptionsHome& optionsHome() { return home(); }

std::string newOptionsOwner() { return home().findUserName ? home().findUserName() : home().userName; }

std::string optionsFilePath(const std::string& fileName) {
  const std::string& folder = home().folder;
  PV_ASSERT(!folder.empty());
  if (folder.back() == '/' || folder.back() == '\\') return folder + fileName;
#ifdef _WIN32
  return folder + '\\' + fileName;
#else
  return folder + '/' + fileName;
#endif
}

}  // namespace XML
}  // namespace PV
