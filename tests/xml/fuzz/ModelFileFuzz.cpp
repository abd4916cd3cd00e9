// Loading a model file from any bytes, the way the model factory loads one: never a
// crash, never a contract failure. A file that is accepted (read, checked and given
// its math server) is written again, and the written text must read back and
// reproduce itself.
#include "math/MathServer.h"
#include "math/ModelCheck.h"
#include "model/DecisionModel.h"
#include "xml/PalvermontineFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool readModel(const std::string& bytes, PV::Data::Palvermontine& root) {
  PV::XML::PalvermontineFile file("fuzz.xpv", false);
  try {
    file.readText(bytes, root);
  } catch (const PV::XML::FileError&) {
    return false;
  }
  return true;
}

std::string writeModel(PV::Data::Palvermontine& root) {
  PV::XML::PalvermontineFile file("fuzz.xpv", false);
  return file.writeText(root);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  PV::Data::Palvermontine root;
  if (!readModel(bytes, root)) return 0;
  std::string why;
  if (!PV::Math::checkModelData(root.get_model(), why)) return 0;
  PV::Math::MathServer server(&root.get_model(), false);
  if (!server.getDataError().empty()) return 0;

  std::string text;
  try {
    text = writeModel(root);
  } catch (const PV::XML::FormatError&) {
    std::abort();  // an accepted model must be writable
  }
  if (text.size() > PV::XML::MAX_XML_BUF) return 0;  // refused by a save
  PV::Data::Palvermontine again;
  if (!readModel(text, again)) std::abort();  // what the system writes it must read
  if (writeModel(again) != text) std::abort();
  return 0;
}
