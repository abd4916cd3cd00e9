#include "xml/PalvermontineAppOptsFile.h"

#include "model/Transform.h"
#include "xml/TableBuilder.h"

namespace PV {
namespace XML {

namespace {

// The owner a record holds between its defaults and the file's reading: a text no
// options file can hold (XML holds no control character but tab and line ends).
constexpr const char* kOwnerNotRead = "\x01";

using namespace PV::Data;

class AppOptsTable : public TableBuilder {
 public:
  AppOptsTable() {
    using R = PalvermontineAppOpts;
    using I = IdAppOpts;
    using D = DefaultValuesAppOpts;
    using G = GuiAppOpts;
    using C = CalcAppOpts;
    using P = RptAppOpts;
    add(processingInstruction());
    add(optionsRoot<R>("palvermontineAppOpts", "/palvermontineAppOpts", "L", "palvermontineAppOpts.xsd"));
    add(element("idAppOpts", 0, "/palvermontineAppOpts/idAppOpts", "L", 0, 1, true, 0, 1, own(new Transform<I>()),
                {attrib("owner", "L", own(new Transform<I>(&I::set_owner, &I::get_owner)), false)}));
    add(element(
        "defaultValuesAppOpts", 0, "/palvermontineAppOpts/defaultValuesAppOpts", "L", 0, 1, true, 0, 1,
        own(new Transform<D>()),
        {attrib("username", "L", own(new Transform<D>(&D::set_username, &D::get_username)), false),
         attrib("openMostRecentFile", "L",
                own(new Transform<D>(&D::set_openMostRecentFile, &D::get_openMostRecentFile)), false),
         attrib("defaultDirectory", "L", own(new Transform<D>(&D::set_defaultDirectory, &D::get_defaultDirectory)),
                false),
         attrib("useCrc", "L", own(new Transform<D>(&D::set_useCrc, &D::get_useCrc)), false),
         attrib("autoSave", "L", own(new Transform<D>(&D::set_autoSave, &D::get_autoSave)), false),
         attrib("loadDefaultModelOnStart", "L",
                own(new Transform<D>(&D::set_loadDefaultModelOnStart, &D::get_loadDefaultModelOnStart)), false)}));
    add(element("modelPathFilenameMostRecent", 0,
                "/palvermontineAppOpts/defaultValuesAppOpts/modelPathFilenameMostRecent", "L", 0, 1, false, 0, 2,
                own(new Transform<D>(&D::set_modelPathFilenameMostRecent, &D::get_modelPathFilenameMostRecent))));
    add(element(
        "guiAppOpts", 0, "/palvermontineAppOpts/guiAppOpts", "L", 0, 1, true, 0, 1, own(new Transform<G>()),
        {attrib("showDirPathInMainWndwTitle", "L",
                own(new Transform<G>(&G::set_showDirPathInMainWndwTitle, &G::get_showDirPathInMainWndwTitle)), false),
         attrib("displayScoreScaleValue", "L",
                own(new Transform<G>(&G::set_displayScoreScaleValue, &G::get_displayScoreScaleValue)), false),
         attrib("cellInputAdvance", "L", own(new Transform<G>(&G::set_cellInputAdvance, &G::get_cellInputAdvance)),
                false),
         attrib("useFilledBgHighlightChoicePairs", "L",
                own(new Transform<G>(&G::set_useFilledBgHighlightChoicePairs, &G::get_useFilledBgHighlightChoicePairs)),
                false),
         attrib("rgbFilledBgHighlightChoicePairs", "L",
                own(new Transform<G>(&G::set_rgbFilledBgHighlightChoicePairs, &G::get_rgbFilledBgHighlightChoicePairs,
                                     Functor::DECIMAL)),
                false),
         attrib("decisionMakerIcon", "L", own(new Transform<G>(&G::set_decisionMakerIcon, &G::get_decisionMakerIcon)),
                false),
         attrib("exitIcon", "L", own(new Transform<G>(&G::set_exitIcon, &G::get_exitIcon)), false)}));
    add(element(
        "calcAppOpts", 0, "/palvermontineAppOpts/calcAppOpts", "L", 0, 1, true, 0, 1, own(new Transform<C>()),
        {attrib("displaySolutionWindow", "L",
                own(new Transform<C>(&C::set_displaySolutionWindow, &C::get_displaySolutionWindow)), false),
         attrib("solutionWindowOrientation", "L",
                own(new Transform<C>(&C::set_solutionWindowOrientation, &C::get_solutionWindowOrientation)), false),
         attrib("generateReportFile", "L",
                own(new Transform<C>(&C::set_generateReportFile, &C::get_generateReportFile)), false),
         attrib("autoUpdateSolutionWindow", "L",
                own(new Transform<C>(&C::set_autoUpdateSolutionWindow, &C::get_autoUpdateSolutionWindow)), false)}));
    add(element(
        "rptAppOpts", 0, "/palvermontineAppOpts/rptAppOpts", "L", 0, 1, true, 0, 1, own(new Transform<P>()),
        {attrib("appendTimestamp", "L", own(new Transform<P>(&P::set_appendTimestamp, &P::get_appendTimestamp)), false),
         attrib("displayReport", "L", own(new Transform<P>(&P::set_displayReport, &P::get_displayReport)), false),
         attrib("includeScores", "L", own(new Transform<P>(&P::set_includeScores, &P::get_includeScores)), false)}));
  }
};

const AppOptsTable& appOptsTable() {
  static const AppOptsTable table;
  return table;
}

}  // namespace

const TableEntry* PalvermontineAppOptsFile::tableEntries() { return appOptsTable().entries(); }
uint32_t PalvermontineAppOptsFile::tableLength() { return appOptsTable().size(); }

std::string PalvermontineAppOptsFile::configFilePath() { return optionsFilePath("palvermontineappoptions.xml"); }

PalvermontineAppOptsFile::PalvermontineAppOptsFile() : PalvermontineAppOptsFile(configFilePath()) {}

PalvermontineAppOptsFile::PalvermontineAppOptsFile(const std::string& path) : OptsFile(path) {
  init(tableEntries(), tableLength());
}

PalvermontineAppOptsFile::~PalvermontineAppOptsFile() = default;

void PalvermontineAppOptsFile::completeDefaults() {
  PalvermontineAppOpts& o = options();
  std::string owner;
  const auto ownerOnce = [&owner]() -> const std::string& {
    if (owner.empty()) owner = newOptionsOwner();
    return owner;
  };
  if (o.get_idAppOpts().get_owner() == kOwnerNotRead) o.get_idAppOpts().set_owner(ownerOnce());
  DefaultValuesAppOpts& d = o.get_defaultValuesAppOpts();
  if (d.get_username() == kOwnerNotRead) d.set_username(ownerOnce());
}

void PalvermontineAppOptsFile::setDefaults() {
  PalvermontineAppOpts& o = options();
  stampNewRecord(o);
  // The owner is the logged-on user, found only when the file holds no owner.
  o.get_idAppOpts().set_owner(kOwnerNotRead);

  DefaultValuesAppOpts& d = o.get_defaultValuesAppOpts();
  d.set_modelPathFilenameMostRecent("");
  d.set_defaultDirectory("");
  d.set_openMostRecentFile(false);
  d.set_useCrc(false);
  d.set_username(kOwnerNotRead);
  d.set_autoSave(true);
  d.set_loadDefaultModelOnStart(false);

  GuiAppOpts& g = o.get_guiAppOpts();
  g.set_showDirPathInMainWndwTitle(true);
  g.set_displayScoreScaleValue(false);
  g.set_cellInputAdvance("leftRightDown");
  g.set_useFilledBgHighlightChoicePairs(true);
  g.set_rgbFilledBgHighlightChoicePairs(0x80FF80);
  g.set_decisionMakerIcon("dm1");
  g.set_exitIcon("exit1");

  CalcAppOpts& c = o.get_calcAppOpts();
  c.set_displaySolutionWindow(true);
  c.set_solutionWindowOrientation("portrait");
  c.set_generateReportFile(false);
  c.set_autoUpdateSolutionWindow(true);

  RptAppOpts& r = o.get_rptAppOpts();
  r.set_appendTimestamp(true);
  r.set_displayReport(true);
  r.set_includeScores(false);
}

void PalvermontineAppOptsFile::writeObject(PalvermontineAppOpts& tdm) {
  Table::OutputIterator& iter = writeRootOf(tdm);
  table().writeElem(doc(), tdm.get_idAppOpts(), iter, 0);
  table().writeElem(doc(), tdm.get_defaultValuesAppOpts(), iter, 0);
  table().writeText(doc(), tdm.get_defaultValuesAppOpts(), iter, 1);
  table().writeElem(doc(), tdm.get_guiAppOpts(), iter, 0);
  table().writeElem(doc(), tdm.get_calcAppOpts(), iter, 0);
  table().writeElem(doc(), tdm.get_rptAppOpts(), iter, 0);
}

void PalvermontineAppOptsFile::readObject(PalvermontineAppOpts& tdm) {
  Table::InputIterator& iter = readRootOf(tdm, MAX_APPVER);
  table().readElem(doc(), tdm.get_idAppOpts(), iter);
  if (table().readElem(doc(), tdm.get_defaultValuesAppOpts(), iter))
    table().readText(doc(), tdm.get_defaultValuesAppOpts(), iter, 1);
  table().readElem(doc(), tdm.get_guiAppOpts(), iter);
  table().readElem(doc(), tdm.get_calcAppOpts(), iter);
  table().readElem(doc(), tdm.get_rptAppOpts(), iter);
}

}  // namespace XML
}  // namespace PV
