// The model-options file "palvermontinemdloptions.xml" of the configuration folder:
// the default parameters of new decision models. One instance, created on first use.
#pragma once

#include "model/MdlOpts.h"
#include "model/Singleton.h"
#include "xml/XmlOptsFile.h"

#include <string>

namespace PV {
namespace XML {

class PalvermontineMdlOptsFile : public OptsFile<Data::PalvermontineMdlOpts>,
                                 public Data::Singleton<PalvermontineMdlOptsFile> {
 public:
  // The newest options version this program reads.
  static constexpr double MAX_APPVER = 1.0;

  PalvermontineMdlOptsFile();
  // Reads and writes the given file instead of the one in the configuration folder.
  explicit PalvermontineMdlOptsFile(const std::string& path);
  ~PalvermontineMdlOptsFile() override;

  static std::string configFilePath();
  static const TableEntry* tableEntries();
  static uint32_t tableLength();

  void setDefaults() override;

 protected:
  void writeObject(Data::PalvermontineMdlOpts& tdm) override;
  void readObject(Data::PalvermontineMdlOpts& tdm) override;
};

}  // namespace XML
}  // namespace PV
