// The decision-model file (.xpv): one root record, a decision model, read from and
// written to XML through the model's element table.
//
// Reading refuses, with a message naming what is wrong, every file that is not a
// valid model file: besides the checks of the file base and the element table, a
// version above 4.9, a model without a name or without parameters, rows outside
// their digits, a ranking entry that names no choice, and score blocks whose header
// or characters are not what the system writes. Nothing read ends the program.
#pragma once

#include "model/DecisionModel.h"
#include "model/Limits.h"
#include "xml/XmlFile.h"
#include "xml/XmlTable.h"

#include <cstdint>
#include <memory>
#include <string>

namespace PV {
namespace XML {

// The most solutions a model file holds (the list limits are the model's, in model/Limits.h).
inline constexpr uint32_t MODEL_MAX_SLNS = 10;

// The newest program version whose files this program reads.
inline constexpr double MODEL_MAX_APPVER = 4.9;

class PalvermontineFile : public File<Data::Palvermontine> {
 public:
  // With the read flag the file is taken in for read(); without it the object writes.
  PalvermontineFile(const std::string& filename, bool readFlag);
  ~PalvermontineFile() override;

  void readModel(Data::Palvermontine& tdm);
  void writeModel(Data::Palvermontine& tdm);

  // The element table of the model file (29 entries).
  static const TableEntry* tableEntries();
  static uint32_t tableLength();

 protected:
  void writeObject(Data::Palvermontine& tdm) override { writeModel(tdm); }
  void readObject(Data::Palvermontine& tdm) override { readModel(tdm); }

 private:
  // What the table reader cannot see: rows, ranking entries, score blocks.
  static void checkModel(const Data::DecisionModel& mdl);

  std::string rootName_;
  std::unique_ptr<Table> table_;
};

}  // namespace XML
}  // namespace PV
