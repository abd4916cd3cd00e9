// Writes a model at the file limits for the whole-process benchmark: the most
// decision makers, criteria and choices a model holds, every name and note at its
// longest, the widest scale and the most pairs per criterion, every pair scored so
// that the choices rank in their order (the tool checks that they do).
//   make_limits_model OUT.xpv
#include "math/HJAlgorithm.h"
#include "math/MathServer.h"
#include "math/RandomPairSet.h"
#include "factory/Factory.h"
#include "model/Limits.h"

#include <cstdio>
#include <string>

namespace {

std::string filled(const std::string& head, std::size_t size) {
  std::string text = head;
  while (text.size() < size) text += static_cast<char>('a' + text.size() % 26);
  return text.substr(0, size);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_limits_model OUT.xpv\n");
    return 2;
  }
  PV::Data::ModelParameters params;
  params.set_note(filled("Limits ", PV_DATA_NOTES_MAX_BYTES));
  params.set_cfl(100.0);
  params.set_cfi(0.0);
  params.set_sil(5);
  auto* factory = PV::Data::Factory::instance();
  PV::Data::DecisionModel* m = factory->newModel(params, false);
  for (uint32_t i = 0; i < PV_DATA_MAX_DMS; ++i) {
    PV::Data::DecisionMaker d;
    d.set_nm(filled("Decision Maker " + std::to_string(i + 1) + " ", PV_DATA_NM_MAX_BYTES));
    d.set_note(filled("Note ", PV_DATA_NOTES_MAX_BYTES));
    d.set_row(static_cast<uint8_t>(i + 1));
    d.set_uid(i + 1);
    d.set_email("dm" + std::to_string(i + 1) + "@example.org");
    d.set_wt(static_cast<uint16_t>(100 + 50 * i));
    m->get_dms().push_back(d);
  }
  for (uint32_t i = 0; i < PV_DATA_MAX_CRS; ++i) {
    PV::Data::Criterion c;
    c.set_nm(filled("Criterion " + std::to_string(i + 1) + " ", PV_DATA_NM_MAX_BYTES));
    c.set_note(filled("Note ", PV_DATA_NOTES_MAX_BYTES));
    c.set_row(static_cast<uint8_t>(i + 1));
    c.set_uid(i + 1);
    c.set_meas(true);
    c.set_wt(static_cast<uint16_t>(9999 - 1000 * i));
    m->get_crs().push_back(c);
  }
  for (uint32_t i = 0; i < PV_DATA_MAX_CHS; ++i) {
    PV::Data::Choice c;
    c.set_nm(filled("Choice " + std::to_string(i + 1) + " ", PV_DATA_NM_MAX_BYTES));
    c.set_note(filled("Note ", PV_DATA_NOTES_MAX_BYTES));
    c.set_row(static_cast<uint8_t>(i + 1));
    c.set_uid(i + 1);
    c.set_active(true);
    m->get_chs().push_back(c);
  }
  m->set_nm(filled("Limits ", PV_DATA_NM_MAX_BYTES));
  m->set_note(filled("Model at the file limits ", PV_DATA_NOTES_MAX_BYTES));
  m->set_mode("std");

  PV::Math::Algorithm alg(*m);
  for (uint32_t r = 0; r < PV_DATA_MAX_CRS; ++r) {
    for (uint32_t d = 0; d < PV_DATA_MAX_DMS; ++d) {
      PV::Math::RandomPairSet* rps = alg.getRps(r, d);
      for (uint32_t k = 0; k < rps->getNumPairs(); ++k) {
        const auto p = rps->getPair(k);
        // Lower choices preferred, more strongly the further apart, varied a little:
        // a negative score prefers the pair's first choice.
        const int gap = static_cast<int>(p.i) - static_cast<int>(p.j);
        int s = gap / 2 + static_cast<int>((r + d + k) % 3) - 1;
        if (s > 5) s = 5;
        if (s < -5) s = -5;
        rps->setScore(k, s, true);
      }
      rps->saveScores();
    }
  }
  alg.writeScoreBlocks();
  factory->getMathServer(0)->refresh();
  if (!factory->save(argv[1])) {
    std::fprintf(stderr, "make_limits_model: %s\n", factory->lastError().c_str());
    return 1;
  }
  // The file is written unsolved, as the batch run it is timed with solves it. The
  // scores are meant to rank the choices in their order: solved here, the ranking
  // must say so, choice 1 first and choice 10 last.
  factory->getMathServer(0)->solve();
  const auto& slns = m->get_slns();
  uint32_t first = 0, last = 0;
  double best = -1.0, worst = 101.0;
  for (uint32_t k = 0; k < slns.size(); ++k) {
    if (slns[k].get_pctrank() > best) best = slns[k].get_pctrank(), first = slns[k].get_ch();
    if (slns[k].get_pctrank() < worst) worst = slns[k].get_pctrank(), last = slns[k].get_ch();
  }
  if (slns.size() != PV_DATA_MAX_CHS || first != 1 || last != PV_DATA_MAX_CHS) {
    std::fprintf(stderr, "make_limits_model: the scores rank choice %u first and choice %u last\n",
                 static_cast<unsigned>(first), static_cast<unsigned>(last));
    return 1;
  }
  return 0;
}
