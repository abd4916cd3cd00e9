#include "xml/PalvermontineFile.h"

#include "model/ScoreChars.h"
#include "model/TextForms.h"
#include "model/Transform.h"
#include "xml/TableBuilder.h"

#include <cstring>
#include <memory>
#include <vector>

namespace PV {
namespace XML {

namespace {

using namespace PV::Data;

// The model file's element table and the accessors its entries point to; built once,
// on first use, and kept until the program ends.
class ModelTable : public TableBuilder {
 public:
  ModelTable() {
    using DM = DecisionModel;
    using MP = ModelParameters;

    add(processingInstruction());
    add(element(
        "palvermontine", 0, "/palvermontine", "Palvermontine Decision Model", 1, 0, true, 0, 0,
        own(new Transform<Palvermontine>()),
        {fixed("xmlns:xsi", XSI_NAMESPACE), fixed("xsi:noNamespaceSchemaLocation", "palvermontine.xsd"),
         attrib("appver", "Version",
                own(new Transform<Palvermontine>(&Palvermontine::set_appver, &Palvermontine::get_appver)), true)}));
    add(element(
        "model", 0, "/palvermontine/model", "Decision Model", 1, 1, true, 0, 1, own(new Transform<DM>()),
        {attrib("id", "ID", own(new Transform<DM>(&DM::set_id, &DM::get_id)), true),
         attrib("nm", "L", own(new Transform<DM>(&DM::set_nm, &DM::get_nm)), true),
         attrib("mode", "L", own(new Transform<DM>(&DM::set_mode, &DM::get_mode)), true),
         attrib("file", "L", own(new Transform<DM>(&DM::set_filepath, &DM::get_filepath)), true),
         attrib("dataver", "L", own(new Transform<DM>(&DM::set_dataver, &DM::get_dataver, Functor::DECIMAL)), false),
         attrib("crtime", "L", own(new Transform<DM>(&DM::set_crtime, &DM::get_crtime)), false),
         attrib("modtime", "L", own(new Transform<DM>(&DM::set_modtime, &DM::get_modtime)), false)}));
    add(element("note", 0, "/palvermontine/model/note", "Decision Model", 0, 1, false, 0, 2,
                own(new Transform<DM>(&DM::set_note, &DM::get_note))));
    add(element("params", 0, "/palvermontine/model/params", "L", 0, 1, true, 0, 2, own(new Transform<MP>()),
                {attrib("crc", "ID", own(new Transform<MP>(&MP::set_crc, &MP::get_crc, Functor::HEXADECIMAL)), false),
                 attrib("sil", "L", own(new Transform<MP>(&MP::set_sil, &MP::get_sil, Functor::DECIMAL)), true),
                 attrib("cfl", "L", own(new Transform<MP>(&MP::set_cfl, &MP::get_cfl)), true),
                 attrib("cfi", "L", own(new Transform<MP>(&MP::set_cfi, &MP::get_cfi)), true)}));
    add(element("note", 0, "/palvermontine/model/params/note", "L", 0, 1, false, 0, 3,
                own(new Transform<MP>(&MP::set_note, &MP::get_note))));
    add(element(
        "moderator", 0, "/palvermontine/model/moderator", "Moderator", 0, 1, false, 0, 2,
        own(new Transform<Moderator>()),
        {attrib("nm", "name", own(new Transform<Moderator>(&Moderator::set_nm, &Moderator::get_nm)), true),
         attrib("email", "email", own(new Transform<Moderator>(&Moderator::set_email, &Moderator::get_email)), true),
         attrib("note", "moderator note", own(new Transform<Moderator>(&Moderator::set_note, &Moderator::get_note)),
                false)}));
    add(element("sfvs", 1, "/palvermontine/model/sfvs", "Scale Function Values", 1, 1, false, 0, 2,
                own(new Transform<ScaleFunctionValue>())));
    add(element("sfv", 0, "/palvermontine/model/sfvs/sfv", "Scale Function Value", 0, 1, false, 0, 3,
                own(new Transform<ScaleFunctionValue>()),
                {attrib("y", "value",
                        own(new Transform<ScaleFunctionValue>(&ScaleFunctionValue::set_y, &ScaleFunctionValue::get_y)),
                        true)}));
    add(element("dms", 4, "/palvermontine/model/dms", "DecisionMakers", 1, 1, false, 4, 2,
                own(new Transform<DM::DecisionMakers>())));
    add(element(
        "dm", 0, "/palvermontine/model/dms/dm", "Decision Maker", 1, 1, false, 0, 3,
        own(new Transform<DecisionMaker>()),
        {attrib("active", "active", own(new Transform<Item>(&Item::set_active, &Item::get_active)), false),
         attrib("nm", "name", own(new Transform<Item>(&Item::set_nm, &Item::get_nm)), true),
         attrib("row", "row", own(new Transform<Item>(&Item::set_row, &Item::get_row, Functor::DECIMAL)), true),
         attrib("uid", "uid", own(new Transform<Item>(&Item::set_uid, &Item::get_uid, Functor::HEXADECIMAL)), true),
         attrib("wt", "weight", own(new Transform<WtItem>(&WtItem::set_wt, &WtItem::get_wt, Functor::DECIMAL)), true),
         attrib("email", "e-mail",
                own(new Transform<DecisionMaker>(&DecisionMaker::set_email, &DecisionMaker::get_email)), false)}));
    add(element("note", 0, "/palvermontine/model/dms/dm/note", "Decision Maker Note", 0, 1, false, 0, 4,
                own(new Transform<Item>(&Item::set_note, &Item::get_note))));
    add(element("crs", 3, "/palvermontine/model/crs", "Criteria", 1, 1, true, 10, 2,
                own(new Transform<DM::Criteria>())));
    add(element(
        "cr", 0, "/palvermontine/model/crs/cr", "Criterion", 1, 1, true, 0, 3, own(new Transform<Criterion>()),
        {attrib("active", "active", own(new Transform<Item>(&Item::set_active, &Item::get_active)), false),
         attrib("meas", "commensurable", own(new Transform<Criterion>(&Criterion::set_meas, &Criterion::get_meas)),
                false),
         attrib("nm", "name", own(new Transform<Item>(&Item::set_nm, &Item::get_nm)), false),
         attrib("row", "row", own(new Transform<Item>(&Item::set_row, &Item::get_row, Functor::DECIMAL)), true),
         attrib("uid", "uid", own(new Transform<Item>(&Item::set_uid, &Item::get_uid, Functor::HEXADECIMAL)), true),
         attrib("wt", "weight", own(new Transform<WtItem>(&WtItem::set_wt, &WtItem::get_wt, Functor::DECIMAL)),
                true)}));
    add(element("note", 0, "/palvermontine/model/crs/cr/note", "Criteria Note", 0, 1, false, 0, 4,
                own(new Transform<Item>(&Item::set_note, &Item::get_note))));
    add(element("chs", 2, "/palvermontine/model/chs", "Choices", 1, 1, true, 13, 2, own(new Transform<DM::Choices>())));
    add(element(
        "ch", 0, "/palvermontine/model/chs/ch", "Choice", 1, 1, true, 0, 3, own(new Transform<Choice>()),
        {attrib("active", "active", own(new Transform<Item>(&Item::set_active, &Item::get_active)), false),
         attrib("nm", "name", own(new Transform<Item>(&Item::set_nm, &Item::get_nm)), false),
         attrib("row", "row", own(new Transform<Item>(&Item::set_row, &Item::get_row, Functor::HEXADECIMAL)), true),
         attrib("uid", "uid", own(new Transform<Item>(&Item::set_uid, &Item::get_uid, Functor::HEXADECIMAL)), true)}));
    add(element("note", 0, "/palvermontine/model/chs/ch/note", "Choice Note", 0, 1, false, 0, 4,
                own(new Transform<Item>(&Item::set_note, &Item::get_note))));
    add(element("ss", 5, "/palvermontine/model/ss", "Scored Preferences", 1, 1, true, 16, 2,
                own(new Transform<DM::Scores>())));
    add(element("s", 0, "/palvermontine/model/ss/s", "Scored Preference", 0, 1, true, 0, 3,
                own(new Transform<Score>(&Score::set_value, &Score::get_value))));
    add(element("nd", 6, "/palvermontine/model/nd", "Nods", 1, 1, false, 2, 2, own(new Transform<Nod>())));
    add(element("d", 0, "/palvermontine/model/nd/d", "Nod", 0, 1, false, 0, 3,
                own(new Transform<Nod>(&Nod::set_value, &Nod::get_value))));
    add(element("ne", 7, "/palvermontine/model/ne", "Nudges", 1, 1, false, 2, 2, own(new Transform<Nudge>())));
    add(element("n", 0, "/palvermontine/model/ne/n", "Nudge", 0, 1, false, 0, 3,
                own(new Transform<Nudge>(&Nudge::set_value, &Nudge::get_value))));
    add(element("wk", 8, "/palvermontine/model/wk", "Winks", 1, 1, false, 2, 2, own(new Transform<Wink>())));
    add(element("w", 0, "/palvermontine/model/wk/w", "Wink", 0, 1, false, 0, 3,
                own(new Transform<Wink>(&Wink::set_value, &Wink::get_value))));
    add(element(
        "slns", 9, "/palvermontine/model/slns", "Solutions", 1, 1, true, 19, 2, own(new Transform<SolutionsVec>()),
        {attrib("timestamp", nullptr,
                own(new Transform<SolutionsVec>(&SolutionsVec::set_timestamp, &SolutionsVec::get_timestamp)), false),
         attrib("dirty", nullptr, own(new Transform<SolutionsVec>(&SolutionsVec::set_flag, &SolutionsVec::get_flag)),
                false)}));
    add(element("sln", 0, "/palvermontine/model/slns/sln", "Solution", 1, 1, true, 0, 3, own(new Transform<Solution>()),
                {attrib("ch", "ch id",
                        own(new Transform<Solution>(&Solution::set_ch, &Solution::get_ch, Functor::DECIMAL)), true),
                 attrib("rank", "ranking", own(new Transform<Solution>(&Solution::set_pctrank, &Solution::get_pctrank)),
                        true)}));
    add(element("note", 0, "/palvermontine/model/slns/sln/note", "Solution Note", 0, 1, false, 0, 4,
                own(new Transform<Solution>(&Solution::set_note, &Solution::get_note))));
    PV_ASSERT(size() == 29);
  }
};

const ModelTable& modelTable() {
  static const ModelTable table;
  return table;
}

std::string itemPath(const char* list, const char* item, std::size_t index) {
  return std::string("element /palvermontine/model/") + list + "/" + item + "[" + std::to_string(index + 1) + "]";
}

template <class V>
void checkRows(const V& items, const char* list, const char* item, unsigned maxRow) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    unsigned row = items[i].get_row();
    if (row < 1 || row > maxRow)
      throw FormatError("attribute \"row\" of " + itemPath(list, item, i) + ": the row " + std::to_string(row) +
                        " is outside 1 to " + std::to_string(maxRow));
  }
}

// The names of the attributes of a start tag, in order ("<a x='1' y=\"2\">").
std::vector<std::string> attributeNames(const std::string& tag) {
  std::vector<std::string> names;
  auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t i = 1;
  while (i < tag.size() && !isSpace(tag[i]) && tag[i] != '>' && tag[i] != '/') ++i;
  while (i < tag.size()) {
    while (i < tag.size() && isSpace(tag[i])) ++i;
    if (i >= tag.size() || tag[i] == '>' || tag[i] == '/') break;
    const std::size_t start = i;
    while (i < tag.size() && !isSpace(tag[i]) && tag[i] != '=' && tag[i] != '>' && tag[i] != '/') ++i;
    names.push_back(tag.substr(start, i - start));
    while (i < tag.size() && isSpace(tag[i])) ++i;
    if (i < tag.size() && tag[i] == '=') {
      ++i;
      while (i < tag.size() && isSpace(tag[i])) ++i;
      if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
        const char quote = tag[i++];
        while (i < tag.size() && tag[i] != quote) ++i;
        ++i;
      }
    }
  }
  return names;
}

