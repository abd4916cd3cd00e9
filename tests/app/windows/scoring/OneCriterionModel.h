// The lists of the smallest model that has pairs to score: one decision maker (DM1), one
// criterion (Cr1) and n choices named prefix1, prefix2, ... Shared by the scoring tests
// and the scoring bench, which hand them to the math server each in their own way.
#pragma once

#include "model/DecisionModel.h"

#include <cstdint>
#include <string>
#include <vector>

struct OneCriterionModel {
  std::vector<PV::Data::DecisionMaker> decisionMakers;
  std::vector<PV::Data::Criterion> criteria;
  std::vector<PV::Data::Choice> choices;
};

inline OneCriterionModel oneCriterionModel(int choices, const std::string& prefix) {
  OneCriterionModel m;
  PV::Data::DecisionMaker d;
  d.set_nm("DM1");
  d.set_row(1);
  d.set_uid(101);
  d.set_wt(100);
  m.decisionMakers.push_back(d);
  PV::Data::Criterion c;
  c.set_nm("Cr1");
  c.set_row(1);
  c.set_uid(201);
  c.set_wt(10);
  m.criteria.push_back(c);
  for (int k = 0; k < choices; ++k) {
    PV::Data::Choice ch;
    ch.set_nm(prefix + std::to_string(k + 1));
    ch.set_row(static_cast<uint8_t>(k + 1));
    ch.set_uid(301 + k);
    m.choices.push_back(ch);
  }
  return m;
}
