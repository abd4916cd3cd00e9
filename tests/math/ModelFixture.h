// Decision models built in code for the tests of the pair sets, the algorithm and
// the math server.
#pragma once

#include "math/HJAlgorithm.h"
#include "math/RandomPairSet.h"
#include "model/DecisionModel.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace PV {
namespace Test {

// A word as eight lower-case hex digits, as the expected texts write it.
inline std::string hex8(uint32_t v) {
  char buf[9];
  std::snprintf(buf, sizeof buf, "%08x", static_cast<unsigned>(v));
  return buf;
}

struct ModelShape {
  uint32_t ndm = 3;
  uint32_t ncr = 2;
  uint32_t nch = 10;
  double cfl = 95.0;
  double cfi = 5.0;
  int sil = 5;
  uint32_t idWord1 = 0x1A2B3C4D;
};

// Items get unique ids 101, 102, ... (decision makers), 201, ... (criteria),
// 301, ... (choices) and weights 10, 20, ...; the model id word 1 seeds the pairs.
inline PV::Data::DecisionModel makeModel(const ModelShape& shape) {
  PV::Data::DecisionModel m;
  PV::Data::ModelParameters p;
  p.set_sil(static_cast<int8_t>(shape.sil));
  p.set_cfl(shape.cfl);
  p.set_cfi(shape.cfi);
  m.set_params(p);
  for (uint32_t k = 0; k < shape.ndm; ++k) {
    PV::Data::DecisionMaker d;
    d.set_nm("Decision Maker " + std::to_string(k + 1));
    d.set_row(static_cast<uint8_t>(k + 1));
    d.set_uid(101 + k);
    d.set_wt(static_cast<uint16_t>(10 * (k + 1)));
    m.get_dms().push_back(d);
  }
  for (uint32_t k = 0; k < shape.ncr; ++k) {
    PV::Data::Criterion c;
    c.set_nm("Criterion " + std::to_string(k + 1));
    c.set_row(static_cast<uint8_t>(k + 1));
    c.set_uid(201 + k);
    c.set_wt(static_cast<uint16_t>(10 * (k + 1)));
    m.get_crs().push_back(c);
  }
  for (uint32_t k = 0; k < shape.nch; ++k) {
    PV::Data::Choice c;
    c.set_nm("Choice " + std::to_string(k + 1));
    c.set_row(static_cast<uint8_t>(k + 1));
    c.set_uid(301 + k);
    m.get_chs().push_back(c);
  }
  const uint32_t id[2] = {0xF0E1D2C3u, shape.idWord1};
  m.set_id(id);
  m.set_nm("Test Model");
  m.set_dataver(1);
  return m;
}

// The score of a pair when choice k has the value trueValue(k): the difference of
// the values, clipped to the scale (positive: the second choice preferred).
inline int consistentScore(const MCDM_BC3_Pair& p, int sil) {
  int s = static_cast<int>(p.j) - static_cast<int>(p.i);
  if (s > sil) s = sil;
  if (s < -sil) s = -sil;
  return s;
}

inline void scoreAll(PV::Math::RandomPairSet& rps, int sil) {
  for (uint32_t n = 0; n < rps.getNumPairs(); ++n) {
    rps.setScore(n, consistentScore(rps.getPair(n), sil), true);
  }
  rps.saveScores();
}

}  // namespace Test
}  // namespace PV