// Reading takes the first of elements that the file holds once and the first of
// attributes given twice: what would be dropped silently is refused instead. The
// entries of a list may repeat; nothing else of the table may. Only elements of the
// table are visited, so the walk goes no deeper than the table does.
class GivenOnceCheck {
 public:
  GivenOnceCheck(const CXmlDoc& doc, const TableEntry* table, uint32_t n) : doc_(doc), table_(table), n_(n) {}

  void run() {
    const uint32_t root = doc_.GetElementCount() > 1 ? doc_.GetElementPos(0).firstChild : 0;
    if (root == 0) return;
    const std::string path = "/" + nameOf(root);
    if (entryOf(path) != nullptr) visit(root, path, path);
  }

 private:
  const TableEntry* entryOf(const std::string& path) const {
    for (uint32_t i = 0; i < n_; ++i)
      if (table_[i].path && path == table_[i].path) return &table_[i];
    return nullptr;
  }

  std::string nameOf(uint32_t index) const {
    const std::string& text = doc_.GetDocument();
    std::size_t i = doc_.GetElementPos(index).start + 1;
    const std::size_t start = i;
    while (i < text.size() && std::strchr(" \t\r\n/><=\\?!", text[i]) == nullptr) ++i;
    return text.substr(start, i - start);
  }

