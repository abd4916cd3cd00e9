#include "xml/PalvermontineMdlOptsFile.h"

#include "model/Transform.h"
#include "xml/TableBuilder.h"

namespace PV {
namespace XML {

namespace {

using namespace PV::Data;

class MdlOptsTable : public TableBuilder {
 public:
  MdlOptsTable() {
    using R = PalvermontineMdlOpts;
    using P = ParmMdlOpts;
    add(processingInstruction());
    add(optionsRoot<R>("palvermontineMdlOpts", "/palvermontineMdlOpts", "Palvermontine Model Opts",
                       "palvermontineMdlOpts.xsd"));
    add(element("parmMdlOpts", 0, "/palvermontineMdlOpts/parmMdlOpts", "L", 1, 0, true, 0, 1, own(new Transform<P>()),
                {attrib("owner", "L", own(new Transform<P>(&P::set_owner, &P::get_owner)), false),
                 attrib("sil", "L", own(new Transform<P>(&P::set_sil, &P::get_sil, Functor::DECIMAL)), false),
                 attrib("cfl", "L", own(new Transform<P>(&P::set_cfl, &P::get_cfl)), false),
                 attrib("cfi", "L", own(new Transform<P>(&P::set_cfi, &P::get_cfi)), true)}));
    add(element("note", 0, "/palvermontineMdlOpts/parmMdlOpts/note", "L", 0, 1, false, 0, 2,
                own(new Transform<P>(&P::set_note, &P::get_note))));
  }
};

const MdlOptsTable& mdlOptsTable() {
  static const MdlOptsTable table;
  return table;
}

}  // namespace

const TableEntry* PalvermontineMdlOptsFile::tableEntries() { return mdlOptsTable().entries(); }
uint32_t PalvermontineMdlOptsFile::tableLength() { return mdlOptsTable().size(); }

std::string PalvermontineMdlOptsFile::configFilePath() { return optionsFilePath("palvermontinemdloptions.xml"); }

PalvermontineMdlOptsFile::PalvermontineMdlOptsFile() : PalvermontineMdlOptsFile(configFilePath()) {}

PalvermontineMdlOptsFile::PalvermontineMdlOptsFile(const std::string& path) : OptsFile(path) {
  init(tableEntries(), tableLength());
}

PalvermontineMdlOptsFile::~PalvermontineMdlOptsFile() = default;

void PalvermontineMdlOptsFile::setDefaults() {
  PalvermontineMdlOpts& o = options();
  stampNewRecord(o);
  ParmMdlOpts& p = o.get_parmMdlOpts();
  p.set_cfi(10.0);
  p.set_cfl(90.0);
  p.set_owner("Unknown");
  p.set_sil(3);
}

void PalvermontineMdlOptsFile::writeObject(PalvermontineMdlOpts& tdm) {
  Table::OutputIterator& iter = writeRootOf(tdm);
  table().writeElem(doc(), tdm.get_parmMdlOpts(), iter, 0);
  table().writeText(doc(), tdm.get_parmMdlOpts(), iter, 1);
}

void PalvermontineMdlOptsFile::readObject(PalvermontineMdlOpts& tdm) {
  Table::InputIterator& iter = readRootOf(tdm, MAX_APPVER);
  if (table().readElem(doc(), tdm.get_parmMdlOpts(), iter)) table().readText(doc(), tdm.get_parmMdlOpts(), iter, 1);
  // New models take their confidence level from here, and a model's pairs are
  // figured at 50 per cent agreement: a level of 50 or less would make a model that
  // can be neither scored nor saved.
  const double cfl = tdm.get_parmMdlOpts().get_cfl();
  if (!(cfl > 50.0))
    throw FormatError(
        "attribute \"cfl\" of element /palvermontineMdlOpts/parmMdlOpts: the confidence level is not above 50, "
        "so no model made from these options could be scored");
}

}  // namespace XML
}  // namespace PV
