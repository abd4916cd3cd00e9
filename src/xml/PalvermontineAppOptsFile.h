// The application-options file "palvermontineappoptions.xml" of the options home
// (XmlOptsFile.h). One instance, created on first use; a new file's owner is the
// home's user name, and the shell takes the owner of the file it reads as the
// user's name.
#pragma once

#include "model/AppOpts.h"
#include "model/Singleton.h"
#include "xml/XmlOptsFile.h"

#include <string>

namespace PV {
namespace XML {

class PalvermontineAppOptsFile : public OptsFile<Data::PalvermontineAppOpts>,
                                 public Data::Singleton<PalvermontineAppOptsFile> {
 public:
  // The newest options version this program reads.
  static constexpr double MAX_APPVER = 1.0;

  PalvermontineAppOptsFile();
  // Reads and writes the given file instead of the one in the configuration folder.
  explicit PalvermontineAppOptsFile(const std::string& path);
  ~PalvermontineAppOptsFile() override;

  static std::string configFilePath();
  static const TableEntry* tableEntries();
  static uint32_t tableLength();

  void setDefaults() override;
  void completeDefaults() override;

 protected:
  void writeObject(Data::PalvermontineAppOpts& tdm) override;
  void readObject(Data::PalvermontineAppOpts& tdm) override;
};

}  // namespace XML
}  // namespace PV