  void visit(uint32_t index, const std::string& bare, const std::string& shown) {
    const CXmlDoc::ElementPos& pos = doc_.GetElementPos(index);
    const std::vector<std::string> names = attributeNames(doc_.GetDocument().substr(pos.start, pos.startTagLen));
    for (std::size_t a = 0; a < names.size(); ++a)
      for (std::size_t b = 0; b < a; ++b)
        if (names[a] == names[b])
          throw FormatError("attribute " + quoteForMessage(names[a]) + " of element " + shown + " is given twice");

    const TableEntry* self = entryOf(bare);
    const bool container = self != nullptr && self->collectionId != 0;
    std::vector<std::pair<std::string, uint32_t>> seen;
    for (uint32_t c = pos.firstChild; c != 0; c = doc_.GetElementPos(c).nextSibling) {
      const std::string name = nameOf(c);
      const std::string childBare = bare + "/" + name;
      if (entryOf(childBare) == nullptr) continue;
      uint32_t count = 1;
      for (auto& s : seen)
        if (s.first == name) count = ++s.second;
      if (count == 1) seen.emplace_back(name, 1);
      if (count >= 2 && !container) throw FormatError("the element " + childBare + " is given more than once");
      visit(c, childBare, shown + "/" + name + (count >= 2 ? "[" + std::to_string(count) + "]" : ""));
    }
  }

