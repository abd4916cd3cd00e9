// Helpers of the report tests: fixed about texts, small models, temporary files.
#pragma once

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "model/DecisionModel.h"
#include "report/ReportInputs.h"

namespace PV {
namespace Report {
namespace Support {

inline AboutTexts fixedAboutTexts() {
  AboutTexts a;
  a.userName = "Test User";
  a.version = "4.1";
  a.buildDate = "Jan 10 2010";
  a.buildTime = "01:54:57";
  a.osName = "Test OS";
  a.osVersion = "1.0.0 SP0";
  a.description = "Multi-criteria decision modelling by paired preferences";
  a.webAddress = "https://palvermontine.example/";
  a.publisher = "Palvermontine Project";
  a.copyright = "Copyright (c) Palvermontine Project";
  return a;
}

inline std::string fixedClock() { return "2024-03-05T14:07:09Z"; }

// A file in the test program's own folder of the build tree, removed first.
inline std::string scratchFile(const std::string& name) {
  const std::string path = std::string(PV_TEST_OUT_DIR) + "/" + name;
  std::remove(path.c_str());
  return path;
}

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool fileExists(const std::string& path) { return std::ifstream(path).good(); }

inline size_t countOf(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

template <class ItemT>
ItemT makeItem(int row, const std::string& name, const std::string& note, uint32_t uid) {
  ItemT item;
  item.set_row(static_cast<uint8_t>(row));
  item.set_nm(name);
  item.set_note(note);
  item.set_uid(uid);
  return item;
}

// A model with the given counts, named items, confidence 95 / 5, scale 3, no scores
// and no solutions.
inline PV::Data::DecisionModel smallModel(int choices, int decisionMakers, int criteria) {
  PV::Data::DecisionModel model;
  model.set_nm("Small model");
  model.set_filepath("C:\\models\\small.xpv");
  model.set_crtime("2024-01-02T03:04:05");
  model.set_note("A small model for the report tests");
  PV::Data::ModelParameters params;
  params.set_sil(3);
  params.set_cfl(95.0);
  params.set_cfi(5.0);
  model.set_params(params);
  for (int i = 0; i < choices; ++i) {
    model.get_chs().push_back(
        makeItem<PV::Data::Choice>(i + 1, "Choice " + std::to_string(i + 1), "Note " + std::to_string(i + 1), 100 + i));
  }
  for (int i = 0; i < decisionMakers; ++i) {
    auto dm = makeItem<PV::Data::DecisionMaker>(i + 1, "Decision Maker " + std::to_string(i + 1), "", 200 + i);
    dm.set_wt(static_cast<uint16_t>(100 * (i + 1)));
    model.get_dms().push_back(dm);
  }
  for (int i = 0; i < criteria; ++i) {
    auto cr = makeItem<PV::Data::Criterion>(i + 1, "Criterion " + std::to_string(i + 1), "Criterion note", 300 + i);
    cr.set_wt(static_cast<uint16_t>(10 * (i + 1)));
    model.get_crs().push_back(cr);
  }
  return model;
}

}  // namespace Support
}  // namespace Report
}  // namespace PV