  const CXmlDoc& doc_;
  const TableEntry* table_;
  uint32_t n_;
};

}  // namespace

const TableEntry* PalvermontineFile::tableEntries() { return modelTable().entries(); }
uint32_t PalvermontineFile::tableLength() { return modelTable().size(); }

PalvermontineFile::PalvermontineFile(const std::string& filename, bool readFlag)
    : File<Palvermontine>(filename, readFlag), rootName_("palvermontine") {
  setPath(".\\");
  setXsdFilename(rootName_ + ".xsd");
  table_ = std::make_unique<Table>(tableEntries(), tableLength());
}

PalvermontineFile::~PalvermontineFile() = default;

void PalvermontineFile::readModel(Palvermontine& tdm) {
  DecisionModel& mdl = tdm.get_model();
  PV_ASSERT(tdm.get_model().get_nm().empty());
  PV_ASSERT(tdm.get_model().get_dms().empty());
  PV_ASSERT(tdm.get_model().get_crs().empty());
  PV_ASSERT(tdm.get_model().get_chs().empty());
  PV_ASSERT(tdm.get_model().get_ss().empty());
  PV_ASSERT(tdm.get_model().get_slns().empty());
  PV_ASSERT(tdm.get_model().get_wk().empty());
  PV_ASSERT(tdm.get_model().get_nd().empty());
  PV_ASSERT(tdm.get_model().get_ne().empty());
  bool wellFormed = doc().IsWellFormed();
  PV_ASSERT(wellFormed == true);

  GivenOnceCheck(doc(), tableEntries(), tableLength()).run();

  Table::InputIterator& iter = table_->input();
  iter.reset();
  table_->readRoot(doc(), tdm, iter);
  // "appver" is mandatory, so the root record holds a value its setter took.
  double appver = tdm.get_appver();
  if (!(appver >= MIN_APPVER && appver <= MODEL_MAX_APPVER))
    throw FormatError("it was written by a newer version of the program (appver " + doc().GetAttribute("appver") +
                      "); this version reads files up to 4.9");

  if (!table_->readElem(doc(), mdl, iter)) throw FormatError("the element /palvermontine/model is missing");
  // A file without a data version is taken as the first version of its data.
  if (doc().GetAttribute("dataver").empty()) mdl.set_dataver(1);
  table_->readText(doc(), mdl, iter, 1);

  if (!table_->readElem(doc(), mdl.get_params(), iter))
    throw FormatError("the element /palvermontine/model/params is missing");
  table_->readText(doc(), mdl.get_params(), iter, 1);

  DecisionMaker dm;
  table_->readVector(doc(), mdl.get_dms(), dm, iter, PV_DATA_MAX_DMS);
  Criterion cr;
  table_->readVector(doc(), mdl.get_crs(), cr, iter, PV_DATA_MAX_CRS);
  Choice ch;
  table_->readVector(doc(), mdl.get_chs(), ch, iter, PV_DATA_MAX_CHS);
  Score s;
  table_->readVector(doc(), mdl.get_ss(), s, iter, PV_DATA_MAX_CRS);
  Solution sln;
  table_->readVector(doc(), mdl.get_slns(), sln, iter, MODEL_MAX_SLNS);

  checkModel(mdl);
}

void PalvermontineFile::checkModel(const DecisionModel& mdl) {
  // Rows are written as one digit: decimal for decision makers and criteria,
  // hexadecimal for choices.
  checkRows(mdl.get_dms(), "dms", "dm", 9);
  checkRows(mdl.get_crs(), "crs", "cr", 9);
  checkRows(mdl.get_chs(), "chs", "ch", 15);

  // Every ranking entry names a choice of the model.
  const auto& chs = mdl.get_chs();
  const auto& slns = mdl.get_slns();
  for (std::size_t i = 0; i < slns.size(); ++i) {
    uint32_t id = slns[i].get_ch();
    for (std::size_t k = 0; k < i; ++k)
      if (slns[k].get_ch() == id)
        throw FormatError("attribute \"ch\" of " + itemPath("slns", "sln", i) + " ranks the choice " +
                          std::to_string(id) + " a second time");
    bool found = false;
    for (const auto& c : chs) found = found || c.get_uid() == id;
    if (!found)
      throw FormatError("attribute \"ch\" of " + itemPath("slns", "sln", i) + " names no choice of the model");
  }

  // Score blocks: 8 hexadecimal digits of the criterion number (1, 2, ... in order),
  // 8 of a seed that is never 0, then score characters.
  const auto& ss = mdl.get_ss();
  if (ss.size() > mdl.get_crs().size())
    throw FormatError("the element /palvermontine/model/ss holds " + std::to_string(ss.size()) + " score blocks for " +
                      std::to_string(mdl.get_crs().size()) + " criteria");
  for (std::size_t i = 0; i < ss.size(); ++i) {
    const std::string& v = ss[i].get_value();
    std::string where = itemPath("ss", "s", i);
    if (v.size() < Math::SCORE_BLOCK_HEADER_LEN)
      throw FormatError(where + ": the score block is shorter than its 16-digit header");
    uint32_t number = 0;
    uint32_t seed = 0;
    if (!Math::readBlockField(v, Math::BLOCK_NUMBER_AT, number) || !Math::readBlockField(v, Math::BLOCK_SEED_AT, seed))
      throw FormatError(where + ": the score block's header is not hexadecimal");
    if (number != i + 1)
      throw FormatError(where + ": the score block is numbered " + std::to_string(number) + " in place of " +
                        std::to_string(i + 1));
    if (seed == 0) throw FormatError(where + ": the score block's seed is 0");
    for (std::size_t k = Math::SCORE_BLOCK_HEADER_LEN; k < v.size(); ++k)
      if (!Math::isScoreChar(v[k]))
        throw FormatError(where + ": the score block holds the character " + quoteForMessage(std::string(1, v[k])) +
                          ", which is no score");
  }
}

void PalvermontineFile::writeModel(Palvermontine& tdm) {
  PV_ASSERT(tdm.get_appver() != 0.0);
  PV_ASSERT(!tdm.get_model().get_nm().empty());
  PV_ASSERT(tdm.get_model().get_dataver() != 0.0);
  PV_ASSERT(tdm.get_model().get_params().get_cfl() != 0.0);
  DecisionModel& mdl = tdm.get_model();

  Table::OutputIterator& iter = table_->output();
  iter.reset();
  table_->writeTableHeader(doc(), tdm, iter);
  table_->writeElem(doc(), mdl, iter, 0);
  table_->writeText(doc(), mdl, iter, 1);
  table_->writeElem(doc(), mdl.get_params(), iter, 0);
  table_->writeText(doc(), mdl.get_params(), iter, 1);
  table_->writeVector(doc(), mdl.get_dms(), iter, PV_DATA_MAX_DMS);
  table_->writeVector(doc(), mdl.get_crs(), iter, PV_DATA_MAX_CRS);
  table_->writeVector(doc(), mdl.get_chs(), iter, PV_DATA_MAX_CHS);
  table_->writeVector(doc(), mdl.get_ss(), iter, PV_DATA_MAX_CRS);
  table_->writeVector(doc(), mdl.get_slns(), iter, MODEL_MAX_SLNS);
  bool wellFormed = doc().IsWellFormed();
  PV_ASSERT(wellFormed == true);
}

}  // namespace XML
}  // namespace PV
